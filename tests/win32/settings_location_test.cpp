#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which the shell headers build on.
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/settings_location.h"
#include "win32_temp_tree.h"

namespace zarvik3 {
namespace {

std::wstring RoamingFolder() {
    wchar_t* path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

TEST(Win32SettingsLocationTest, AWritableProgramFolderKeepsTheFileBesideTheProgram) {
    test::Win32TempTree program;
    EXPECT_EQ(LocateSettingsFile(NativePath(program.Root())).file.Text(),
              program.Path("settings.ini"));
    EXPECT_EQ(LocateSettingsFile(NativePath(program.Root())).folderToCreate.Text(), "");
    EXPECT_EQ(program.Attributes("settings.ini"), INVALID_FILE_ATTRIBUTES)
        << "made at the first write only";
    program.Write("settings.ini", "[A]\r\n");
    EXPECT_EQ(LocateSettingsFile(NativePath(program.Root())).file.Text(),
              program.Path("settings.ini"));
    const std::string slashed = program.Root().substr(0, 2) + "/" + program.Root().substr(3);
    EXPECT_EQ(LocateSettingsFile(NativePath(slashed)).file.Text(), program.Path("settings.ini"));
    EXPECT_NE(LocateSettingsFile(NativePath("")).file.Text(), "settings.ini")
        << "never in the current folder";
}

// The system's per-user folder is the test's own: it is used only when free, and cleared.
TEST(Win32SettingsLocationTest, AReadOnlyFileMovesTheSettingsToTheUsersFolderAsFirstContent) {
    const std::wstring perUser = RoamingFolder() + L"\\zarvik3";
    ASSERT_FALSE(perUser.size() == 8) << "no roaming folder";
    if (GetFileAttributesW(perUser.c_str()) != INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "the user's own settings folder exists";
    }
    test::Win32TempTree program;
    program.Write("settings.ini", "[A]\r\nk=portable\r\n", 1600000000, FILE_ATTRIBUTE_READONLY);
    const SettingsLocation location = LocateSettingsFile(NativePath(program.Root()));
    EXPECT_EQ(location.file.Text(), Narrow(perUser + L"\\settings.ini"));
    EXPECT_EQ(location.folderToCreate.Text(), Narrow(perUser));
    const std::wstring copied = perUser + L"\\settings.ini";
    const HANDLE file = CreateFileW(copied.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << "the copy is not read-only";
    char content[64] = {};
    DWORD got = 0;
    ReadFile(file, content, sizeof content, &got, nullptr);
    CloseHandle(file);
    EXPECT_EQ(std::string(content, got), "[A]\r\nk=portable\r\n");
    SetFileAttributesW(copied.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(copied.c_str());
    RemoveDirectoryW(perUser.c_str());
}

// Under wine Program Files can be written; on Windows only an administrator can.
TEST(Win32SettingsLocationTest, AProgramInProgramFilesKeepsItsSettingsInTheUsersFolder) {
    wchar_t* programs = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_ProgramFiles, 0, nullptr, &programs)));
    const std::string installed = Narrow(std::wstring(programs) + L"\\Zarvik3");
    CoTaskMemFree(programs);
    EXPECT_EQ(LocateSettingsFile(NativePath(installed)).file.Text(),
              Narrow(RoamingFolder() + L"\\zarvik3\\settings.ini"));
}

TEST(Win32SettingsLocationTest, MakeSettingsFolderMakesEveryMissingLevel) {
    test::Win32TempTree base;
    EXPECT_EQ(MakeSettingsFolder(NativePath(base.Path("a\\b\\c"))), 0);
    EXPECT_EQ(MakeSettingsFolder(NativePath(base.Path("a\\b\\c"))), 0)
        << "an existing folder is fine";
    base.Write("file", "");
    EXPECT_NE(MakeSettingsFolder(NativePath(base.Path("file"))), 0);
    EXPECT_NE(MakeSettingsFolder(NativePath(base.Path("file\\sub"))), 0);
}

TEST(Win32SettingsLocationTest, ProgramFolderHoldsTheRunningProgram) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring self = path;
    const std::string folder = ProgramFolder().Text();
    EXPECT_EQ(Widen(folder) + L"\\" + self.substr(self.rfind(L'\\') + 1), self);
}

}  // namespace
}  // namespace zarvik3
