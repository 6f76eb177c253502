#pragma once
// The result schedule as an Excel workbook (libxlsxwriter) or as CSV. Both go through a
// temporary file and a rename; each returns "" or why the file was not written.
#include <optional>
#include <string>

#include "data/CsvText.h"
#include "output/ResultSchedule.h"

namespace zel {

// The Japanese font of the workbook's cells.
inline constexpr const char* kScheduleFont = "ＭＳ ゴシック";
// Fill of a "設計不可" judgement (RGB).
inline constexpr int kScheduleFailedFill = 0xFF9999;

// The worksheet's name from the sheet title: Excel's forbidden characters []:*?/\ become "_",
// at most 31 characters, no apostrophe at either end; "結果一覧表" when nothing is left.
std::string ScheduleSheetName(const std::string& title);

std::string WriteScheduleXlsx(const ResultSchedule& schedule, const std::string& path);

// The CSV text, header first; nullopt (with the row in `error`) when a text has no Shift-JIS
// form.
std::optional<std::string> ScheduleCsv(const ResultSchedule& schedule, CsvEncoding encoding,
                                       std::string* error = nullptr);
std::string WriteScheduleCsv(const ResultSchedule& schedule, const std::string& path,
                             CsvEncoding encoding);

}  // namespace zel
