#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "copy/process_values.h"
#include "copy/tree_copy.h"
#include "platform/posix/drive_map.h"
#include "platform/posix/posix_file_system.h"
#include "support/recording_copy_view.h"
#include "support/temp_tree.h"
#include "text/locale_date_settings.h"

namespace zarvik3::test {

// A 24-hour, day-first locale, so list lines read the same on every machine.
inline LocaleDateSettings DayFirstLocale() {
    LocaleDateSettings locale;
    locale.shortDatePattern = "dd/mm/yyyy";
    locale.dateSeparator = '.';
    locale.clock24 = true;
    locale.hourLeadingZero = true;
    return locale;
}

// A temporary folder behind drive D:, with the source in D:\src and the destination in
// D:\dst, walked through the real POSIX file system.
class CopyFixture : public ::testing::Test {
  protected:
    CopyFixture() {
        tree.MakeFolder("src");
        view.from = "D:\\src\\";
        view.to = "D:\\dst";
    }

    void Walk() { copy.FileSearch(view.from, view.mask, view.subfolders); }

    TempTree tree;
    PosixFileSystem fs{std::make_shared<const DriveMap>(
        std::map<char, std::string>{{'D', tree.Root().string()}}, std::vector<std::string>{})};
    RecordingCopyView view;
    ProcessValues values;
    LocaleDateSettings locale = DayFirstLocale();
    TreeCopy copy{fs, view, values, locale};
};

}  // namespace zarvik3::test
