#include "qt/SheetPdfWriter.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "qt/SheetFonts.h"
#include "qt/SheetRenderer.h"

namespace zel {
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

void SetError(std::string* error, const std::string& message) {
    if (error) *error = message;
}

}  // namespace

bool WriteSheetPdf(const SheetDocument& document, const std::string& path, int firstPage,
                   int lastPage, const SheetPdfInfo& info, std::string* error) {
    const int first = std::max(1, firstPage);
    const int last = std::min(document.PageCount(), lastPage);
    if (first > last) {
        SetError(error, "no pages to write");
        return false;
    }
    EnsureSheetFontsLoaded();

    // Written beside the target and renamed at the end, so a failure never leaves half a PDF
    // in place of a good one.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(error, "cannot write " + path + ": " + file.errorString().toStdString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(QString::fromStdString(info.title));
        writer.setCreator(QString::fromStdString(info.creator));
        writer.setPageLayout(QPageLayout(
            PageSizeOf(document),
            document.Orientation() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
            QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            SetError(error, "cannot start the PDF writer for " + path);
            return false;
        }
        ScalePainterToTwips(painter, kPdfResolution, kPdfResolution);
        for (int page = first; page <= last; ++page) {
            if (page > first) writer.newPage();
            PaintSheetPage(painter, document, page - 1);
        }
        painter.end();
    }
    if (!file.commit()) {
        SetError(error, "cannot write " + path + ": " + file.errorString().toStdString());
        return false;
    }
    return true;
}

bool WriteSheetPng(const SheetDocument& document, int page, const std::string& path,
                   int dotsPerInch, std::string* error) {
    if (page < 1 || page > document.PageCount()) {
        SetError(error, "no page " + std::to_string(page));
        return false;
    }
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
        PaintSheetPage(painter, document, page - 1);
    }
    if (!image.save(QString::fromStdString(path), "PNG")) {
        SetError(error, "cannot write " + path);
        return false;
    }
    return true;
}

}  // namespace zel
