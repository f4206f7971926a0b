#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvik3 {

struct MountEntry {
    std::string device;
    std::string mountPoint;
    std::string fileSystemType;
};

// The lines of a mount table (/proc/self/mounts form), with the octal escapes (\040 for a
// blank) decoded; malformed lines are skipped.
std::vector<MountEntry> ParseMountTable(std::string_view text);

// The table of this process; empty when it cannot be read.
std::vector<MountEntry> ReadMountTable();

// True when path is folder itself or lies inside it.
bool PathIsWithin(std::string_view path, std::string_view folder);

// The mount that holds path: the last entry (the one on top) with the longest mount point
// that contains it. Path should be free of links.
std::optional<MountEntry> MountHolding(const std::vector<MountEntry>& table, std::string_view path);

}  // namespace zarvik3
