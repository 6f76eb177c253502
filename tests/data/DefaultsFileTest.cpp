#include <gtest/gtest.h>

#include <cstring>

#include "TempDir.h"
#include "data/DefaultsFile.h"
#include "data/ProjectSettings.h"
#include "data/SheetFontSetting.h"
#include "lib/ShiftJis.h"

namespace zel {
namespace {

template <typename T>
T At(const std::string& bytes, std::size_t offset) {
    T value{};
    if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

TEST(DefaultsFileTest, BuiltInDefaultsAre76BytesInFileOrder) {
    const DefaultsRecord d = BuiltInDefaults();
    const std::string f = EncodeDefaults(d);
    ASSERT_EQ(f.size(), 76u);
    EXPECT_EQ(f.substr(6, 10), std::string("\x03\x00"
                                           "D16"
                                           "\x03\x00"
                                           "D10",
                                           10));
    const std::size_t x = 16;  // first byte after the stirrup size
    EXPECT_EQ(At<std::int16_t>(f, x + 4), 250);
    EXPECT_EQ(At<float>(f, x + 6), 0.5f);
    EXPECT_EQ(At<std::int16_t>(f, x + 10), 2);
    EXPECT_EQ(At<std::int16_t>(f, x + 12), 2);
    EXPECT_EQ(At<float>(f, x + 16), 210.0f);
    EXPECT_EQ(f.substr(x + 22, 12), std::string(12, '\0'));
    EXPECT_EQ(At<std::int16_t>(f, x + 34), 3);
    EXPECT_EQ(At<std::uint16_t>(f, x + 36), 14);
    EXPECT_EQ(f.substr(x + 38, 14), *Utf8ToSjis("梁断面算定結果"));
    EXPECT_EQ(At<std::int16_t>(f, x + 52), 2);  // page numbers printed
    EXPECT_EQ(At<std::int16_t>(f, x + 54), 1);  // from page 1
    EXPECT_EQ(At<std::int16_t>(f, x + 56), 0);
    EXPECT_EQ(At<std::int16_t>(f, x + 58), 0);  // Mincho
}

TEST(DefaultsFileTest, WrittenValuesAreKept) {
    test::TempDir dir;
    const std::string path = dir.file("KavoZel.Def");
    DefaultsRecord d = BuiltInDefaults();
    d.concreteFc = 240.0f;  // "24" entered in the dialog's SI field
    d.mainBarGrade = 1;
    d.mainBarSize = "D22";
    d.unitCode = 0;
    d.sheetTitle = "大梁の断面算定";
    d.pageNumberMode = 1;
    d.fontChoice = 1;
    d.sectionOption = 2;
    d.spanType = 3;
    d.shortTerm = 1;
    d.reserved[5] = 9;
    ASSERT_EQ(WriteDefaultsFile(path, d), "");
    DefaultsRecord back;
    EXPECT_EQ(ReadDefaultsFile(path, back), DefaultsReadStatus::Read);
    EXPECT_EQ(back, d);
    EXPECT_EQ(back.concreteFc, 240.0f);
    EXPECT_EQ(test::ReadBytes(path).size(), 56u + 3 + 3 + 14);
}

TEST(DefaultsFileTest, MissingEmptyOrShortFilesFallBackFieldByField) {
    test::TempDir dir;
    DefaultsRecord d;
    EXPECT_EQ(ReadDefaultsFile(dir.file("none.Def"), d), DefaultsReadStatus::Missing);
    EXPECT_EQ(d, BuiltInDefaults());

    const std::string empty = dir.file("empty.Def");
    test::WriteBytes(empty, "");
    d = DefaultsRecord{};
    EXPECT_EQ(ReadDefaultsFile(empty, d), DefaultsReadStatus::Short);
    EXPECT_EQ(d, BuiltInDefaults());

    // Cut inside Fc: the fields before it are the file's, Fc and everything after built-in.
    DefaultsRecord custom = BuiltInDefaults();
    custom.mainBarSize = "D25";
    custom.maxStirrupPitch = 200;
    custom.concreteFc = 300.0f;
    custom.pageNumberMode = 1;
    const std::string bytes = EncodeDefaults(custom);
    d = DefaultsRecord{};
    EXPECT_EQ(DecodeDefaults(bytes.substr(0, 16 + 18), d), DefaultsReadStatus::Short);
    EXPECT_EQ(d.mainBarSize, "D25");
    EXPECT_EQ(d.maxStirrupPitch, 200);
    EXPECT_EQ(d.concreteFc, 210.0f);
    EXPECT_EQ(d.pageNumberMode, 2);
    EXPECT_EQ(d.sheetTitle, "梁断面算定結果");

    // A text length running past the end gives no half-read title.
    std::string badTitle = bytes.substr(0, 16 + 36) + std::string(
                                                          "\x40\x00"
                                                          "abc",
                                                          5);
    d = DefaultsRecord{};
    EXPECT_EQ(DecodeDefaults(badTitle, d), DefaultsReadStatus::Short);
    EXPECT_EQ(d.sheetTitle, "梁断面算定結果");
    EXPECT_EQ(d.pageNumberMode, 2);

    // A folder in place of the file is not readable: built-in values.
    d = DefaultsRecord{};
    EXPECT_EQ(ReadDefaultsFile(dir.path().string(), d), DefaultsReadStatus::Unreadable);
    EXPECT_EQ(d, BuiltInDefaults());
}

TEST(DefaultsFileTest, ApplyingDefaultsSetsUnitsTitlePagesAndFont) {
    ProjectSettings s;
    s.beamCount = 4;
    SheetFontSetting font;
    ApplyDefaultsToProject(BuiltInDefaults(), s, font);
    EXPECT_EQ(s.beamCount, 4);
    EXPECT_TRUE(s.inputIsSI());
    EXPECT_TRUE(s.outputIsSI());
    EXPECT_EQ(s.sheetTitle, "梁断面算定結果");
    EXPECT_EQ(s.pageNumberMode, 2);
    EXPECT_EQ(s.firstPageNumber, 1);
    EXPECT_EQ(font.fontChoice, 0);
    EXPECT_EQ(font.fontName, "ＭＳ 明朝");

    DefaultsRecord d = BuiltInDefaults();
    d.fontChoice = 1;
    d.unitCode = 1;
    ApplyDefaultsToProject(d, s, font);
    EXPECT_EQ(font.fontName, "ＭＳ ゴシック");
    EXPECT_FALSE(s.inputIsSI());
    EXPECT_TRUE(s.outputIsSI());
}

}  // namespace
}  // namespace zel
