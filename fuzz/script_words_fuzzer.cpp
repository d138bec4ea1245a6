// The script word splitter on any line: a bare word holds no blank, the words
// of a line written back (each in quotes, or bare when they can be) split
// into the same words, and only a line with a quote can be refused. The transcript's escaping of
// line breaks leaves none.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/require.h"
#include "cli/script.h"

namespace {

using trv::fuzz::require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const auto words = trv::cli::splitWords(line);

    const std::string escaped = trv::cli::escapeLineBreaks(line);
    require(escaped.find_first_of("\r\n") == std::string::npos, "escaping left a line break");

    const auto quotes = std::count(line.begin(), line.end(), '"');
    if (!words) {
        require(quotes > 0, "a line without a quote was refused");
        return 0;
    }
    if (quotes == 0) {
        for (const auto& w : *words)
            require(!w.empty() && w.find_first_of(" \t") == std::string::npos, "a bare word holds a blank");
    }
    std::string quoted, bare;
    bool anyBlank = false;
    for (const auto& w : *words) {
        quoted += " \"" + w + "\"";
        if (w.find('"') != std::string::npos) return 0;  // a word holding a quote cannot be quoted
        anyBlank = anyBlank || w.empty() || w.find_first_of(" \t") != std::string::npos;
        bare += w + "\t";
    }
    require(trv::cli::splitWords(quoted) == words, "quoted words split differently");
    if (!anyBlank) require(trv::cli::splitWords(bare) == words, "bare words split differently");
    return 0;
}
