// The input area inside the main window as a user drives it: fields, choices and the load
// editor reach the InputArea model, and the widgets show the model's state again.
#include <QAbstractButton>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include "../main/MainWindowFixture.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/DefaultsDialog.h"
#include "qt/dialogs/SheetOptionsBox.h"
#include "qt/dialogs/SheetSettingsDialog.h"
#include "qt/dialogs/SpanTypeDialog.h"
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
    // 組立方法 lists the input captions, not the sheet's short names.
    auto* assembly = w.findChild<QComboBox*>("assemblyMethod");
    QStringList methods;
    for (int i = 0; i < assembly->count(); ++i) methods << assembly->itemText(i);
    EXPECT_EQ(methods, QStringList({"交互フック・フック先曲げ", "交互フック・フックあと曲げ",
                                    "片隅フック・フック先曲げ", "片隅フック・フックあと曲げ",
                                    "スポット溶接 (ｼﾝｸﾞﾙ配筋用)"}));
    assembly->setFocus();
    QTest::keyClick(assembly, Qt::Key_End);
    EXPECT_EQ(area().AssemblyMethod(), 4);
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

// After 荷重追加 and 変更 the line is current already; a click on it must still open it.
TEST_F(MainWindowTest, AClickOnTheCurrentLoadLineOpensIt) {
    qt::MainWindow& w = Open();
    TypeMember("G1");
    auto* list = w.findChild<QListWidget*>("loadList");
    const auto clickLine = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    };
    for (const char* load : {"100", "250"}) {
        Type(Field::Load0, load);
        Type(Field::Load1, "2.5");
        Click("荷重追加");
    }
    ASSERT_EQ(list->currentRow(), 1);
    ASSERT_EQ(Text(Field::Load0), "");
    clickLine(1);
    EXPECT_EQ(Text(Field::Load0), "250");
    EXPECT_TRUE(ButtonNamed("変更")->isEnabled());

    user.Answer(kAnswerOk);
    Type(Field::Load0, "300");
    Click("変更");
    ASSERT_EQ(Text(Field::Load0), "");
    clickLine(list->currentRow());
    EXPECT_EQ(Text(Field::Load0), "300");
    EXPECT_EQ(w.findChild<QLabel*>("loadCounter")->text(), QString("2/2"));
}

// What a Japanese input method commits: the whole composed text at once.
void CommitTyped(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

TEST_F(MainWindowTest, FullWidthDigitsCountAsHalfWidthInEveryNumberField) {
    qt::MainWindow& w = Open();
    CommitTyped(Edit(Field::MemberName), "Ｇ１");
    CommitTyped(Edit(Field::Span), "６．５");
    QTest::keyClick(Edit(Field::Span), Qt::Key_Tab);
    EXPECT_TRUE(user.asked.empty()) << user.LastText();  // no "スパン長の数値に誤りがあります。"
    EXPECT_EQ(area().Text(Field::Span), "6.5");
    EXPECT_EQ(Text(Field::Span), "6.5");
    EXPECT_EQ(area().Text(Field::MemberName), "Ｇ１");  // names are kept as typed
    for (const auto& [field, typed] : {std::pair{Field::Breadth1, "３０"}, {Field::Depth1, "６０"},
                                       {Field::Cover1, "５"}, {Field::Load0, "＋１２．５"},
                                       {Field::Load1, "　２"}}) {
        CommitTyped(Edit(field), QString::fromUtf8(typed));
        QTest::keyClick(Edit(field), Qt::Key_Tab);
    }
    Click("荷重追加");
    EXPECT_TRUE(user.asked.empty()) << user.LastText();
    EXPECT_EQ(w.findChild<QListWidget*>("loadList")->count(), 1);
    // The input method is told these fields take numbers; the name field takes any text.
    EXPECT_TRUE(Edit(Field::Span)->inputMethodHints() & Qt::ImhFormattedNumbersOnly);
    EXPECT_FALSE(Edit(Field::MemberName)->inputMethodHints() & Qt::ImhFormattedNumbersOnly);

    // Every field of the dialogs but the sheet's heading takes a number.
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<qt::DefaultsDialog>(w.Controller(), &w));
    dialogs.push_back(std::make_unique<qt::SheetSettingsDialog>(w.Controller(), &w));
    dialogs.push_back(std::make_unique<qt::SpanTypeDialog>(area(), folder_.string(), &w));
    for (const auto& dialog : dialogs) {
        dialog->show();
        int numbers = 0;
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            if (qobject_cast<QComboBox*>(field->parentWidget())) continue;
            const auto* box = dialog->findChild<qt::SheetOptionsBox*>();
            const bool heading = box && field == box->HeadingField();
            CommitTyped(field, heading ? "見出し１" : "７");
            EXPECT_EQ(field->text(), heading ? "見出し１" : "7")
                << dialog->metaObject()->className() << " " << field->accessibleName().toStdString();
            numbers += heading ? 0 : 1;
        }
        EXPECT_GT(numbers, 0) << dialog->metaObject()->className();
    }
}

// The window keeps its layout whatever load type is chosen: at its start size (which fits a
// 1280×1024 screen) no scroll bar shows and nothing is cut. With ZEL_SCREENSHOT_DIR set, each
// load type is pictured for the documentation.
TEST_F(MainWindowTest, EveryLoadTypeFitsTheStartSizeWithoutScrollBars) {
    CopyPictures();
    qt::MainWindow& w = Open();
    w.OpenFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel");
    const QSize start = w.DesignedSize();
    EXPECT_LE(start.width(), 1280);
    EXPECT_LE(start.height(), 1024 - 48);  // a desktop panel
    w.resize(start);
    QTest::qWait(20);
    auto* scroll = qobject_cast<QScrollArea*>(w.centralWidget());
    ASSERT_NE(scroll, nullptr);
    const QSize content = scroll->widget()->size();
    const char* out = std::getenv("ZEL_SCREENSHOT_DIR");
    for (int type = 1; type <= 6; ++type) {
        SCOPED_TRACE(type);
        QTest::mouseClick(Child(QStringLiteral("loadType%1").arg(type)), Qt::LeftButton);
        QTest::qWait(20);
        ASSERT_EQ(area().CurrentLoadType(), type);
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
        EXPECT_EQ(scroll->widget()->size(), content);
        EXPECT_EQ(w.size(), start);
        if (out) {
            EXPECT_TRUE(w.grab().save(
                QStringLiteral("%1/main-window-load%2.png").arg(QString::fromUtf8(out)).arg(type)));
        }
    }
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
