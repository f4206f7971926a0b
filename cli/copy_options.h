#pragma once

// The command line of zarvik3-copy.
#include <optional>
#include <string>
#include <vector>

#include "copy/copy_request.h"
#include "platform/drives.h"

namespace zarvik3::cli {

struct Options {
    std::string from;
    std::string to;
    std::string mask = "*.*";
    std::string exclude;  // nothing excluded
    bool subfolders = true;
    bool list = false;
    bool quiet = false;
    RunMode mode = RunMode::Copy;
    bool verifyCopies = false;  // each copy read back from the disk and compared
    bool folderTexts = false;   // paths in output as folder texts, not the system's own
    bool help = false;
};

// Empty on bad usage; error then says why.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

std::string UsageText(const std::string& program);
// The usage line and what each option does, for --help.
std::string HelpText(const std::string& program);

// FROM or TO as typed: a folder text ("C:\Data") as it is, anything else as a native path,
// made absolute by name only (the destination may not exist yet). Empty when no drive
// letter covers it.
std::optional<std::string> ToFolderArgument(Drives& drives, const std::string& typed);

}  // namespace zarvik3::cli
