// The program as the installer put it there, started as a user would start it.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "platform/win32/wide_text.h"

namespace zarvik3::test {
namespace {

HWND WaitForWindow(DWORD process, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        for (HWND window = FindWindowW(L"TPlimoForm", nullptr); window != nullptr;
             window = FindWindowExW(nullptr, window, L"TPlimoForm", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process && IsWindowVisible(window)) return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

std::string UserSettingsText() {
    wchar_t* roaming = nullptr;
    SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming);
    const std::wstring path = std::wstring(roaming) + L"\\zarvik3\\settings.ini";
    CoTaskMemFree(roaming);
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string raw = bytes.str();
    if (raw.size() < 2 || raw.compare(0, 2, "\xFF\xFE") != 0) return raw;
    std::wstring wide((raw.size() - 2) / 2, L'\0');  // the profile calls write UTF-16
    std::memcpy(wide.data(), raw.data() + 2, wide.size() * sizeof(wchar_t));
    return Narrow(wide);
}

// Run by the installer's check with the installed program's path; skipped otherwise.
TEST(InstalledProgram, StartsAndKeepsItsSettingsInTheUsersFolder) {
    const char* program = std::getenv("ZARVIK3_INSTALLED_PROGRAM");
    if (program == nullptr) GTEST_SKIP() << "no installed program named";
    std::wstring command = L"\"" + Widen(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    HWND window = WaitForWindow(process.dwProcessId, std::chrono::seconds(30));
    const auto shownAfter = std::chrono::steady_clock::now() - started;
    ASSERT_NE(window, nullptr);
    std::cout << "window shown after "
              << std::chrono::duration_cast<std::chrono::milliseconds>(shownAfter).count()
              << " ms\n";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Program Files cannot be written: the settings went to the user's own folder.
    EXPECT_NE(UserSettingsText().find("[PlimoForm]"), std::string::npos);
}

}  // namespace
}  // namespace zarvik3::test
