// The main window as a user drives it: menus, toolbar, the beam list and its buttons reach the
// controller and show its state again; "計算書" opens the preview in the window's place. The
// input area's own widgets are tested in tests/qt/input.
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>
#include <fstream>

#include "MainWindowFixture.h"
#include "data/BeamCsv.h"
#include "output/PreviewRules.h"
#include "qt/preview/PreviewWindow.h"

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
    EXPECT_EQ(menus, QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "実行(&J)", "設定(&S)", "ﾍﾙﾌﾟ(&H)"}));
    const QMenu* file = w.menuBar()->actions().at(0)->menu();
    EXPECT_EQ(Captions(file), QStringList({"新規作成(&N)", "ﾃﾞｰﾀ読込み(&D)", "─", "上書き保存(&S)",
                                           "名前を付けて保存(&A)", "─", "断面リストの出力(&L)...",
                                           "結果一覧表の出力(&T)...", "CSVから梁を追加(&I)...",
                                           "─", "ﾌﾟﾘﾝﾀｰの設定(&U)...", "─", "─", "終了(&X)"}));
    EXPECT_EQ(Captions(w.menuBar()->actions().at(1)->menu()),
              QStringList({"元に戻す(&U)", "やり直し(&R)", "─", "梁の複写(&D)", "─", "コピー(&C)",
                           "貼り付け(&P)"}));
    EXPECT_EQ(Captions(w.menuBar()->actions().at(2)->menu()),
              QStringList({"計算書(&G)", "部材個別ﾁｪｯｸ(&C)"}));
    EXPECT_EQ(Captions(w.menuBar()->actions().at(3)->menu()),
              QStringList({"出力設定(&P)", "─", "ﾃﾞﾌｫﾙﾄ設定(&D)"}));
    EXPECT_EQ(Captions(w.menuBar()->actions().at(4)->menu()),
              QStringList({"目次(&C)", "─", "ﾊﾞｰｼﾞｮﾝ情報(&V)"}));
    // The toolbar shows the menu's own commands under shorter captions.
    QStringList tools;
    std::vector<QAction*> toolActions;
    QToolBar* bar = w.findChild<QToolBar*>();
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) continue;
        toolActions.push_back(a);
        tools << qobject_cast<QToolButton*>(bar->widgetForAction(a))->text();
    }
    EXPECT_EQ(tools, QStringList({"新規作成", "データ読込み", "上書き保存", "元に戻す", "やり直し",
                                  "閉じる"}));
    EXPECT_EQ(toolActions, (std::vector<QAction*>{w.Action("newAction"), w.Action("openAction"),
                                                  w.Action("saveAction"), w.Action("undoAction"),
                                                  w.Action("redoAction"), w.Action("exitAction")}));
    EXPECT_FALSE(bar->widgetForAction(w.Action("saveAction"))->isEnabled());
    EXPECT_EQ(ButtonNamed("梁削除")->toolTip(), QString("現在選択中の梁データを削除します"));
    EXPECT_EQ(ButtonNamed("入力ｴﾘｱ ｸﾘｱｰ")->toolTip(),
              QString("データ入力エリアをクリアーします。元データは変更されません"));
    EXPECT_EQ(ButtonNamed("梁追加")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w.windowTitle(), QString("KAVO-Zel /ＲＣ梁断面算定   新規データ"));
    // Without beams the beam commands are off; the history separator is hidden.
    EXPECT_FALSE(w.Action("saveAction")->isEnabled());
    EXPECT_FALSE(ButtonNamed("上げる[↑]")->isEnabled());
}

TEST_F(MainWindowTest, TheSpreadsheetItemsReachTheirCommandsAndTheBeamList) {
    qt::MainWindow& w = Open();
    EXPECT_FALSE(w.Action("scheduleAction")->isEnabled());  // nothing to list yet
    TypeMember("G1");
    Click("梁追加");
    EXPECT_TRUE(w.Action("scheduleAction")->isEnabled());
    Project two = w.Controller().CurrentProject();
    two.settings.beamCount = 2;
    two.Beam(2) = two.Beam(1);
    two.Beam(1).memberName = "C1";
    two.Beam(2).memberName = "C2";
    const std::string csv = (folder_ / "data" / "beams.csv").string();
    {
        std::ofstream out(csv, std::ios::binary);
        out << ProjectToBeamCsv(two);
    }
    user.openAnswers.push_back(csv);
    w.Action("csvBeamsAction")->trigger();
    ASSERT_EQ(w.BeamList()->count(), 3);
    EXPECT_EQ(w.BeamList()->item(2)->text(), QString("C2"));
    EXPECT_EQ(user.openRequests.back().title, "『 CSVから梁を追加 』");

    user.saveAnswers.push_back(std::nullopt);  // the dialog is cancelled: nothing is written
    w.Action("scheduleAction")->trigger();
    EXPECT_EQ(user.saveRequests.back().title, "『 結果一覧表の出力 』");
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
    user.Answer(kAnswerNo);
    Click("終 了");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(user.asked.back().title, "確認メッセージ");
    user.Answer(kAnswerYes);
    w.close();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, CalcSheetOpensThePreviewOfTheOpenFileInPlaceOfTheWindow) {
    qt::MainWindow& w = Open();
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
    // Opening a file and composing the sheet each ran under the one wait cursor.
    EXPECT_EQ(user.waitDepth, 0);
    EXPECT_EQ(user.WaitCursorUses(), 2);

    // The preview prints to the window's printer, which outlives it.
    EXPECT_EQ(&preview->Printer(), &w.Printer());

    user.Answer(kAnswerYes);
    preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(preview.isNull());
    EXPECT_TRUE(w.isVisible());
    // The preview asked the window's own user.
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.LastText(), kPreviewCloseQuestion);
}

