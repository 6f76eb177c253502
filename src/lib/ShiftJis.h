#pragma once
// Texts in files are Shift-JIS (code page 932); in memory everything is UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace zel {

// UTF-8 -> CP932 bytes; nullopt when a character has no CP932 form (never truncated).
std::optional<std::string> Utf8ToSjis(std::string_view utf8);

// CP932 bytes -> UTF-8; nullopt when the bytes are not valid CP932.
std::optional<std::string> SjisToUtf8(std::string_view sjis);

// CP932 -> UTF-8 for texts read from files: invalid bytes become U+FFFD instead of failing,
// so a damaged name never stops a project from loading.
std::string SjisToUtf8Lossy(std::string_view sjis);

// Width of a text as the fixed-column lists count it: its length in CP932 bytes (a full-width
// character counts 2, half-width katakana 1). Characters without a CP932 form count 2.
int DisplayWidth(std::string_view utf8);

// Pads with blanks on the right up to the given display width (never cuts).
std::string PadRightToWidth(std::string_view utf8, int width);

}  // namespace zel
