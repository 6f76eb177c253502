// The result list and the printer selection as the user works them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "../SheetQtSupport.h"
#include "qt/sheet/SheetFonts.h"
#include "qt/dialogs/PrinterSelect.h"
#include "qt/dialogs/PrtResult.h"

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
        EXPECT_EQ(dialog.list()->currentRow(), 1);
        EXPECT_EQ(dialog.list()->font().family(), SheetFontFamily("ＭＳ ゴシック"));
        EXPECT_EQ(dialog.jumpButton()->toolTip(), "現在選択している梁の算定結果を表示します");
        DoubleClick(dialog.list(), 0);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ChosenLine(), 1);
    }
    {
        qt::ResultListDialog dialog(lines, 1);
        dialog.cancelButton()->click();
        EXPECT_TRUE(dialog.Cancelled());
        EXPECT_EQ(dialog.ChosenLine(), 0);
    }
    qt::ResultListDialog empty({}, 0);
    EXPECT_FALSE(empty.jumpButton()->isEnabled());
}

TEST_F(PreviewDialogsTest, PrinterSelectionShowsAndReturnsTheChosenName) {
    {
        qt::PrinterSelectDialog dialog({"alpha", "beta"}, "beta");
        EXPECT_EQ(dialog.windowTitle(), "プリンターの設定");
        EXPECT_EQ(dialog.chosenLabel()->text(), "beta");
        EXPECT_EQ(dialog.list()->currentRow(), 1);
        emit dialog.list()->itemClicked(dialog.list()->item(0));
        EXPECT_EQ(dialog.chosenLabel()->text(), "alpha");
        dialog.okButton()->click();
        EXPECT_EQ(dialog.ChosenName(), "alpha");
    }
    qt::PrinterSelectDialog dialog({"alpha"}, "alpha");
    dialog.cancelButton()->click();
    EXPECT_EQ(dialog.ChosenName(), "");
}

}  // namespace
}  // namespace zel
