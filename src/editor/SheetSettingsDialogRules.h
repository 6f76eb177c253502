#pragma once
// The rules of the print-settings dialog, without widgets; they act on the PrintSettings the
// sheet is composed with.
#include <cstdint>
#include <string>

#include "data/PrintSettings.h"
#include "editor/InputAreaView.h"
#include "editor/Prompter.h"

namespace zel {

inline constexpr const char* kSheetSettingsQuestion = "設定項目を有効にしますか？";
// Shown when the start number does not fit a page number.
inline constexpr const char* kStartPageOutOfRange = "開始ページ No. の数値が大きすぎます。";

// Page-number options of both settings dialogs: index 0 "付けない", 1 "付ける"; the mode is
// the index + 1.
inline constexpr int kPageNumbersOff = 0;
inline constexpr int kPageNumbersOn = 1;

// The controls of the print-settings dialog.
struct SheetSettingsForm {
    std::string heading;
    int pageNumberOption = kPageNumbersOn;  // -1 when no option is selected
    std::string startText;
    int fontOption = 0;
    ControlView startLabel;  // "開始ページ No."
    ControlView startField;  // enabled and background of the start-number field
};

// The dialog as it opens for the current settings.
SheetSettingsForm OpenSheetSettingsForm(const PrintSettings& current);
// "付けない" disables and greys the start number, "付ける" enables it.
void ChoosePageNumberOption(SheetSettingsForm& form, int option);

// "OK": asks the question; Yes stores the form into `settings` and returns true (the dialog
// closes); No, or a start number that does not fit, returns false and the dialog stays open.
bool ConfirmSheetSettingsForm(const SheetSettingsForm& form, Prompter& prompter,
                              PrintSettings& settings);

// Start number as typed: its leading number to the nearest integer (halves to even). Returns
// false when it does not fit a 16-bit page number.
bool StartNumberFromText(const std::string& text, std::int16_t& number);

}  // namespace zel
