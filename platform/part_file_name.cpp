#include "platform/part_file_name.h"

#include <cstdio>
#include <string_view>

namespace zarvik3 {
namespace {

constexpr std::size_t kNameMax = 255;
constexpr std::string_view kSuffix = ".zarvik3-part";
constexpr std::size_t kRandomDigits = 16;
constexpr std::size_t kCheckDigits = 8;
constexpr std::size_t kTail = 1 + kRandomDigits + kCheckDigits + kSuffix.size();

std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string Hex(std::uint64_t value, std::size_t digits) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return std::string(text + 16 - digits);
}

std::string Check(std::string_view stem, std::string_view random) {
    return Hex(Fnv1a(std::string(stem) + '\0' + std::string(random)) & 0xffffffffu, kCheckDigits);
}

bool IsHex(std::string_view text) {
    return text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// A long name would make the temporary name too long to create: shorten it, and keep it
// distinct from the other long names that share its beginning.
std::string Stem(const std::string& name) {
    std::string stem = "." + name;
    if (stem.size() + kTail <= kNameMax) return stem;
    const std::size_t keep = kNameMax - kTail - 1 - 16;
    return stem.substr(0, keep) + "~" + Hex(Fnv1a(name), 16);
}

}  // namespace

std::string PartFileName(const std::string& name, std::uint64_t random) {
    const std::string stem = Stem(name);
    const std::string digits = Hex(random, kRandomDigits);
    return stem + "." + digits + Check(stem, digits) + std::string(kSuffix);
}

bool IsPartFileName(const std::string& candidate) {
    if (candidate.size() <= kTail || candidate[0] != '.' || !candidate.ends_with(kSuffix)) {
        return false;
    }
    const std::size_t dot = candidate.size() - kTail;
    if (candidate[dot] != '.') return false;
    const std::string_view view(candidate);
    const std::string_view random = view.substr(dot + 1, kRandomDigits);
    const std::string_view check = view.substr(dot + 1 + kRandomDigits, kCheckDigits);
    return IsHex(random) && IsHex(check) && check == Check(view.substr(0, dot), random);
}

}  // namespace zarvik3
