#include "data/BeamCsv.h"

#include <csv.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <set>

#include "data/CsvText.h"
#include "data/ProjectLimits.h"
#include "data/RecordFields.h"
#include "lib/ShiftJis.h"
#include "lib/Text.h"

namespace zel {

namespace {

// ---- columns ---------------------------------------------------------------------------------

// A field's caption: the name that identifies its column and the unit shown after it.
struct FieldText {
    const char* field;
    const char* name;
    const char* unit;
    const char* siUnit;
};

constexpr FieldText kFieldTexts[] = {
    {"memberName", "部材名", "", ""},
    {"sectionWidth", "B", "cm", "cm"},
    {"sectionDepth", "D", "cm", "cm"},
    {"sectionCover", "かぶり厚", "cm", "cm"},
    {"spanLength", "スパン長", "m", "m"},
    {"minRebarRule", "引張側最小鉄筋量", "0:0.4% 1:4/3倍 2:計算値", "0:0.4% 1:4/3倍 2:計算値"},
    {"sectionCount", "断面数", "", ""},
    {"mainBarGrade", "主筋材種", "0:SD295 1:SD345 2:SR235 3:SR295",
     "0:SD295 1:SD345 2:SR235 3:SR295"},
    {"stirrupGrade", "ｽﾀｰﾗｯﾌﾟ材種", "0:SD295 1:SD345 2:SR235 3:SR295",
     "0:SD295 1:SD345 2:SR235 3:SR295"},
    {"mainBarSize", "主筋径", "", ""},
    {"stirrupSize", "ｽﾀｰﾗｯﾌﾟ径", "", ""},
    {"assemblyMethod", "ｽﾀｰﾗｯﾌﾟ組立方法", "0…4", "0…4"},
    {"maxStirrupPitch", "ｽﾀｰﾗｯﾌﾟ最大ﾋﾟｯﾁ", "mm", "mm"},
    {"compressionBarRatio", "複筋比", "", ""},
    {"maxBarLayers", "許容段数", "", ""},
    {"maxStirrupLegs", "ｽﾀｰﾗｯﾌﾟ最大本数", "", ""},
    {"spanType", "略算方法", "0…6", "0…6"},
    {"concreteFc", "Fc", "kg/cm2", "N/mm2"},
    {"mainGradeValue", "主筋F値", "", ""},
    {"stirrupGradeValue", "ｽﾀｰﾗｯﾌﾟF値", "", ""},
    {"ft", "許容応力度ft", "", ""},
    {"fa", "許容応力度fa", "", ""},
    {"fs", "許容応力度fs", "", ""},
    {"wft", "許容応力度wft", "", ""},
    {"reserved", "予備", "16進", "16進"},
    {"selfWeight", "梁自重", "t/m", "t/m"},
    {"skipBeam", "この梁は計算しない", "0/1", "0/1"},
    {"shortTerm", "短期荷重として計算", "0/1", "0/1"},
    {"ignoreSelfWeight", "梁自重を考慮しない", "0/1", "0/1"},
    {"supportType", "支持条件", "0:単純梁 1:片持ち梁", "0:単純梁 1:片持ち梁"},
    {"momentPositionMode", "M算定位置の指定", "0:中央 1:左端から", "0:中央 1:左端から"},
    {"momentPosition", "M算定位置", "m", "m"},
    {"loadCount", "荷重数", "", ""},
    {"loadType", "種類", "1…6", "1…6"},
    {"loadValue", "値", "kg, kg/m2", "N, N/m2"},
    {"loadLengths", "L", "m", "m"},
    {"loadHeight", "H", "m", "m"},
    {"userCoefficients", "係数", "", ""},
};

const FieldText& TextOf(std::string_view field) {
    for (const FieldText& t : kFieldTexts) {
        if (field == t.field) return t;
    }
    static const FieldText unknown{"", "?", "", ""};
    return unknown;
}

bool IsLoadField(std::string_view field) {
    return field == "loadType" || field == "loadValue" || field == "loadLengths" ||
           field == "loadHeight";
}

// How a column's text stands for the stored value: the input area shows Fc / 10 in SI units
// and the loads in kg or N, a thousandth of the stored t or kN.
struct Scale {
    double factor = 1.0;
    bool divide = false;  // stored = shown / factor, else stored = shown × factor
};

struct Column {
    std::string name;     // "荷重3 L2"
    std::string caption;  // "荷重3 L2 (m)"
    int load = -1;        // the load group (0-based), -1 for the other columns
    Scale scale;
};

Column MakeColumn(std::string_view field, int i, int j, bool si) {
    const FieldText& t = TextOf(field);
    Column c;
    if (IsLoadField(field)) {
        c.load = i;
        c.name = "荷重" + std::to_string(i + 1) + " " + t.name;
        if (j >= 0) c.name += std::to_string(j + 1);
        if (field == "loadValue") c.scale = {1000.0, true};
    } else if (field == "userCoefficients") {
        static const char* kEnds[] = {"左端", "中央", "右端"};
        c.name = std::string(t.name) + " " + (i >= 0 && i < 3 ? kEnds[i] : "?");
    } else {
        c.name = t.name;
        if (i >= 0) c.name += std::to_string(i + 1);
    }
    if (field == "concreteFc" && si) c.scale = {10.0, false};
    const std::string unit = si ? t.siUnit : t.unit;
    c.caption = unit.empty() ? c.name : c.name + " (" + unit + ")";
    return c;
}

// The name a header cell gives its column: the caption without its unit.
std::string NameOfCaption(const std::string& caption) {
    const auto paren = caption.find(" (");
    return paren == std::string::npos ? caption : caption.substr(0, paren);
}

// ---- values to text --------------------------------------------------------------------------

template <typename F>
std::string Shortest(F value) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

template <typename F>
F Apply(double shown, const Scale& s) {
    return static_cast<F>(s.divide ? shown / s.factor : shown * s.factor);
}

template <typename F>
std::string RealText(F value, const Scale& scale) {
    if (!std::isfinite(value)) return "0x" + HexBytes(&value, sizeof value);
    if (scale.factor == 1.0) return Shortest(value);
    const double shown = scale.divide ? static_cast<double>(value) * scale.factor
                                      : static_cast<double>(value) / scale.factor;
    // The fewest digits of the shown value that give back the stored one.
    for (int digits = 1; digits <= 17; ++digits) {
        char buffer[64];
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, shown,
                                     std::chars_format::general, digits);
        double back = 0.0;
        std::from_chars(buffer, r.ptr, back);
        const F stored = Apply<F>(back, scale);
        if (std::memcmp(&stored, &value, sizeof value) == 0) return std::string(buffer, r.ptr);
    }
    return "0x" + HexBytes(&value, sizeof value);
}

// ---- text to values --------------------------------------------------------------------------

struct CellFault {
    std::string what;
};

void Parse(std::string_view text, std::int16_t& out, const Scale&) {
    if (text.empty()) {
        out = 0;
        return;
    }
    int v = 0;
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range ||
        (ec == std::errc() && p == text.data() + text.size() && (v < -32768 || v > 32767)))
        throw CellFault{"整数の範囲を超えています"};
    if (ec != std::errc() || p != text.data() + text.size()) throw CellFault{"整数ではありません"};
    out = static_cast<std::int16_t>(v);
}

