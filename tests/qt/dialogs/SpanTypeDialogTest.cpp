// The span-type dialog shows the input area's choice and stores the user's.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "DialogTestSupport.h"
#include "editor/InputArea.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/SpanTypeDialog.h"
#include "support/ScriptedPrompter.h"

namespace zel {
namespace {

using test::U;

class SpanTypeDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    void SetUp() override { area.SetSpanTypeChoice(3, {0.5f, 0.7f, 0.9f}); }

    test::ScriptedPrompter prompter;
    InputArea area{prompter};
    const std::string pictures = test::ProgramBinFolder();
};

TEST_F(SpanTypeDialogTest, OpensOnTheAreasTypeWithItsPicture) {
    qt::SpanTypeDialog dialog(area, pictures);
    test::ShowAndGrab(&dialog, "dialog-span-type");
    EXPECT_TRUE(dialog.Option(3)->isChecked());
    EXPECT_EQ(dialog.Option(3)->text(), U("多ｽﾊﾟﾝ(内側)"));
    ASSERT_FALSE(dialog.Picture()->pixmap().isNull());
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(dialog.CoefficientField(i)->isVisible());
    test::ExpectWellFormed(&dialog);
}

TEST_F(SpanTypeDialogTest, TheUserTypeShowsItsCoefficientsAndOkStoresThem) {
    qt::SpanTypeDialog dialog(area, pictures);
    dialog.show();
    const QImage before = dialog.Picture()->pixmap().toImage();
    QTest::mouseClick(dialog.Option(kUserSpanType), Qt::LeftButton);
    EXPECT_NE(dialog.Picture()->pixmap().toImage(), before);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(dialog.CoefficientField(i)->isVisible());
        EXPECT_EQ(dialog.CoefficientField(i)->text().toStdString(),
                  dialog.Model().CoefficientTexts()[i]);
    }
    test::ShowAndGrab(&dialog, "dialog-span-type-user");
    test::ExpectWellFormed(&dialog);
    dialog.CoefficientField(2)->selectAll();
    test::TypeText(dialog.CoefficientField(2), U("1.25"));
    area.memberModified = false;
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.Stored());
    EXPECT_EQ(area.SpanType(), kUserSpanType);
    EXPECT_FLOAT_EQ(area.UserCoefficients()[2], 1.25f);
    EXPECT_TRUE(area.memberModified);
}

TEST_F(SpanTypeDialogTest, CancelLeavesTheAreaAsItWas) {
    qt::SpanTypeDialog dialog(area, pictures);
    dialog.show();
    QTest::mouseClick(dialog.Option(0), Qt::LeftButton);
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.Stored());
    EXPECT_EQ(area.SpanType(), 3);
}

TEST_F(SpanTypeDialogTest, AMissingPictureLeavesAnEmptyPlace) {
    qt::SpanTypeDialog dialog(area, "/nonexistent-folder");
    dialog.show();
    EXPECT_TRUE(dialog.Picture()->pixmap().isNull());
    QTest::mouseClick(dialog.Option(1), Qt::LeftButton);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(area.SpanType(), 1);
}

TEST_F(SpanTypeDialogTest, RunSpanTypeDialogTellsWhetherAChoiceWasStored) {
    test::OnModal([](QWidget* modal) {
        auto* dialog = static_cast<qt::SpanTypeDialog*>(modal);
        dialog->Option(5)->click();
        dialog->OkButton()->click();
    });
    EXPECT_TRUE(qt::RunSpanTypeDialog(nullptr, area, pictures));
    EXPECT_EQ(area.SpanType(), 5);

    test::OnModal([](QWidget* modal) { modal->close(); });
    EXPECT_FALSE(qt::RunSpanTypeDialog(nullptr, area, pictures));
    EXPECT_EQ(area.SpanType(), 5);
}

}  // namespace
}  // namespace zel
