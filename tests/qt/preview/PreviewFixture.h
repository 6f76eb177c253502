#pragma once
// The preview window under test: the sample floor composed offscreen, questions answered from
// a script and logged word for word.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <deque>
#include <memory>
#include <optional>

#include "../../editor/ScriptedPrompter.h"
#include "data/ZelFile.h"
#include "qt/preview/PreviewUser.h"
#include "qt/preview/PreviewWindow.h"
#include "qt/print/Printers.h"
#include "support/QtTestSupport.h"

namespace zel::test {

class ScriptedPreviewUser : public qt::PreviewUser {
  public:
    int ShowMessage(const std::string& text, int buttons, const std::string& title) override {
        return prompter.ShowMessage(text, buttons, title);
    }
    void Beep() override { prompter.Beep(); }
    std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return savePath;
    }
    bool OpenWithShell(const std::string& path) override {
        opened.push_back(path);
        return true;
    }
    void SetWaitCursor(bool busy) override { waitCursor.push_back(busy); }
    int ChooseResultLine(const std::vector<std::string>& lines, int preselected) override {
        resultLines = lines;
        preselections.push_back(preselected);
        const int line = resultAnswers.empty() ? 0 : resultAnswers.front();
        if (!resultAnswers.empty()) resultAnswers.pop_front();
        return line;
    }
    std::optional<std::string> ChoosePrinter(const std::vector<std::string>& printers,
                                             const std::string& current) override {
        printerLists.push_back(printers);
        currentPrinters.push_back(current);
        return printerAnswer;
    }
    void ShowHelp() override { ++helps; }
    void ShowAbout() override { ++abouts; }

    ScriptedPrompter prompter;
    std::optional<std::string> savePath;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<std::string> opened;
    std::vector<bool> waitCursor;
    std::deque<int> resultAnswers;
    std::vector<std::string> resultLines;
    std::vector<int> preselections;
    std::optional<std::string> printerAnswer;
    std::vector<std::vector<std::string>> printerLists;
    std::vector<std::string> currentPrinters;
    int helps = 0;
    int abouts = 0;
};

class PreviewFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureGuiApplication(); }

    // Opens the preview of the sample floor (12 printed beams, 6 pages) unless `project` is
    // given.
    qt::PreviewWindow* Open(const std::string& dataName = "/data/floor.Zel",
                            bool suppressClose = true) {
        if (!loaded) {
            project = MakeEmptyProject();
            EXPECT_TRUE(
                LoadZelFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel", project)
                    .Ok());
            loaded = true;
        }
        qt::PreviewRequest request;
        request.sheet.project = project;
        request.sheet.print = PrintSettingsOf(project);
        request.sheet.dataName = dataName;
        request.sheet.suppressCloseMessage = suppressClose;
        window = new qt::PreviewWindow(request, printer, memory, &user);
        window->show();
        return window;
    }
    void TearDown() override {
        if (window) {
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            delete window.data();
        }
    }

    Project project = MakeEmptyProject();
    bool loaded = false;
    qt::PrinterChoice printer{std::string("zeltest")};
    qt::PreviewMemory memory;
    ScriptedPreviewUser user;
    QPointer<qt::PreviewWindow> window;
};

}  // namespace zel::test
