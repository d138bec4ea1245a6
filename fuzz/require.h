#pragma once

#include <cstdio>
#include <cstdlib>

namespace trv::fuzz {

// A property that must hold for every input; a broken one stops the fuzzer
// with its description, as a crash would.
inline void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace trv::fuzz
