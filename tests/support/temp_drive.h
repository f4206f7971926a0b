#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/posix/drive_map.h"
#include "platform/posix/posix_file_system.h"
#include "support/counting_progress.h"
#include "support/temp_tree.h"

namespace zarvik3::test {

// A fresh temporary folder that is drive D: of a real POSIX file system.
struct TempDrive {
    TempTree tree;
    DriveMap drives{{{'D', tree.Root().string()}}, {}};
    PosixFileSystem fs{drives};

    // "D:\" + relative, with relative written with backslashes.
    static std::string Text(const std::string& relative) { return "D:\\" + relative; }

    // Entries at any depth, hidden ones included.
    std::size_t EntryCount() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::recursive_directory_iterator(tree.Root())) {
            ++count;
        }
        return count;
    }
};

}  // namespace zarvik3::test
