#pragma once
// Replacing a file so that it is either the old or the complete new content, never half.
#include <string>
#include <string_view>

namespace zel {

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk and renames it
// over `path`. Returns "" on success, otherwise a message (the target is then untouched and
// the temporary file removed). A target that exists but is not a regular file is refused.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file, at most maxBytes of it. Returns false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes,
                   std::string* error = nullptr);

}  // namespace zel
