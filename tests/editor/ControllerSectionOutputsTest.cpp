// "断面リストの出力(&L)..." and "断面を提案..." as the main window's controller runs them: the
// input is checked and committed first, refusals change nothing, and a suggestion becomes an
// edit of the input area that is committed as usual.
#include <filesystem>

#include "ControllerFixture.h"
#include "calc/CalculateBeam.h"
#include "calc/SectionSuggestion.h"
#include "editor/InputField.h"
#include "editor/SectionListExport.h"
#include "lib/Numbers.h"

namespace zel::test {
namespace {

namespace fs = std::filesystem;

class SectionOutputsTest : public ControllerTest {
  protected:
    // The sample floor, whose beam 10 (2G6) is "設計不可".
    void OpenFloor() {
        const std::string copy = DataFile("floor.Zel");
        fs::copy_file(fs::path(ZEL_SOURCE_DIR) / "resources/samples/floor.Zel", copy);
        Start();
        ASSERT_TRUE(ctl.OpenFile(copy));
        user.Clear();
    }
    bool ExportTo(const std::string& name) {
        user.saveAnswers.push_back(DataFile(name));
        return ctl.RunMemberCommand(MemberCommand::SectionList);
    }
};

TEST_F(SectionOutputsTest, SectionListCommitsTheEditAndWritesTheChosenFormat) {
    OpenFloor();
    Type(Field::Span, "7.5");
    user.confirmAnswers.push_back(1);  // 変更: the same question as 計算書
    ASSERT_TRUE(ExportTo("list.dxf"));
    EXPECT_EQ(user.confirmTexts.size(), 1u);
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(1).spanLength, 7.5f);
    ASSERT_EQ(user.saveRequests.size(), 1u);
    EXPECT_EQ(user.saveRequests[0].title, kSectionListDialogTitle);
    EXPECT_EQ(user.saveRequests[0].fileName, "floor_断面リスト.pdf");
    EXPECT_GT(fs::file_size(DataFile("list.dxf")), 0u);
    EXPECT_EQ(user.LastText(), "断面リストを出力しました。\r\r" + DataFile("list.dxf"));
    EXPECT_TRUE(ui.pdfWrites.empty());
    EXPECT_EQ(user.waitDepth, 0);

    // The commit is one step; what the list's calculation stored joins it, so undo and redo
    // give the projects before and after bit for bit.
    const Project written = ctl.CurrentProject();
    ASSERT_TRUE(ctl.Undo());
    EXPECT_FLOAT_EQ(ctl.CurrentProject().Beam(1).spanLength, 7.2f);
    ASSERT_TRUE(ctl.Redo());
    EXPECT_EQ(ctl.CurrentProject(), written);

