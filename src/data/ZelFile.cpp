#include "data/ZelFile.h"

#include <memory>
#include <unordered_map>
#include <utility>

#include "data/AtomicFile.h"
#include "data/BinaryIO.h"
#include "data/RecordFields.h"
#include "lib/Paths.h"
#include "lib/ShiftJis.h"
#include "lib/Version.h"

namespace zel {

namespace {

// Texts in the file: 2 header + 1 settings + 50 × 3 beams + 20 summary + 100 × 42 results + 1.
constexpr std::size_t kTextCount = 2 + 1 + kMaxBeams * 3 + 20 + kResultSlots * 42 + 1;
// No valid file is longer than this; the reader never needs more.
constexpr std::size_t kMaxZelFileSize = kEmptyZelFileSize + kTextCount * kMaxTextBytes;

// Reads fields in file order into a project. Texts are decoded to UTF-8; the Shift-JIS bytes
// of a text that would not come back the same are kept in carriedTexts.
class ZelReader {
  public:
    ZelReader(std::string_view bytes, std::map<int, CarriedText>& carried)
        : in_(bytes), carried_(carried) {}

    template <typename T>
    void Num(T& value) {
        in_.Read(value);
    }
    void Text(std::string& value) {
        const int ordinal = ordinal_++;
        std::string sjis;
        if (!in_.ReadTextBytes(sjis)) return;
        if (IsAscii(sjis)) {
            value = std::move(sjis);
            return;
        }
        auto cached = decoded_.find(sjis);
        if (cached == decoded_.end()) cached = decoded_.emplace(sjis, Decode(sjis)).first;
        value = cached->second.utf8;
        if (!cached->second.exact) carried_[ordinal] = CarriedText{value, sjis};
    }
    template <std::size_t N>
    void Texts(std::array<std::string, N>& values) {
        for (auto& v : values) Text(v);
    }
    // One field of the record lists (RecordFields.h): texts and numbers go their own ways.
    template <typename T>
    void operator()(const char*, T& value) {
        Num(value);
    }
    void operator()(const char*, std::string& value) { Text(value); }
    template <std::size_t N>
    void operator()(const char*, std::array<std::string, N>& values) {
        Texts(values);
    }
    bool Exhausted() const { return in_.Exhausted(); }
    std::size_t Position() const { return in_.Position(); }

  private:
    struct Decoded {
        std::string utf8;
        bool exact = false;  // converting utf8 back gives the same bytes
    };
    static Decoded Decode(const std::string& sjis) {
        if (auto utf8 = SjisToUtf8(sjis)) {
            auto back = Utf8ToSjis(*utf8);
            if (back && *back == sjis) return {std::move(*utf8), true};
        }
        return {SjisToUtf8Lossy(sjis), false};
    }

    ByteReader in_;
    std::map<int, CarriedText>& carried_;
    // Files repeat the same few texts (bar names, section labels) many times.
    std::unordered_map<std::string, Decoded> decoded_;
    int ordinal_ = 0;
};

class ZelWriter {
  public:
    explicit ZelWriter(const std::map<int, CarriedText>& carried) : carried_(carried) {
        out_.Bytes().reserve(kEmptyZelFileSize + 4096);
    }

    template <typename T>
    void Num(const T& value) {
        out_.Write(value);
    }
    void Text(const std::string& value) {
        const int ordinal = ordinal_++;
        if (auto it = carried_.find(ordinal); it != carried_.end() && it->second.utf8 == value) {
            out_.WriteTextBytes(it->second.sjis);
            return;
        }
        if (IsAscii(value)) {
            out_.WriteTextBytes(value);
            return;
        }
        auto cached = encoded_.find(value);
        if (cached == encoded_.end()) {
            bool altered = false;
            std::string sjis = EncodeFileText(value, &altered);
            cached = encoded_.emplace(value, std::make_pair(std::move(sjis), altered)).first;
        }
        out_.WriteTextBytes(cached->second.first);
        if (cached->second.second) ++altered_;
    }
    template <std::size_t N>
    void Texts(const std::array<std::string, N>& values) {
        for (const auto& v : values) Text(v);
    }
    template <typename T>
    void operator()(const char*, const T& value) {
        Num(value);
    }
    void operator()(const char*, const std::string& value) { Text(value); }
    template <std::size_t N>
    void operator()(const char*, const std::array<std::string, N>& values) {
        Texts(values);
    }
    std::string& Bytes() { return out_.Bytes(); }
    int AlteredTexts() const { return altered_; }

