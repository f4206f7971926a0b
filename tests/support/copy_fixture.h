#pragma once

#include <gtest/gtest.h>

#include <string>

#include "copy/process_values.h"
#include "copy/tree_copy.h"
#include "support/recording_copy_view.h"
#include "support/scratch_volume.h"
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

// A scratch volume with the source in src and the destination in dst, walked through the
// platform's real file system.
class CopyFixture : public ::testing::Test {
  protected:
    CopyFixture() {
        volume.MakeFolder("src");
        view.from = volume.Path("src\\");
        view.to = volume.Path("dst");
    }

    // As a run does: the walk, then the copies named and on the disk.
    void Walk() {
        copy.FileSearch(view.from, view.mask, view.subfolders);
        copy.Flush();
    }

    ScratchVolume volume;
    FileSystem& fs = volume.Files();
    RecordingCopyView view;
    ProcessValues values;
    LocaleDateSettings locale = DayFirstLocale();
    TreeCopy copy{fs, view, values, locale};
};

}  // namespace zarvik3::test
