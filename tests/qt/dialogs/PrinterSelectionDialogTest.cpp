// The printer selection ("ﾌﾟﾘﾝﾀｰの変更(&U)...") of the preview as the user works it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "qt/dialogs/PrinterSelectionDialog.h"
#include "support/QtTestSupport.h"

namespace zel {
namespace {

class PrinterSelectionDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

TEST_F(PrinterSelectionDialogTest, PrinterSelectionShowsAndReturnsTheChosenName) {
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
