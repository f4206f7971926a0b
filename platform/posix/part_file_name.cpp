#include "platform/posix/part_file_name.h"

#include <cstdint>
#include <cstdio>

namespace zarvik3 {
namespace {

constexpr std::size_t kNameMax = 255;
const char kSuffix[] = ".zarvik3-part";

std::uint64_t Fnv1a(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

}  // namespace

std::string PartFileName(const std::string& name) {
    std::string part = "." + name + kSuffix;
    if (part.size() <= kNameMax) return part;
    // A long name would make the temporary name too long to create: shorten it, and keep
    // it distinct from the other long names that share its beginning.
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a(name)));
    const std::size_t keep = kNameMax - 1 - 1 - 16 - (sizeof kSuffix - 1);
    return "." + name.substr(0, keep) + "~" + hash + kSuffix;
}

}  // namespace zarvik3
