#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zarvik3 {

// How a stored value or a default comes back from a profile read.
std::string StripQuotePair(std::string_view value);
std::string TrimTrailingBlanks(std::string_view text);
std::string CutToBuffer(std::string_view text, std::size_t bufferSize);

}  // namespace zarvik3
