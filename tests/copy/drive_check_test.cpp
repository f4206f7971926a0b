#include <gtest/gtest.h>

#include <vector>

#include "copy/copy_run.h"
#include "support/copy_fixture.h"
#include "support/copy_run_fakes.h"
#include "text/date_time_text.h"

namespace zarvik3::test {
namespace {

class DriveCheck : public CopyFixture {
  protected:
    FakeDrives fakeDrives;
    FakeClock clock;
    CopyRun run{fs, fakeDrives, clock, locale};
};

TEST_F(DriveCheck, UsableTypesAndUnusableOnes) {
    const std::map<int, bool> usable = {{kDriveUnknown, false},
                                        {kDriveNoRoot, false},
                                        {kDriveFixed, true},
                                        {kDriveRemote, true},
                                        {kDriveRamDisk, true},
                                        {7, false},
                                        {-1, false}};
    for (const auto& [type, expected] : usable) {
        fakeDrives.types["E:\\"] = type;
        EXPECT_EQ(run.DriveAvailable('E', view), expected) << "type " << type;
    }
}

TEST_F(DriveCheck, LetterIsUpperCasedForTheQuery) {
    fakeDrives.types["E:\\"] = kDriveFixed;
    EXPECT_TRUE(run.DriveAvailable('e', view));
    EXPECT_EQ(fakeDrives.typeQueries.back(), "E:\\");
}

TEST_F(DriveCheck, RemovableAndCdDrivesNeedAMedium) {
    for (const int type : {kDriveRemovable, kDriveCdRom}) {
        fakeDrives.types["F:\\"] = type;
        fakeDrives.sizes.erase("F:\\");
        EXPECT_FALSE(run.DriveAvailable('f', view));
        fakeDrives.sizes["F:\\"] = 0;  // an empty but answering medium
        EXPECT_TRUE(run.DriveAvailable('f', view));
    }
}

TEST_F(DriveCheck, BadLetterIsAConversionError) {
    for (const char letter : {'1', '\\', ':', '\0'}) {
        try {
            run.DiskInDrive(letter, view);
            ADD_FAILURE() << "no error for " << int(letter);
        } catch (const EConvertError& error) {
            EXPECT_STREQ(error.what(), "Not a valid drive letter");
        }
    }
}

TEST_F(DriveCheck, QueryRunsBetweenTwoPumps) {
    fakeDrives.sizes["G:\\"] = 1000;
    std::vector<int> pumpsAtQuery;
    fakeDrives.onSizeQuery = [&] { pumpsAtQuery.push_back(view.pumps); };
    EXPECT_TRUE(run.DiskInDrive('g', view));
    EXPECT_EQ(pumpsAtQuery, std::vector<int>{1});
    EXPECT_EQ(view.pumps, 2);
}

}  // namespace
}  // namespace zarvik3::test
