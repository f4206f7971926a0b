#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "settings/settings_file.h"
#include "support/locale_fixtures.h"
#include "support/scratch_volume.h"
#include "text/locale_date_settings.h"

namespace zarvik3::testing {

// Day.month.year with a 24-hour clock, as a German desktop writes it.
inline LocaleDateSettings GermanLocale() {
    return test::DeDe();
}

// A scratch volume holding the settings file, read and written through the platform's
// profile functions.
class SettingsFolderTest : public ::testing::Test {
  protected:
    void SetUp() override { volume_ = std::make_unique<test::ScratchVolume>(); }
    void TearDown() override { volume_.reset(); }

    std::string FolderText() const { return volume_->Path("settings.ini"); }
    std::string Folder() const { return volume_->NativePath("").string(); }
    std::string NativePath() const { return volume_->NativePath("settings.ini").string(); }
    ProfileFile& Profiles() { return volume_->Profiles(); }

    // Every system refuses to write a read-only file, even to an administrator.
    void MakeFileReadOnly() const { volume_->SetReadOnly("settings.ini", true); }

    void WriteFileText(const std::string& text) const { volume_->Write("settings.ini", text); }
    std::string FileText() const { return volume_->ReadText("settings.ini"); }
    bool FileExists() const { return volume_->Exists("settings.ini"); }

  private:
    std::unique_ptr<test::ScratchVolume> volume_;
};

}  // namespace zarvik3::testing
