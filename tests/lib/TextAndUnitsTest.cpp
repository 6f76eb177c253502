#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>

#include "lib/Numbers.h"
#include "lib/Paths.h"
#include "lib/Rounding.h"
#include "lib/ShiftJis.h"
#include "lib/Text.h"
#include "lib/Twips.h"

using namespace zel;

TEST(ShiftJis, RoundTripsJapaneseTextsWithTheirByteLengths) {
    struct Case {
        const char* text;
        std::size_t bytes;
    };
    for (const Case& c : {Case{"梁断面算定結果", 14}, Case{"ﾌｧｲﾙ", 4}, Case{"φ", 2}, Case{"①", 2},
                          Case{"ＭＳ 明朝", 9}, Case{"KAVO-Zel", 8}, Case{"", 0}}) {
        const auto sjis = Utf8ToSjis(c.text);
        ASSERT_TRUE(sjis.has_value()) << c.text;
        EXPECT_EQ(sjis->size(), c.bytes) << c.text;
        EXPECT_EQ(SjisToUtf8(*sjis), std::string(c.text));
        EXPECT_EQ(DisplayWidth(c.text), static_cast<int>(c.bytes));
    }
    // Half-width katakana are single bytes 0xA1..0xDF.
    EXPECT_EQ(*Utf8ToSjis("ｶ"), "\xB6");
}

TEST(ShiftJis, UnconvertibleTextsAreErrorsNotTruncations) {
    EXPECT_FALSE(Utf8ToSjis("梁😀").has_value());
    EXPECT_FALSE(Utf8ToSjis("\xFF\xFE").has_value());
    EXPECT_FALSE(SjisToUtf8("\x81").has_value()) << "a lead byte without its trail byte";
    EXPECT_EQ(SjisToUtf8Lossy("A\x81"), "A\xEF\xBF\xBD");
    EXPECT_EQ(DisplayWidth("A😀B"), 4);
    EXPECT_EQ(PadRightToWidth("梁", 5), "梁   ");
    EXPECT_EQ(PadRightToWidth("長い名前", 3), "長い名前");
}

// Each trim removes only its own blanks: a heading keeps a deliberate full-width blank, a field
// loses it, and nothing is cut inside a multi-byte character.
TEST(Trimming, EachFlavourRemovesOnlyItsBlanks) {
    const std::string fullWidth = "\xE3\x80\x80";  // "　"
    EXPECT_EQ(TrimSpaces("  G1 梁  "), "G1 梁");
    EXPECT_EQ(TrimSpaces(fullWidth + "見出し "), fullWidth + "見出し");
    EXPECT_EQ(TrimSpaces("\tG1\t"), "\tG1\t");
    EXPECT_EQ(TrimBlanks(" \t" + fullWidth + "6.5" + fullWidth + fullWidth + "\t "), "6.5");
    EXPECT_EQ(TrimBlanksRight(fullWidth + "ab " + fullWidth), fullWidth + "ab");
    EXPECT_EQ(TrimChars("\r SD295 ,3000\t\r", " \t\r"), "SD295 ,3000");
    // "ー" (E3 83 BC) shares its lead byte with the full-width blank: it stays whole.
    EXPECT_EQ(TrimBlanks("ー"), "ー");
    for (const std::string& blank : {std::string(), std::string("   "), fullWidth + " \t"}) {
        EXPECT_EQ(TrimBlanks(blank), "");
        EXPECT_EQ(TrimBlanksRight(blank), "");
    }
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimChars("", " "), "");
}