// With an invalid input area a click on another beam is refused: the highlight must stay on
// the current beam, which 梁削除 then deletes.
TEST_F(MainWindowTest, ARefusedBeamClickLeavesTheCurrentBeamHighlighted) {
    qt::MainWindow& w = Open();
    w.OpenFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel");
    QListWidget* beams = w.BeamList();
    ASSERT_EQ(beams->count(), 13);
    const QString first = beams->item(0)->text();
    Type(Field::Span, "");
    user.Clear();
    QTest::mouseClick(beams->viewport(), Qt::LeftButton, {},
                      beams->visualItemRect(beams->item(3)).center());
    QCoreApplication::processEvents();
    ASSERT_EQ(user.asked.size(), 1u);  // the refusal
    EXPECT_EQ(beams->currentRow(), 0);
    ASSERT_EQ(beams->selectedItems().size(), 1);
    EXPECT_EQ(beams->selectedItems()[0], beams->item(0));

    user.Answer(kAnswerOk);
    Click("梁削除");
    EXPECT_EQ(user.LastText().rfind("[ " + first.toStdString(), 0), 0u) << user.LastText();
    ASSERT_EQ(beams->count(), 12);
    for (int row = 0; row < beams->count(); ++row) EXPECT_NE(beams->item(row)->text(), first);
}

// The standard desktop keys, pressed as keys: each reaches its command, and the menus show it.
TEST_F(MainWindowTest, StandardKeysReachTheirCommandsInBothWindows) {
    qt::MainWindow& w = Open();
    const std::filesystem::path data = folder_ / "data" / "floor.Zel";
    std::filesystem::copy_file(std::filesystem::path(ZEL_SOURCE_DIR) / "resources" / "samples" /
                                   "floor.Zel",
                               data);
    w.OpenFile(data.string());
    ASSERT_EQ(w.BeamList()->count(), 13);
    const auto press = [](QWidget* window, QAction* action, const char* keys) {
        QSignalSpy spy(action, &QAction::triggered);
        QTest::keySequence(window, QKeySequence(QString::fromUtf8(keys)));
        EXPECT_EQ(spy.count(), 1) << keys;
        // A menu shows an action's shortcut beside its caption.
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromUtf8(keys))) << keys;
    };
    press(&w, w.Action("saveAction"), "Ctrl+S");
    press(&w, w.Action("saveAsAction"), "Ctrl+Shift+S");
    EXPECT_EQ(user.saveRequests.size(), 1u);
    press(&w, w.Action("openAction"), "Ctrl+O");
    EXPECT_EQ(user.openRequests.size(), 1u);
    // The manual is not in the test's program folder: its path is named as missing.
    press(&w, w.Action("helpAction"), "F1");
    EXPECT_NE(user.LastText().find("が見つかりません"), std::string::npos) << user.LastText();

    press(&w, w.Action("calcSheetAction"), "Ctrl+P");
    QPointer<qt::PreviewWindow> preview = w.Preview();
    ASSERT_FALSE(preview.isNull());
    QApplication::setActiveWindow(preview);
    user.Answer(kAnswerCancel);
    press(preview, preview->Action("printAction"), "Ctrl+P");
    EXPECT_EQ(user.LastText(), kPrintAllQuestion);
    user.Clear();
    press(preview, preview->Action("helpAction"), "F1");
    EXPECT_NE(user.LastText().find("が見つかりません"), std::string::npos) << user.LastText();
    // Escape and Ctrl+W close the preview through the question of 閉じる.
    user.Answer(kAnswerNo);
    QTest::keyClick(preview, Qt::Key_Escape);
    EXPECT_EQ(user.LastText(), kPreviewCloseQuestion);
    EXPECT_TRUE(preview->isVisible());
    user.Answer(kAnswerYes);
    QTest::keyClick(preview, Qt::Key_W, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(preview.isNull());
    EXPECT_TRUE(w.isVisible());
    QApplication::setActiveWindow(&w);

    press(&w, w.Action("newAction"), "Ctrl+N");
    EXPECT_EQ(w.BeamList()->count(), 0);
    press(&w, w.Action("exitAction"), "Ctrl+Q");
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace zel::test
