#pragma once

#include <cstdint>

namespace zarvik3 {

// Nanoseconds per tick of the last-write times a file system keeps, from the magic number
// statfs reports; 0 for the coarse ones and those not known, which only the packed
// two-second comparison suits.
std::int64_t TimeResolutionOfMagic(std::uint32_t magic);

}  // namespace zarvik3
