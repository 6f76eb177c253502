// The sheet-options block both settings dialogs share: how it opens on a stored page-number
// mode and font choice, and what it stores back.
#include <gtest/gtest.h>

#include "editor/SheetOptionsRules.h"

namespace zel {
namespace {

struct ModeCase {
    int storedMode;  // the file's page-number mode
    int option;      // the option selected, -1 none
    bool startEnabled;
    ViewColour startBackground;
    int modeStoredBack;  // what "OK" stores for it
};

class SheetOptionsModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(SheetOptionsModeTest, OpensOnTheStoredModeAndStoresItBack) {
    const ModeCase& c = GetParam();
    const SheetOptionsForm form = OpenSheetOptions("  見出し ", 0, c.storedMode, 3);
    EXPECT_EQ(form.pageNumberOption, c.option);
    EXPECT_EQ(form.startField.enabled, c.startEnabled);
    EXPECT_EQ(form.startLabel.enabled, c.startEnabled);
    EXPECT_EQ(form.startField.background, c.startBackground);
    EXPECT_EQ(form.startText, "3");
    EXPECT_EQ(PageNumberModeOf(form), c.modeStoredBack);
    EXPECT_EQ(HeadingOf(form), "見出し");
}

// A mode the block does not know selects nothing and leaves the start number as it is; "OK"
// then stores "付けない", as an option group without a selection reads.
INSTANTIATE_TEST_SUITE_P(Modes, SheetOptionsModeTest,
                         ::testing::Values(ModeCase{1, kPageNumbersOff, false,
                                                    ViewColour::LightGrey, 1},
                                           ModeCase{2, kPageNumbersOn, true, ViewColour::White, 2},
                                           ModeCase{0, -1, true, ViewColour::White, 1},
                                           ModeCase{7, -1, true, ViewColour::White, 1}));

TEST(SheetOptionsRulesTest, OnlyFontChoiceOneIsTheGothicFace) {
    for (const auto& [stored, option] :
         {std::pair{0, 0}, std::pair{1, 1}, std::pair{2, 0}, std::pair{-1, 0}}) {
        const SheetOptionsForm form = OpenSheetOptions("", stored, 2, 1);
        EXPECT_EQ(form.fontOption, option) << stored;
        EXPECT_EQ(FontChoiceOf(form), option) << stored;
    }
    SheetOptionsForm form = OpenSheetOptions("", 0, 2, 1);
    ChoosePageNumberOption(form, 5);  // not an option: nothing changes
    EXPECT_EQ(form.pageNumberOption, kPageNumbersOn);
}

}  // namespace
}  // namespace zel
