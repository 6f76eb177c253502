#pragma once
// "断面リストの出力(&L)...": the beam section list of the project to a PDF or DXF file chosen
// by the user. The main controller checks and commits the input area first, as for 計算書.
#include <string>

#include "data/Project.h"
#include "editor/MainWindowUi.h"
#include "editor/Prompter.h"

namespace zel {

inline constexpr const char* kSectionListDialogTitle = "『 KAVO-Zel 断面リストの出力 』";
inline constexpr const char* kSectionListFilter =
    "PDFﾌｧｲﾙ(*.pdf)|*.pdf|DXFﾌｧｲﾙ(*.dxf)|*.dxf";

// `request` holds the folder the data dialogs start in; `dataFileName` is shown in the title
// block. Asks for the file, then writes it (the PDF through the window, the DXF here), each
// through a temporary file so that an old file survives a failure; every outcome is told to
// the user. True when a file was written. The project's placement flags follow the
// calculation, as for every calculation.
bool ExportSectionList(Project& project, Prompter& user, MainWindowUi& window,
                       FileDialogRequest request, const std::string& dataFileName);

}  // namespace zel
