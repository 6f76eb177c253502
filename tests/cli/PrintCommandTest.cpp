// `zel print` end to end through a private print server: what reaches the printer is the
// sheet as a PDF, and every refusal gives a non-zero exit.
#include <gtest/gtest.h>

#include <fstream>

#include "ZelRunner.h"
#include "support/PrivateCups.h"

namespace zel {
namespace {

using test::RunZel;
using test::Shell;

const std::string kFloor = std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel";

class PrintCommandTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        server = new test::PrivateCups;
        if (!server->Start()) {
            reason = server->Error();
        } else if (!server->AddQueue("zeltest", true) || !server->AddQueue("refuser") ||
                   !server->RejectJobs("refuser") || !server->AddDuplexQueue("duplexer")) {
            reason = "lpadmin cannot add the test queues";
        }
        // The whole sheet as zel sheet writes it, to compare page counts.
        sheetPages = std::atoi(
            Shell(std::string(ZEL_BIN_DIR) + "/zel sheet -q '" + kFloor +
                  "' -o /tmp/zel_print_ref.pdf | sed -n 's/.*: \\([0-9]*\\) page.*/\\1/p'")
                .out.c_str());
        std::remove("/tmp/zel_print_ref.pdf");
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    void SetUp() override {
        if (!reason.empty()) GTEST_SKIP() << "no private print server: " << reason;
        server->ClearJobs();
    }

    static std::string Head(const std::string& path) {
        char magic[5] = {};
        std::ifstream(path, std::ios::binary).read(magic, 4);
        return magic;
    }
    static int Pages(const std::string& path) {
        const std::string info = Shell("pdfinfo '" + path + "'").out;
        const auto at = info.find("Pages:");
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
    }
    static std::string Text(const std::string& path) {
        return Shell("pdftotext '" + path + "' -").out;
    }

    static test::PrivateCups* server;
    static std::string reason;
    static int sheetPages;
};

test::PrivateCups* PrintCommandTest::server = nullptr;
std::string PrintCommandTest::reason;
int PrintCommandTest::sheetPages = 0;

TEST_F(PrintCommandTest, ListsThePrintersAndMarksTheDefault) {
    const auto run = RunZel("print --list");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "  duplexer\n  refuser\n* zeltest\n");
}

TEST_F(PrintCommandTest, PrintsAllPagesOrARangeAsPdfWithTheMembers) {
    ASSERT_GT(sheetPages, 2);
    auto run = RunZel("print '" + kFloor + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("sent to zeltest"), std::string::npos);
    auto jobs = server->WaitForJobs(1);
    ASSERT_EQ(jobs.size(), 1u) << server->Log();
    EXPECT_EQ(Head(jobs[0]), "%PDF");
    EXPECT_EQ(Pages(jobs[0]), sheetPages);
    const std::string all = Text(jobs[0]);
    for (const char* name : {"2G1", "2G2", "2B4"}) EXPECT_NE(all.find(name), std::string::npos);

    run = RunZel("print '" + kFloor + "' --printer zeltest --pages 2");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    jobs = server->WaitForJobs(2);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(Pages(jobs[1]), 1);
    const std::string page2 = Text(jobs[1]);
    EXPECT_NE(page2.find("2G3"), std::string::npos);
    EXPECT_EQ(page2.find("2G1"), std::string::npos);
}

TEST_F(PrintCommandTest, RefusingQueueOrUnknownNameFailsAndPrintsNothing) {
    auto run = RunZel("print '" + kFloor + "' --printer refuser");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("受け付けていません"), std::string::npos) << run.err;

    run = RunZel("print '" + kFloor + "' --printer nosuchprinter");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("nosuchprinter"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("見つかりません"), std::string::npos) << run.err;

    run = RunZel("print '" + kFloor + "' --pages 99");
    EXPECT_EQ(run.exitCode, 2);
    run = RunZel("print");
    EXPECT_EQ(run.exitCode, 2);
    // Nothing went to the default printer instead.
    EXPECT_TRUE(server->WaitForJobs(1, 1).empty());
}

TEST_F(PrintCommandTest, CopiesAndSidesArriveWithTheJob) {
    struct Case {
        std::string args;
        std::string copies;  // as the server passes it on
        std::string sides;   // the job's option; empty: none asked for
    };
    const Case cases[] = {
        {"--printer duplexer --copies 3 --duplex long", "copies=3 ", "sides=two-sided-long-edge"},
        {"--printer duplexer --duplex short", "copies=1 ", "sides=two-sided-short-edge"},
        {"--printer duplexer --copies 2 --duplex none", "copies=2 ", "sides=one-sided"},
        {"--copies 2", "copies=2 ", ""},
    };
    std::size_t sent = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const auto run = RunZel("print '" + kFloor + "' --pages 1 " + c.args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto jobs = server->WaitForJobs(++sent);
        ASSERT_EQ(jobs.size(), sent) << server->Log();
        const std::string options = test::PrivateCups::JobOptions(jobs.back());
        RecordProperty("options" + std::to_string(sent), options);  // for the XML report
        EXPECT_EQ(options.rfind(c.copies, 0), 0u) << options;
        if (!c.sides.empty()) {
            EXPECT_NE(options.find(c.sides), std::string::npos) << options;
        }
        EXPECT_EQ(Pages(jobs.back()), 1);  // the copies are the printer's, not extra pages
    }

    // A printer without two-sided printing says so instead of printing one-sided.
    auto run = RunZel("print '" + kFloor + "' --printer zeltest --duplex long");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot print two-sided"), std::string::npos) << run.err;
    for (const char* wrong : {"--copies 0", "--duplex both", "--list --copies 2"}) {
        run = RunZel("print '" + kFloor + "' " + wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong;
    }
    EXPECT_EQ(server->WaitForJobs(sent + 1, 1).size(), sent);
}

}  // namespace
}  // namespace zel
