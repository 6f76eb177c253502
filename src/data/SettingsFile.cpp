#include "data/SettingsFile.h"

#include "data/AtomicFile.h"
#include "data/BinaryIO.h"
#include "lib/Numbers.h"
#include "lib/Rounding.h"
#include "lib/ShiftJis.h"
#include "lib/Text.h"
#include "lib/Version.h"

namespace zel {

namespace {

// Lines without their CR LF (a lone LF is accepted too).
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        auto line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

}  // namespace

SettingsFile ParseSettingsText(std::string_view sjisText) {
    SettingsFile settings;
    settings.currentFile.clear();
    const auto lines = SplitLines(sjisText);
    auto line = [&](std::size_t i) -> std::string_view {
        return i < lines.size() ? lines[i] : std::string_view{};
    };
    settings.dataFolder = SjisToUtf8Lossy(line(1));
    settings.currentFile = SjisToUtf8Lossy(line(3));
    // A hand-edited count never makes the list longer than the menu holds.
    const int count = RoundToInt(LeadingValue(line(5)));
    for (int i = 0; i < count && i < kMaxHistory && 6 + static_cast<std::size_t>(i) < lines.size();
         ++i) {
        settings.history.push_back(SjisToUtf8Lossy(lines[6 + static_cast<std::size_t>(i)]));
    }
    return settings;
}

bool ReadSettingsFile(const std::string& path, SettingsFile& settings) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, 1 << 20)) {
        settings.dataFolder.clear();
        settings.history.clear();
        return false;
    }
    settings = ParseSettingsText(bytes);
    return true;
}

std::string FormatSettingsText(const SettingsFile& settings) {
    // A path with a character Shift-JIS cannot hold would come back as a different path, so
    // such a path is left out rather than written damaged.
    auto encode = [](const std::string& utf8) -> std::optional<std::string> {
        bool altered = false;
        std::string sjis = EncodeFileText(utf8, &altered);
        if (altered) return std::nullopt;
        return sjis;
    };
    std::vector<std::string> history;
    for (const auto& entry : settings.history) {
        if (history.size() >= static_cast<std::size_t>(kMaxHistory)) break;
        if (auto sjis = encode(entry)) history.push_back(std::move(*sjis));
    }
    const std::string crlf = "\r\n";
    std::string out;
    out += "[DataDir]" + crlf;
    out += encode(settings.dataFolder).value_or("") + crlf;
    out += "[DataName]" + crlf;
    out += encode(settings.currentFile).value_or(*Utf8ToSjis(kNewDataName)) + crlf;
    out += "[DataHistory]" + crlf;
    out += std::to_string(history.size()) + crlf;
    for (const auto& entry : history) out += entry + crlf;
    return out;
}

std::string WriteSettingsFile(const std::string& path, const SettingsFile& settings) {
    return WriteFileAtomically(path, FormatSettingsText(settings));
}

void AddToHistory(std::vector<std::string>& history, std::string_view currentFile) {
    const std::string_view wanted = TrimSpaces(currentFile);
    if (wanted.empty() || wanted == kNewDataName) return;
    std::size_t target = history.size();  // 0-based index of the entry that is overwritten
    for (std::size_t k = 0; k < history.size(); ++k) {
        if (TrimSpaces(history[k]) == wanted) {
            target = k;
            break;
        }
    }
    if (target == history.size()) {
        if (history.size() < static_cast<std::size_t>(kMaxHistory)) {
            history.emplace_back();
        } else {
            history.resize(kMaxHistory);
            target = kMaxHistory - 1;
        }
    }
    for (std::size_t i = target; i >= 1; --i) history[i] = history[i - 1];
    history[0] = std::string(currentFile);
}

}  // namespace zel
