#include "platform/win32/win32_drives.h"

#include <gtest/gtest.h>

#include <string>

namespace zarvik3 {
namespace {

// A letter no volume answers to, or 0 when all are taken.
char UnusedLetter() {
    const DWORD used = GetLogicalDrives();
    for (int i = 25; i >= 3; --i) {
        if ((used & (1u << i)) == 0) return static_cast<char>('A' + i);
    }
    return 0;
}

TEST(Win32DrivesTest, OnlyDriveRootsAreAskedAbout) {
    Win32Drives drives;
    EXPECT_EQ(drives.GetDriveType("C:"), kDriveFixed) << "X: is the root, not the current folder";
    EXPECT_EQ(drives.GetDriveType("c:\\"), kDriveFixed);
    for (const char* text : {"", "C", "?", "C:\\Windows", "C:/"}) {
        EXPECT_EQ(drives.GetDriveType(text), kDriveNoRoot) << text;
    }
    EXPECT_GT(drives.DiskTotalSize("C:"), 0);
    EXPECT_EQ(drives.DiskTotalSize("C:\\Windows"), -1);
    if (const char letter = UnusedLetter()) {
        EXPECT_EQ(drives.GetDriveType(std::string(1, letter) + ":"), kDriveNoRoot);
        EXPECT_EQ(drives.DiskTotalSize(std::string(1, letter) + ":\\"), -1);
    }
}

TEST(Win32DrivesTest, TheSizeQueryLeavesTheThreadsErrorModeAsItWas) {
    Win32Drives drives;
    const DWORD before = GetThreadErrorMode();
    drives.DiskTotalSize("C:\\");
    EXPECT_EQ(GetThreadErrorMode(), before);
}

TEST(Win32DrivesTest, FolderTextsAreAbsoluteNativePaths) {
    Win32Drives drives;
    EXPECT_EQ(drives.ToNativePath("C:\\Data\\x"), NativePath("C:\\Data\\x"));
    EXPECT_EQ(drives.ToNativePath("D:"), NativePath("D:\\"));
    EXPECT_EQ(drives.ToNativePath("\\\\server\\share\\x"), NativePath("\\\\server\\share\\x"));
    for (const std::string& text : std::initializer_list<std::string>{
             "C:Data", "Data", "\\Data", "C:\\a\nb", std::string("C:\\a\0b", 6),
             "\\\\.\\PhysicalDrive0", "\\\\?\\C:\\x"}) {
        EXPECT_EQ(drives.ToNativePath(text), std::nullopt) << text;
    }
    EXPECT_EQ(drives.ToFolderText(NativePath("\\\\?\\C:\\Data")), "C:\\Data");
    EXPECT_EQ(drives.ToFolderText(NativePath("\\\\?\\UNC\\server\\share")), "\\\\server\\share");
    EXPECT_EQ(drives.ToFolderText(NativePath("C:/Program Files/zarvik3")),
              "C:\\Program Files\\zarvik3");
    EXPECT_EQ(drives.ToFolderText(NativePath("\\\\?\\Volume{0}\\x")), std::nullopt);
}

}  // namespace
}  // namespace zarvik3
