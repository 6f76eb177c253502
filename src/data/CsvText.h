#pragma once
// CSV text as spreadsheets read it (RFC 4180): fields quoted where they must be, CRLF line
// ends, UTF-8 with a byte-order mark or Shift-JIS (code page 932).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class CsvEncoding { kUtf8Bom, kShiftJis };

// One record with its CRLF; a field holding a comma, a quote or a line break is quoted.
std::string CsvRecord(const std::vector<std::string>& fields);

bool IsValidUtf8(std::string_view text);

// UTF-8 text with the BOM in front, or converted to Shift-JIS; nullopt when a character has no
// Shift-JIS form.
std::optional<std::string> EncodeCsv(const std::string& utf8, CsvEncoding encoding);

// The file's bytes as UTF-8: a BOM says UTF-8, valid UTF-8 is taken as it is, otherwise valid
// Shift-JIS is converted. nullopt when the bytes are neither.
std::optional<std::string> DecodeCsv(std::string_view bytes);

}  // namespace zel
