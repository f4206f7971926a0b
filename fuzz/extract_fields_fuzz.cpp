// Field extraction and character copying against plain reference versions.
//
// Input: bytes for count and first, a byte giving the separator's length, the separator,
// then the text.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "text/text_helpers.h"

namespace {

using zarvik3::fuzz::Require;

// Small numbers mostly, with the extremes and their neighbours now and then.
template <typename Int>
Int NumberFrom(std::uint8_t byte) {
    switch (byte) {
        case 255:
            return std::numeric_limits<Int>::max();
        case 254:
            return std::numeric_limits<Int>::min();
        case 253:
            return std::numeric_limits<Int>::max() - 1;
        default:
            return static_cast<Int>(byte % 24) - 3;
    }
}

std::vector<std::string> FieldsOf(const std::string& text, const std::string& separator) {
    if (separator.empty()) return {text};
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos;) {
        fields.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    fields.push_back(text.substr(start));
    return fields;
}

// Fields first to first + count - 1 joined; when fields follow them, the joined text ends
// in a separator, and then one trailing separator is dropped.
std::string ReferenceFields(const std::string& text, const std::string& separator,
                            std::int64_t count, std::int64_t first) {
    const std::vector<std::string> fields = FieldsOf(text, separator);
    const auto n = static_cast<std::int64_t>(fields.size());
    if (first < 1 || first > n || count < 1) return {};
    const std::int64_t last = std::min(n, first + count - 1);
    std::string result;
    for (std::int64_t i = first; i <= last; ++i) {
        result += fields[static_cast<std::size_t>(i - 1)];
        if (i < n) result += separator;
    }
    if (!result.empty() && result.ends_with(separator)) {
        result.resize(result.size() - separator.size());
    }
    return result;
}

// Length of the well-formed UTF-8 character of two or more bytes at pos, or 0.
std::size_t CharLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead > 0xF4) return 0;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || pos + length > text.size()) return 0;
    std::uint32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[pos + i]);
        if ((c & 0xC0) != 0x80) return 0;
        code = code << 6 | (c & 0x3F);
    }
    constexpr std::uint32_t kLowest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLowest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

// Bytes first to first + count - 1; a character cut at either end is left out whole.
std::string ReferenceChars(const std::string& text, std::int64_t first, std::int64_t count) {
    const auto size = static_cast<std::int64_t>(text.size());
    const std::int64_t begin = std::max<std::int64_t>(first, 1) - 1;
    if (count <= 0 || begin >= size) return {};
    const std::int64_t end = count >= size - begin ? size : begin + count;
    std::string result;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = std::max<std::size_t>(1, CharLength(text, pos));
        const auto start = static_cast<std::int64_t>(pos);
        if (start >= begin && start + static_cast<std::int64_t>(length) <= end) {
            result.append(text, pos, length);
        }
        pos += length;
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::size_t separatorLength = std::min<std::size_t>(data[2] % 4, size - 3);
    const std::string separator(reinterpret_cast<const char*>(data) + 3, separatorLength);
    const std::string text(reinterpret_cast<const char*>(data) + 3 + separatorLength,
                           size - 3 - separatorLength);

    const auto count = NumberFrom<std::int32_t>(data[0]);
    const auto first = NumberFrom<std::int32_t>(data[1]);
    Require(zarvik3::ExtractFields(text, separator, count, first) ==
                ReferenceFields(text, separator, count, first),
            "fields match the reference");

    const auto charsFirst = NumberFrom<std::int64_t>(data[1]);
    const auto charsCount = NumberFrom<std::int64_t>(data[0]);
    Require(zarvik3::CopyChars(text, charsFirst, charsCount) ==
                ReferenceChars(text, charsFirst, charsCount),
            "copied characters match the reference");
    return 0;
}
