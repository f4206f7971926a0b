#include "platform/file_system.h"

#include <vector>

namespace zarvik3 {
namespace {

std::string WithoutTrailingBackslashes(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

std::string ParentOf(const std::string& path) {
    const auto cut = path.find_last_of('\\');
    return cut == std::string::npos ? std::string()
                                    : WithoutTrailingBackslashes(path.substr(0, cut));
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

CopyOutcome ForceDirectories(FileSystem& fs, const std::string& path, const std::string& like,
                             std::size_t levels) {
    const std::vector<std::string> missing = MissingFolders(fs, path);
    std::vector<std::string> models;
    std::string model = WithoutTrailingBackslashes(like);
    for (std::size_t level = 0; level < missing.size(); ++level) {
        models.push_back(level <= levels ? model : std::string());
        model = ParentOf(model);
    }
    for (std::size_t i = missing.size(); i-- > 0;) {
        const CopyOutcome made = fs.CreateDirectory(missing[i], models[i]);
        // Someone else may have created it in the meantime; that is just as good.
        if (!made.ok && !fs.DirectoryExists(missing[i])) return made;
    }
    return {};
}

}  // namespace zarvik3
