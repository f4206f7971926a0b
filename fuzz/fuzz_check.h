#pragma once

#include <cstdio>
#include <cstdlib>

namespace zarvik3::fuzz {

// A broken invariant is a finding: abort, so the fuzzer keeps the input that caused it.
inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant failed: %s\n", what);
    std::abort();
}

}  // namespace zarvik3::fuzz
