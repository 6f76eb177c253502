// The default-data dialog mirrors the controller's defaults and hands its controls back.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "DialogTestSupport.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/DefaultsDialog.h"
#include "qt/dialogs/Dialogs.h"
#include "qt/dialogs/SheetOptionsBox.h"

namespace zel {
namespace {

using test::U;

class DefaultsDialogTest : public test::DialogControllerTest {
  protected:
    void SetUp() override { Start(); }

    static void Retype(QLineEdit* field, const char* text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        test::TypeText(field, U(text));
    }
};

TEST_F(DefaultsDialogTest, OpensOnTheControllersDefaults) {
    qt::DefaultsDialog dialog(ctl);
    test::ShowAndGrab(&dialog, "dialog-defaults");
    const DefaultsRecord& d = ctl.Defaults();
    EXPECT_TRUE(dialog.MainGradeOption(d.mainBarGrade)->isChecked());
    EXPECT_EQ(dialog.MainSizeList()->currentText().toStdString(), d.mainBarSize);
    EXPECT_EQ(dialog.StirrupSizeList()->currentText().toStdString(), d.stirrupSize);
    EXPECT_EQ(dialog.AssemblyList()->currentIndex(), d.assemblyMethod);
    EXPECT_EQ(dialog.FcField()->text().toStdString(), dialog.Form().fcText);
    EXPECT_EQ(dialog.PitchField()->text().toStdString(), dialog.Form().pitchText);
    EXPECT_TRUE(dialog.RuleOption(d.minRebarRule)->isChecked());
    EXPECT_TRUE(dialog.InputUnitOption(d.unitCode >= 2 ? 1 : 0)->isChecked());
    EXPECT_TRUE(dialog.OutputUnitOption(d.unitCode & 1)->isChecked());
    EXPECT_EQ(dialog.SheetOptions()->HeadingField()->text().toStdString(), d.sheetTitle);
    EXPECT_TRUE(dialog.SheetOptions()->PageNumberOption(kPageNumbersOn)->isChecked());
    EXPECT_TRUE(dialog.SheetOptions()->StartField()->isEnabled());
    test::ExpectWellFormed(&dialog);

    dialog.Tabs()->setCurrentIndex(1);
    test::ShowAndGrab(&dialog, "dialog-defaults-output");
    test::ExpectWellFormed(&dialog);
}

TEST_F(DefaultsDialogTest, AGradeOptionRefillsItsOwnSizeList) {
    qt::DefaultsDialog dialog(ctl);
    dialog.show();
    const int stirrupSizes = dialog.StirrupSizeList()->count();
    QTest::mouseClick(dialog.MainGradeOption(2), Qt::LeftButton);
    EXPECT_EQ(dialog.Form().mainGrade, 2);
    ASSERT_EQ(dialog.MainSizeList()->count(), static_cast<int>(dialog.Form().mainSizes.size()));
    for (int i = 0; i < dialog.MainSizeList()->count(); ++i)
        EXPECT_EQ(dialog.MainSizeList()->itemText(i).toStdString(), dialog.Form().mainSizes[i]);
    EXPECT_EQ(dialog.MainSizeList()->currentText().toStdString(), dialog.Form().mainSizeText);
    EXPECT_EQ(dialog.StirrupSizeList()->count(), stirrupSizes);
}

TEST_F(DefaultsDialogTest, StoringWithYesTakesEveryKindOfControl) {
    qt::DefaultsDialog dialog(ctl);
    dialog.show();
    Retype(dialog.FcField(), "24");
    Retype(dialog.LayersField(), "3");
    QTest::mouseClick(dialog.StirrupGradeOption(1), Qt::LeftButton);
    dialog.AssemblyList()->setCurrentIndex(2);
    emit dialog.AssemblyList()->activated(2);
    dialog.MainSizeList()->setCurrentIndex(3);
    emit dialog.MainSizeList()->activated(3);
    const std::string mainSize = dialog.MainSizeList()->currentText().toStdString();
    QTest::mouseClick(dialog.RuleOption(1), Qt::LeftButton);
    dialog.Tabs()->setCurrentIndex(1);
    QTest::mouseClick(dialog.InputUnitOption(0), Qt::LeftButton);
    QTest::mouseClick(dialog.SheetOptions()->FontOption(1), Qt::LeftButton);
    Retype(dialog.SheetOptions()->HeadingField(), "二階梁");

    QTest::mouseClick(dialog.StoreButton(), Qt::LeftButton);  // the scripted user says Yes
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, kDefaultsQuestion);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const DefaultsRecord& d = ctl.Defaults();
    EXPECT_FLOAT_EQ(d.concreteFc, 240.0f);
    EXPECT_EQ(d.maxBarLayers, 3);
    EXPECT_EQ(d.stirrupGrade, 1);
    EXPECT_EQ(d.assemblyMethod, 2);
    EXPECT_EQ(d.mainBarSize, mainSize);
    EXPECT_EQ(d.minRebarRule, 1);
    EXPECT_EQ(d.unitCode, 1);
    EXPECT_EQ(d.fontChoice, 1);
    EXPECT_EQ(d.sheetTitle, "二階梁");
    EXPECT_TRUE(std::filesystem::exists(ctl.DefaultsPath()));
}

TEST_F(DefaultsDialogTest, NoKeepsTheDialogOpenAndCancelChangesNothing) {
    const DefaultsRecord before = ctl.Defaults();
    qt::DefaultsDialog dialog(ctl);
    dialog.show();
    Retype(dialog.FcField(), "30");
    user.Answer(kAnswerNo);
    QTest::mouseClick(dialog.StoreButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.FcField()->text(), U("30"));
    EXPECT_EQ(ctl.Defaults(), before);

    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(ctl.Defaults(), before);
}

TEST_F(DefaultsDialogTest, TabFollowsTheForm) {
    qt::DefaultsDialog dialog(ctl);
    dialog.show();
    const std::vector<QString> order = test::TabOrder(&dialog);
    auto at = [&](const char* name) {
        return std::find(order.begin(), order.end(), U(name)) - order.begin();
    };
    EXPECT_LT(at("SD295"), at("複筋比 γ"));
    EXPECT_LT(at("複筋比 γ"), at("許容段数"));
    EXPECT_LT(at("許容段数"), at("組立方法"));
    EXPECT_LT(at("組立方法"), at("最大ﾋﾟｯﾁ"));
    EXPECT_LT(at("最大ﾋﾟｯﾁ"), at("Fc"));
    EXPECT_LT(at("Fc"), at("デフォルト として設定する"));
    EXPECT_LT(at("デフォルト として設定する"), at("ｷｬﾝｾﾙ"));
    EXPECT_LT(at("ｷｬﾝｾﾙ"), static_cast<long>(order.size()));
}

}  // namespace
}  // namespace zel
