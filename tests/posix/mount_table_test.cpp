#include <gtest/gtest.h>

#include <string>

#include "platform/posix/mount_table.h"

namespace zarvik3 {
namespace {

TEST(MountTableTest, FieldsAreDecodedAndMalformedLinesSkipped) {
    const auto table = ParseMountTable(
        "/dev/sdb1 /media/me/MY\\040STICK vfat rw 0 0\n"
        "broken-line\n"
        "\n"
        "server:/x /mnt/tab\\011and\\134slash nfs4 rw 0 0\n"
        "odd /mnt/trailing\\04 ext4 rw 0 0");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].device, "/dev/sdb1");
    EXPECT_EQ(table[0].mountPoint, "/media/me/MY STICK");
    EXPECT_EQ(table[0].fileSystemType, "vfat");
    EXPECT_EQ(table[1].mountPoint, "/mnt/tab\tand\\slash");
    EXPECT_EQ(table[2].mountPoint, "/mnt/trailing\\04");
}

TEST(MountTableTest, TheHoldingMountIsTheLongestAndTopmost) {
    const auto table = ParseMountTable(
        "/dev/vda / ext4 rw 0 0\n"
        "tmpfs /media tmpfs rw 0 0\n"
        "/dev/sdb1 /media/usb vfat rw 0 0\n"
        "/dev/sdc1 /media/usb ext4 rw 0 0\n"
        "/dev/sdd1 /media/usb2 vfat rw 0 0\n");
    EXPECT_EQ(MountHolding(table, "/media/usb/a/b")->device, "/dev/sdc1");
    EXPECT_EQ(MountHolding(table, "/media/usb")->device, "/dev/sdc1");
    EXPECT_EQ(MountHolding(table, "/media/usb3")->device, "tmpfs");
    EXPECT_EQ(MountHolding(table, "/home/me")->device, "/dev/vda");
    EXPECT_FALSE(MountHolding(ParseMountTable(""), "/home"));
}

TEST(MountTableTest, WithinMeansTheFolderOrBelowIt) {
    EXPECT_TRUE(PathIsWithin("/media", "/media"));
    EXPECT_TRUE(PathIsWithin("/media/x", "/media/"));
    EXPECT_FALSE(PathIsWithin("/mediax", "/media"));
    EXPECT_TRUE(PathIsWithin("/anything", "/"));
    EXPECT_FALSE(PathIsWithin("relative", "/"));
}

}  // namespace
}  // namespace zarvik3
