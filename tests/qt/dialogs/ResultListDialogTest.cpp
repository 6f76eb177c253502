// The result list ("結果一覧") of the preview as the user works it.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "qt/dialogs/ResultListDialog.h"
#include "qt/sheet/SheetFonts.h"
#include "support/QtTestSupport.h"

namespace zel {
namespace {

class ResultListDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    static void DoubleClick(QListWidget* list, int row) {
        list->setCurrentRow(row);
        emit list->itemDoubleClicked(list->item(row));
    }
};

TEST_F(ResultListDialogTest, ResultListPreselectsJumpsAndCancels) {
    const std::vector<std::string> lines = {" G1                ＯＫ　　     1",
                                            " G2                設計不可     1"};
    {
        qt::ResultListDialog dialog(lines, 2);
        EXPECT_EQ(dialog.List()->currentRow(), 1);
        EXPECT_EQ(dialog.List()->font().family(), qt::SheetFontFamily("ＭＳ ゴシック"));
        EXPECT_EQ(dialog.JumpButton()->toolTip(), "現在選択している梁の算定結果を表示します");
        DoubleClick(dialog.List(), 0);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ChosenLine(), 1);
    }
    {
        qt::ResultListDialog dialog(lines, 1);
        dialog.CancelButton()->click();
        EXPECT_TRUE(dialog.Cancelled());
        EXPECT_EQ(dialog.ChosenLine(), 0);
    }
    qt::ResultListDialog empty({}, 0);
    EXPECT_FALSE(empty.JumpButton()->isEnabled());
}

}  // namespace
}  // namespace zel
