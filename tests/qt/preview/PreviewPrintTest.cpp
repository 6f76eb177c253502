// Printing from the preview window through a private print server: all pages and the page
// shown reach the printer as the sheet, and a refusal is shown to the user.
#include <cups/cups.h>

#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "PreviewFixture.h"
#include "output/PreviewRules.h"
#include "qt/dialogs/PrinterSelectionDialog.h"
#include "qt/print/PrinterPageSetup.h"
#include "support/PrivateCups.h"

namespace zel {
namespace {

class PreviewPrintTest : public test::PreviewFixture {
  protected:
    static void SetUpTestSuite() {
        PreviewFixture::SetUpTestSuite();
        server = new test::PrivateCups;
        if (!server->Start()) {
            reason = server->Error();
            return;
        }
        cupsSetServer(server->Socket().c_str());
        if (!server->AddQueue("zeltest", true) || !server->AddQueue("refuser") ||
            !server->RejectJobs("refuser"))
            reason = "lpadmin cannot add the test queues";
    }
    static void TearDownTestSuite() {
        cupsSetServer(nullptr);
        delete server;
        server = nullptr;
    }
    void SetUp() override {
        if (!reason.empty()) GTEST_SKIP() << "no private print server: " << reason;
        server->ClearJobs();
    }

    static test::PrivateCups* server;
    static std::string reason;
};

test::PrivateCups* PreviewPrintTest::server = nullptr;
std::string PreviewPrintTest::reason;

TEST_F(PreviewPrintTest, PrintsAllPagesAndThePageShownAfterTheirQuestions) {
    Open();
    // Cancel prints nothing.
    user.Answer(kAnswerCancel);
    window->Button("printButton")->click();
    EXPECT_EQ(user.LastText(), kPrintAllQuestion);

    user.Answer(kAnswerOk);
    window->Action("printAction")->trigger();
    auto jobs = server->WaitForJobs(1);
    ASSERT_EQ(jobs.size(), 1u) << server->Log();
    EXPECT_EQ(test::PdfPageCount(jobs[0]), 6);
    const std::string all = test::CommandOutput("pdftotext '" + jobs[0] + "' -");
    for (const char* name : {"2G1", "2CG2", "2B4"}) EXPECT_NE(all.find(name), std::string::npos);

    window->Button("nextButton")->click();
    user.Answer(kAnswerOk);
    window->Action("printPageAction")->trigger();
    EXPECT_EQ(user.LastText(), kPrintPageQuestion);
    jobs = server->WaitForJobs(2);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(test::PdfPageCount(jobs[1]), 1);
    const std::string page2 = test::CommandOutput("pdftotext '" + jobs[1] + "' -");
    EXPECT_NE(page2.find("2G3"), std::string::npos);
    EXPECT_EQ(page2.find("2G1"), std::string::npos);
    EXPECT_EQ(user.asked.size(), 3u);  // no failure message
}

TEST_F(PreviewPrintTest, ARefusingOrUnknownPrinterGivesTheReason) {
    Open();
    printer = qt::PrinterChoice(std::string("refuser"));
    user.Answer(kAnswerOk);
    window->Action("printAction")->trigger();
    ASSERT_EQ(user.asked.size(), 2u);
    EXPECT_EQ(user.asked[1].text,
              PrintFailedMessage("プリンター \"refuser\" は印刷を受け付けていません。"));
    EXPECT_EQ(user.asked[1].title, "確認ﾒｯｾｰｼﾞ");

    printer = qt::PrinterChoice(std::string("gone"));
    user.Answer(kAnswerOk);
    window->Action("printPageAction")->trigger();
    ASSERT_EQ(user.asked.size(), 4u);
    EXPECT_NE(user.asked[3].text.find("\"gone\" が見つかりません"), std::string::npos);
    EXPECT_TRUE(server->WaitForJobs(1, 1).empty());

    // The printer selection lists the installed printers and changes the program's choice.
    test::OnModalDialog<qt::PrinterSelectionDialog>([](qt::PrinterSelectionDialog* dialog) {
        QListWidget* list = dialog->List();
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), "refuser");
        EXPECT_EQ(list->item(1)->text(), "zeltest");
        list->setCurrentRow(1);
        EXPECT_EQ(dialog->ChosenLabel()->text(), "zeltest");
        dialog->OkButton()->click();
    });
    window->Action("printerAction")->trigger();
    EXPECT_EQ(printer.Name(), "zeltest");
}

TEST_F(PreviewPrintTest, WithoutAnyPrinterPrintingAndSetUpSaySo) {
    test::PrivateCups empty;
    ASSERT_TRUE(empty.Start()) << empty.Error();
    cupsSetServer(empty.Socket().c_str());
    printer = qt::PrinterChoice();  // the system default of a server without queues
    EXPECT_EQ(printer.Name(), "");
    Open();
    user.Answer(kAnswerOk);
    window->Action("printAction")->trigger();
    ASSERT_EQ(user.asked.size(), 2u);
    EXPECT_EQ(user.asked[1].text, PrintFailedMessage("プリンターがインストールされていません。"));

    // "ﾌﾟﾘﾝﾀｰの設定(&U)..." of the main window, before any set-up dialog would open.
    EXPECT_FALSE(qt::OpenPrinterPageSetup(nullptr, user, printer));
    EXPECT_EQ(user.LastText(), "プリンターがインストールされていません。");
    qt::PrinterChoice gone(std::string("gone"));
    EXPECT_FALSE(qt::OpenPrinterPageSetup(nullptr, user, gone));
    EXPECT_EQ(user.LastText(), "プリンター \"gone\" が見つかりません。");
    cupsSetServer(server->Socket().c_str());
}

TEST_F(PreviewPrintTest, WhatThePrinterSetUpChoseGoesWithEveryPrint) {
    ASSERT_TRUE(server->AddDuplexQueue("duplexer"));
    printer = qt::PrinterChoice(std::string("duplexer"));
    // The user asks for two copies, long-edge two-sided, and confirms with the keyboard.
    test::OnModalDialog<QPrintDialog>([](QPrintDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "ﾌﾟﾘﾝﾀｰの設定");
        auto* copies = dialog->findChild<QSpinBox*>("copies");
        auto* longEdge = dialog->findChild<QRadioButton*>("duplexLong");
        ASSERT_TRUE(copies && longEdge);
        copies->selectAll();
        QTest::keyClicks(copies, "2");
        QTest::mouseClick(longEdge, Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    EXPECT_TRUE(qt::OpenPrinterPageSetup(nullptr, user, printer));
    EXPECT_EQ(printer.Name(), "duplexer");

    Open();
    for (const char* action : {"printAction", "printPageAction"}) {
        SCOPED_TRACE(action);
        const std::size_t before = server->KeptJobs().size();
        user.Answer(kAnswerOk);
        window->Action(action)->trigger();
        const auto jobs = server->WaitForJobs(before + 1);
        ASSERT_EQ(jobs.size(), before + 1) << server->Log();
        const std::string options = test::PrivateCups::JobOptions(jobs.back());
        EXPECT_EQ(options.rfind("copies=2 ", 0), 0u) << options;
        EXPECT_NE(options.find("sides=two-sided-long-edge"), std::string::npos) << options;
    }
    EXPECT_EQ(user.asked.size(), 2u);  // the two questions, no failure
    ASSERT_TRUE(server->RemoveQueue("duplexer"));
}

}  // namespace
}  // namespace zel
