#include "data/DefaultsFile.h"

#include <sys/stat.h>

#include <cerrno>

#include "data/AtomicFile.h"
#include "data/BinaryIO.h"
#include "lib/ShiftJis.h"

namespace zel {

namespace {

class DefReader {
  public:
    explicit DefReader(std::string_view bytes) : in_(bytes) {}
    template <typename T>
    void Num(T& value) {
        in_.Read(value);
    }
    void Text(std::string& value) {
        std::string sjis;
        if (in_.ReadTextBytes(sjis)) value = SjisToUtf8Lossy(sjis);
    }
    bool Exhausted() const { return in_.Exhausted(); }

  private:
    ByteReader in_;
};

class DefWriter {
  public:
    template <typename T>
    void Num(const T& value) {
        out_.Write(value);
    }
    void Text(const std::string& value) { out_.WriteTextBytes(EncodeFileText(value)); }
    std::string& Bytes() { return out_.Bytes(); }

  private:
    ByteWriter out_;
};

template <typename IO, typename D>
void Record(IO& io, D& d) {
    io.Num(d.sectionOption);
    io.Num(d.mainBarGrade);
    io.Num(d.stirrupGrade);
    io.Text(d.mainBarSize);
    io.Text(d.stirrupSize);
    io.Num(d.minRebarRule);
    io.Num(d.assemblyMethod);
    io.Num(d.maxStirrupPitch);
    io.Num(d.compressionBarRatio);
    io.Num(d.maxBarLayers);
    io.Num(d.maxStirrupLegs);
    io.Num(d.spanType);
    io.Num(d.concreteFc);
    io.Num(d.shortTerm);
    io.Num(d.reserved);
    io.Num(d.unitCode);
    io.Text(d.sheetTitle);
    io.Num(d.pageNumberMode);
    io.Num(d.firstPageNumber);
    io.Num(d.reserved2);
    io.Num(d.fontChoice);
}

}  // namespace

DefaultsReadStatus DecodeDefaults(std::string_view bytes, DefaultsRecord& defaults) {
    // Whatever the bytes do not reach keeps its built-in value.
    DefaultsRecord record = BuiltInDefaults();
    DefReader reader(bytes);
    Record(reader, record);
    defaults = std::move(record);
    return reader.Exhausted() ? DefaultsReadStatus::Short : DefaultsReadStatus::Read;
}

DefaultsReadStatus ReadDefaultsFile(const std::string& path, DefaultsRecord& defaults) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) {
        defaults = BuiltInDefaults();
        return DefaultsReadStatus::Missing;
    }
    std::string bytes;
    if (!ReadWholeFile(path, bytes, 1 << 20)) {
        defaults = BuiltInDefaults();
        return DefaultsReadStatus::Unreadable;
    }
    return DecodeDefaults(bytes, defaults);
}

std::string EncodeDefaults(const DefaultsRecord& defaults) {
    DefWriter writer;
    Record(writer, defaults);
    return std::move(writer.Bytes());
}

std::string WriteDefaultsFile(const std::string& path, const DefaultsRecord& defaults) {
    return WriteFileAtomically(path, EncodeDefaults(defaults));
}

}  // namespace zel
