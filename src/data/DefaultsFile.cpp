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
    void num(T& value) {
        in_.read(value);
    }
    void text(std::string& value) {
        std::string sjis;
        if (in_.readTextBytes(sjis)) value = SjisToUtf8Lossy(sjis);
    }
    bool exhausted() const { return in_.exhausted(); }

  private:
    ByteReader in_;
};

class DefWriter {
  public:
    template <typename T>
    void num(const T& value) {
        out_.write(value);
    }
    void text(const std::string& value) { out_.writeTextBytes(EncodeFileText(value)); }
    std::string& bytes() { return out_.bytes(); }

  private:
    ByteWriter out_;
};

template <typename IO, typename D>
void Record(IO& io, D& d) {
    io.num(d.sectionOption);
    io.num(d.mainBarGrade);
    io.num(d.stirrupGrade);
    io.text(d.mainBarSize);
    io.text(d.stirrupSize);
    io.num(d.minRebarRule);
    io.num(d.assemblyMethod);
    io.num(d.maxStirrupPitch);
    io.num(d.compressionBarRatio);
    io.num(d.maxBarLayers);
    io.num(d.maxStirrupLegs);
    io.num(d.spanType);
    io.num(d.concreteFc);
    io.num(d.shortTerm);
    io.num(d.reserved);
    io.num(d.unitCode);
    io.text(d.sheetTitle);
    io.num(d.pageNumberMode);
    io.num(d.firstPageNumber);
    io.num(d.reserved2);
    io.num(d.fontChoice);
}

}  // namespace

DefaultsReadStatus DecodeDefaults(std::string_view bytes, DefaultsRecord& defaults) {
    // Whatever the bytes do not reach keeps its built-in value.
    DefaultsRecord record = BuiltInDefaults();
    DefReader reader(bytes);
    Record(reader, record);
    defaults = std::move(record);
    return reader.exhausted() ? DefaultsReadStatus::Short : DefaultsReadStatus::Read;
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
    return std::move(writer.bytes());
}

std::string WriteDefaultsFile(const std::string& path, const DefaultsRecord& defaults) {
    return WriteFileAtomically(path, EncodeDefaults(defaults));
}

}  // namespace zel
