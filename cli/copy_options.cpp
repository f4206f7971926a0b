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

// Sets a mode; false when another was set before, since a run has one.
bool SetMode(Options& options, RunMode mode, bool verifyCopies = false) {
    const bool unset = options.mode == RunMode::Copy && !options.verifyCopies;
    const bool same = options.mode == mode && options.verifyCopies == verifyCopies;
    options.mode = mode;
    options.verifyCopies = verifyCopies;
    return unset || same;
}

bool ReadFlag(const std::string& arg, Options& options) {
    if (arg == "--no-subfolders") {
        options.subfolders = false;
    } else if (arg == "--list") {
        options.list = true;
    } else if (arg == "--quiet") {
        options.quiet = true;
    } else if (arg == "--folder-texts") {
        options.folderTexts = true;
    } else if (arg == "--help" || arg == "-h") {
        options.help = true;
    } else if (arg == "--dry-run" || arg == "-n") {
        return SetMode(options, RunMode::DryRun);
    } else if (arg == "--verify") {
        return SetMode(options, RunMode::Verify);
    } else if (arg == "--verify-copies") {
        return SetMode(options, RunMode::Copy, true);
    } else {
        return false;
    }
    return true;
}

bool ReadOption(const std::vector<std::string>& args, std::size_t& i, Options& options) {
    const std::string& arg = args[i];
    if (arg == "--mask") return TakeValue(args, i, options.mask);
    if (arg == "--exclude") return TakeValue(args, i, options.exclude);
    return ReadFlag(arg, options);
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
                error = "unknown option, missing value or a second mode: " + arg;
                return std::nullopt;
            }
        } else {
            folders.push_back(arg);
        }
    }
    if (options.help) return options;
    // What a dry run would copy is the whole of its answer.
    if (options.mode == RunMode::DryRun) options.list = true;
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
           " [--dry-run | --verify | --verify-copies] [--mask M] [--exclude E]\n"
           "       [--no-subfolders] [--list] [--quiet] [--folder-texts] FROM TO\n";
}

std::string HelpText(const std::string& program) {
    return UsageText(program) +
           "Copies each file of FROM matching the mask to the same place under TO when the copy\n"
           "there is missing or older. Exit status: 0 when nothing failed, 1 when a file failed,\n"
           "differed or the run was stopped (SIGINT, SIGTERM), 2 on bad usage or when FROM or\n"
           "TO is not available.\n"
           "\n"
           "  -n, --dry-run      list what a copy would copy, and why (missing, older, other\n"
           "                     size); write nothing\n"
           "      --verify       compare each matching file with its copy in TO, byte for byte;\n"
           "                     list each copy that differs or is missing as FAILED; copy "
           "nothing\n"
           "      --verify-copies  copy, then read each copy back from the disk and compare it\n"
           "                     with its source; a copy that differs fails the run\n"
           "      --mask M       the files to take, * and ? as wildcards (default *.*)\n"
           "      --exclude E    leave out files whose names hold A or B (E is A|B)\n"
           "      --no-subfolders  FROM's own files only\n"
           "      --list         print a line per file copied, or (verify) found equal\n"
           "      --quiet        no closing summary and no progress\n"
           "      --folder-texts print paths as the window's folder texts (C:\\...)\n"
           "  -h, --help         this text\n"
           "\n"
           "FAILED lines go to standard error. On a terminal, a long file's progress shows on\n"
           "standard error in one line rewritten in place.\n";
}

std::optional<std::string> ToFolderArgument(Drives& drives, const std::string& typed) {
    if (typed.empty()) return std::string();  // the run itself says what is missing
    if (IsFolderText(typed)) return typed;
    const std::optional<std::string> absolute = AbsolutePath(typed);
    if (!absolute) return std::nullopt;
    return drives.ToFolderText(NativePath(*absolute));
}

}  // namespace zarvik3::cli
