// The span-type dialog shows the input area's choice and stores the user's.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "../../editor/ScriptedPrompter.h"
#include "DialogTestSupport.h"
#include "editor/InputArea.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/RyakusanTypeSel.h"

namespace zel {
namespace {

using test::U;

class RyakusanTypeSelTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    void SetUp() override { area.SetSpanTypeChoice(3, {0.5f, 0.7f, 0.9f}); }

    test::ScriptedPrompter prompter;
    InputArea area{prompter};
    const std::string pictures = test::ProgramBinFolder();
};

TEST_F(RyakusanTypeSelTest, OpensOnTheAreasTypeWithItsPicture) {
    qt::RyakusanTypeSel dialog(area, pictures);
    test::ShowAndGrab(&dialog, "dialog-span-type");
    EXPECT_TRUE(dialog.option(3)->isChecked());
    EXPECT_EQ(dialog.option(3)->text(), U("多ｽﾊﾟﾝ(内側)"));
    ASSERT_FALSE(dialog.picture()->pixmap().isNull());
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(dialog.coefficientField(i)->isVisible());
    test::ExpectWellFormed(&dialog);
}

TEST_F(RyakusanTypeSelTest, TheUserTypeShowsItsCoefficientsAndOkStoresThem) {
    qt::RyakusanTypeSel dialog(area, pictures);
    dialog.show();
    const QImage before = dialog.picture()->pixmap().toImage();
    QTest::mouseClick(dialog.option(kUserSpanType), Qt::LeftButton);
    EXPECT_NE(dialog.picture()->pixmap().toImage(), before);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(dialog.coefficientField(i)->isVisible());
        EXPECT_EQ(dialog.coefficientField(i)->text().toStdString(),
                  dialog.model().CoefficientTexts()[i]);
    }
    test::ShowAndGrab(&dialog, "dialog-span-type-user");
    test::ExpectWellFormed(&dialog);
    dialog.coefficientField(2)->selectAll();
    test::TypeText(dialog.coefficientField(2), U("1.25"));
    area.memberModified = false;
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.stored());
    EXPECT_EQ(area.SpanType(), kUserSpanType);
    EXPECT_FLOAT_EQ(area.UserCoefficients()[2], 1.25f);
    EXPECT_TRUE(area.memberModified);
}

TEST_F(RyakusanTypeSelTest, CancelLeavesTheAreaAsItWas) {
    qt::RyakusanTypeSel dialog(area, pictures);
    dialog.show();
    QTest::mouseClick(dialog.option(0), Qt::LeftButton);
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.stored());
    EXPECT_EQ(area.SpanType(), 3);
}

TEST_F(RyakusanTypeSelTest, AMissingPictureLeavesAnEmptyPlace) {
    qt::RyakusanTypeSel dialog(area, "/nonexistent-folder");
    dialog.show();
    EXPECT_TRUE(dialog.picture()->pixmap().isNull());
    QTest::mouseClick(dialog.option(1), Qt::LeftButton);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(area.SpanType(), 1);
}

TEST_F(RyakusanTypeSelTest, RunSpanTypeDialogTellsWhetherAChoiceWasStored) {
    test::OnModal([](QWidget* modal) {
        auto* dialog = static_cast<qt::RyakusanTypeSel*>(modal);
        dialog->option(5)->click();
        dialog->okButton()->click();
    });
    EXPECT_TRUE(qt::RunSpanTypeDialog(nullptr, area, pictures));
    EXPECT_EQ(area.SpanType(), 5);

    test::OnModal([](QWidget* modal) { modal->close(); });
    EXPECT_FALSE(qt::RunSpanTypeDialog(nullptr, area, pictures));
    EXPECT_EQ(area.SpanType(), 5);
}

}  // namespace
}  // namespace zel
