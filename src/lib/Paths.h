#pragma once
// Path helpers for "/" paths.
#include <string>
#include <string_view>

namespace zel {

// Text after the last "/" (the whole text when there is none; "" for "").
std::string FileNameOf(std::string_view path);
// File name of the text before the last "." ("/a/b.c.Zel" -> "b.c"; no "." -> the file name).
std::string BaseNameOf(std::string_view path);
// Extension of the file name in lower case, without the dot ("/a/B.PDF" -> "pdf"; none -> "").
std::string LowerExtensionOf(std::string_view path);
// Folder part without the trailing "/" ("/a/b.Zel" -> "/a"; "b.Zel" -> "").
std::string FolderOf(std::string_view path);
// Joins a folder and a name with one "/".
std::string JoinPath(std::string_view folder, std::string_view name);
// True when the file can be opened for reading.
bool FileExists(std::string_view path);

}  // namespace zel
