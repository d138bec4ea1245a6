// The sheet numbering on any folder listing. The input's first line is the
// name base, each further line a file name (at most 64). A proposed number is
// a number of at least three digits, does not depend on the order of the
// listing, and once a sheet of that number exists the next proposal is
// higher. (A proposal of the largest 64-bit number is the one exception: a
// number that cannot be increased is left out, so a folder that reaches it
// proposes it again and the copy finds the name taken.)
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/require.h"
#include "naming/names.h"
#include "platform/text.h"

namespace {

using trv::fuzz::require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= input.size() && lines.size() <= 64;) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        lines.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    const std::string base = lines.front();
    std::vector<std::string> names(lines.begin() + 1, lines.end());

    const auto next = trv::naming::nextSheetNumber(names, base);
    std::reverse(names.begin(), names.end());
    require(trv::naming::nextSheetNumber(names, base) == next, "the order of the listing changed the proposal");
    if (!next) return 0;

    require(next->size() >= 3 && trv::allAsciiDigits(*next), "a proposal is not a number of three digits");
    long long number = 0;
    const auto [end, ec] = std::from_chars(next->data(), next->data() + next->size(), number);
    require(ec == std::errc() && end == next->data() + next->size() && number >= 0, "a proposal out of range");

    // The sheet proposed, created: the numbering moves past it. (A base with
    // a dot or a backslash names no sheet; composed bases are text.)
    if (number == std::numeric_limits<long long>::max()) return 0;
    if (base.find_first_of(".\\") != std::string::npos || !trv::isValidUtf8(base)) return 0;
    names.push_back(base + *next + ".dwg");
    const auto after = trv::naming::nextSheetNumber(names, base);
    require(after.has_value(), "a proposed sheet stops the numbering");
    long long afterNumber = 0;
    std::from_chars(after->data(), after->data() + after->size(), afterNumber);
    require(afterNumber > number, "the numbering proposes a sheet that exists");
    return 0;
}
