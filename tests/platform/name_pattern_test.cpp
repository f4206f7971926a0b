#include "platform/posix/name_pattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zarvik3 {
namespace {

struct Case {
    const char* pattern;
    std::vector<std::string> matching;
    std::vector<std::string> other;
};

void ExpectTable(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const NamePattern pattern(c.pattern);
        for (const auto& name : c.matching) {
            EXPECT_TRUE(pattern.Matches(name)) << c.pattern << " / " << name;
        }
        for (const auto& name : c.other) {
            EXPECT_FALSE(pattern.Matches(name)) << c.pattern << " / " << name;
        }
    }
}

TEST(NamePattern, BehavesAsTheWindowsEnumerationDoes) {
    ExpectTable({
        {"*", {"a", "a.b", ".hidden", "noext", "x.y.z"}, {}},
        {"*.*", {"a", "a.b", ".hidden", "noext", "x.y.z"}, {}},
        {"*.", {"abc", "x"}, {"a.b", ".hidden"}},
        {"aa.*", {"aa", "aa.x", "aa.x.y"}, {"aaa", "a"}},
        {"?", {"a"}, {"aa"}},
        {"??.", {"a", "ab"}, {"abc"}},
        {"aa?", {"aa", "aaa"}, {"aaaa", "a"}},
        {".*", {".x", ".profile"}, {"x", "a.x"}},
        {"*.a", {"b.a", ".a", "x.y.a"}, {"ba", "b.ab"}},
        {"*. ", {"a.b", "ab"}, {}},
        {"a?.txt", {"a.txt", "ab.txt"}, {"abc.txt"}},
    });
}

TEST(NamePattern, IgnoresCaseBeyondAscii) {
    ExpectTable({
        {"*.TXT", {"notes.txt", "NOTES.TXT", "Notes.Txt"}, {"notes.txtx", "notes.tx"}},
        {"report", {"REPORT", "Report"}, {"reports"}},
        {"\xc3\xa4*", {"\xc3\x84pfel.txt", "\xc3\xa4x"}, {"ax", "\xc3\xb6x"}},  // ä, Ä, ö
        {"\xce\xa3*", {"\xcf\x83\xce\xbf\xcf\x86"}, {"s"}},                     // Σ, σοφ
    });
}

TEST(NamePattern, QuestionMarkIsOneWholeCharacter) {
    ExpectTable({
        {"?.txt", {"\xc3\xa4.txt", "\xe2\x82\xac.txt", "\xf0\x9f\x98\x80.txt"}, {"ab.txt"}},
        {"a?b",
         {"a\xe2\x82\xac"
          "b"},
         {"a\xe2\x82"
          "b"}},  // €, then a cut-off sequence
    });
}

TEST(NamePattern, InvalidUtf8MatchesByteForByte) {
    ExpectTable({
        {"\xff*",
         {"\xff",
          "\xff"
          "abc"},
         {"\xfe", "abc"}},
        {"*\xc3", {"ab\xc3"}, {"ab\xc3\xa4"}},
        {"?", {"\xff", "\x80"}, {"\xff\xff"}},
        {"*.txt",
         {"\xe9"
          "t\xe9.TXT"},
         {"\xe9t\xe9.txt\xe9"}},
    });
}

TEST(NamePattern, MatchesEverythingOnlyForCatchAllPatterns) {
    EXPECT_TRUE(NamePattern("*").MatchesEverything());
    EXPECT_TRUE(NamePattern("*.*").MatchesEverything());
    EXPECT_FALSE(NamePattern("*.").MatchesEverything());
    EXPECT_FALSE(NamePattern(".*").MatchesEverything());
    EXPECT_FALSE(NamePattern("*.txt").MatchesEverything());
}

TEST(NamePattern, ManyStarsStayFast) {
    const std::string name(250, 'a');
    EXPECT_FALSE(NamePattern("*a*a*a*a*a*a*a*a*a*a*b").Matches(name));
    EXPECT_TRUE(NamePattern("*a*a*a*a*a*a*a*a*a*a*").Matches(name));
}

}  // namespace
}  // namespace zarvik3
