#include "platform/posix/mount_table.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace zarvik3 {

namespace {

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

std::string DecodeMountField(std::string_view field) {
    std::string decoded;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) &&
            IsOctalDigit(field[i + 2]) && IsOctalDigit(field[i + 3])) {
            const int code =
                (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            decoded += static_cast<char>(code & 0xFF);
            i += 3;
        } else {
            decoded += field[i];
        }
    }
    return decoded;
}

std::optional<MountEntry> ParseMountLine(const std::string& line) {
    std::istringstream fields(line);
    std::string device, mountPoint, type;
    if (!(fields >> device >> mountPoint >> type)) return std::nullopt;
    return MountEntry{DecodeMountField(device), DecodeMountField(mountPoint),
                      DecodeMountField(type)};
}

}  // namespace

std::vector<MountEntry> ParseMountTable(std::string_view text) {
    std::vector<MountEntry> table;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        if (auto entry = ParseMountLine(line)) table.push_back(std::move(*entry));
    }
    return table;
}

std::vector<MountEntry> ReadMountTable() {
    std::ifstream file("/proc/self/mounts");
    if (!file) return {};
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    return ParseMountTable(text);
}

bool PathIsWithin(std::string_view path, std::string_view folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
    if (folder == "/") return path.starts_with('/');
    if (!path.starts_with(folder)) return false;
    return path.size() == folder.size() || path[folder.size()] == '/';
}

std::optional<MountEntry> MountHolding(const std::vector<MountEntry>& table,
                                       std::string_view path) {
    const MountEntry* best = nullptr;
    for (const MountEntry& entry : table) {
        if (!PathIsWithin(path, entry.mountPoint)) continue;
        if (best == nullptr || entry.mountPoint.size() >= best->mountPoint.size()) best = &entry;
    }
    if (best == nullptr) return std::nullopt;
    return *best;
}

}  // namespace zarvik3