    ASSERT_TRUE(ExportTo("list.PDF"));
    ASSERT_EQ(ui.pdfWrites.size(), 1u);
    EXPECT_EQ(ui.pdfWrites[0].path, DataFile("list.PDF"));
    EXPECT_EQ(ui.pdfWrites[0].title, "梁断面リスト " + ctl.CurrentProject().settings.sheetTitle);
    EXPECT_GE(ui.pdfWrites[0].pages, 1);
}

TEST_F(SectionOutputsTest, SectionListRefusalsWriteNothingAndSayWhy) {
    OpenFloor();
    // Cancelled dialog, then a name that is neither PDF nor DXF.
    EXPECT_FALSE(ctl.RunMemberCommand(MemberCommand::SectionList));
    EXPECT_TRUE(user.asked.empty());
    EXPECT_FALSE(ExportTo("list.txt"));
    EXPECT_NE(user.LastText().find("拡張子を .pdf か .dxf"), std::string::npos);
    EXPECT_FALSE(fs::exists(DataFile("list.txt")));

    // An existing file is kept unless the user agrees.
    WriteFileBytes(DataFile("old.dxf"), "old");
    user.Answer(kAnswerNo);
    EXPECT_FALSE(ExportTo("old.dxf"));
    EXPECT_EQ(ReadFileBytes(DataFile("old.dxf")), "old");

    // A failed PDF write is reported with its reason.
    ui.pdfResult = {false, "ディスクがいっぱいです"};
    EXPECT_FALSE(ExportTo("list.pdf"));
    EXPECT_NE(user.LastText().find("断面リストを出力できませんでした。"), std::string::npos);
    EXPECT_NE(user.LastText().find("ディスクがいっぱいです"), std::string::npos);

    // A folder that does not exist: the DXF's own write fails and says so.
    EXPECT_FALSE(ExportTo("missing/list.dxf"));
    EXPECT_NE(user.LastText().find("断面リストを出力できませんでした。"), std::string::npos);
    EXPECT_EQ(user.waitDepth, 0);

    // Every beam skipped: nothing to draw, no dialog.
    for (int slot = 1; slot <= ctl.BeamCount(); ++slot) ctl.MutableProject().Beam(slot).skipBeam = 1;
    area().SetCalculationFlag(0, true);
    const std::size_t dialogs = user.saveRequests.size();
    EXPECT_FALSE(ExportTo("none.dxf"));
    EXPECT_EQ(user.saveRequests.size(), dialogs);
    EXPECT_NE(user.LastText().find("断面リストに描く梁がありません。"), std::string::npos);
}

TEST_F(SectionOutputsTest, AcceptedSuggestionIsAnEditThatCommitsToAPassingSection) {
    OpenFloor();
    ASSERT_TRUE(ctl.SelectBeam(9));
    const Project before = ctl.CurrentProject();
    const SectionSuggestion expected = SuggestSection(before, 10, {});
    ASSERT_TRUE(expected.found);

    user.Answer(kAnswerCancel);
    EXPECT_FALSE(ctl.SuggestSection());
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_EQ(ctl.CurrentProject(), before);
    const std::string& question = user.LastText();
    EXPECT_NE(question.find("現在  30×50  設計不可 (主筋が100本を超える)"), std::string::npos)
        << question;
    EXPECT_NE(question.find("提案  " + FormatGeneral(expected.beam.sectionWidth[0]) + "×" +
                            FormatGeneral(expected.beam.sectionDepth[0])),
              std::string::npos);

    user.Answer(kAnswerOk);
    ASSERT_TRUE(ctl.SuggestSection());
    EXPECT_TRUE(ctl.MemberModified());
    EXPECT_EQ(ctl.CurrentProject(), before);  // not committed yet
    EXPECT_EQ(area().Text(Field::Breadth1), FormatGeneral(expected.beam.sectionWidth[0]));
    EXPECT_EQ(area().Text(Field::Depth1), FormatGeneral(expected.beam.sectionDepth[0]));
    // Like typing, it is taken back first by 元に戻す, and brought back by やり直し.
    ASSERT_TRUE(ctl.Undo());
    EXPECT_EQ(area().Text(Field::Depth1), "50");
    ASSERT_TRUE(ctl.Redo());
    EXPECT_EQ(area().Text(Field::Depth1), FormatGeneral(expected.beam.sectionDepth[0]));

    user.Answer(kAnswerOk);
    ASSERT_TRUE(ctl.RunMemberCommand(MemberCommand::ChangeMember));
    Project after = ctl.CurrentProject();
    const BeamRecord& committed = after.Beam(10);
    for (int s = 0; s < 3; ++s) {
        const std::size_t i = static_cast<std::size_t>(s);
        EXPECT_EQ(committed.sectionWidth[i], expected.beam.sectionWidth[i]) << s;
        EXPECT_EQ(committed.sectionDepth[i], expected.beam.sectionDepth[i]) << s;
    }
    EXPECT_FLOAT_EQ(committed.selfWeight, expected.beam.selfWeight);
    EXPECT_FALSE(CalculateBeam(after, 10).DesignImpossible());
}

TEST_F(SectionOutputsTest, NoPassingSectionWithinTheLimitsIsToldAndChangesNothing) {
    OpenFloor();
    ASSERT_TRUE(ctl.SelectBeam(9));
    // Already at the widest and deepest section tried, and still failing.
    Type(Field::Breadth1, "100");
    Type(Field::Depth1, "150");
    Type(Field::Span, "40");
    user.Answer(kAnswerOk);
    ASSERT_TRUE(ctl.RunMemberCommand(MemberCommand::ChangeMember));
    ASSERT_TRUE(CalculateBeam(ctl.MutableProject(), 10).DesignImpossible());
    const Project before = ctl.CurrentProject();
    user.Clear();
    EXPECT_FALSE(ctl.SuggestSection());
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_NE(user.LastText().find("見つかりません"), std::string::npos);
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_EQ(ctl.CurrentProject(), before);
    EXPECT_EQ(user.waitDepth, 0);
}

}  // namespace
}  // namespace zel::test
