#pragma once
// Trimming of texts from fields, files and lists. Which blanks count differs by source, so each
// flavour has a name; all of them work on UTF-8 and never cut inside a character. Also the hex
// form in which the text formats (JSON, CSV) carry raw bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace zel {

// Half-width spaces only: a typed heading may start with a deliberate full-width blank.
std::string_view TrimSpaces(std::string_view text);
// Half-width spaces, tabs and full-width blanks "　" (what the input fields ignore).
std::string_view TrimBlanks(std::string_view text);
// The same blanks, from the end only.
std::string_view TrimBlanksRight(std::string_view text);
// Full-width digits "０".."９", "．", "－", "＋" and full-width blanks as their half-width forms,
// every other character as it is: what a Japanese input method types into a number field.
std::string HalfWidthNumberText(std::string_view text);
// Any of the given single-byte characters, e.g. " \t\r" for the lines of a table file.
std::string_view TrimChars(std::string_view text, std::string_view characters);

// n bytes as 2·n lower-case hex digits, first byte first.
std::string HexBytes(const void* data, std::size_t n);
// Exactly 2·n hex digits (either case) into n bytes, first byte first; false otherwise.
bool ParseHexBytes(std::string_view text, void* out, std::size_t n);

}  // namespace zel
