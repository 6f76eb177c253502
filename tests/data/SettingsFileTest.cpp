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

std::vector<std::string> With(std::vector<std::string> front, int n) {
    const std::vector<std::string> rest = Paths(n);
    front.insert(front.end(), rest.begin(), rest.end());
    return front;
}

struct HistoryCase {
    const char* what;
    std::vector<std::string> before;
    std::vector<std::string> opened;  // in turn
    std::vector<std::string> after;
};
void PrintTo(const HistoryCase& c, std::ostream* out) {
    *out << c.what;
}

class HistoryTest : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(HistoryTest, OpenedFilesMoveToTheTop) {
    std::vector<std::string> h = GetParam().before;
    for (const std::string& path : GetParam().opened) AddToHistory(h, path);
    EXPECT_EQ(h, GetParam().after);
}

const std::string kP = "/data/p";
INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryTest,
    ::testing::Values(
        HistoryCase{"ReopeningTheFirst", Paths(5), {kP + "1.Zel"}, Paths(5)},
        // Blanks around either side do not make a second entry.
        HistoryCase{"ReopeningWithBlanks",
                    Paths(5),
                    {"  /data/p1.Zel "},
                    {"  /data/p1.Zel ", kP + "2.Zel", kP + "3.Zel", kP + "4.Zel", kP + "5.Zel"}},
        HistoryCase{"ThirdOfFive",
                    Paths(5),
                    {kP + "3.Zel"},
                    {kP + "3.Zel", kP + "1.Zel", kP + "2.Zel", kP + "4.Zel", kP + "5.Zel"}},
        // Case matters: a differently spelled path is a new entry.
        HistoryCase{
            "OtherCase",
            Paths(5),
            {kP + "3.Zel", "/data/P3.Zel"},
            {"/data/P3.Zel", kP + "3.Zel", kP + "1.Zel", kP + "2.Zel", kP + "4.Zel", kP + "5.Zel"}},
        HistoryCase{"NewFileOnAFullList", Paths(10), {"/data/new.Zel"}, With({"/data/new.Zel"}, 9)},
        // The tenth entry of a full list moves up without losing anything else.
        HistoryCase{"TenthOfTen", Paths(10), {kP + "10.Zel"}, With({kP + "10.Zel"}, 9)},
        HistoryCase{"NewDataAndEmptyPathsAreNotRecorded",
                    {},
                    {"新規データ", " 新規データ ", "", "/a.Zel"},
                    {"/a.Zel"}}),
    [](const auto& info) { return std::string(info.param.what); });

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
