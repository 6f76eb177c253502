// Printing the composed sheet through a private print server: the printer list, the program's
// own printer choice, and every way the print system can say no.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include "support/PrivateCups.h"
#include "support/QtTestSupport.h"
#include "output/SheetComposer.h"
#include "output/SheetPrimitives.h"
#include "qt/sheet/SheetFonts.h"
#include "qt/print/Printers.h"
#include "qt/print/SheetPrinting.h"

namespace zel {
namespace {

class SheetPrintingTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        test::EnsureGuiApplication();
        server = new test::PrivateCups;
        if (!server->Start()) {
            reason = server->Error();
            return;
        }
        // libcups keeps the server it found first; point it at ours.
        cupsSetServer(server->Socket().c_str());
        if (!server->AddQueue("zeltest", true) || !server->AddQueue("other") ||
            !server->AddQueue("refuser") || !server->RejectJobs("refuser"))
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
        SetUpSheetPage(document, layout, PrintSettings{});
        document.StartDoc();
        for (int page = 1; page <= 3; ++page) {
            if (page > 1) BeginSheetPage(document);
            document.SetCurrentY(document.MarginTop());
            document.StartTable();
            document.AddTable("+<3000;", "", {{"頁" + std::to_string(page)}});
            document.EndTable();
        }
        document.EndDoc();
    }

    static test::PrivateCups* server;
    static std::string reason;
    qt::QtSheetFontMetrics metrics;
    SheetDocument document{metrics};
    SheetLayout layout;
};

test::PrivateCups* SheetPrintingTest::server = nullptr;
std::string SheetPrintingTest::reason;

TEST_F(SheetPrintingTest, ListsQueuesAndKeepsItsOwnChoiceApartFromTheDefault) {
    const std::vector<qt::InstalledPrinter> printers = qt::InstalledPrinters();
    ASSERT_EQ(printers.size(), 3u);
    EXPECT_EQ(printers[0].name, "other");
    EXPECT_FALSE(printers[0].isDefault);
    EXPECT_EQ(printers[2].name, "zeltest");
    EXPECT_TRUE(printers[2].isDefault);

    qt::PrinterChoice choice;
    EXPECT_EQ(choice.Name(), "zeltest");
    EXPECT_TRUE(choice.Choose("other"));
    EXPECT_EQ(choice.Name(), "other");
    EXPECT_FALSE(choice.Choose("Other"));  // names match exactly
    EXPECT_EQ(choice.Name(), "other");
    // Choosing is the program's business only.
    EXPECT_EQ(qt::DefaultPrinterName(), "zeltest");

    ASSERT_TRUE(qt::PrintSheetPages(document, 2, 3, choice.Name(), "Zel_test").ok);
    const auto jobs = server->WaitForJobs(1);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(test::PdfPageCount(jobs[0]), 2);
    const std::string text = test::CommandOutput("pdftotext '" + jobs[0] + "' -");
    EXPECT_NE(text.find("頁2"), std::string::npos);
    EXPECT_EQ(text.find("頁1"), std::string::npos);
}

TEST_F(SheetPrintingTest, RefusalsAreReportedAndNothingGoesElsewhere) {
    qt::SheetPrintResult result = qt::PrintSheetPages(document, 1, 3, "refuser", "Zel_test");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("受け付けていません"), std::string::npos) << result.message;

    // Qt would send a job for an unknown name to the default printer.
    result = qt::PrintSheetPages(document, 1, 3, "nosuchprinter", "Zel_test");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "プリンター \"nosuchprinter\" が見つかりません。");

    // A printer removed while the program runs: the choice stays, printing says why not.
    ASSERT_TRUE(server->AddQueue("leaving"));
    qt::PrinterChoice choice;
    ASSERT_TRUE(choice.Choose("leaving"));
    ASSERT_TRUE(server->RemoveQueue("leaving"));
    EXPECT_FALSE(choice.Choose("leaving"));
    EXPECT_EQ(choice.Name(), "leaving");
    result = qt::PrintSheetPages(document, 1, 1, choice.Name(), "Zel_test");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("見つかりません"), std::string::npos);

    EXPECT_TRUE(server->WaitForJobs(1, 1).empty());
}

TEST_F(SheetPrintingTest, AJobTheServerRefusesAfterTheCheckIsAFailure) {
    // The queue accepts jobs, so the check before printing passes; its quota of one kilobyte
    // is used up by the first job, so the server refuses the second when it is sent.
    ASSERT_TRUE(server->AddQueue("quota"));
    ASSERT_EQ(std::system(("CUPS_SERVER='" + server->Socket() +
                           "' /usr/sbin/lpadmin -p quota -o job-quota-period=86400 "
                           "-o job-k-limit=1 >/dev/null 2>&1")
                              .c_str()),
              0);
    ASSERT_TRUE(qt::PrintSheetPages(document, 1, 3, "quota", "Zel_test").ok);
    ASSERT_EQ(server->WaitForJobs(1).size(), 1u);
    const qt::SheetPrintResult result = qt::PrintSheetPages(document, 1, 3, "quota", "Zel_test");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Quota"), std::string::npos) << result.message;
    EXPECT_EQ(server->WaitForJobs(2, 2).size(), 1u);
}

}  // namespace
}  // namespace zel
