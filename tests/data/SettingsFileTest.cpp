#include <gtest/gtest.h>

#include "TempDir.h"
#include "data/SettingsFile.h"
#include "lib/ShiftJis.h"

namespace zel {
namespace {

std::vector<std::string> Paths(int n) {
    std::vector<std::string> v;
    for (int i = 1; i <= n; ++i) v.push_back("/data/p" + std::to_string(i) + ".Zel");
    return v;
}

TEST(HistoryTest, ReopeningTheFirstEntryChangesNothing) {
    auto h = Paths(5);
    AddToHistory(h, "/data/p1.Zel");
    EXPECT_EQ(h, Paths(5));
    // Blanks around either side do not make a second entry.
    AddToHistory(h, "  /data/p1.Zel ");
    EXPECT_EQ(h.size(), 5u);
    EXPECT_EQ(h[0], "  /data/p1.Zel ");
    EXPECT_EQ(h[1], "/data/p2.Zel");
}

TEST(HistoryTest, ThirdOfFiveMovesToTheTop) {
    auto h = Paths(5);
    AddToHistory(h, "/data/p3.Zel");
    EXPECT_EQ(h, (std::vector<std::string>{"/data/p3.Zel", "/data/p1.Zel", "/data/p2.Zel",
                                           "/data/p4.Zel", "/data/p5.Zel"}));
    // Case matters: a differently spelled path is a new entry.
    AddToHistory(h, "/data/P3.Zel");
    EXPECT_EQ(h.size(), 6u);
    EXPECT_EQ(h[0], "/data/P3.Zel");
    EXPECT_EQ(h[1], "/data/p3.Zel");
}

TEST(HistoryTest, NewFileOnAFullListDropsTheTenth) {
    auto h = Paths(10);
    AddToHistory(h, "/data/new.Zel");
    ASSERT_EQ(h.size(), 10u);
    EXPECT_EQ(h[0], "/data/new.Zel");
    for (int i = 1; i < 10; ++i) EXPECT_EQ(h[static_cast<std::size_t>(i)], Paths(9)[i - 1]);
    // The tenth entry of a full list moves up without losing anything else.
    auto full = Paths(10);
    AddToHistory(full, "/data/p10.Zel");
    EXPECT_EQ(full[0], "/data/p10.Zel");
    EXPECT_EQ(full[9], "/data/p9.Zel");
}

TEST(HistoryTest, NewDataAndEmptyPathsAreNotRecorded) {
    std::vector<std::string> h;
    AddToHistory(h, "新規データ");
    AddToHistory(h, " 新規データ ");
    AddToHistory(h, "");
    EXPECT_TRUE(h.empty());
    AddToHistory(h, "/a.Zel");
    EXPECT_EQ(h, std::vector<std::string>{"/a.Zel"});
}

TEST(SettingsFileTest, WritesShiftJisLinesWithCrLfAndReadsThemBack) {
    test::TempDir dir;
    SettingsFile s;
    s.dataFolder = "/home/設計";
    s.currentFile = "/home/設計/梁.Zel";
    s.history = {"/home/設計/梁.Zel", "/tmp/b.Zel"};
    const std::string path = dir.file("KAVOZel.INI");
    ASSERT_EQ(WriteSettingsFile(path, s), "");
    const std::string expected = "[DataDir]\r\n" + *Utf8ToSjis("/home/設計") +
                                 "\r\n[DataName]\r\n" + *Utf8ToSjis("/home/設計/梁.Zel") +
                                 "\r\n[DataHistory]\r\n2\r\n" + *Utf8ToSjis("/home/設計/梁.Zel") +
                                 "\r\n/tmp/b.Zel\r\n";
    EXPECT_EQ(test::ReadBytes(path), expected);

    SettingsFile back;
    EXPECT_TRUE(ReadSettingsFile(path, back));
    EXPECT_EQ(back.dataFolder, s.dataFolder);
    EXPECT_EQ(back.currentFile, s.currentFile);
    EXPECT_EQ(back.history, s.history);
}

TEST(SettingsFileTest, ReadsByPositionAndToleratesDamage) {
    // Marker lines are not compared; LF-only lines are accepted.
    SettingsFile s = ParseSettingsText("x\n/dir\ny\n/dir/a.Zel\nz\n2\n/1.Zel\n/2.Zel\n/3.Zel\n");
    EXPECT_EQ(s.dataFolder, "/dir");
    EXPECT_EQ(s.currentFile, "/dir/a.Zel");
    EXPECT_EQ(s.history, (std::vector<std::string>{"/1.Zel", "/2.Zel"}));

    EXPECT_TRUE(ParseSettingsText("[DataDir]\r\n\r\n[DataName]\r\n\r\n[DataHistory]\r\n0\r\n")
                    .history.empty());
    // A count beyond the lines present, a count above ten, a negative or missing count.
    EXPECT_EQ(ParseSettingsText("a\r\nb\r\nc\r\nd\r\ne\r\n5\r\n/only.Zel\r\n").history.size(), 1u);
    std::string many = "a\nb\nc\nd\ne\n40\n";
    for (int i = 0; i < 40; ++i) many += "/f" + std::to_string(i) + "\n";
    EXPECT_EQ(ParseSettingsText(many).history.size(), 10u);
    EXPECT_TRUE(ParseSettingsText("a\nb\nc\nd\ne\n-3\n/x\n").history.empty());
    EXPECT_TRUE(ParseSettingsText("").history.empty());

    test::TempDir dir;
    SettingsFile missing;
    missing.history = {"stale"};
    missing.dataFolder = "stale";
    EXPECT_FALSE(ReadSettingsFile(dir.file("none.INI"), missing));
    EXPECT_TRUE(missing.history.empty());
    EXPECT_TRUE(missing.dataFolder.empty());
}

TEST(SettingsFileTest, PathsShiftJisCannotHoldAreLeftOutNotDamaged) {
    SettingsFile s;
    s.dataFolder = "/data/😀";
    s.currentFile = "/data/😀/a.Zel";
    s.history = {"/data/😀/a.Zel", "/ok.Zel"};
    const SettingsFile back = ParseSettingsText(FormatSettingsText(s));
    EXPECT_EQ(back.dataFolder, "");
    EXPECT_EQ(back.currentFile, "新規データ");
    EXPECT_EQ(back.history, std::vector<std::string>{"/ok.Zel"});

    // Writing into a folder that does not exist is reported.
    EXPECT_NE(WriteSettingsFile("/nonexistent-folder/KAVOZel.INI", s), "");
}

}  // namespace
}  // namespace zel
