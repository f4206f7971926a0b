#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

namespace zarvik3 {

// Replaces (or creates) the file at nativePath with content: the data goes into a
// temporary file in the same folder, reaches the disk, and is renamed over the target, so
// a crash or a full disk leaves either the old file or the new one, never a truncated one.
// existing: the target's status, whose permission bits and owner the new file keeps;
// null for a new file, which gets the usual bits for the process's umask.
// On false, errno holds the reason.
bool ReplaceFileAtomically(const std::string& nativePath, std::string_view content,
                           const struct stat* existing);

}  // namespace zarvik3
