#include "data/GradeTable.h"

#include <cmath>
#include <limits>

#include "data/AtomicFile.h"
#include "lib/Numbers.h"
#include "lib/Paths.h"
#include "lib/ShiftJis.h"
#include "lib/Text.h"

namespace zel {

namespace {}  // namespace

GradeTableReadResult ParseGradeTable(std::string_view sjisText, std::string_view fileName) {
    GradeTableReadResult result;
    const std::string name(fileName);
    int count = 0;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos < sjisText.size() && count < kGradeCount) {
        auto end = sjisText.find('\n', pos);
        if (end == std::string_view::npos) end = sjisText.size();
        const std::string_view line = TrimChars(sjisText.substr(pos, end - pos), " \t\r");
        pos = end + 1;
        ++lineNo;
        if (line.empty() || line.front() == '*') continue;
        const auto comma = line.find(',');
        const double value = comma == std::string_view::npos
                                 ? 0.0
                                 : LeadingValue(TrimChars(line.substr(comma + 1), " \t\r"));
        // A zero F value would only surface later as a division by zero in the calculation,
        // and one beyond single precision as an infinite stress.
        const double stored = value / 1000.0;
        if (!(stored > 0.0) || stored > std::numeric_limits<float>::max() ||
            static_cast<float>(stored) == 0.0f) {
            result.error = name + ": line " + std::to_string(lineNo) + " \"" +
                           SjisToUtf8Lossy(line) + "\" is not \"name,value\" with a positive value";
            return result;
        }
        result.table.values[static_cast<std::size_t>(count++)] = static_cast<float>(stored);
    }
    if (count < kGradeCount) {
        result.error = name + ": " + std::to_string(count) + " grade entries, " +
                       std::to_string(kGradeCount) + " needed (SD295, SD345, SR235, SR295)";
        return result;
    }
    result.ok = true;
    return result;
}

GradeTableReadResult ReadGradeTable(const std::string& path) {
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, 1 << 20, &error)) {
        GradeTableReadResult result;
        result.error = error;
        return result;
    }
    return ParseGradeTable(bytes, path);
}

}  // namespace zel