template <typename F>
void ParseReal(std::string_view text, F& out, const Scale& scale) {
    if (text.empty()) {
        out = 0;
        return;
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (!ParseHexBytes(text.substr(2), &out, sizeof out))
            throw CellFault{"\"0x\"と16進" + std::to_string(sizeof(F) * 2) + "桁ではありません"};
        return;
    }
    double shown = 0.0;
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), shown);
    if (ec == std::errc::result_out_of_range) throw CellFault{"数値が大きすぎます"};
    if (ec != std::errc() || p != text.data() + text.size() || !std::isfinite(shown))
        throw CellFault{"数値ではありません"};
    const double stored = scale.divide ? shown / scale.factor : shown * scale.factor;
    if (std::fabs(stored) > static_cast<double>(std::numeric_limits<F>::max()))
        throw CellFault{"数値が大きすぎます"};
    out = static_cast<F>(stored);
    // A single-precision field reads the decimal text directly, so that the shortest text
    // written for it reads back to the very same value.
    if constexpr (std::is_same_v<F, float>) {
        if (scale.factor == 1.0) std::from_chars(text.data(), text.data() + text.size(), out);
    }
}

void Parse(std::string_view text, float& out, const Scale& s) {
    ParseReal(text, out, s);
}
void Parse(std::string_view text, double& out, const Scale& s) {
    ParseReal(text, out, s);
}
void Parse(std::string_view text, std::string& out, const Scale&) {
    out = std::string(text);
}

