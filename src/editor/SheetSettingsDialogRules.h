#pragma once
// The rules of the print-settings dialog, without widgets; they act on the PrintSettings the
// sheet is composed with.
#include <cstdint>
#include <string>

#include "data/PrintSettings.h"
#include "editor/Prompter.h"
#include "editor/SheetOptionsRules.h"

namespace zel {

inline constexpr const char* kSheetSettingsQuestion = "設定項目を有効にしますか？";
// Shown when the start number does not fit a page number.
inline constexpr const char* kStartPageOutOfRange = "開始ページ No. の数値が大きすぎます。";

// The dialog is the sheet-options block alone.
using SheetSettingsForm = SheetOptionsForm;

// The dialog as it opens for the current settings.
SheetSettingsForm OpenSheetSettingsForm(const PrintSettings& current);

// "OK": asks the question; Yes stores the form into `settings` and returns true (the dialog
// closes); No, or a start number that does not fit, returns false and the dialog stays open.
bool ConfirmSheetSettingsForm(const SheetSettingsForm& form, Prompter& prompter,
                              PrintSettings& settings);

// Start number as typed: its leading number to the nearest integer (halves to even). Returns
// false when it does not fit a 16-bit page number.
bool StartNumberFromText(const std::string& text, std::int16_t& number);

}  // namespace zel