TEST(Trimming, NumbersTypedFullWidthBecomeHalfWidthAndNothingElseChanges) {
    struct Case {
        const char* typed;
        const char* half;
    };
    for (const Case& c : {Case{"６．５", "6.5"}, Case{"－１２３４５６７８９０", "-1234567890"},
                          Case{"＋0.5", "+0.5"}, Case{"　７　", " 7 "}, Case{"1.5E+3", "1.5E+3"},
                          // Neighbours of the converted block, and texts that are not numbers.
                          Case{"，／：Ａｅ", "，／：Ａｅ"}, Case{"梁Ｇ１", "梁Ｇ1"}, Case{"ｽﾊﾟﾝ", "ｽﾊﾟﾝ"},
                          Case{"\xEF\xBC", "\xEF\xBC"}, Case{"", ""}}) {
        EXPECT_EQ(HalfWidthNumberText(c.typed), c.half) << c.typed;
    }
    EXPECT_DOUBLE_EQ(LeadingValue(HalfWidthNumberText("　６．５ｍ")), 6.5);
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndNothingOverflows) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-2.6), -3.0);
    EXPECT_EQ(RoundToInt((7 + 0.5) * 0.6), 4);
    EXPECT_EQ(RoundToInt(4.5000001), 5);
    EXPECT_EQ(RoundToInt(std::nan("")), 0);
    EXPECT_EQ(RoundToInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundToInt(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundToInt16(40000.0), 32767);
    EXPECT_EQ(RoundToInt16(-1e9), -32768);
    EXPECT_EQ(RoundToInt16(12.5), 12);
    EXPECT_EQ(SaturatingTrunc(-7.9), -7);
    EXPECT_EQ(SaturatingTrunc(HUGE_VAL), std::numeric_limits<int>::max());
}

TEST(Twips, CentimetresConvertWithHalvesToEven) {
    EXPECT_EQ(CmToTwips(1.0f), 567);
    EXPECT_EQ(CmToTwips(2.5f), 1418);
    EXPECT_EQ(CmToTwips(0.5f), 284);
    EXPECT_EQ(CmToTwips(-0.5f), -284);
    EXPECT_EQ(CmToTwips(0.0f), 0);
    EXPECT_FLOAT_EQ(TwipsToCm(567), 1.0f);
    EXPECT_FLOAT_EQ(TwipsToCm(1418), 1418.0f / 567.0f);
}

TEST(Paths, SplitSlashPaths) {
    EXPECT_EQ(FileNameOf("/home/u/data/梁.Zel"), "梁.Zel");
    EXPECT_EQ(FileNameOf("plain.Zel"), "plain.Zel");
    EXPECT_EQ(FileNameOf(""), "");
    EXPECT_EQ(FileNameOf("/dir/"), "");
    EXPECT_EQ(BaseNameOf("/home/u/a.b.Zel"), "a.b");
    EXPECT_EQ(BaseNameOf("/home/u.v/noext"), "noext");
    EXPECT_EQ(BaseNameOf("x.Zel"), "x");
    EXPECT_EQ(LowerExtensionOf("/home/u.v/List.PDF"), "pdf");
    EXPECT_EQ(LowerExtensionOf("/home/u.v/noext"), "");
    EXPECT_EQ(FolderOf("/home/u/a.Zel"), "/home/u");
    EXPECT_EQ(FolderOf("/a.Zel"), "/");
    EXPECT_EQ(FolderOf("a.Zel"), "");
    EXPECT_EQ(JoinPath("/home/u", "a.Zel"), "/home/u/a.Zel");
    EXPECT_EQ(JoinPath("/home/u/", "a.Zel"), "/home/u/a.Zel");
    EXPECT_EQ(JoinPath("", "a.Zel"), "a.Zel");
}

TEST(Paths, FileExistsOnlyForReadableFiles) {
    const auto dir = std::filesystem::temp_directory_path() / "zel_lib_paths_test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "present.Zel";
    std::ofstream(file) << "x";
    EXPECT_TRUE(FileExists(file.string()));
    EXPECT_FALSE(FileExists((dir / "absent.Zel").string()));
    EXPECT_FALSE(FileExists(dir.string()));
    EXPECT_FALSE(FileExists(""));
    std::filesystem::remove_all(dir);
}
