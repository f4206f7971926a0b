#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/posix/drive_map.h"
#include "platform/posix/posix_profile_file.h"
#include "settings/settings_file.h"
#include "support/locale_fixtures.h"
#include "text/locale_date_settings.h"

namespace zarvik3::testing {

// Day.month.year with a 24-hour clock, as a German desktop writes it.
inline LocaleDateSettings GermanLocale() {
    return test::DeDe();
}

// A fresh folder mapped as drive D:, holding the settings file; removed afterwards, with
// its immutable flag cleared first so removal cannot fail.
class SettingsFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zarvik3-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        profiles_ = std::make_unique<PosixProfileFile>(
            std::make_shared<const DriveMap>(DriveMap({{'D', folder_}}, {})));
    }

    void TearDown() override {
        if (immutable_) RunChattr("-i");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Root may still be refused (file systems without the flag); callers then skip.
    bool MakeFolderImmutable() {
        immutable_ = RunChattr("+i");
        return immutable_;
    }

    std::string FolderText() const { return "D:\\settings.ini"; }
    const std::string& Folder() const { return folder_; }
    std::string NativePath() const { return folder_ + "/settings.ini"; }
    ProfileFile& Profiles() { return *profiles_; }

    void WriteFileText(const std::string& text) const {
        std::ofstream(NativePath(), std::ios::binary) << text;
    }

    std::string FileText() const {
        std::ifstream in(NativePath(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    bool FileExists() const { return std::filesystem::exists(NativePath()); }

  private:
    bool RunChattr(const std::string& flag) const {
        const std::string command = "chattr " + flag + " '" + folder_ + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    std::string folder_;
    std::unique_ptr<PosixProfileFile> profiles_;
    bool immutable_ = false;
};

}  // namespace zarvik3::testing
