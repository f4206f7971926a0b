#include "platform/posix/native_path.h"

#include <vector>

namespace zarvik3 {
namespace {

// The names of a "/"-separated path with "." and ".." applied; ".." stops at the top.
std::vector<std::string> ResolvedNames(const std::string& path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string name = path.substr(start, end - start);
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    return names;
}

}  // namespace

bool IsAbsoluteNativePath(const std::string& path) {
    return !path.empty() && path[0] == '/';
}

std::string NormalNativePath(const std::string& path) {
    return JoinUnderRoot("/", path);
}

std::string JoinUnderRoot(const std::string& root, const std::string& relative) {
    std::string result = root;
    while (result.size() > 1 && result.back() == '/') result.pop_back();
    for (const std::string& name : ResolvedNames(relative)) {
        if (result.back() != '/') result += '/';
        result += name;
    }
    return result;
}

}  // namespace zarvik3
