// The default-data dialog mirrors the controller's defaults and hands its controls back.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "DialogTestSupport.h"
#include "qt/dialogs/DefaultData.h"
#include "qt/dialogs/Dialogs.h"

namespace zel {
namespace {

using test::U;

class DefaultDataTest : public test::DialogControllerTest {
  protected:
    void SetUp() override { Start(); }

    static void Retype(QLineEdit* field, const char* text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        test::TypeText(field, U(text));
    }
};

TEST_F(DefaultDataTest, OpensOnTheControllersDefaults) {
    qt::DefaultData dialog(ctl);
    test::ShowAndGrab(&dialog, "dialog-defaults");
    const DefaultsRecord& d = ctl.defaults();
    EXPECT_TRUE(dialog.mainGradeOption(d.mainBarGrade)->isChecked());
    EXPECT_EQ(dialog.mainSizeList()->currentText().toStdString(), d.mainBarSize);
    EXPECT_EQ(dialog.stirrupSizeList()->currentText().toStdString(), d.stirrupSize);
    EXPECT_EQ(dialog.assemblyList()->currentIndex(), d.assemblyMethod);
    EXPECT_EQ(dialog.fcField()->text().toStdString(), dialog.form().fcText);
    EXPECT_EQ(dialog.pitchField()->text().toStdString(), dialog.form().pitchText);
    EXPECT_TRUE(dialog.ruleOption(d.minRebarRule)->isChecked());
    EXPECT_TRUE(dialog.inputUnitOption(d.unitCode >= 2 ? 1 : 0)->isChecked());
    EXPECT_TRUE(dialog.outputUnitOption(d.unitCode & 1)->isChecked());
    EXPECT_EQ(dialog.headingField()->text().toStdString(), d.sheetTitle);
    EXPECT_TRUE(dialog.pageNumberOption(kPageNumbersOn)->isChecked());
    EXPECT_TRUE(dialog.startField()->isEnabled());
    test::ExpectWellFormed(&dialog);

    dialog.tabs()->setCurrentIndex(1);
    test::ShowAndGrab(&dialog, "dialog-defaults-output");
    test::ExpectWellFormed(&dialog);
}

TEST_F(DefaultDataTest, AGradeOptionRefillsItsOwnSizeList) {
    qt::DefaultData dialog(ctl);
    dialog.show();
    const int stirrupSizes = dialog.stirrupSizeList()->count();
    QTest::mouseClick(dialog.mainGradeOption(2), Qt::LeftButton);
    EXPECT_EQ(dialog.form().mainGrade, 2);
    ASSERT_EQ(dialog.mainSizeList()->count(), static_cast<int>(dialog.form().mainSizes.size()));
    for (int i = 0; i < dialog.mainSizeList()->count(); ++i)
        EXPECT_EQ(dialog.mainSizeList()->itemText(i).toStdString(), dialog.form().mainSizes[i]);
    EXPECT_EQ(dialog.mainSizeList()->currentText().toStdString(), dialog.form().mainSizeText);
    EXPECT_EQ(dialog.stirrupSizeList()->count(), stirrupSizes);
}

TEST_F(DefaultDataTest, NoPageNumbersGreysTheStartNumber) {
    qt::DefaultData dialog(ctl);
    dialog.tabs()->setCurrentIndex(1);
    dialog.show();
    QTest::mouseClick(dialog.pageNumberOption(kPageNumbersOff), Qt::LeftButton);
    EXPECT_FALSE(dialog.startField()->isEnabled());
    EXPECT_FALSE(dialog.startLabel()->isEnabled());
    EXPECT_EQ(dialog.startField()->palette().color(QPalette::Disabled, QPalette::Base),
              QColor(192, 192, 192));
    QTest::mouseClick(dialog.pageNumberOption(kPageNumbersOn), Qt::LeftButton);
    EXPECT_TRUE(dialog.startField()->isEnabled());
    EXPECT_EQ(dialog.startField()->palette().color(QPalette::Base), QColor(255, 255, 255));
}

TEST_F(DefaultDataTest, StoringWithYesTakesEveryKindOfControl) {
    qt::DefaultData dialog(ctl);
    dialog.show();
    Retype(dialog.fcField(), "24");
    Retype(dialog.layersField(), "3");
    QTest::mouseClick(dialog.stirrupGradeOption(1), Qt::LeftButton);
    dialog.assemblyList()->setCurrentIndex(2);
    emit dialog.assemblyList()->activated(2);
    dialog.mainSizeList()->setCurrentIndex(3);
    emit dialog.mainSizeList()->activated(3);
    const std::string mainSize = dialog.mainSizeList()->currentText().toStdString();
    QTest::mouseClick(dialog.ruleOption(1), Qt::LeftButton);
    dialog.tabs()->setCurrentIndex(1);
    QTest::mouseClick(dialog.inputUnitOption(0), Qt::LeftButton);
    QTest::mouseClick(dialog.fontOption(1), Qt::LeftButton);
    Retype(dialog.headingField(), "二階梁");

    QTest::mouseClick(dialog.storeButton(), Qt::LeftButton);  // the scripted user says Yes
    ASSERT_EQ(ui.messages.asked.size(), 1u);
    EXPECT_EQ(ui.messages.asked[0].text, kDefaultsQuestion);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const DefaultsRecord& d = ctl.defaults();
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

TEST_F(DefaultDataTest, NoKeepsTheDialogOpenAndCancelChangesNothing) {
    const DefaultsRecord before = ctl.defaults();
    qt::DefaultData dialog(ctl);
    dialog.show();
    Retype(dialog.fcField(), "30");
    ui.messages.Answer(kAnswerNo);
    QTest::mouseClick(dialog.storeButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.fcField()->text(), U("30"));
    EXPECT_EQ(ctl.defaults(), before);

    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(ctl.defaults(), before);
}

TEST_F(DefaultDataTest, TabFollowsTheForm) {
    qt::DefaultData dialog(ctl);
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
