#pragma once
// The rules of the default-data dialog ("デフォルト値の設定") without widgets: what it shows
// for a DefaultsRecord, what its choices do, and what "デフォルト として設定する" stores.
#include <string>
#include <vector>

#include "data/DefaultsRecord.h"
#include "editor/Prompter.h"
#include "editor/SheetOptionsRules.h"

namespace zel {

inline constexpr const char* kDefaultsQuestion = "デフォルト値を変更しますか？";

// The controls of the dialog. Option indices are -1 when no option of the group is selected.
struct DefaultsDialogForm {
    // "鉄筋・コンクリート"
    int mainGrade = 0;
    std::vector<std::string> mainSizes;
    std::string mainSizeText;
    std::string ratioText;   // "複筋比 γ"
    std::string layersText;  // "許容段数"
    int stirrupGrade = 0;
    std::vector<std::string> stirrupSizes;
    std::string stirrupSizeText;
    int assemblyMethod = 0;  // position in the assembly list
    std::string legsText;    // "最大本数"
    std::string pitchText;   // "最大ﾋﾟｯﾁ"
    std::string fcText;      // N/mm2: the stored kg/cm2 value / 10
    int ruleOption = 0;      // 0 "最小引張鉄筋比 0.4%  (0.004・bd)", 1 "… 4/3 倍"
    // "出力設定（単位・見出し）"
    int inputUnitOption = 1;  // 0 "従来工学単位 （ｋｇ，ｔ）", 1 "ＳＩ単位 （Ｎ，ｋＮ）"
    int outputUnitOption = 1;
    SheetOptionsForm sheet;  // heading, font and page numbers, as in the print settings
};

// The dialog as it opens for the current defaults.
DefaultsDialogForm OpenDefaultsForm(const DefaultsRecord& defaults);

// A grade option of the main bars (mainBars) or stirrups: refills that size list for the grade,
// keeping the list position (not the name).
void ChooseDefaultsGrade(DefaultsDialogForm& form, bool mainBars, int grade);

// "デフォルト として設定する": asks the question; Yes copies the controls into `defaults` and
// returns true (the caller writes the file and closes the dialog); No returns false and the
// dialog stays open with `defaults` unchanged.
bool ConfirmDefaultsForm(const DefaultsDialogForm& form, Prompter& prompter,
                         DefaultsRecord& defaults);

}  // namespace zel
