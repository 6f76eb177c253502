// The input area inside the main window as a user drives it: fields, choices and the load
// editor reach the InputArea model, and the widgets show the model's state again.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "../main/MainWindowFixture.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/SheetOptionsBox.h"
#include "qt/dialogs/SheetSettingsDialog.h"
#include "qt/input/BeamDiagramWidget.h"

namespace zel::test {
namespace {

TEST_F(MainWindowTest, FieldsForwardTypingEscapeAndShowTheirLimits) {
    Open();
    EXPECT_EQ(Text(Field::Fc), area().Text(Field::Fc));
    EXPECT_EQ(Edit(Field::MemberName)->maxLength(), 18);
    EXPECT_TRUE(Edit(Field::Span)->alignment() & Qt::AlignRight);
    EXPECT_EQ(Edit(Field::Span)->toolTip(), QString("最大スパン長： 50(m)"));
    Type(Field::MemberName, "G1");
    EXPECT_EQ(area().Text(Field::MemberName), "G1");
    EXPECT_TRUE(area().memberModified);

    // Escape puts back the text the field had when it was entered.
    Type(Field::Span, "6");
    Edit(Field::Span)->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Edit(Field::Span), "9");
    EXPECT_EQ(area().Text(Field::Span), "69");
    QTest::keyClick(Edit(Field::Span), Qt::Key_Escape);
    EXPECT_EQ(Text(Field::Span), "6");
    EXPECT_EQ(area().Text(Field::Span), "6");
    EXPECT_EQ(Edit(Field::Span)->selectedText(), QString("6"));
    EXPECT_TRUE(user.asked.empty());
}

// The fault of the old program: the message box taking the focus counted as leaving the field
// again. Here real message boxes are shown and closed as a user would.
TEST_F(MainWindowTest, RejectedFieldShowsItsMessageOnceAndKeepsTheFocus) {
    qt::MainWindow& w = Open(nullptr);
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->windowTitle() + "|" + box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(20);
    Type(Field::Span, "0");
    QTest::qWait(300);
    ASSERT_EQ(shown, QStringList({"確認ﾒｯｾｰｼﾞ|スパン長の数値に誤りがあります。"}));
    // The window gets the focus back as the desktop gives it after a message box.
    EXPECT_EQ(w.focusWidget(), Edit(Field::Span));
    EXPECT_EQ(Edit(Field::Span)->selectedText(), QString("0"));
    QApplication::setActiveWindow(&w);
    QTest::qWait(100);
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), Edit(Field::Span));
    // Corrected, the field lets the focus go without a word.
    QTest::keyClicks(Edit(Field::Span), "6");
    QTest::keyClick(Edit(Field::Span), Qt::Key_Tab);
    QTest::qWait(100);
    EXPECT_EQ(shown.size(), 1);
    EXPECT_NE(QApplication::focusWidget(), Edit(Field::Span));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, ChoicesReachTheModelAndTheViewComesBack) {
    qt::MainWindow& w = Open();
    Child<QRadioButton>("sections2")->click();
    EXPECT_EQ(area().SectionOption(), 2);
    EXPECT_TRUE(Edit(Field::Breadth3)->isVisible());
    Child<QRadioButton>("momentMode1")->click();
    Child<QRadioButton>("support1")->click();
    EXPECT_EQ(area().SupportType(), 1);
    EXPECT_EQ(w.findChild<QLabel*>("sectionHeading0")->text(), QString("固定端"));
    EXPECT_FALSE(Edit(Field::Breadth3)->isVisible());
    EXPECT_FALSE(Edit(Field::MomentPosition)->isEnabled());
    EXPECT_FALSE(Child<QRadioButton>("sections1")->isEnabled());
    Child<QRadioButton>("support0")->click();
    EXPECT_TRUE(Edit(Field::MomentPosition)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), Edit(Field::MomentPosition));

    // Units (the defaults are SI): the captions follow, the Fc text stays.
    const std::string fc = Text(Field::Fc);
    Child<QRadioButton>("inputUnits0")->click();
    EXPECT_EQ(user.LastText(), "入力単位を変更する場合、ｺﾝｸﾘｰﾄ設計基準強度 Ｆc も変更してください");
    EXPECT_FALSE(area().InputIsSI());
    EXPECT_EQ(Text(Field::Fc), fc);
    EXPECT_EQ(w.findChild<QLabel*>("fcUnit")->text(), QString("(kg/cm2)"));
    Child<QRadioButton>("mainGrade2")->click();
    auto* sizes = w.findChild<QComboBox*>("mainBarSize");
    EXPECT_EQ(sizes->itemText(0).toStdString(), area().MainBarSizes().front());
    EXPECT_EQ(area().MainBarGrade(), 2);
}

TEST_F(MainWindowTest, LoadEditorAddsListsAndHighlightsALoad) {
    qt::MainWindow& w = Open();
    TypeMember("G1");
    Child<QRadioButton>("loadType4")->click();
    EXPECT_EQ(area().CurrentLoadType(), 4);
    Type(Field::Load0, "500");
    Type(Field::Load1, "0");
    Type(Field::Load2, "6");
    Type(Field::Load3, "3.5");
    Click("荷重追加");
    auto* list = w.findChild<QListWidget*>("loadList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QString("4    500.0  3.5000 0.0000 6.0000"));
    Child<QRadioButton>("loadType1")->click();
    Type(Field::Load0, "250");
    Type(Field::Load1, "2.5");
    Click("荷重追加");
    ASSERT_EQ(list->count(), 2);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(area().SelectedLoad(), 0);
    EXPECT_EQ(w.findChild<QLabel*>("loadCounter")->text(), QString("1/2"));
    EXPECT_EQ(area().CurrentLoadType(), 4);
    EXPECT_EQ(Text(Field::Load0), "500");
    const auto& diagram = w.InputWidget()->Diagram()->Diagram();
    ASSERT_TRUE(diagram.has_value());
    EXPECT_EQ(diagram->calls, area().Diagram()->calls);
    EXPECT_EQ(diagram->calls.back().penColour, kDiagramRed);
    EXPECT_FALSE(ButtonNamed("計算書")->isEnabled());
    EXPECT_FALSE(w.Action("calcSheetAction")->isEnabled());
}

// The input area and the dialogs show a greyed field through one colour map.
TEST_F(MainWindowTest, AGreyedFieldLooksTheSameInTheMainWindowAndInADialog) {
    qt::MainWindow& w = Open();
    Child<QRadioButton>("support1")->click();  // 片持梁: no distance of the moment
    Child<QTabWidget>("secondTabs")->setCurrentIndex(1);
    ASSERT_FALSE(Edit(Field::MomentPosition)->isEnabled());
    const QColor greyed = ShownBackground(Edit(Field::MomentPosition));
    EXPECT_EQ(greyed, qt::ViewQColour(ViewColour::LightGrey));

    qt::SheetSettingsDialog dialog(w.Controller(), &w);
    dialog.show();
    QTest::mouseClick(dialog.SheetOptions()->PageNumberOption(kPageNumbersOff), Qt::LeftButton);
    ASSERT_FALSE(dialog.SheetOptions()->StartField()->isEnabled());
    EXPECT_EQ(ShownBackground(dialog.SheetOptions()->StartField()), greyed);
}

}  // namespace
}  // namespace zel::test
