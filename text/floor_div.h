#pragma once

#include <cstdint>

namespace zarvik3 {

// The quotient rounded down, not toward zero, so that counts before an epoch fall into the
// tick, day or era that holds them.
inline constexpr std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return value % divisor != 0 && (value < 0) != (divisor < 0) ? quotient - 1 : quotient;
}

}  // namespace zarvik3
