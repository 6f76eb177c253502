// Every public header of the editor and the sheet in one translation unit, linked with both
// libraries: the windows are the first program that uses the two together, so a type or
// function that both define differently fails this build instead of the window's.
#include <gtest/gtest.h>

#include "AllCoreHeaders.h"  // generated: one #include per header of src/editor and src/output
#include "support/ScriptedPrompter.h"

namespace zel::test {
namespace {

Project OneBeamProject() {
    Project p = MakeEmptyProject();
    p.settings.beamCount = 1;
    p.settings.pageNumberMode = 2;
    p.settings.firstPageNumber = 1;
    p.settings.sheetTitle = "梁断面算定結果";
    BeamRecord& b = p.Beam(1);
    b.memberName = "G1";
    b.sectionCount = 1;
    b.sectionWidth = {30, 0, 0};
    b.sectionDepth = {60, 0, 0};
    b.sectionCover = {5, 0, 0};
    b.spanLength = 6.0f;
    b.mainBarSize = "D19";
    b.stirrupSize = "D10";
    b.mainGradeValue = 3.0f;
    b.stirrupGradeValue = 3.0f;
    b.maxStirrupPitch = 200;
    b.compressionBarRatio = 0.5f;
    b.maxBarLayers = 2;
    b.maxStirrupLegs = 2;
    b.concreteFc = 210.0f;
    b.assemblyMethod = 1;
    b.selfWeight = ComputeSelfWeight(b);
    b.momentPosition = 3.0f;
    return p;
}

// What the print-settings dialog confirms is what the composed sheet prints.
TEST(EditorAndSheetTogether, DialogSettingsReachTheComposedSheet) {
    Project project = OneBeamProject();
    PrintSettings print = PrintSettingsOf(project);
    SheetSettingsForm form = OpenSheetSettingsForm(print);
    form.heading = "  第２棟  ";
    ChoosePageNumberOption(form, kPageNumbersOn);
    form.startText = "7";
    form.fontOption = 1;
    ScriptedPrompter user;
    ASSERT_TRUE(ConfirmSheetSettingsForm(form, user, print));
    StorePrintSettings(print, project.settings, project.font);

    FixedFontMetrics metrics;
    const ComposedSheet sheet = ComposeSheet(project, metrics);
    ASSERT_EQ(sheet.pageCount, 1);
    const SheetPage& page = sheet.document.Pages()[0];
    EXPECT_EQ(page.header, "第２棟");
    EXPECT_EQ(page.footer, "|- 7 -");
    EXPECT_EQ(page.headerFont.name, "ＭＳ ゴシック");
    EXPECT_EQ(sheet.document.FontName(), "ＭＳ ゴシック");
    EXPECT_EQ(sheet.pages[0], 1);

    // "付けない" leaves the footer empty.
    form = OpenSheetSettingsForm(print);
    ChoosePageNumberOption(form, kPageNumbersOff);
    ASSERT_TRUE(ConfirmSheetSettingsForm(form, user, print));
    EXPECT_EQ(ComposeSheet(project, metrics, print).document.Pages()[0].footer, "");
}

// The input area lists the long captions; the sheet prints the short names of the same codes.
TEST(EditorAndSheetTogether, AssemblyMethodCaptionsAndNamesShareTheirCodes) {
    EXPECT_STREQ(AssemblyMethodCaption(1), "交互フック・フックあと曲げ");
    EXPECT_STREQ(AssemblyMethodName(1), "交互ﾌｯｸあと曲げ");
    EXPECT_STREQ(AssemblyMethodName(5), "");
    EXPECT_STREQ(AssemblyMethodCaption(-1), "");
    Project project = OneBeamProject();
    FixedFontMetrics metrics;
    const ComposedSheet sheet = ComposeSheet(project, metrics);
    bool printed = false;
    for (const auto& item : sheet.document.Pages()[0].items) {
        if (const auto* t = std::get_if<SheetTable>(&item)) {
            for (const auto& row : t->rows)
                for (const auto& cell : row)
                    for (const auto& line : cell.lines)
                        printed |=
                            line.find("ｽﾀｰﾗｯﾌﾟ組立施工: 交互ﾌｯｸあと曲げ") != std::string::npos;
        }
    }
    EXPECT_TRUE(printed);
}

}  // namespace
}  // namespace zel::test
