// The mirror helpers every window shows its model with: nothing they show comes back as a
// signal, and a widget that already shows the value is left alone.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWidget>

#include "qt/common/WidgetMirror.h"
#include "support/QtTestSupport.h"

namespace zel {
namespace {

class WidgetMirrorTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

TEST_F(WidgetMirrorTest, AnExclusiveGroupShowsOneOptionOrNoneWithoutSignals) {
    QWidget owner;
    QButtonGroup group;
    std::vector<QRadioButton*> options;
    for (int i = 0; i < 3; ++i) {
        options.push_back(new QRadioButton(&owner));
        group.addButton(options.back(), i);
    }
    QSignalSpy groupToggled(&group, &QButtonGroup::idToggled);
    QSignalSpy firstToggled(options[0], &QAbstractButton::toggled);
    qt::MirrorOption(&group, 0);
    qt::MirrorOption(&group, 2);
    EXPECT_FALSE(options[0]->isChecked());
    EXPECT_TRUE(options[2]->isChecked());
    // A value the form does not know: no option, although the group is exclusive.
    qt::MirrorOption(&group, 7);
    for (QRadioButton* option : options) EXPECT_FALSE(option->isChecked());
    EXPECT_TRUE(group.exclusive());
    qt::MirrorOption(&group, 1);
    EXPECT_EQ(group.checkedId(), 1);
    EXPECT_EQ(groupToggled.count(), 0);
    EXPECT_EQ(firstToggled.count(), 0);
}

TEST_F(WidgetMirrorTest, FieldsAndListsChangeOnlyWhenTheValueDoes) {
    QLineEdit field;
    QSignalSpy edited(&field, &QLineEdit::textChanged);
    qt::MirrorText(&field, "12.5");
    field.setCursorPosition(2);
    qt::MirrorText(&field, "12.5");
    EXPECT_EQ(field.cursorPosition(), 2);  // the user typing there keeps the cursor
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(field.text(), QString("12.5"));

    QComboBox list;
    QSignalSpy chosen(&list, &QComboBox::currentIndexChanged);
    qt::MirrorList(&list, {"D13", "D16"}, 1);
    EXPECT_EQ(list.currentText(), QString("D16"));
    qt::MirrorList(&list, {"D13", "D16"}, 5);
    EXPECT_EQ(list.currentIndex(), -1);
    qt::MirrorList(&list, {"9φ", "13φ", "16φ"}, 2);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentText(), QString("16φ"));
    EXPECT_EQ(chosen.count(), 0);

    QListWidget lines;
    QSignalSpy row(&lines, &QListWidget::currentRowChanged);
    qt::MirrorLines(&lines, {"G1", "G2"}, 1);
    QListWidgetItem* kept = lines.item(0);
    qt::MirrorLines(&lines, {"G1", "G2"}, 0);
    EXPECT_EQ(lines.item(0), kept);  // not refilled
    EXPECT_EQ(lines.currentRow(), 0);
    EXPECT_EQ(row.count(), 0);
}

}  // namespace
}  // namespace zel