  private:
    ByteWriter out_;
    const std::map<int, CarriedText>& carried_;
    std::unordered_map<std::string, std::pair<std::string, bool>> encoded_;
    int ordinal_ = 0;
    int altered_ = 0;
};

// Everything after the header, for the writer (the reader takes the records one by one to tell
// where a short file ends). `P` is a Project or a const Project.
template <typename IO, typename P>
void Body(IO& io, P& p) {
    VisitSettingsFields(io, p.settings);
    for (auto& beam : p.beams) VisitBeamFields(io, beam);
    VisitSummaryFields(io, p.resultSummary);
    for (auto& result : p.results) VisitResultFields(io, result);
    VisitFontFields(io, p.font);
}

}  // namespace

ZelLoadResult DecodeZel(std::string_view bytes, Project& project) {
    ZelLoadResult result;
    auto fresh = std::make_unique<Project>();
    // Reset state: numbers 0, texts empty, also for the header and the settings.
    fresh->header = ProjectHeader{"", ""};
    ZelReader reader(bytes, fresh->carriedTexts);
    VisitHeaderFields(reader, fresh->header);
    if (reader.Exhausted() || fresh->header.signature != kZelSignature) {
        result.status = ZelLoadStatus::NotZelFile;
        result.message = "not a data file of this program (signature is not \"KAVO-Zel\")";
        return result;
    }
    // Each record is read in turn so that a short file can say where it ends. A record the
    // end cuts in the middle is damaged; one it does not reach is merely reset.
    const std::string end = "file ends at byte " + std::to_string(bytes.size());
    std::string cut;
    auto endsIn = [&](auto&& readRecord, const std::string& inside, const std::string& before,
                      const std::string& lost) {
        if (!cut.empty()) return false;
        const bool reached = reader.Position() < bytes.size();
        readRecord();
        if (!reader.Exhausted()) return false;
        cut = end + (reached ? ", inside " + inside : ", before " + before) + "; " + lost +
              (reached ? " are incomplete" : " are empty");
        return reached;
    };
    Project& p = *fresh;
    endsIn([&] { VisitSettingsFields(reader, p.settings); }, "the settings", "the settings",
           "the settings and beams 1…");
    // The count itself is kept, so that the file saves back byte for byte; every reader takes
    // it through Project::BeamCount(), which clamps it.
    if (cut.empty() && (p.settings.beamCount < 0 || p.settings.beamCount > kMaxBeams)) {
        result.warnings.push_back("beam count " + std::to_string(p.settings.beamCount) +
                                  " is out of range 0…" + std::to_string(kMaxBeams) + "; read as " +
                                  std::to_string(p.BeamCount()));
    }
    for (int k = 1; k <= kMaxBeams; ++k) {
        BeamRecord& beam = p.Beam(k);
        const std::string slot = std::to_string(k);
        if (endsIn([&] { VisitBeamFields(reader, beam); }, "beam " + slot, "beam " + slot,
                   "beams " + slot + "…"))
            beam.cutByFileEnd = true;
    }
    endsIn([&] { VisitSummaryFields(reader, p.resultSummary); }, "the result summary",
           "the result summary", "the result records");
    for (int k = 1; k <= kResultSlots; ++k) {
        const std::string slot = std::to_string(k);
        endsIn([&] { VisitResultFields(reader, p.Result(k)); }, "result record " + slot,
               "result record " + slot, "result records " + slot + "…");
    }
    endsIn([&] { VisitFontFields(reader, p.font); }, "the sheet font setting",
           "the sheet font setting", "the sheet font setting");
    if (!cut.empty()) {
        result.truncated = true;
        result.warnings.insert(result.warnings.begin(), cut);
    }
    for (const std::string& w : result.warnings) {
        if (!result.message.empty()) result.message += '\n';
        result.message += w;
    }
    project = std::move(*fresh);
    return result;
}

std::string EncodeZel(const Project& project, int* unencodableTexts) {
    ZelWriter writer(project.carriedTexts);
    VisitHeaderFields(writer, project.header);
    Body(writer, project);
    if (unencodableTexts) *unencodableTexts = writer.AlteredTexts();
    return std::move(writer.Bytes());
}

bool CheckZelSignature(const std::string& path) {
    std::string bytes;
    // The header is two texts: at most 2 × (2 + 65535) bytes.
    if (!ReadWholeFile(path, bytes, 2 * (2 + kMaxTextBytes))) return false;
    ProjectHeader header{"", ""};
    std::map<int, CarriedText> ignored;
    ZelReader reader(bytes, ignored);
    VisitHeaderFields(reader, header);
    return !reader.Exhausted() && header.signature == kZelSignature;
}

ZelLoadResult LoadZelFile(const std::string& path, Project& project) {
    ZelLoadResult result;
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, kMaxZelFileSize, &error)) {
        result.status = ZelLoadStatus::CannotOpen;
        result.message = error;
        return result;
    }
    result = DecodeZel(bytes, project);
    if (result.status == ZelLoadStatus::NotZelFile) result.message = NotZelFileMessage(path);
    return result;
}

ZelSaveResult SaveZelFile(const std::string& path, Project& project) {
    const ProjectHeader previous = project.header;
    project.header = ProjectHeader{};
    ZelSaveResult result;
    const std::string bytes = EncodeZel(project, &result.unencodableTexts);
    result.error = WriteFileAtomically(path, bytes);
    result.ok = result.error.empty();
    if (!result.ok) project.header = previous;  // a failed save changes nothing
    return result;
}

std::string NotZelFileMessage(const std::string& path) {
    return std::string("このファイルは、[ ") + kProgramTitle + " ] のデータではありません。" +
           "\r\r" + "File Name: " + FileNameOf(path);
}

}  // namespace zel
