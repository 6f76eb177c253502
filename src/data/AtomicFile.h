#pragma once
// Replacing a file so that it is either the old or the complete new content, never half.
#include <string>
#include <string_view>

namespace zel {

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk and renames it
// over `path`. Returns "" on success, otherwise a message (the target is then untouched and
// the temporary file removed). A target that exists but is not a regular file is refused.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

// Every writer asks this before it writes `path`: "" when the path does not exist yet or is a
// regular file (a symbolic link counts as what it points to), otherwise why it must not be
// written ("<path>: not a regular file"). A device or a FIFO is never replaced by a file.
std::string CheckOutputFile(const std::string& path);

// The same for a folder that files are written into: "" when it does not exist yet or is a
// folder.
std::string CheckOutputFolder(const std::string& path);

// Reads a whole file, at most maxBytes of it. Returns false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes,
                   std::string* error = nullptr);

}  // namespace zel
