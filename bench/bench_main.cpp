// Headless copy run over the real platform layer, for timing against cp and rsync.
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "bench/null_copy_view.h"
#include "copy/copy_run.h"
#include "copy/process_values.h"
#include "platform/locale_items.h"
#include "platform/platform.h"

namespace {

constexpr int kUsageError = 2;

struct Options {
    std::string from;
    std::string to;
    std::string mask = "*.*";
    std::string exclude;  // nothing excluded, as with cp
    bool subfolders = true;
};

int Usage() {
    std::cerr << "usage: zarvik3-bench FROM TO [--mask M] [--exclude E] [--no-subfolders]\n";
    return kUsageError;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
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
std::optional<std::string> FolderText(zarvik3::Drives& drives, const std::string& native) {
    const std::filesystem::path path = std::filesystem::absolute(native).lexically_normal();
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return drives.ToFolderText(text);
}

int Run(const Options& options) {
    zarvik3::Platform platform = zarvik3::CreatePlatform("/nonexistent/settings.ini");
    const auto from = FolderText(*platform.drives, options.from);
    const auto to = FolderText(*platform.drives, options.to);
    if (!from || !to) {
        std::cerr << "zarvik3-bench: no drive letter covers FROM or TO\n";
        return 1;
    }
    zarvik3::bench::NullCopyView view;
    view.from = *from;
    view.to = *to;
    view.mask = options.mask;
    view.exclude = options.exclude;
    view.subfolders = options.subfolders;
    zarvik3::ProcessValues values;
    const zarvik3::LocaleDateSettings locale = zarvik3::LoadLocaleDateSettings();
    zarvik3::CopyRun run(*platform.fileSystem, *platform.drives, *platform.clock, view, values,
                         locale);
    run.btCopyClick();
    if (view.endedByMessage) return 1;
    std::cout << view.status << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) return Usage();
    try {
        return Run(*options);
    } catch (const std::exception& error) {
        std::cerr << "zarvik3-bench: " << error.what() << '\n';
        return 1;
    }
}
