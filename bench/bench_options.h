#pragma once

// The command line both benchmark programs take, and FROM and TO as folder texts.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"

namespace zarvik3::bench {

constexpr int kUsageError = 2;

struct Options {
    std::string from;
    std::string to;
    std::string mask = "*.*";
    std::string exclude;  // nothing excluded, as with cp
    bool subfolders = true;
};

inline int Usage(const char* program) {
    std::cerr << "usage: " << program << " FROM TO [--mask M] [--exclude E] [--no-subfolders]\n";
    return kUsageError;
}

inline std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--mask" && hasValue) {
            options.mask = args[++i];
        } else if (arg == "--exclude" && hasValue) {
            options.exclude = args[++i];
        } else if (arg == "--no-subfolders") {
            options.subfolders = false;
        } else if (arg.starts_with("--") || arg.empty()) {
            return std::nullopt;
        } else {
            folders.push_back(arg);
        }
    }
    if (folders.size() != 2) return std::nullopt;
    options.from = folders[0];
    options.to = folders[1];
    return options;
}

// The destination may not exist yet, so the path is made absolute by name only.
inline std::optional<std::string> FolderText(Drives& drives, const std::string& native) {
    const std::filesystem::path path = std::filesystem::absolute(native).lexically_normal();
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return drives.ToFolderText(NativePath(text));
}

}  // namespace zarvik3::bench
