// The main window and its input area as a user drives them: each control reaches the model and
// shows the model's state again.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>

#include "../preview/PreviewFixture.h"
#include "MainWindowFixture.h"
#include "qt/input/BeamDiagramWidget.h"
#include "qt/preview/PageView.h"

namespace zel::test {
namespace {

QStringList Captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("─") : a->text());
    return out;
}

TEST_F(MainWindowTest, MenusToolbarAndButtonsCarryTheirCaptions) {
    qt::MainWindow& w = Open();
    QStringList menus;
    for (const QAction* a : w.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, QStringList({"ﾌｧｲﾙ(&F)", "実行(&J)", "設定(&S)", "ﾍﾙﾌﾟ(&H)"}));
    const QMenu* file = w.menuBar()->actions().at(0)->menu();
    EXPECT_EQ(Captions(file), QStringList({"新規作成(&N)", "ﾃﾞｰﾀ読込み(&D)", "─", "上書き保存(&S)",
                                           "名前を付けて保存(&A)", "─", "ﾌﾟﾘﾝﾀｰの設定(&U)...", "─",
                                           "─", "終了(&X)"}));
    EXPECT_EQ(Captions(w.menuBar()->actions().at(1)->menu()),
              QStringList({"計算書(&G)", "部材個別ﾁｪｯｸ(&C)"}));
    EXPECT_EQ(Captions(w.menuBar()->actions().at(2)->menu()),
              QStringList({"出力設定(&P)", "─", "ﾃﾞﾌｫﾙﾄ設定(&D)"}));
    EXPECT_EQ(Captions(w.menuBar()->actions().at(3)->menu()),
              QStringList({"目次(&C)", "─", "ﾊﾞｰｼﾞｮﾝ情報(&V)"}));
    QStringList tools;
    for (const QAction* a : w.findChild<QToolBar*>()->actions())
        if (!a->isSeparator()) tools << a->text();
    EXPECT_EQ(tools, QStringList({"新規作成", "データ読込み", "上書き保存", "閉じる"}));
    EXPECT_EQ(ButtonNamed("梁削除")->toolTip(), QString("現在選択中の梁データを削除します"));
    EXPECT_EQ(ButtonNamed("入力ｴﾘｱ ｸﾘｱｰ")->toolTip(),
              QString("データ入力エリアをクリアーします。元データは変更されません"));
    EXPECT_EQ(ButtonNamed("梁追加")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w.windowTitle(), QString("KAVO-Zel /ＲＣ梁断面算定   新規データ"));
    // Without beams the beam commands are off; the history separator is hidden.
    EXPECT_FALSE(w.Action("saveAction")->isEnabled());
    EXPECT_FALSE(ButtonNamed("上げる[↑]")->isEnabled());
}

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
    EXPECT_TRUE(user.messages.asked.empty());
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
    EXPECT_EQ(user.messages.LastText(),
              "入力単位を変更する場合、ｺﾝｸﾘｰﾄ設計基準強度 Ｆc も変更してください");
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

TEST_F(MainWindowTest, BeamListFollowsTheCommandsAndCloseAsksFirst) {
    qt::MainWindow& w = Open();
    TypeMember("G1");
    Click("梁追加");
    Type(Field::MemberName, "G2");
    Click("梁追加");
    ASSERT_EQ(w.BeamList()->count(), 2);
    EXPECT_EQ(w.BeamList()->currentRow(), 1);
    EXPECT_EQ(w.findChild<QLabel*>("positionLabel")->text(), QString("2/2"));
    EXPECT_TRUE(w.Action("saveAction")->isEnabled());
    Click("上げる[↑]");
    EXPECT_EQ(w.BeamList()->item(0)->text(), QString("G2"));
    QTest::mouseClick(w.BeamList()->viewport(), Qt::LeftButton, {},
                      w.BeamList()->visualItemRect(w.BeamList()->item(1)).center());
    EXPECT_EQ(w.Controller().Position(), 2);
    EXPECT_EQ(Text(Field::MemberName), "G1");

    // "終 了" asks; "いいえ" keeps the window.
    user.messages.Answer(kAnswerNo);
    Click("終 了");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(user.messages.asked.back().title, "確認メッセージ");
    user.messages.Answer(kAnswerYes);
    w.close();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, CalcSheetOpensThePreviewOfTheOpenFileInPlaceOfTheWindow) {
    qt::MainWindow& w = Open();
    ScriptedPreviewUser previewUser;
    w.SetPreviewUser(&previewUser);
    const std::string sample = std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel";
    w.OpenFile(sample);
    ASSERT_EQ(w.BeamList()->count(), 13);

    Click("計算書");
    QPointer<qt::PreviewWindow> preview = w.Preview();
    ASSERT_FALSE(preview.isNull());
    EXPECT_TRUE(preview->isVisible());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(preview->PageCount(), 6);
    EXPECT_EQ(preview->windowTitle(), "floor.Zel   KAVO-Zel /ＲＣ梁断面算定");
    EXPECT_EQ(preview->PageIndicator()->text(), "1 / 6");
    EXPECT_EQ(previewUser.waitCursor, (std::vector<bool>{true, false}));

    // The preview prints to the window's printer, which outlives it.
    EXPECT_EQ(&preview->Printer(), &w.Printer());

    previewUser.prompter.Answer(kAnswerYes);
    preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(preview.isNull());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(previewUser.prompter.asked.size(), 1u);
}

}  // namespace
}  // namespace zel::test
