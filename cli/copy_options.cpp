#include "cli/copy_options.h"

#include "cli/console.h"

namespace zarvik3::cli {
namespace {

bool IsFolderText(const std::string& text) {
    const char letter = text.empty() ? '\0' : text[0];
    const bool isLetter = (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
    return isLetter && text.size() >= 2 && text[1] == ':';
}

// Takes the value of an option that needs one; false when none follows.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value) {
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
}

bool ReadOption(const std::vector<std::string>& args, std::size_t& i, Options& options) {
    const std::string& arg = args[i];
    if (arg == "--mask") return TakeValue(args, i, options.mask);
    if (arg == "--exclude") return TakeValue(args, i, options.exclude);
    if (arg == "--no-subfolders") {
        options.subfolders = false;
    } else if (arg == "--list") {
        options.list = true;
    } else if (arg == "--quiet") {
        options.quiet = true;
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    std::vector<std::string> folders;
    bool onlyFolders = false;  // after "--", names that start with "-" are folders too
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!onlyFolders && arg == "--") {
            onlyFolders = true;
        } else if (!onlyFolders && arg.size() > 1 && arg[0] == '-') {
            if (!ReadOption(args, i, options)) {
                error = "unknown option or missing value: " + arg;
                return std::nullopt;
            }
        } else {
            folders.push_back(arg);
        }
    }
    if (folders.size() != 2) {
        error = "expected FROM and TO, got " + std::to_string(folders.size()) + " folder(s)";
        return std::nullopt;
    }
    options.from = folders[0];
    options.to = folders[1];
    return options;
}

std::string UsageText(const std::string& program) {
    return "usage: " + program +
           " FROM TO [--mask M] [--exclude E] [--no-subfolders] [--list] [--quiet]\n";
}

std::optional<std::string> ToFolderArgument(Drives& drives, const std::string& typed) {
    if (typed.empty()) return std::string();  // the run itself says what is missing
    if (IsFolderText(typed)) return typed;
    const std::optional<std::string> absolute = AbsolutePath(typed);
    if (!absolute) return std::nullopt;
    return drives.ToFolderText(NativePath(*absolute));
}

}  // namespace zarvik3::cli
