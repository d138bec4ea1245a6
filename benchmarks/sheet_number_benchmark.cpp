// The next sheet number comes from one listing pass over the sheet folder:
// how long one composition's numbering takes in a folder of 10,000 sheets.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "naming/names.h"
#include "platform/native_platform.h"

namespace {

const std::string base = "KLV-13000-C000-01-A-1";

std::filesystem::path sheetFolder(int count) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("trv-bench-sheets-" + std::to_string(count));
    if (!fs::exists(dir / "done")) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (int i = 0; i < count; ++i) {
            char number[16];
            std::snprintf(number, sizeof number, "%03d", i % 1000);
            // Sheets of this base with numbers, of other types, and backups.
            const std::string prefix = i % 3 == 0 ? base : "KLV-13000-C000-01-A-" + std::to_string(i % 10);
            std::ofstream(dir / (prefix + number + (i % 7 == 0 ? ".bak" : ".dwg")));
        }
        std::ofstream(dir / "done");
    }
    return dir;
}

void BM_NextSheetNumber(benchmark::State& state) {
    const auto dir = sheetFolder(static_cast<int>(state.range(0)));
    trv::NativePlatform platform;
    for (auto _ : state) {
        const auto names = platform.listFilesStartingWith(dir.string(), base);
        auto next = trv::naming::nextSheetNumber(names, base);
        benchmark::DoNotOptimize(next);
    }
}
BENCHMARK(BM_NextSheetNumber)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
