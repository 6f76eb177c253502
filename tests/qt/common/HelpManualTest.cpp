// The help manual: a missing one is named, a present one goes to the desktop.
#include <gtest/gtest.h>

#include "../dialogs/DialogTestSupport.h"
#include "qt/common/HelpManual.h"
#include "support/ScriptedPrompter.h"

namespace zel {
namespace {

class HelpManualTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

TEST_F(HelpManualTest, AMissingManualNamesItsPath) {
    test::ScriptedPrompter prompter;
    const std::string folder = "/nonexistent-folder";
    EXPECT_FALSE(qt::OpenHelpManual(prompter, folder));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, folder + "/help/index.html が見つかりません。");
    EXPECT_EQ(prompter.asked[0].title, kMessageTitleWide);
    EXPECT_EQ(prompter.asked[0].buttons, kButtonsOk);
}

TEST_F(HelpManualTest, TheManualBesideTheProgramGoesToTheDesktop) {
    test::ScriptedPrompter prompter;
    EXPECT_TRUE(qt::OpenHelpManual(prompter, test::ProgramBinFolder()));
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(prompter.opened,
              std::vector<std::string>{qt::HelpManualPath(test::ProgramBinFolder())});
    // A desktop without a viewer: nothing opened, and nothing claimed to be missing.
    prompter.shellOpens = false;
    EXPECT_FALSE(qt::OpenHelpManual(prompter, test::ProgramBinFolder()));
    EXPECT_TRUE(prompter.asked.empty());
}

}  // namespace
}  // namespace zel
