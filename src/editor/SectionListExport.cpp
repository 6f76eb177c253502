#include "editor/SectionListExport.h"

#include <algorithm>
#include <cctype>

#include "lib/Paths.h"
#include "lib/Text.h"
#include "output/DrawingSheet.h"
#include "output/DxfWriter.h"
#include "output/SectionList.h"
#include "output/SheetComposer.h"
#include "output/SheetFontMetrics.h"

namespace zel {

namespace {

void Tell(Prompter& user, const std::string& text) {
    user.ShowMessage(text, kButtonsOk, kMessageTitle);
}

}  // namespace

bool ExportSectionList(Project& project, Prompter& user, MainWindowUi& window,
                       FileDialogRequest request, const std::string& dataFileName) {
    if (PrintedBeamSlots(project).empty()) {
        Tell(user, "断面リストに描く梁がありません。\r\r(すべての梁が「この梁は計算しない」です)");
        return false;
    }
    request.title = kSectionListDialogTitle;
    request.fileName = BaseNameOf(dataFileName) + "_断面リスト.pdf";
    request.defaultExtension = "pdf";
    request.filter = kSectionListFilter;
    const std::optional<std::string> chosen = user.AskSaveFile(request);
    if (!chosen || TrimSpaces(*chosen).empty()) return false;
    const std::string path(TrimSpaces(*chosen));
    const std::string extension = LowerExtensionOf(path);
    if (extension != "pdf" && extension != "dxf") {
        Tell(user, path + "\r\r断面リストは PDF (.pdf) か DXF (.dxf) で出力します。" +
                       "\rファイル名の拡張子を .pdf か .dxf にしてください。");
        return false;
    }
    if (!ConfirmOverwrite(user, path)) return false;

    std::string error;
    {
        WaitCursor busy(user);
        const Drawing drawing =
            ComposeSectionList(project, {kDefaultSectionScale, dataFileName, TodayText()});
        if (extension == "dxf") {
            error = WriteDxfFile(path, drawing);
        } else {
            FixedFontMetrics metrics;  // nothing on these pages is laid out by measured text
            SheetDocument document(metrics);
            PaintDrawing(document, drawing);
            const SheetOutputResult written =
                window.WritePdf(document, path, "梁断面リスト " + project.settings.sheetTitle);
            if (!written.ok) error = written.message.empty() ? "書き込めませんでした" : written.message;
        }
    }
    if (!error.empty()) {
        Tell(user, "断面リストを出力できませんでした。\r\r" + path + "\r\r" + error);
        return false;
    }
    Tell(user, "断面リストを出力しました。\r\r" + path);
    return true;
}

}  // namespace zel
