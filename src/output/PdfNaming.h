#pragma once
// The name proposed for the PDF of a project's calculation sheet.
#include <string>
#include <string_view>

namespace zel {

// The data file's name without its folder and without the part from its last "." on; empty
// when the name has no "." (a project never saved has no file name at all).
std::string PdfBaseName(std::string_view dataPath);

// "Zel_" + PdfBaseName (the extension ".pdf" is the save dialog's default).
std::string ProposedPdfName(std::string_view dataPath);

}  // namespace zel
