#include <cstdint>
#include <optional>

#include "text/date_time_text.h"
#include "text/text_helpers.h"

namespace zarvik3 {

namespace {

std::optional<std::int32_t> ReadInt32(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == text.size()) return std::nullopt;
    // One past the largest magnitude, so that the lowest value still fits.
    constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) return std::nullopt;
    }
    if (!negative && magnitude == kLimit) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::int32_t StrToInt(const std::string& text) {
    if (const auto value = ReadInt32(text)) return *value;
    throw EConvertError("'" + text + "' is not a valid integer value");
}

}  // namespace zarvik3
