#include "data/ProjectJson.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "data/BinaryIO.h"
#include "data/RecordFields.h"
#include "lib/Text.h"

namespace zel {

namespace {

using Json = nlohmann::ordered_json;

// ---- values to JSON ------------------------------------------------------------------------

// Bit patterns of a float/double that JSON numbers cannot hold (NaN, infinities) go out as
// "0x" + the little-endian bytes in hex.
template <typename F>
Json FloatJson(F value) {
    if (std::isfinite(value)) return static_cast<double>(value);
    return "0x" + HexBytes(&value, sizeof value);
}

Json ToJson(std::int16_t v) {
    return v;
}
Json ToJson(std::int32_t v) {
    return v;
}
Json ToJson(float v) {
    return FloatJson(v);
}
Json ToJson(double v) {
    return FloatJson(v);
}
Json ToJson(const std::string& v) {
    return v;
}
template <std::size_t N>
Json ToJson(const std::array<std::uint8_t, N>& bytes) {
    return HexBytes(bytes.data(), N);
}
template <typename T, std::size_t N>
Json ToJson(const std::array<T, N>& values) {
    Json a = Json::array();
    for (const auto& v : values) a.push_back(ToJson(v));
    return a;
}

// ---- JSON to values ------------------------------------------------------------------------

struct BadJson : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Bad(const std::string& where, const std::string& what) {
    throw BadJson(where + ": " + what);
}

template <typename I>
void IntFromJson(const Json& j, I& out, const std::string& where) {
    if (!j.is_number_integer()) {
        // 3.0 is accepted as 3; 3.5 is not an Integer.
        if (!j.is_number_float() || std::trunc(j.get<double>()) != j.get<double>()) {
            Bad(where, "expected an integer");
        }
    }
    const double v = j.get<double>();
    if (v < std::numeric_limits<I>::min() || v > std::numeric_limits<I>::max()) {
        Bad(where, "integer out of range");
    }
    out = static_cast<I>(j.is_number_integer() ? j.get<std::int64_t>() : static_cast<I>(v));
}

template <typename F>
void FloatFromJson(const Json& j, F& out, const std::string& where) {
    if (j.is_string()) {
        const std::string s = j.get<std::string>();
        if (s.size() < 2 || s.compare(0, 2, "0x") != 0 ||
            !ParseHexBytes(s.substr(2), &out, sizeof out)) {
            Bad(where,
                "expected a number or \"0x\" and " + std::to_string(sizeof(F) * 2) + " hex digits");
        }
        return;
    }
    if (!j.is_number()) Bad(where, "expected a number");
    const double v = j.get<double>();
    if (std::isfinite(v) && std::fabs(v) > static_cast<double>(std::numeric_limits<F>::max())) {
        Bad(where, "number out of range");
    }
    out = static_cast<F>(v);
}

void FromJson(const Json& j, std::int16_t& v, const std::string& w) {
    IntFromJson(j, v, w);
}
void FromJson(const Json& j, std::int32_t& v, const std::string& w) {
    IntFromJson(j, v, w);
}
void FromJson(const Json& j, float& v, const std::string& w) {
    FloatFromJson(j, v, w);
}
void FromJson(const Json& j, double& v, const std::string& w) {
    FloatFromJson(j, v, w);
}
void FromJson(const Json& j, std::string& v, const std::string& where) {
    if (!j.is_string()) Bad(where, "expected a text");
    v = j.get<std::string>();
}
template <std::size_t N>
void FromJson(const Json& j, std::array<std::uint8_t, N>& bytes, const std::string& where) {
    if (!j.is_string() || !ParseHexBytes(j.get<std::string>(), bytes.data(), N)) {
        Bad(where, "expected " + std::to_string(N * 2) + " hex digits");
    }
}
template <typename T, std::size_t N>
void FromJson(const Json& j, std::array<T, N>& values, const std::string& where) {
    if (!j.is_array() || j.size() > N) {
        Bad(where, "expected an array of at most " + std::to_string(N) + " entries");
    }
    for (std::size_t i = 0; i < j.size(); ++i) {
        FromJson(j[i], values[i], where + "[" + std::to_string(i) + "]");
    }
}

// ---- the record lists of RecordFields.h, both ways -------------------------------------------

struct Exporter {
    Json& j;
    template <typename T>
    void operator()(const char* name, const T& value) {
        j[name] = ToJson(value);
    }
};

// Reads the fields named in the object, rejects names it does not know (a misspelt field
// would otherwise be silently left at zero). Absent fields keep their reset value.
struct Importer {
    const Json& j;
    std::string where;
    std::set<std::string> known;
    template <typename T>
    void operator()(const char* name, T& value) {
        known.insert(name);
        if (auto it = j.find(name); it != j.end()) FromJson(*it, value, where + "." + name);
    }
    void Finish() const {
        for (auto it = j.begin(); it != j.end(); ++it) {
            if (!known.count(it.key())) Bad(where, "unknown field \"" + it.key() + "\"");
        }
    }
};

template <typename Visit, typename T>
Json ExportObject(Visit visit, const T& record) {
    Json j = Json::object();
    Exporter e{j};
    visit(e, record);
    return j;
}

template <typename Visit, typename T>
void ImportObject(Visit visit, const Json& j, T& record, const std::string& where) {
    if (!j.is_object()) Bad(where, "expected an object");
    Importer im{j, where, {}};
    visit(im, record);
    im.Finish();
}

template <typename Visit, typename T, std::size_t N>
Json ExportRecords(Visit visit, const std::array<T, N>& records) {
    Json a = Json::array();
    for (const T& record : records) a.push_back(ExportObject(visit, record));
    return a;
}

// The object `name` of `top` into `record`, when there is one.
template <typename Visit, typename T>
void ImportNamed(Visit visit, const Json& top, const char* name, T& record) {
    if (auto it = top.find(name); it != top.end()) ImportObject(visit, *it, record, name);
}

// The array `name` of `top` into the first records; `noun` names them in the message.
template <typename Visit, typename T, std::size_t N>
void ImportNamedRecords(Visit visit, const Json& top, const char* name, std::array<T, N>& records,
                        const char* noun) {
    const auto it = top.find(name);
    if (it == top.end()) return;
    if (!it->is_array() || it->size() > N) {
        Bad(name, "expected an array of at most " + std::to_string(N) + " " + noun);
    }
    for (std::size_t i = 0; i < it->size(); ++i) {
        ImportObject(visit, (*it)[i], records[i],
                     std::string(name) + "[" + std::to_string(i) + "]");
    }
}

#define ZEL_VISITOR(fn) [](auto& v, auto& r) { fn(v, r); }

Json ProjectTree(const Project& p) {
    Json j;
    j["format"] = kProjectJsonFormat;
    j["header"] = ExportObject(ZEL_VISITOR(VisitHeaderFields), p.header);
    j["settings"] = ExportObject(ZEL_VISITOR(VisitSettingsFields), p.settings);
    j["beams"] = ExportRecords(ZEL_VISITOR(VisitBeamFields), p.beams);
    j["resultSummary"] = ExportObject(ZEL_VISITOR(VisitSummaryFields), p.resultSummary);
    j["results"] = ExportRecords(ZEL_VISITOR(VisitResultFields), p.results);
    j["font"] = ExportObject(ZEL_VISITOR(VisitFontFields), p.font);
    // Texts whose Shift-JIS bytes have no exact UTF-8 form, by their place in the file.
    Json carried = Json::array();
    for (const auto& [ordinal, text] : p.carriedTexts) {
        carried.push_back({{"ordinal", ordinal},
                           {"text", text.utf8},
                           {"sjis", HexBytes(text.sjis.data(), text.sjis.size())}});
    }
    j["carriedTexts"] = std::move(carried);
    return j;
}

void ReadProjectTree(const Json& j, Project& p) {
    if (!j.is_object()) Bad("(top)", "expected an object");
    // "comment" is free text for whoever wrote the file.
    static const std::set<std::string> kTop = {"format",   "comment", "header",
                                               "settings", "beams",   "resultSummary",
                                               "results",  "font",    "carriedTexts"};
    for (auto it = j.begin(); it != j.end(); ++it) {
        if (!kTop.count(it.key())) Bad("(top)", "unknown field \"" + it.key() + "\"");
    }
    if (auto it = j.find("format"); it != j.end() && *it != kProjectJsonFormat) {
        Bad("format", std::string("expected \"") + kProjectJsonFormat + "\"");
    }
    ImportNamed(ZEL_VISITOR(VisitHeaderFields), j, "header", p.header);
    if (p.header.signature != kZelSignature) Bad("header.signature", "must be \"KAVO-Zel\"");
    ImportNamed(ZEL_VISITOR(VisitSettingsFields), j, "settings", p.settings);
    ImportNamedRecords(ZEL_VISITOR(VisitBeamFields), j, "beams", p.beams, "beams");
    ImportNamed(ZEL_VISITOR(VisitSummaryFields), j, "resultSummary", p.resultSummary);
    ImportNamedRecords(ZEL_VISITOR(VisitResultFields), j, "results", p.results, "records");
    ImportNamed(ZEL_VISITOR(VisitFontFields), j, "font", p.font);
    if (auto it = j.find("carriedTexts"); it != j.end()) {
        if (!it->is_array()) Bad("carriedTexts", "expected an array");
        for (std::size_t i = 0; i < it->size(); ++i) {
            const Json& c = (*it)[i];
            const std::string where = "carriedTexts[" + std::to_string(i) + "]";
            if (!c.is_object() || !c.contains("ordinal") || !c.contains("text") ||
                !c.contains("sjis") || !c["ordinal"].is_number_integer() ||
                !c["text"].is_string() || !c["sjis"].is_string()) {
                Bad(where, "expected {\"ordinal\", \"text\", \"sjis\"}");
            }
            const std::string hex = c["sjis"].get<std::string>();
            std::string sjis(hex.size() / 2, '\0');
            if (!ParseHexBytes(hex, sjis.data(), sjis.size()) || sjis.size() > kMaxTextBytes) {
                Bad(where + ".sjis", "expected hex digits of at most 65535 bytes");
            }
            p.carriedTexts[c["ordinal"].get<int>()] =
                CarriedText{c["text"].get<std::string>(), sjis};
        }
    }
}

}  // namespace

std::string ProjectToJson(const Project& project) {
    return ProjectTree(project).dump(1, ' ', false, Json::error_handler_t::replace);
}

std::string ProjectFromJson(std::string_view text, Project& project) {
    Json j;
    try {
        j = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& e) {
        // Not only syntax: a number beyond a double ("1E999") is refused while parsing too.
        return std::string("bad JSON: ") + e.what();
    }
    try {
        ReadProjectTree(j, project);
    } catch (const BadJson& e) {
        return e.what();
    } catch (const Json::exception& e) {
        return e.what();
    }
    return {};
}

std::string BeamToJson(const BeamRecord& beam, int unitCode) {
    ProjectSettings settings;
    settings.beamCount = 1;
    settings.unitCode = static_cast<std::int16_t>(unitCode);
    Json j;
    j["format"] = kProjectJsonFormat;
    j["settings"] = ExportObject(ZEL_VISITOR(VisitSettingsFields), settings);
    j["beams"] = Json::array({ExportObject(ZEL_VISITOR(VisitBeamFields), beam)});
    return j.dump(1, ' ', false, Json::error_handler_t::replace);
}

std::string JsonNumberText(float value) {
    return FloatJson(value).dump();
}

}  // namespace zel
