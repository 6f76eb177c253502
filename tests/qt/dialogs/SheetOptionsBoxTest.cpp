// The sheet-options block as both settings dialogs show it: "付けない" disables and greys the
// start number as the input area greys its fields, "付ける" brings it back; the text typed
// reaches the dialog's form.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest/QTest>
#include <memory>

#include "DialogTestSupport.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/DefaultsDialog.h"
#include "qt/dialogs/SheetOptionsBox.h"
#include "qt/dialogs/SheetSettingsDialog.h"

namespace zel {
namespace {

enum class Owner { SheetSettings, Defaults };

class SheetOptionsBoxTest : public test::DialogControllerTest,
                            public ::testing::WithParamInterface<Owner> {
  protected:
    void SetUp() override { Start(); }

    // The dialog of the parameter, shown on the page with the block.
    qt::SheetOptionsBox* OpenBox() {
        if (GetParam() == Owner::Defaults) {
            auto* dialog = new qt::DefaultsDialog(ctl);
            dialog->Tabs()->setCurrentIndex(1);
            dialog_.reset(dialog);
            form_ = [dialog] { return dialog->Form().sheet; };
            box_ = dialog->SheetOptions();
        } else {
            auto* dialog = new qt::SheetSettingsDialog(ctl);
            dialog_.reset(dialog);
            form_ = [dialog] { return dialog->Form(); };
            box_ = dialog->SheetOptions();
        }
        dialog_->show();
        return box_;
    }

    std::unique_ptr<QDialog> dialog_;
    std::function<SheetOptionsForm()> form_;
    qt::SheetOptionsBox* box_ = nullptr;
};

TEST_P(SheetOptionsBoxTest, NoPageNumbersGreysTheStartNumberAndTypingReachesTheForm) {
    qt::SheetOptionsBox* box = OpenBox();
    EXPECT_TRUE(box->StartField()->isEnabled());
    EXPECT_EQ(test::ShownBackground(box->StartField()), QColor(Qt::white));

    QTest::mouseClick(box->PageNumberOption(kPageNumbersOff), Qt::LeftButton);
    EXPECT_EQ(form_().pageNumberOption, kPageNumbersOff);
    EXPECT_FALSE(box->StartField()->isEnabled());
    EXPECT_FALSE(box->StartLabel()->isEnabled());
    EXPECT_EQ(test::ShownBackground(box->StartField()), qt::ViewQColour(ViewColour::LightGrey));

    QTest::mouseClick(box->PageNumberOption(kPageNumbersOn), Qt::LeftButton);
    EXPECT_TRUE(box->StartField()->isEnabled());
    EXPECT_TRUE(box->StartLabel()->isEnabled());
    EXPECT_EQ(test::ShownBackground(box->StartField()), QColor(Qt::white));

    box->StartField()->selectAll();
    test::TypeText(box->StartField(), test::U("12"));
    box->HeadingField()->selectAll();
    test::TypeText(box->HeadingField(), test::U("二階"));
    QTest::mouseClick(box->FontOption(1), Qt::LeftButton);
    EXPECT_EQ(form_().startText, "12");
    EXPECT_EQ(form_().heading, "二階");
    EXPECT_EQ(form_().fontOption, 1);
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, SheetOptionsBoxTest,
                         ::testing::Values(Owner::SheetSettings, Owner::Defaults),
                         [](const auto& info) {
                             return info.param == Owner::Defaults ? "Defaults" : "SheetSettings";
                         });

}  // namespace
}  // namespace zel
