#pragma once
// The block of sheet options that the print-settings dialog and the defaults dialog both show
// ("計算書作成時の詳細設定": heading, font, page numbers), without widgets.
#include <string>

#include "editor/InputAreaView.h"

namespace zel {

// Page-number options: index 0 "付けない", 1 "付ける"; the stored mode is the index + 1.
inline constexpr int kPageNumbersOff = 0;
inline constexpr int kPageNumbersOn = 1;

struct SheetOptionsForm {
    std::string heading;
    int fontOption = 0;                     // 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック"
    int pageNumberOption = kPageNumbersOn;  // -1 when no option is selected
    std::string startText;
    ControlView startLabel;  // "開始ページ No."
    ControlView startField;  // enabled and background of the start-number field
};

// The block as it opens on stored values: font choice 1 is the gothic face, anything else the
// mincho face; a page-number mode the block does not know selects no option.
SheetOptionsForm OpenSheetOptions(const std::string& heading, int fontChoice, int pageNumberMode,
                                  int startPage);
// "付けない" disables and greys the start number, "付ける" enables it.
void ChoosePageNumberOption(SheetOptionsForm& form, int option);

// What "OK" stores of the block. No option selected reads as index 0, as an option group
// without a selection does.
int PageNumberModeOf(const SheetOptionsForm& form);
int FontChoiceOf(const SheetOptionsForm& form);       // 0 or 1
std::string HeadingOf(const SheetOptionsForm& form);  // without surrounding blanks

}  // namespace zel