std::string Text(std::int16_t v, const Scale&) {
    return std::to_string(v);
}
std::string Text(float v, const Scale& s) {
    return RealText(v, s);
}
std::string Text(double v, const Scale& s) {
    return RealText(v, s);
}
std::string Text(const std::string& v, const Scale&) {
    return v;
}

// ---- the beam record's leaves ------------------------------------------------------------------

// Walks the beam fields of RecordFields.h down to single cells and calls fn(column, value) for
// each; the reserved block is one cell of hex digits.
template <typename Fn>
struct BeamLeaves {
    Fn& fn;
    bool si;

    template <typename T>
    void operator()(const char* name, T& value) {
        fn(MakeColumn(name, -1, -1, si), value);
    }
    void operator()(const char* name, std::array<float, 12>& reserved) {
        fn.Bytes(MakeColumn(name, -1, -1, si), reserved.data(), sizeof reserved);
    }
    template <typename T, std::size_t N>
    void operator()(const char* name, std::array<T, N>& values) {
        for (std::size_t i = 0; i < N; ++i)
            fn(MakeColumn(name, static_cast<int>(i), -1, si), values[i]);
    }
    template <std::size_t N, std::size_t M>
    void operator()(const char* name, std::array<std::array<float, M>, N>& values) {
        for (std::size_t i = 0; i < N; ++i) {
            for (std::size_t j = 0; j < M; ++j) {
                fn(MakeColumn(name, static_cast<int>(i), static_cast<int>(j), si), values[i][j]);
            }
        }
    }
};

template <typename Fn>
void VisitBeamCells(BeamRecord& beam, bool si, Fn& fn) {
    BeamLeaves<Fn> leaves{fn, si};
    VisitBeamFields(leaves, beam);
}

struct ColumnCollector {
    std::vector<Column> plain;
    std::map<int, std::vector<Column>> loads;
    template <typename T>
    void operator()(const Column& c, T&) {
        (c.load >= 0 ? loads[c.load] : plain).push_back(c);
    }
    void Bytes(const Column& c, void*, std::size_t) { plain.push_back(c); }
};

struct CellWriter {
    std::map<std::string, std::string> cells;
    template <typename T>
    void operator()(const Column& c, T& value) {
        cells[c.name] = Text(value, c.scale);
    }
    void Bytes(const Column& c, void* data, std::size_t n) { cells[c.name] = HexBytes(data, n); }
};

// Reads one beam's cells; keeps the first fault ("スパン長: 数値ではありません").
struct CellReader {
    const std::vector<std::string>& cells;
    const std::map<std::string, std::size_t>& where;
    std::string fault;
    const std::string& Cell(const Column& c) const {
        static const std::string empty;
        const std::size_t i = where.at(c.name);
        return i < cells.size() ? cells[i] : empty;
    }
    template <typename T>
    void operator()(const Column& c, T& value) {
        if (!fault.empty()) return;
        try {
            Parse(Cell(c), value, c.scale);
        } catch (const CellFault& f) {
            fault = c.name + ": " + f.what;
        }
    }
    void Bytes(const Column& c, void* data, std::size_t n) {
        if (!fault.empty()) return;
        const std::string& text = Cell(c);
        if (text.empty()) {
            std::memset(data, 0, n);
        } else if (!ParseHexBytes(text, data, n)) {
            fault = c.name + ": 16進" + std::to_string(n * 2) + "桁ではありません";
        }
    }
};

// The columns in their order: every field in the record's order, the load groups last, each
// group's fields together.
std::vector<Column> BeamColumns(bool si) {
    ColumnCollector collect;
    BeamRecord beam;
    VisitBeamCells(beam, si, collect);
    std::vector<Column> columns = collect.plain;
    for (auto& [load, group] : collect.loads)
        columns.insert(columns.end(), group.begin(), group.end());
    return columns;
}

// ---- the project row -------------------------------------------------------------------------

// Settings, font and version, as caption/value pairs after the marker.
struct ProjectField {
    const char* caption;
    std::int16_t* shortValue = nullptr;
    std::string* textValue = nullptr;
};

