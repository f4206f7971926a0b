#include "platform/file_system.h"

#include <vector>

namespace zarvik3 {
namespace {

std::string WithoutTrailingBackslashes(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

// The missing folders of path, innermost first.
std::vector<std::string> MissingFolders(FileSystem& fs, const std::string& path) {
    std::vector<std::string> missing;
    std::string dir = WithoutTrailingBackslashes(path);
    while (dir.size() >= 3 && !fs.DirectoryExists(dir)) {
        missing.push_back(dir);
        const auto cut = dir.find_last_of('\\');
        if (cut == std::string::npos) break;
        dir = WithoutTrailingBackslashes(dir.substr(0, cut));
    }
    return missing;
}

}  // namespace

bool ForceDirectories(FileSystem& fs, const std::string& path) {
    const std::vector<std::string> missing = MissingFolders(fs, path);
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        // Someone else may have created it in the meantime; that is just as good.
        if (!fs.CreateDirectory(*it) && !fs.DirectoryExists(*it)) return false;
    }
    return true;
}

}  // namespace zarvik3
