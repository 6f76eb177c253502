#pragma once
// Shared by the dialog tests: the application, a controller with a scripted user, and the
// checks every window must pass (accessible names, no clipped or overlapping text).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "../../editor/ControllerFixture.h"
#include "support/QtTestSupport.h"

namespace zel::test {

class DialogControllerTest : public ControllerTest {
  protected:
    static void SetUpTestSuite() { EnsureGuiApplication(); }
};

inline QString U(const char* text) {
    return QString::fromUtf8(text);
}

// Folder the build copies the support files to (pictures, manual).
inline std::string ProgramBinFolder() {
    return ZEL_BIN_DIR;
}

// Types into the field with the keyboard focus: ASCII key by key, anything else as the input
// method commits it (Japanese text arrives that way).
inline void TypeText(QWidget* field, const QString& text) {
    field->setFocus();
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, c.toLatin1());
        } else {
            QInputMethodEvent event;
            event.setCommitString(QString(c));
            QApplication::sendEvent(field, &event);
        }
    }
}

inline bool IsInteractive(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QTabWidget*>(w);
}

// Interactive controls that a screen reader could not name.
inline std::vector<QString> UnnamedControls(QWidget* root) {
    std::vector<QString> unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        // The line edit inside a combo box is the combo box's own part.
        if (qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (IsInteractive(w) && w->accessibleName().trimmed().isEmpty())
            unnamed.push_back(QString::fromLatin1(w->metaObject()->className()) + " " +
                              w->objectName());
    }
    return unnamed;
}

// Texts that do not fit the space their widget was given.
inline std::vector<QString> ClippedTexts(QWidget* root) {
    std::vector<QString> clipped;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root)) continue;
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || label->wordWrap()) continue;
            if (label->width() < label->sizeHint().width() || label->height() < fm.height())
                clipped.push_back(label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!button->text().isEmpty() && button->width() < button->sizeHint().width())
                clipped.push_back(button->text());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            if (box->width() < fm.horizontalAdvance(box->title()) + 12)
                clipped.push_back(box->title());
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i)
                if (bar->tabRect(i).width() < fm.horizontalAdvance(bar->tabText(i)) + 8)
                    clipped.push_back(bar->tabText(i));
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            if (fm.horizontalAdvance(field->text()) > field->width() - 8)
                clipped.push_back(field->text());
        }
    }
    return clipped;
}

// Pairs of visible sibling controls whose rectangles overlap.
inline std::vector<QString> OverlappingControls(QWidget* root) {
    std::vector<QString> overlaps;
    auto relevant = [](QWidget* w) {
        return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
               qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
               qobject_cast<QGroupBox*>(w);
    };
    std::vector<QWidget*> parents{root};
    for (QWidget* w : root->findChildren<QWidget*>()) parents.push_back(w);
    for (QWidget* parent : parents) {
        std::vector<QWidget*> children;
        for (QWidget* c : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (relevant(c) && c->isVisibleTo(root)) children.push_back(c);
        for (std::size_t i = 0; i < children.size(); ++i)
            for (std::size_t j = i + 1; j < children.size(); ++j)
                if (children[i]->geometry().intersects(children[j]->geometry()))
                    overlaps.push_back(children[i]->accessibleName() + " / " +
                                       children[j]->accessibleName() + " " +
                                       QString::fromLatin1(children[i]->metaObject()->className()));
    }
    return overlaps;
}

// Accessible names of the controls in the order Tab visits them, starting at `first`.
inline std::vector<QString> TabOrder(QWidget* root) {
    std::vector<QString> names;
    QWidget* start = root->nextInFocusChain();
    QWidget* w = start;
    do {
        if (IsInteractive(w) && w->isVisibleTo(root) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) && root->isAncestorOf(w))
            names.push_back(w->accessibleName());
        w = w->nextInFocusChain();
    } while (w && w != start && w != root);
    return names;
}

// Shows a window, lays it out, and writes its picture to $ZEL_SCREENSHOT_DIR/<name>.png when
// that variable is set (how docs/ gets its pictures).
inline void ShowAndGrab(QWidget* window, const char* name) {
    window->show();
    QApplication::processEvents();
    const QPixmap pixmap = window->grab();
    ASSERT_FALSE(pixmap.isNull());
    if (const char* dir = std::getenv("ZEL_SCREENSHOT_DIR")) {
        ASSERT_TRUE(pixmap.save(QDir(QString::fromLocal8Bit(dir)).filePath(U(name) + ".png")));
    }
}

inline void ExpectWellFormed(QWidget* window) {
    const auto unnamed = UnnamedControls(window);
    EXPECT_TRUE(unnamed.empty()) << unnamed.front().toStdString();
    const auto clipped = ClippedTexts(window);
    EXPECT_TRUE(clipped.empty()) << clipped.front().toStdString();
    const auto overlaps = OverlappingControls(window);
    EXPECT_TRUE(overlaps.empty()) << overlaps.front().toStdString();
}

}  // namespace zel::test
