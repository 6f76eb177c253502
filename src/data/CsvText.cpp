#include "data/CsvText.h"

#include "lib/ShiftJis.h"

namespace zel {

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80         ? 1
                        : (c >> 5) == 6  ? 2
                        : (c >> 4) == 14 ? 3
                        : (c >> 3) == 30 ? 4
                                         : 0;
        if (n == 0 || (n == 2 && c < 0xC2) || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += n;
    }
    return true;
}

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            line += f;
            continue;
        }
        line += '"';
        for (const char c : f) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    line += "\r\n";
    return line;
}

std::optional<std::string> EncodeCsv(const std::string& utf8, CsvEncoding encoding) {
    if (encoding == CsvEncoding::kUtf8Bom) return std::string(kUtf8Bom) + utf8;
    return Utf8ToSjis(utf8);
}

std::optional<std::string> DecodeCsv(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
        if (!IsValidUtf8(bytes)) return std::nullopt;
        return std::string(bytes);
    }
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return SjisToUtf8(bytes);
}

}  // namespace zel
