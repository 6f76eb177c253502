// The result list and the printer selection as the user works them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "support/QtTestSupport.h"
#include "qt/sheet/SheetFonts.h"
#include "qt/dialogs/PrinterSelectionDialog.h"
#include "qt/dialogs/ResultListDialog.h"

namespace zel {
namespace {

class PreviewDialogsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    static void DoubleClick(QListWidget* list, int row) {
        list->setCurrentRow(row);
        emit list->itemDoubleClicked(list->item(row));
    }
};

TEST_F(PreviewDialogsTest, ResultListPreselectsJumpsAndCancels) {
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

TEST_F(PreviewDialogsTest, PrinterSelectionShowsAndReturnsTheChosenName) {
    {
        qt::PrinterSelectionDialog dialog({"alpha", "beta"}, "beta");
        EXPECT_EQ(dialog.windowTitle(), "プリンターの設定");
        EXPECT_EQ(dialog.ChosenLabel()->text(), "beta");
        EXPECT_EQ(dialog.List()->currentRow(), 1);
        emit dialog.List()->itemClicked(dialog.List()->item(0));
        EXPECT_EQ(dialog.ChosenLabel()->text(), "alpha");
        dialog.OkButton()->click();
        EXPECT_EQ(dialog.ChosenName(), "alpha");
    }
    qt::PrinterSelectionDialog dialog({"alpha"}, "alpha");
    dialog.CancelButton()->click();
    EXPECT_EQ(dialog.ChosenName(), "");
}

}  // namespace
}  // namespace zel
