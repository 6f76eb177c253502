// A whole session through the widgets: two beams with loads, the check view, save as, new,
// and the file back from the history.
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "MainWindowFixture.h"
#include "qt/dialogs/CheckViewDialog.h"

namespace zel::test {
namespace {

TEST_F(MainWindowTest, TwoBeamsCheckedSavedAndOpenedFromTheHistory) {
    ASSERT_FALSE(std::filesystem::exists(folder_ / "KAVOZel.INI"));
    qt::MainWindow& w = Open();

    TypeMember("G1", "6");
    Child<QRadioButton>("loadType4")->click();
    for (auto [field, text] : {std::pair{Field::Load0, "3000"},
                               {Field::Load1, "0"},
                               {Field::Load2, "6"},
                               {Field::Load3, "2"}})
        Type(field, text);
    Click("荷重追加");
    Click("梁追加");
    // The added beam stays shown; the second one is typed over it, without its load.
    TypeMember("G2", "5");
    auto* loads = w.findChild<QListWidget*>("loadList");
    QTest::mouseClick(loads->viewport(), Qt::LeftButton, {},
                      loads->visualItemRect(loads->item(0)).center());
    Click("削除");
    ASSERT_EQ(loads->count(), 0);
    Child<QRadioButton>("loadType1")->click();
    Type(Field::Load0, "20000");
    Type(Field::Load1, "2.5");
    Click("荷重追加");
    Click("梁追加");
    ASSERT_EQ(w.BeamList()->count(), 2);
    ASSERT_EQ(user.asked.size(), 1u);  // the delete question, answered OK
    EXPECT_EQ(user.LastText().rfind("荷重データ (No.1) を削除します。", 0), 0u);

    QTest::mouseClick(w.BeamList()->viewport(), Qt::LeftButton, {},
                      w.BeamList()->visualItemRect(w.BeamList()->item(0)).center());
    // The check view is the real modal dialog, with the texts "zel check" prints for the file.
    bool checked = false;
    OnModalDialog<qt::CheckViewDialog>([&checked](qt::CheckViewDialog* check) {
        EXPECT_EQ(check->Frame()->title(), QString("[ G1 ] の断面チェック"));
        EXPECT_EQ(check->Cell(1, 0)->text(), QString("4-D16(2段)"));
        EXPECT_EQ(check->Cell(2, 0)->text(), QString("4-D16(2段)"));
        EXPECT_EQ(check->Cell(3, 0)->text(), QString("2-D10@225"));
        EXPECT_EQ(check->Cell(4, 0)->text(), QString("OK"));
        EXPECT_EQ(check->Cell(1, 1)->text(), QString());  // one section only
        checked = true;
        check->OkButton()->click();
    });
    Click("個 別ﾁｪｯｸ");
    EXPECT_TRUE(checked);

    const std::string path = (folder_ / "data" / "two.Zel").string();
    user.saveAnswers.push_back(path);
    Trigger("saveAsAction");
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(w.windowTitle(), QString("KAVO-Zel /ＲＣ梁断面算定   two.Zel"));

    Trigger("newAction");
    EXPECT_EQ(w.BeamList()->count(), 0);
    EXPECT_EQ(Text(Field::MemberName), "");

    QAction* entry = w.Action("history0");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text().toStdString(), path);
    entry->trigger();
    QTest::qWait(50);
    ASSERT_EQ(w.BeamList()->count(), 2);
    EXPECT_EQ(Text(Field::MemberName), "G1");
    EXPECT_EQ(Text(Field::Span), "6");
    EXPECT_EQ(Text(Field::Breadth1), "30");
    ASSERT_EQ(loads->count(), 1);
    EXPECT_EQ(loads->item(0)->text().left(1), QString("4"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "KAVOZel.INI"));
}

}  // namespace
}  // namespace zel::test
