#pragma once
// The print settings of the calculation sheet and the rules of their dialog, without widgets.
// The values live in the project (ProjectSettings and SheetFontSetting) and travel with the file.
#include <cstdint>
#include <string>

#include "editor/InputAreaView.h"
#include "editor/Prompter.h"

namespace zel {

struct ProjectSettings;
struct SheetFontSetting;

struct PrintSettings {
    std::string HeadingText;          // heading of page 1; empty = none
    std::int16_t PageNumberMode = 2;  // 1 "付けない", 2 "付ける"
    std::int16_t StartPageNumber = 1;
    std::int16_t fontIndex = 0;  // 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック"
    std::string PrintFontName;
    std::int16_t PrintFontSize = 10;  // fixed

    bool operator==(const PrintSettings&) const = default;
};

PrintSettings PrintSettingsOf(const ProjectSettings& settings, const SheetFontSetting& font);
void StorePrintSettings(const PrintSettings& print, ProjectSettings& settings,
                        SheetFontSetting& font);

inline constexpr const char* kPrintSettingsQuestion = "設定項目を有効にしますか？";
// Shown when the start number does not fit a page number.
inline constexpr const char* kStartPageOutOfRange = "開始ページ No. の数値が大きすぎます。";

// Page-number options of both settings dialogs: index 0 "付けない", 1 "付ける"; the mode is
// the index + 1.
inline constexpr int kPageNumbersOff = 0;
inline constexpr int kPageNumbersOn = 1;

// The controls of the print-settings dialog.
struct PrintSettingsForm {
    std::string heading;
    int pageNumberOption = kPageNumbersOn;  // -1 when no option is selected
    std::string startText;
    int fontOption = 0;
    ControlView startLabel;  // "開始ページ No."
    ControlView startField;  // enabled and background of the start-number field
};

// The dialog as it opens for the current settings.
PrintSettingsForm OpenPrintSettingsForm(const PrintSettings& current);
// "付けない" disables and greys the start number, "付ける" enables it.
void ChoosePageNumberOption(PrintSettingsForm& form, int option);

// "OK": asks the question; Yes stores the form into `settings` and returns true (the dialog
// closes); No, or a start number that does not fit, returns false and the dialog stays open.
bool ConfirmPrintSettingsForm(const PrintSettingsForm& form, Prompter& prompter,
                              PrintSettings& settings);

// Start number as typed: its leading number to the nearest integer (halves to even). Returns
// false when it does not fit a 16-bit page number.
bool StartNumberFromText(const std::string& text, std::int16_t& number);

}  // namespace zel