std::vector<ProjectField> ProjectFields(Project& p) {
    return {{"単位系(0:従来 1:出力SI 2:入力SI 3:SI)", &p.settings.unitCode, nullptr},
            {"表題", nullptr, &p.settings.sheetTitle},
            {"ページ番号(1:付けない 2:付ける)", &p.settings.pageNumberMode, nullptr},
            {"開始ページ", &p.settings.firstPageNumber, nullptr},
            {"フォント(0:明朝 1:ゴシック)", &p.font.fontChoice, nullptr},
            {"フォント名", nullptr, &p.font.fontName},
            {"版", nullptr, &p.header.versionText}};
}

// ---- reading the records -----------------------------------------------------------------------

struct Records {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> current;
};

void OnField(void* data, std::size_t length, void* records) {
    auto* r = static_cast<Records*>(records);
    r->current.emplace_back(data ? static_cast<const char*>(data) : "", data ? length : 0);
}

void OnRecord(int, void* records) {
    auto* r = static_cast<Records*>(records);
    r->rows.push_back(std::move(r->current));
    r->current.clear();
}

int NoSpace(unsigned char) {
    return 0;
}

std::string At(std::size_t row, const std::string& column) {
    return std::to_string(row + 1) + "行目" + (column.empty() ? "" : " " + column);
}

