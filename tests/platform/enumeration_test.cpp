#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "support/scratch_volume.h"

namespace zarvik3::test {
namespace {

constexpr std::uint32_t kEverything = 63;

class Enumeration : public ::testing::Test {
  protected:
    std::map<std::string, DirEntry> List(const std::string& pattern, std::uint32_t filter,
                                         EntryDetail detail = EntryDetail::Full) {
        std::map<std::string, DirEntry> entries;
        auto enumeration = volume.Files().FindFirst(volume.Path(pattern), filter, detail);
        if (!enumeration) return entries;
        DirEntry entry;
        while (enumeration->Next(entry)) entries[entry.name] = entry;
        return entries;
    }
    std::set<std::string> Names(const std::string& pattern) {
        std::set<std::string> names;
        for (const auto& [name, entry] : List(pattern, kFilterFiles)) names.insert(name);
        return names;
    }

    ScratchVolume volume;
};

TEST_F(Enumeration, FileFilterDeliversHiddenFilesButNoFolders) {
    volume.Write("hidden", "h");
    const std::string hidden = volume.Hide("hidden");
    volume.Write("plain.txt", "p");
    volume.MakeFolder("sub");
    const auto entries = List("*.*", kFilterFiles);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries.at(hidden).attributes, kAttrHidden | kAttrArchive);
    EXPECT_EQ(entries.at("plain.txt").attributes, kAttrArchive);
}

TEST_F(Enumeration, FolderFilterPassesOverHiddenFoldersAndNeverDeliversDots) {
    volume.MakeFolder("sub");
    volume.MakeFolder("git");
    volume.Hide("git");
    volume.Write("file", "f");
    const auto entries = List("sub\\..\\*", kFilterFolders);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries.at("sub").attributes, kAttrDirectory);
    EXPECT_EQ(entries.at("sub").size, 0u);
    EXPECT_EQ(entries.count("file"), 1u);
    EXPECT_EQ(List("sub\\*", kEverything).size(), 0u);  // "." and ".." are no entries
}

// A walk skips its subfolder pass on this answer, so a wrong "no folder" loses a subtree.
TEST_F(Enumeration, TellsWhenAFolderHoldsNoSubfolderWhateverThePattern) {
    volume.Write("leaf\\a.txt", "a");
    volume.MakeFolder("parent\\sub.dat");
    volume.Write("parent\\a.txt", "a");
    const auto readToEnd = [&](const std::string& pattern) {
        auto enumeration =
            volume.Files().FindFirst(volume.Path(pattern), kFilterFiles, EntryDetail::Full);
        DirEntry entry;
        EXPECT_FALSE(enumeration->MetNoFolder());  // nothing can be said before the end
        while (enumeration->Next(entry)) {
        }
        return enumeration->MetNoFolder();
    };
    EXPECT_TRUE(readToEnd("leaf\\*"));
    EXPECT_FALSE(readToEnd("parent\\*"));
    EXPECT_FALSE(readToEnd("parent\\*.txt"));  // "sub.dat" is not among the names matched
}

TEST_F(Enumeration, ReportsReadOnlySizeAndTime) {
    volume.Write("locked", "abc", {1600000001, 0});
    volume.SetReadOnly("locked", true);
    if (!volume.WriteSparse("sparse", 5'000'000'000)) {
        GTEST_SKIP() << "this volume holds no file of 5 GB";
    }
    const auto entries = List("*", kFilterFiles);
    EXPECT_EQ(entries.at("locked").attributes, kAttrReadOnly | kAttrArchive);
    EXPECT_EQ(entries.at("locked").size, 3u);
    EXPECT_EQ(entries.at("locked").time, volume.Files().FileAge(volume.Path("locked")));
    EXPECT_EQ(entries.at("locked").fineTime.seconds, 1600000001);
    EXPECT_EQ(entries.at("sparse").size, 5'000'000'000u);
}

// Names of long form only: Windows may also match 8.3 short names, which no walk expects.
TEST_F(Enumeration, PatternsMatchAsTheWindowsEnumerationDoes) {
    for (const char* name : {"a", "aa", "aaa", "aa.x", "Notes.TXT", "notes.txtx"}) {
        volume.Write(name, "");
    }
    const std::set<std::string> all{"a", "aa", "aaa", "aa.x", "Notes.TXT", "notes.txtx"};
    EXPECT_EQ(Names("*"), all);
    EXPECT_EQ(Names("*.*"), all);
    EXPECT_EQ(Names("?"), (std::set<std::string>{"a"}));
    EXPECT_EQ(Names("aa.*"), (std::set<std::string>{"aa", "aa.x"}));
    EXPECT_EQ(Names("*.txt"), (std::set<std::string>{"Notes.TXT"}));
    EXPECT_EQ(Names("NOTES.*X"), (std::set<std::string>{"notes.txtx"}));
    EXPECT_EQ(Names("*."), (std::set<std::string>{"a", "aa", "aaa"}));
    if (RunsUnderWine()) GTEST_SKIP() << "Wine does not let a trailing ? match the end of a name";
    EXPECT_EQ(Names("aa?"), (std::set<std::string>{"aa", "aaa"}));
}

TEST_F(Enumeration, FailsToOpenWithoutAnythingToDeliver) {
    volume.Write("only.txt", "");
    volume.MakeFolder("empty");
    for (const char* pattern : {"*.doc", "missing\\*", "", "empty\\*", "only.txt\\*"}) {
        std::string failure = "unset";
        EXPECT_EQ(volume.Files().FindFirst(volume.Path(pattern), kFilterFiles, EntryDetail::Full,
                                           failure),
                  nullptr)
            << pattern;
        EXPECT_EQ(failure, "") << pattern;  // nothing there is no failure
    }
}

TEST_F(Enumeration, FolderThatCannotBeOpenedTellsWhy) {
    std::string failure;
    const std::string tooLong = volume.Path(std::string(300, 'n') + "\\*");
    EXPECT_EQ(volume.Files().FindFirst(tooLong, kFilterFiles, EntryDetail::Full, failure), nullptr);
    if (RunsUnderWine()) {
        GTEST_SKIP() << "Wine takes a name longer than the volume holds for a missing folder, and "
                        "does not enforce access rights";
    }
    EXPECT_NE(failure, "");
    volume.Write("closed\\a.txt", "");
    if (!volume.LockOut("closed")) GTEST_SKIP() << "this process cannot be kept out of a folder";
    failure.clear();
    EXPECT_EQ(volume.Files().FindFirst(volume.Path("closed\\*"), kFilterFiles, EntryDetail::Full,
                                       failure),
              nullptr);
    EXPECT_NE(failure, "");
}

TEST_F(Enumeration, KindOnlyStillTellsFoldersAndHiddenEntriesApart) {
    volume.Write("file", "");
    volume.Write("secret", "");
    const std::string hidden = volume.Hide("secret");
    volume.MakeFolder("folder");
    const auto entries = List("*", kEverything, EntryDetail::KindOnly);
    const std::uint32_t kind = kAttrHidden | kAttrSystem | kAttrDirectory;
    EXPECT_EQ(entries.at("file").attributes & kind, 0u);
    EXPECT_EQ(entries.at(hidden).attributes & kind, kAttrHidden);
    EXPECT_EQ(entries.at("folder").attributes & kind, kAttrDirectory);
}

}  // namespace
}  // namespace zarvik3::test
