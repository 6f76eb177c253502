#include "qt/sheet/SheetExporter.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>

#include "data/AtomicFile.h"
#include "lib/Version.h"
#include "qt/common/QtText.h"
#include "qt/sheet/SheetFonts.h"

namespace zel::qt {
namespace {

constexpr int kPdfResolution = 1200;

QPageSize PageSizeOf(const SheetDocument& document) {
    switch (document.PaperSize()) {
        case kPaperA4:
            return QPageSize(QPageSize::A4);
        case kPaperA3:
            return QPageSize(QPageSize::A3);
        case kPaperA5:
            return QPageSize(QPageSize::A5);
        case kPaperA2:
            return QPageSize(QPageSize::A2);
        case kPaperB4:
            return QPageSize(QPageSize::B4);
        case kPaperB5:
            return QPageSize(QPageSize::B5);
        default:
            break;
    }
    const double w =
        (document.Orientation() == 1 ? document.PageHeight() : document.PageWidth()) / 1440.0;
    const double h =
        (document.Orientation() == 1 ? document.PageWidth() : document.PageHeight()) / 1440.0;
    return QPageSize(QSizeF(w, h), QPageSize::Inch);
}

SheetExportResult Failed(SheetExportResult result, SheetExportResult::Failure failure,
                         std::string message) {
    result.failure = failure;
    result.message = std::move(message);
    return result;
}

// The range cut to the document; false when nothing is left of it.
bool PagesOf(const SheetDocument& document, SheetPageRange range, int& first, int& last) {
    first = std::max(1, range.first);
    last = std::min(document.PageCount(), range.last);
    return first <= last;
}

std::string Reason(const QString& error) {
    return error.isEmpty() ? std::string() : "（" + FromQ(error) + "）";
}

// Draws pages first..last on a painter that is already active on its device; `newPage` starts
// every page after the first.
template <typename NewPage>
bool DrawPages(QPainter& painter, const SheetDocument& document, int first, int last,
               NewPage newPage, SheetExportResult& result) {
    for (int page = first; page <= last; ++page) {
        if (page > first && !newPage()) return false;
        RenderSheetPage(painter, document, page);
        ++result.pages;
    }
    return true;
}

}  // namespace

QPageLayout SheetPageLayout(const SheetDocument& document) {
    return QPageLayout(PageSizeOf(document),
                       document.Orientation() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

SheetExportResult PrintSheet(const SheetDocument& document, QPrinter& printer,
                             SheetPageRange range) {
    using Failure = SheetExportResult::Failure;
    SheetExportResult result;
    int first = 0, last = 0;
    if (!PagesOf(document, range, first, last))
        return Failed(result, Failure::NoPages, "印刷するページがありません。");
    EnsureSheetFontsLoaded();
    const std::string name = FromQ(printer.printerName());

    if (!printer.setPageLayout(SheetPageLayout(document))) {
        // A printer without this paper keeps its own; the page is still drawn from the corner.
        printer.setPageOrientation(document.Orientation() == 1 ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
    }
    // The pages carry their own margins in twips from the paper's corner. Set after the
    // layout, which would otherwise bring the printer's margins back.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return Failed(result, Failure::CannotStart,
                      "プリンター「" + name + "」で印刷を始められません。");
    }
    ScalePainterToTwips(painter, printer.logicalDpiX(), printer.logicalDpiY());
    const bool drawn = DrawPages(
        painter, document, first, last, [&] { return printer.newPage(); }, result);
    painter.end();
    if (!drawn || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted) {
        return Failed(result, Failure::CannotFinish,
                      "プリンター「" + name + "」で印刷できませんでした。");
    }
    return result;
}

SheetExportResult WriteSheetPdf(const SheetDocument& document, const std::string& path,
                                SheetPageRange range, const SheetPdfInfo& info) {
    using Failure = SheetExportResult::Failure;
    SheetExportResult result;
    int first = 0, last = 0;
    if (!PagesOf(document, range, first, last))
        return Failed(result, Failure::NoPages, "PDF に出力するページがありません。");
    // A device or a FIFO at the path is never replaced by a file.
    if (std::string refused = CheckOutputFile(path); !refused.empty())
        return Failed(result, Failure::CannotCreate, "PDF ファイルを作成できません。" + refused);
    EnsureSheetFontsLoaded();

    QSaveFile file(ToQ(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return Failed(result, Failure::CannotCreate,
                      "PDF ファイル " + path + " を作成できません。" + Reason(file.errorString()));
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(ToQ(info.title));
        writer.setCreator(ToQ(info.creator));
        writer.setPageLayout(SheetPageLayout(document));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return Failed(result, Failure::CannotStart,
                          "PDF ファイル " + path + " の作成を始められません。");
        }
        ScalePainterToTwips(painter, kPdfResolution, kPdfResolution);
        DrawPages(
            painter, document, first, last, [&] { return writer.newPage(); }, result);
        painter.end();
    }
    if (!file.commit()) {
        result.pages = 0;
        return Failed(result, Failure::CannotFinish,
                      "PDF ファイル " + path + " を書き込めません。" + Reason(file.errorString()));
    }
    result.files.push_back(path);
    return result;
}

SheetExportResult WriteSheetPng(const SheetDocument& document, int page, const std::string& path,
                                int dotsPerInch) {
    using Failure = SheetExportResult::Failure;
    SheetExportResult result;
    if (page < 1 || page > document.PageCount()) {
        return Failed(result, Failure::NoPages,
                      std::to_string(page) + " ページはありません（" +
                          std::to_string(document.PageCount()) + " ページまで）。");
    }
    EnsureSheetFontsLoaded();
    const int dpi = std::clamp(dotsPerInch, 10, 1200);
    const int width = std::max(1, document.PageWidth() * dpi / 1440);
    const int height = std::max(1, document.PageHeight() * dpi / 1440);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254));
    {
        QPainter painter(&image);
        ScalePainterToTwips(painter, dpi, dpi);
        RenderSheetPage(painter, document, page);
    }
    if (std::string refused = CheckOutputFile(path); !refused.empty())
        return Failed(result, Failure::CannotCreate, "画像ファイルを作成できません。" + refused);
    QSaveFile file(ToQ(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return Failed(result, Failure::CannotCreate,
                      "画像ファイル " + path + " を作成できません。" + Reason(file.errorString()));
    }
    if (!image.save(&file, "PNG") || !file.commit()) {
        file.cancelWriting();
        return Failed(result, Failure::CannotFinish,
                      "画像ファイル " + path + " を書き込めません。" + Reason(file.errorString()));
    }
    result.pages = 1;
    result.files.push_back(path);
    return result;
}

SheetExportResult WriteSheetPngs(const SheetDocument& document, const std::string& folder,
                                 SheetPageRange range, int dotsPerInch) {
    using Failure = SheetExportResult::Failure;
    SheetExportResult result;
    int first = 0, last = 0;
    if (!PagesOf(document, range, first, last))
        return Failed(result, Failure::NoPages, "画像に出力するページがありません。");
    const QDir dir(ToQ(folder));
    if (!dir.mkpath(QStringLiteral("."))) {
        return Failed(result, Failure::CannotCreate,
                      "フォルダー " + folder + " を作成できません。");
    }
    for (int page = first; page <= last; ++page) {
        char name[32];
        std::snprintf(name, sizeof name, "page-%03d.png", page);
        const std::string path = FromQ(dir.filePath(QString::fromLatin1(name)));
        SheetExportResult one = WriteSheetPng(document, page, path, dotsPerInch);
        if (!one.Ok()) {
            one.pages = result.pages;
            one.files.insert(one.files.begin(), result.files.begin(), result.files.end());
            return one;
        }
        ++result.pages;
        result.files.push_back(path);
    }
    return result;
}

SheetOutputResult QtSheetPdfWriter::WritePdf(const SheetDocument& document, const std::string& path,
                                             const std::string& title) {
    const SheetExportResult written =
        WriteSheetPdf(document, path, {1, document.PageCount()}, {title, kProgramTitle});
    return {written.Ok(), written.message};
}

}  // namespace zel::qt
