#pragma once

#include <gtest/gtest.h>

#include <string>

#include "copy/copy_request.h"
#include "copy/run_log.h"
#include "copy/tree_copy.h"
#include "support/recording_observer.h"
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
        request.from = volume.Path("src\\");
        request.mask = "*.*";
        view.to = volume.Path("dst");
    }

    // As a run does: the walk, then the copies named and on the disk.
    void Walk() { WalkOn(fs); }
    void WalkOn(FileSystem& files) {
        RunLog log(view);
        TreeCopy copy(files, log, locale);
        copy.FileSearch(request.from, request.mask, request.includeSubfolders);
        copy.Flush();
        totalKB += log.totalKB;
    }

    ScratchVolume volume;
    FileSystem& fs = volume.Files();
    CopyRequest request;
    RecordingObserver view;
    LocaleDateSettings locale = DayFirstLocale();
    std::int64_t totalKB = 0;  // what the walks added up
};

}  // namespace zarvik3::test
