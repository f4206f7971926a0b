#include "platform/posix/time_resolution.h"

#include <array>
#include <utility>

namespace zarvik3 {
namespace {

// The kernel's magic numbers (linux/magic.h) of file systems that keep fine times.
constexpr std::array<std::pair<std::uint32_t, std::int64_t>, 9> kResolutionByMagic{{
    {0xEF53, 1},        // ext2, ext3, ext4
    {0x58465342, 1},    // xfs
    {0x9123683E, 1},    // btrfs
    {0x01021994, 1},    // tmpfs
    {0x858458f6, 1},    // ramfs
    {0xF2F52010, 1},    // f2fs
    {0x2FC12FC1, 1},    // zfs
    {0xCA451A4E, 1},    // bcachefs
    {0x7366746E, 100},  // ntfs3
}};

}  // namespace

std::int64_t TimeResolutionOfMagic(std::uint32_t magic) {
    for (const auto& [number, resolution] : kResolutionByMagic) {
        if (number == magic) return resolution;
    }
    return 0;
}

}  // namespace zarvik3
