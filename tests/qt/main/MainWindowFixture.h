#pragma once
// A real main window on the offscreen platform, in a fresh program folder, whose questions are
// answered by a script (the preview opened from it asks the same script). Tests drive it with
// key clicks and mouse clicks as a user would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "qt/common/QtText.h"
#include "qt/input/FieldEdit.h"
#include "qt/input/InputAreaWidget.h"
#include "qt/main/MainWindow.h"
#include "support/QtTestSupport.h"
#include "support/ScriptedPrompter.h"

namespace zel::test {

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        EnsureGuiApplication();
        std::random_device rd;
        folder_ = std::filesystem::temp_directory_path() /
                  ("zel_gui_test_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(folder_ / "data");
        std::filesystem::copy_file(
            std::filesystem::path(ZEL_SOURCE_DIR) / "resources" / "鉄筋Ｆ値.TBL",
            folder_ / "鉄筋Ｆ値.TBL");
    }
    ~MainWindowTest() override {
        window_.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    // Opens the window as the program does at start-up; `user` nullptr shows real dialogs.
    qt::MainWindow& Open(Prompter* user) {
        window_ = std::make_unique<qt::MainWindow>(user);
        window_->StartUp(folder_.string());
        window_->show();
        QApplication::setActiveWindow(window_.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        return *window_;
    }
    qt::MainWindow& Open() { return Open(&user); }
    // The pictures and icon beside the program, for windows that are looked at.
    void CopyPictures() {
        for (const auto& entry : std::filesystem::directory_iterator(ZEL_BIN_DIR)) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".JPG" || ext == ".png" || ext == ".ICO" || ext == ".BMP")
                std::filesystem::copy_file(entry.path(), folder_ / entry.path().filename(),
                                           std::filesystem::copy_options::overwrite_existing);
        }
    }

    qt::FieldEdit* Edit(Field field) { return window_->InputWidget()->Edit(field); }
    // Clicks into a field, replaces its text by typing, and leaves it with Tab.
    void Type(Field field, const QString& text, bool leave = true) {
        qt::FieldEdit* edit = Edit(field);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
        if (leave) QTest::keyClick(edit, Qt::Key_Tab);
    }
    void TypeMember(const QString& name, const QString& span = "6") {
        Type(Field::MemberName, name);
        Type(Field::Span, span);
        Type(Field::Breadth1, "30");
        Type(Field::Depth1, "60");
        Type(Field::Cover1, "5");
    }
    template <typename T = QAbstractButton>
    T* Child(const QString& name) {
        T* found = window_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAbstractButton* ButtonNamed(const char* caption) {
        for (QAbstractButton* b : window_->findChildren<QAbstractButton*>()) {
            if (b->text() == QString::fromUtf8(caption)) return b;
        }
        ADD_FAILURE() << "no button " << caption;
        return nullptr;
    }
    void Click(const char* caption) {
        if (QAbstractButton* b = ButtonNamed(caption)) QTest::mouseClick(b, Qt::LeftButton);
    }
    void Trigger(const char* actionName) {
        QAction* a = window_->Action(QString::fromUtf8(actionName));
        ASSERT_NE(a, nullptr) << actionName;
        a->trigger();
    }
    std::string Text(Field field) { return Edit(field)->text().toStdString(); }
    InputArea& area() { return window_->Controller().Input(); }

    std::filesystem::path folder_;
    ScriptedPrompter user;
    std::unique_ptr<qt::MainWindow> window_;
};

}  // namespace zel::test
