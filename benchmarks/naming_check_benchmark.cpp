// The naming check lists each folder once for all its blocks. How long a
// check of a large project takes (17 disciplines, each with 2,000 model and
// 2,000 sheet files), beside one `find` pass over the same tree in the same
// run: the check should take at most about 1.5 times as long as the listing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/office_paths.h"
#include "catalogue/check_tables.h"
#include "catalogue/tables.h"
#include "check/naming_check.h"
#include "platform/native_platform.h"

namespace {

namespace fs = std::filesystem;

constexpr int filesPerFolder = 2000;
const std::string project = "KLV-13000-C000";

// The office: the user's current project, and the project's design tree in
// which every tenth name breaks a rule.
fs::path office() {
    const fs::path dir = fs::temp_directory_path() / "trv-bench-naming-check";
    if (fs::exists(dir / "done")) return dir;
    fs::remove_all(dir);
    fs::create_directories(dir / "tester" / "PROJECTS");
    std::ofstream(dir / "tester" / "PROJECTS" / "curproject.txt", std::ios::binary)
        << "\"" << project << "\",\"BENCH\",\"" << project << "\"\r\n";
    for (const std::string& discipline : trv::catalogue::checkedDisciplines()) {
        const std::string code = trv::catalogue::findDiscipline(discipline)->code;
        const fs::path root = dir / "PROJECTS" / project / "DESIGN" / discipline;
        fs::create_directories(root / "MODEL_FILES");
        fs::create_directories(root / "SHEET_FILES");
        for (int i = 0; i < filesPerFolder; ++i) {
            char user[8], sheet[8];
            std::snprintf(user, sizeof user, "%02d-%02d", i / 100, i % 100);
            std::snprintf(sheet, sizeof sheet, "%04d", i);
            const std::string designator = i % 10 == 3 ? "X" : code;
            const std::string type = i % 10 == 7 ? "ZZ" : "LG";
            std::ofstream(root / "MODEL_FILES" /
                          (project + "-01-" + designator + "-" + type + "-" + user + ".dwg"));
            std::ofstream(root / "SHEET_FILES" / (project + "-01-" + designator + "-" + sheet + ".dwg"));
        }
    }
    std::ofstream(dir / "done");
    return dir;
}

void BM_NamingCheck(benchmark::State& state) {
    const fs::path dir = office();
    trv::AppSettings settings;
    settings.ProjectPath = dir.string() + "/";
    settings.ProjectRoot = dir.string();
    settings.UserFolder = "tester";
    settings.UserDir = settings.ProjectPath + settings.UserFolder;
    const trv::OfficePaths paths(settings);
    trv::NativePlatform platform;
    for (auto _ : state) {
        auto outcome = trv::check::runNamingCheck(platform, paths, "Design Drawings");
        if (!outcome.value || !outcome.value->reportWritten) state.SkipWithError("no report written");
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_NamingCheck)->Unit(benchmark::kMillisecond);

#ifndef _WIN32
// The yardstick: one listing of the same tree by find, names printed and thrown away.
void BM_FindPass(benchmark::State& state) {
    const fs::path tree = office() / "PROJECTS" / project / "DESIGN";
    const std::string command = "find '" + tree.string() + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("find failed");
    }
}
BENCHMARK(BM_FindPass)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