// "beams[2].loadLengths[3][1]: …" from the range checks, told by row and column.
std::string LocateLimitFault(const std::string& fault, const std::vector<std::size_t>& beamRows,
                             bool si) {
    const auto colon = fault.find(": ");
    const std::string where = fault.substr(0, colon);
    const std::string what = colon == std::string::npos ? fault : fault.substr(colon + 2);
    if (where.rfind("beams[", 0) != 0) return At(0, "") + " " + where + ": " + what;
    int index[3] = {-1, -1, -1};
    std::string field;
    int n = 0;
    std::size_t i = 0;
    while (i < where.size()) {
        if (where[i] == '[') {
            const std::size_t close = where.find(']', i);
            if (n < 3) index[n++] = std::stoi(where.substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (where[i] == '.') {
            const std::size_t end = where.find('[', i);
            field = where.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
            i = end == std::string::npos ? where.size() : end;
        } else {
            ++i;
        }
    }
    const auto beam = static_cast<std::size_t>(index[0]);
    return At(beam < beamRows.size() ? beamRows[beam] : 0,
              MakeColumn(field, index[1], index[2], si).name) +
           ": " + what;
}

}  // namespace

std::vector<std::string> BeamCsvHeader(bool inputSI) {
    std::vector<std::string> header;
    for (const Column& c : BeamColumns(inputSI)) header.push_back(c.caption);
    return header;
}

std::string ProjectToBeamCsv(const Project& project) {
    Project copy = project;
    const bool si = copy.settings.inputIsSI();
    std::vector<std::string> first{kBeamCsvMarker};
    for (const ProjectField& f : ProjectFields(copy)) {
        first.push_back(f.caption);
        first.push_back(f.shortValue ? std::to_string(*f.shortValue) : *f.textValue);
    }
    std::string text = CsvRecord(first);
    const std::vector<Column> columns = BeamColumns(si);
    text += CsvRecord(BeamCsvHeader(si));
    for (int slot = 1; slot <= copy.BeamCount(); ++slot) {
        CellWriter write;
        VisitBeamCells(copy.Beam(slot), si, write);
        std::vector<std::string> row;
        for (const Column& c : columns) row.push_back(write.cells[c.name]);
        text += CsvRecord(row);
    }
    return text;
}

std::string ProjectFromBeamCsv(std::string_view bytes, Project& project, bool checkLimits) {
    const bool bom = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (bom) bytes.remove_prefix(kUtf8Bom.size());
    Records records;
    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) return "CSVを読めません";
    csv_set_space_func(&parser, NoSpace);  // blanks belong to the texts
    const std::size_t used =
        csv_parse(&parser, bytes.data(), bytes.size(), OnField, OnRecord, &records);
    int error = used != bytes.size() ? csv_error(&parser) : CSV_SUCCESS;
    if (error == CSV_SUCCESS && csv_fini(&parser, OnField, OnRecord, &records) != 0)
        error = CSV_EPARSE;
    csv_free(&parser);
    if (error != CSV_SUCCESS)
        return At(records.rows.size(), "") + ": CSVとして読めません (" + csv_strerror(error) + ")";

    // The encoding: a BOM says UTF-8. Otherwise the first cell that is not UTF-8 decides:
    // Shift-JIS when it is that, UTF-8 (and that cell refused) when it is not.
    bool sjis = false;
    if (!bom) {
        for (const auto& row : records.rows) {
            const auto odd = std::find_if(row.begin(), row.end(),
                                          [](const std::string& c) { return !IsValidUtf8(c); });
            if (odd == row.end()) continue;
            sjis = SjisToUtf8(*odd).has_value();
            break;
        }
    }
    std::size_t headerRow = 0;
    for (std::size_t r = 0; r < records.rows.size(); ++r) {
        auto& row = records.rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            std::optional<std::string> text = sjis                  ? SjisToUtf8(row[c])
                                              : IsValidUtf8(row[c]) ? std::optional(row[c])
                                                                    : std::nullopt;
            if (!text) {
                const auto& header = records.rows[headerRow];
                const std::string column = r > headerRow && c < header.size()
                                               ? NameOfCaption(header[c])
                                               : std::to_string(c + 1) + "列目";
                return At(r, column) + ": " + (sjis ? "Shift-JIS" : "UTF-8") +
                       "として読めない文字があります";
            }
            row[c] = std::move(*text);
        }
        if (r == 0 && !row.empty() && row[0] == kBeamCsvMarker) headerRow = 1;
    }

    std::size_t r = 0;
    if (!records.rows.empty() && !records.rows[0].empty() && records.rows[0][0] == kBeamCsvMarker) {
        const auto& first = records.rows[0];
        std::vector<ProjectField> fields = ProjectFields(project);
        for (std::size_t c = 1; c < first.size(); c += 2) {
            const std::string name = NameOfCaption(first[c]);
            const ProjectField* field = nullptr;
            for (const ProjectField& f : fields) {
                if (NameOfCaption(f.caption) == name || f.caption == first[c]) field = &f;
            }
            if (first[c].empty()) continue;
            if (!field) return At(0, first[c]) + ": 知らない項目です";
            const std::string value = c + 1 < first.size() ? first[c + 1] : "";
            try {
                if (field->shortValue)
                    Parse(value, *field->shortValue, Scale{});
                else
                    *field->textValue = value;
            } catch (const CellFault& f) {
                return At(0, name) + ": " + f.what;
            }
        }
        r = 1;
    }
    if (r >= records.rows.size()) return At(r, "") + ": 見出しの行がありません";
    const bool si = project.settings.inputIsSI();
    const std::vector<Column> columns = BeamColumns(si);
    std::map<std::string, std::size_t> where;
    const auto& captions = records.rows[headerRow];
    for (std::size_t c = 0; c < captions.size(); ++c) {
        if (captions[c].empty()) continue;  // spreadsheets leave empty columns behind
        const std::string name = NameOfCaption(captions[c]);
        const bool known = std::any_of(columns.begin(), columns.end(),
                                       [&](const Column& k) { return k.name == name; });
        if (!known) return At(headerRow, name) + ": 知らない列です";
        if (where.count(name)) return At(headerRow, name) + ": 同じ列が2つあります";
        where[name] = c;
    }
    for (const Column& c : columns) {
        if (!where.count(c.name)) return At(headerRow, c.name) + ": 列がありません";
    }

    const std::size_t firstBeam = headerRow + 1;
    int count = 0;
    std::vector<std::size_t> beamRows;
    for (std::size_t row = firstBeam; row < records.rows.size(); ++row) {
        const auto& cells = records.rows[row];
        if (std::all_of(cells.begin(), cells.end(), [](const std::string& s) { return s.empty(); }))
            continue;
        if (count >= kMaxBeams)
            return At(row, "部材名") + ": 梁は" + std::to_string(kMaxBeams) + "本までです";
        ++count;
        beamRows.push_back(row);
        CellReader read{cells, where, {}};
        VisitBeamCells(project.Beam(count), si, read);
        if (!read.fault.empty()) return At(row, "") + " " + read.fault;
    }
    project.settings.beamCount = static_cast<std::int16_t>(count);
    if (std::string fault = checkLimits ? CheckProjectLimits(project) : ""; !fault.empty())
        return LocateLimitFault(fault, beamRows, si);
    return {};
}

}  // namespace zel
