// `zel sheet`, `zel check` and `zel list` on the sample floor, run through the real program.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "ZelRunner.h"
#include "data/ZelFile.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

using test::RunZel;
using test::Shell;
using test::ShellRun;

const std::string kFloor = std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel";

class SheetCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir =
            fs::temp_directory_path() /
            ("zel_sheet_cli_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(SheetCommand, SampleFloorBecomesAPdfWithNamesJudgementsPagesAndEmbeddedFonts) {
    const fs::path pdf = dir / "floor.pdf";
    const ShellRun run = RunZel("sheet -q '" + kFloor + "' -o '" + pdf.string() + "'");
    if (run.exitCode == 3) GTEST_SKIP() << "zel was built without Qt";
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("6 page(s)"), std::string::npos) << run.out;

    const std::string text = Shell("pdftotext -layout '" + pdf.string() + "' -").out;
    for (const char* name :
         {"2G1 (X1通り)", "2G6 (吹抜け梁)", "2CG1 (片持梁)", "2B4 (間仕切受け)"}) {
        EXPECT_NE(text.find(name), std::string::npos) << name;
    }
    EXPECT_EQ(text.find("2G7 (検討保留)"), std::string::npos);  // skipped beam
    EXPECT_NE(text.find("設計不可"), std::string::npos);
    EXPECT_NE(text.find("梁断面算定結果"), std::string::npos);
    EXPECT_NE(text.find("固定端"), std::string::npos);
    for (int page = 1; page <= 6; ++page) {
        EXPECT_NE(text.find("- " + std::to_string(page) + " -"), std::string::npos) << page;
    }
    const std::string fonts = Shell("pdffonts '" + pdf.string() + "'").out;
    EXPECT_NE(fonts.find("IPAMincho"), std::string::npos) << fonts;
    std::istringstream lines(fonts);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("IPA") != std::string::npos) {
            EXPECT_NE(line.find(" yes "), std::string::npos) << line;
        }
    }
}

TEST_F(SheetCommand, DefaultNamePageRangeAndPngPages) {
    const fs::path copy = dir / "梁A.Zel";
    fs::copy_file(kFloor, copy);
    ShellRun run =
        RunZel("sheet -q '" + copy.string() + "' --pages 2-3 --png '" + (dir / "png").string() +
            "' --dpi 40");
    if (run.exitCode == 3) GTEST_SKIP() << "zel was built without Qt";
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const fs::path pdf = dir / "Zel_梁A.pdf";
    ASSERT_TRUE(fs::exists(pdf));
    const std::string info = Shell("pdfinfo '" + pdf.string() + "'").out;
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    // The PNG folder is made when it does not exist yet.
    EXPECT_TRUE(fs::exists(dir / "png" / "page-002.png"));
    EXPECT_TRUE(fs::exists(dir / "png" / "page-003.png"));
    EXPECT_FALSE(fs::exists(dir / "png" / "page-001.png"));

    EXPECT_EQ(RunZel("sheet -q '" + copy.string() + "' --pages 9-12").exitCode, 2);
    EXPECT_EQ(RunZel("sheet -q '" + copy.string() + "' --pages x").exitCode, 2);
    EXPECT_EQ(RunZel("sheet -q '" + (dir / "missing.Zel").string() + "'").exitCode, 1);

    // Nothing to print: every beam skipped, or no beams at all.
    Project empty = MakeEmptyProject();
    ASSERT_TRUE(SaveZelFile((dir / "empty.Zel").string(), empty).ok);
    EXPECT_EQ(RunZel("sheet -q '" + (dir / "empty.Zel").string() + "'").exitCode, 1);
    EXPECT_FALSE(fs::exists(dir / "Zel_empty.pdf"));
}

TEST_F(SheetCommand, CheckAndListPrintTheViewTexts) {
    const ShellRun check = RunZel("check '" + kFloor + "'");
    ASSERT_EQ(check.exitCode, 0);
    EXPECT_NE(check.out.find("1: [ 2G1 (X1通り) ] の断面チェック"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("左  端"), std::string::npos);
    EXPECT_NE(check.out.find("固定端"), std::string::npos);
    EXPECT_NE(check.out.find("(この梁は計算しない)"), std::string::npos);
    EXPECT_NE(check.out.find("設計不可"), std::string::npos);
    EXPECT_NE(check.out.find("(2段)"), std::string::npos);
    EXPECT_NE(check.out.find("1-D10@"), std::string::npos);  // the 15 cm wide beam: one leg

    const ShellRun list = RunZel("list '" + kFloor + "'");
    ASSERT_EQ(list.exitCode, 0);
    EXPECT_NE(list.out.find(" 2G1 (X1通り)      ＯＫ　　     1\n"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find(" 2G6 (吹抜け梁)    設計不可     5\n"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find(" 2B4 (間仕切受け)  ＯＫ　　     6\n"), std::string::npos) << list.out;
    EXPECT_EQ(list.out.find("2G7"), std::string::npos);
}

}  // namespace
}  // namespace zel
