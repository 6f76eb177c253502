#pragma once
// The preview window under test: the sample floor composed offscreen, questions answered from
// a script and logged word for word.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <memory>

#include "data/ZelFile.h"
#include "qt/preview/PreviewWindow.h"
#include "qt/print/Printers.h"
#include "support/QtTestSupport.h"
#include "support/ScriptedPrompter.h"

namespace zel::test {

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
        window = new qt::PreviewWindow(request, printer, memory, user);
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
    ScriptedPrompter user;
    QPointer<qt::PreviewWindow> window;
};

}  // namespace zel::test
