#pragma once
// The settings file "KAVOZel.INI" in the program folder: last data folder, last data file and
// the list of recently used files (most recent first, at most 10, no duplicates).
#include <string>
#include <string_view>
#include <vector>

namespace zel {

inline constexpr const char* kSettingsFileName = "KAVOZel.INI";
inline constexpr int kMaxHistory = 10;

struct SettingsFile {
    std::string dataFolder;                  // "" means the program folder
    std::string currentFile = "新規データ";  // path of the data file, or "新規データ"
    std::vector<std::string> history;        // most recent first
};

// Reads the file; a missing or unreadable file gives empty values (returns false then).
// Values are taken by position; the marker lines are not compared.
bool ReadSettingsFile(const std::string& path, SettingsFile& settings);
SettingsFile ParseSettingsText(std::string_view sjisText);

// Writes the file (Shift-JIS, CR LF). Returns "" or the reason it failed.
std::string WriteSettingsFile(const std::string& path, const SettingsFile& settings);
std::string FormatSettingsText(const SettingsFile& settings);

// Puts a data file at the top of the history: an entry equal to it (both trimmed) moves up,
// otherwise it is added, pushing the tenth entry out. "新規データ" is not recorded.
void AddToHistory(std::vector<std::string>& history, std::string_view currentFile);

}  // namespace zel
