#include "output/PdfNaming.h"

#include "lib/Paths.h"

namespace zel {

std::string PdfBaseName(std::string_view dataPath) {
    const std::string name = FileNameOf(dataPath);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    return name.substr(0, dot);
}

std::string ProposedPdfName(std::string_view dataPath) {
    return "Zel_" + PdfBaseName(dataPath);
}

}  // namespace zel
