#include "editor/LoadLine.h"

#include <algorithm>
#include <cmath>

#include "data/BeamRecord.h"
#include "lib/Numbers.h"
#include "lib/Rounding.h"

namespace zel {

namespace {

constexpr int kLoadWidth = 9;
constexpr int kHeightWidth = 8;
constexpr int kLengthWidth = 7;

// Right-aligns a text in a column; a text wider than its column is kept whole.
std::string Column(const std::string& text, int width) {
    const int pad = width - static_cast<int>(text.size());
    return pad > 0 ? std::string(pad, ' ') + text : text;
}

std::string LoadText(double value) {
    return FormatFixed(value, value >= 1000000 ? 0 : 1);
}

// Decimals by size: whole numbers from `wholeFrom` on (never when 0), one decimal above 99.994,
// `tensDecimals` from 10, four below.
std::string LengthText(double value, double wholeFrom, int tensDecimals) {
    int decimals = 4;
    if (wholeFrom > 0 && value >= wholeFrom) {
        decimals = 0;
    } else if (value > 99.994) {
        decimals = 1;
    } else if (value >= 10) {
        decimals = tensDecimals;
    }
    return FormatFixed(value, decimals);
}

// Assembles a line from the column texts.
std::string AssembleLine(int type, const std::string& load, const std::string& height,
                         const std::vector<std::string>& lengths) {
    std::string line = std::to_string(type) + Column(load, kLoadWidth);
    line += type == 1 ? std::string(kHeightWidth, ' ') : Column(height, kHeightWidth);
    for (const std::string& length : lengths) line += Column(length, kLengthWidth);
    return line;
}

}  // namespace

int LengthCountOf(int loadType) {
    if (loadType == 1) return 1;
    if (loadType == 5) return 4;
    return 2;
}

std::string BuildLoadLine(int loadType, const std::array<std::string, 6>& fieldTexts) {
    auto value = [&](int index) { return LeadingValue(fieldTexts[index]); };
    const int count = LengthCountOf(loadType);
    const double height = loadType == 1 ? 0.0 : value(count + 1);
    std::vector<std::string> lengths;
    for (int i = 0; i < count; ++i) {
        // The fourth length of a trapezoid gets three decimals from 10 on, the others two.
        lengths.push_back(LengthText(value(i + 1), 0, i == 3 ? 3 : 2));
    }
    return AssembleLine(loadType, LoadText(value(0)), LengthText(height, 100000, 2), lengths);
}

std::string RecordLoadLine(const LoadLineValues& load) {
    const int count = LengthCountOf(load.type);
    std::vector<std::string> lengths;
    for (int i = 0; i < count; ++i) {
        lengths.push_back(LengthText(load.lengths[i], i == 0 ? 100000 : 0, 3));
    }
    return AssembleLine(load.type, LoadText(load.value), LengthText(load.height, 100000, 3),
                        lengths);
}

std::string RecordLoadLine(const BeamRecord& record, int slot) {
    const int k = std::clamp(slot, 1, kMaxLoads) - 1;
    // "NaN" or "Infinity" in a column would shift every later number when the line is read
    // back; such a value (only a damaged file holds one) is shown as 0.
    auto finite = [](float v) { return std::isfinite(v) ? static_cast<double>(v) : 0.0; };
    LoadLineValues load;
    load.type = record.loadType[k];
    // Single × 1000 stays single precision, as the stored value is.
    load.value = finite(record.loadValue[k] * 1000.0f);
    load.height = finite(record.loadHeight[k]);
    for (int i = 0; i < 4; ++i) load.lengths[i] = finite(record.loadLengths[k][i]);
    return RecordLoadLine(load);
}

LoadLineValues ParseLoadLine(std::string_view line) {
    const std::vector<float> numbers = ParseNumberList(line);
    auto at = [&](size_t index) -> double {
        return index < numbers.size() ? static_cast<double>(numbers[index]) : 0.0;
    };
    LoadLineValues load;
    load.type = RoundToInt(at(0));
    load.value = at(1);
    if (load.type == 1) {
        load.lengths[0] = at(2);
        return load;
    }
    load.height = at(2);
    const int count = LengthCountOf(load.type);
    for (int i = 0; i < count; ++i) load.lengths[i] = at(3 + i);
    return load;
}

double LoadReach(const LoadLineValues& load) {
    double sum = 0;
    for (int i = 0; i < LengthCountOf(load.type); ++i) sum += load.lengths[i];
    return sum;
}

bool ReachesBeyond(double span, double reach) {
    const double rest = span - reach;
    return rest < 0 && std::fabs(rest) > 0.000001;
}

std::optional<int> FindLoadBeyondSpan(const std::vector<std::string>& lines, double span) {
    for (size_t k = 0; k < lines.size(); ++k) {
        if (ReachesBeyond(span, LoadReach(ParseLoadLine(lines[k])))) return static_cast<int>(k) + 1;
    }
    return std::nullopt;
}

}  // namespace zel
