#include <gtest/gtest.h>

#include "TempDir.h"
#include "data/BeamRecord.h"
#include "data/GradeTable.h"
#include "lib/Paths.h"
#include "lib/ShiftJis.h"

namespace zel {
namespace {

TEST(GradeTableTest, ShippedTableGivesTheFourGrades) {
    for (const std::string folder : {ZEL_SOURCE_DIR "/resources", ZEL_BIN_DIR}) {
        const GradeTableReadResult r = ReadGradeTable(JoinPath(folder, kGradeTableFileName));
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_FLOAT_EQ(r.table.ValueOf(kSD295), 3.0f);
        EXPECT_FLOAT_EQ(r.table.ValueOf(kSD345), 3.5f);
        EXPECT_FLOAT_EQ(r.table.ValueOf(kSR235), 2.4f);
        EXPECT_FLOAT_EQ(r.table.ValueOf(kSR295), 3.0f);
        EXPECT_EQ(r.table.ValueOf(4), 0.0f);
        EXPECT_EQ(r.table.ValueOf(-1), 0.0f);
    }
    // The shipped file is Shift-JIS text (its comments are Japanese).
    const std::string raw = test::ReadBytes(ZEL_SOURCE_DIR "/resources/鉄筋Ｆ値.TBL");
    const auto text = SjisToUtf8(raw);
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find("* 鉄筋のＦ値"), std::string::npos);
    EXPECT_NE(raw, *text);
}

TEST(GradeTableTest, CommentsAndBlankLinesAreSkippedAndValuesScaled) {
    const std::string text =
        *Utf8ToSjis("* 注釈\r\n\r\nA,3000\r\n*B,1\r\nB, 3500 \r\nC,2400\nD,2950");
    const GradeTableReadResult r = ParseGradeTable(text, "t.TBL");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_FLOAT_EQ(r.table.values[0], 3.0f);
    EXPECT_FLOAT_EQ(r.table.values[1], 3.5f);
    EXPECT_FLOAT_EQ(r.table.values[2], 2.4f);
    EXPECT_FLOAT_EQ(r.table.values[3], 2.95f);
}

TEST(GradeTableTest, MissingShortOrBadTablesAreErrorsNamingTheFile) {
    test::TempDir dir;
    const std::string missing = dir.file("鉄筋Ｆ値.TBL");
    GradeTableReadResult r = ReadGradeTable(missing);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("鉄筋Ｆ値.TBL"), std::string::npos) << r.error;

    r = ParseGradeTable("* only\r\nSD295,3000\r\nSD345,3500\r\nSR235,2400\r\n", "x.TBL");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("x.TBL"), std::string::npos);
    EXPECT_NE(r.error.find("3"), std::string::npos) << r.error;

    r = ParseGradeTable("SD295,3000\r\nSD345\r\nSR235,2400\r\nSR295,3000\r\n", "y.TBL");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("y.TBL"), std::string::npos);
    EXPECT_NE(r.error.find("line 2"), std::string::npos) << r.error;

    r = ParseGradeTable("SD295,0\r\nSD345,1\r\nSR235,1\r\nSR295,1\r\n", "z.TBL");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(ParseGradeTable("", "e.TBL").error.find("e.TBL") != std::string::npos);

    // Values that single precision turns into infinity or zero (found by fuzzing).
    for (const char* value : {"35e222", "1e-50"}) {
        r = ParseGradeTable(std::string("SD295,") + value + "\r\nSD345,1\r\nSR235,1\r\nSR295,1\r\n",
                            "f.TBL");
        EXPECT_FALSE(r.ok) << value;
        EXPECT_NE(r.error.find("line 1"), std::string::npos) << r.error;
    }
}

}  // namespace
}  // namespace zel
