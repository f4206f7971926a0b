#pragma once

#include <cstddef>
#include <string_view>

namespace zarvik3 {

// Length of the well-formed UTF-8 sequence of two to four bytes that starts at pos, or 0
// when none starts there (an ASCII byte, a stray or truncated byte, an overlong form).
std::size_t MultiByteSequenceAt(std::string_view text, std::size_t pos);

// Start of the well-formed multi-byte sequence that pos lies strictly inside, or pos itself
// when it lies inside none.
std::size_t SequenceStartAround(std::string_view text, std::size_t pos);

}  // namespace zarvik3
