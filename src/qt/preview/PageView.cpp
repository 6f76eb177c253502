#include "qt/preview/PageView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>

#include "output/PreviewRules.h"
#include "qt/sheet/SheetExporter.h"

namespace zel::qt {
namespace {

constexpr int kGap = 10;                 // pixels around and between pages
constexpr double kThumbnailWidth = 150;  // pixels at 96 dpi
constexpr std::size_t kKeptPictures = 4;
constexpr int kWheelNotch = 120;

}  // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("計算書"));
}

void PageView::SetDocument(const SheetDocument* document) {
    document_ = document;
    pictures_.clear();
    thumbnails_.clear();
    page_ = 1;
    UpdateScrollBars();
    viewport()->update();
}

void PageView::SetScreenDpi(double dotsPerInch) {
    dpi_ = dotsPerInch;
    pictures_.clear();
    thumbnails_.clear();
    UpdateScrollBars();
    viewport()->update();
}

double PageView::Dpi() const {
    return dpi_ > 0 ? dpi_ : logicalDpiX();
}
double PageView::WidthTwips() const {
    return width() * 1440.0 / Dpi();
}
double PageView::HeightTwips() const {
    return height() * 1440.0 / Dpi();
}

double PageView::PageWidthTwips() const {
    return document_ ? document_->PageWidth() : 11906.0;
}
double PageView::PageHeightTwips() const {
    return document_ ? document_->PageHeight() : 16838.0;
}
int PageView::PageCount() const {
    return document_ ? document_->PageCount() : 0;
}

void PageView::SetZoomEntry(int entry) {
    switch (entry) {
        case kZoomWholePage:
            mode_ = Mode::WholePage;
            break;
        case kZoom150:
        case kZoom200:
            mode_ = Mode::Zoom;
            zoom_ = RelativeZoom(WidthTwips(), PageWidthTwips(), entry == kZoom150 ? 1.5 : 2.0);
            break;
        case kZoomTwoPages:
            mode_ = Mode::TwoPages;
            break;
        case kZoomThumbnails:
            mode_ = Mode::Thumbnails;
            break;
        default:
            mode_ = Mode::FitWidth;
            break;
    }
    UpdateScrollBars();
    ShowPage(page_);
}

double PageView::Zoom() const {
    const double fitWidth = RelativeZoom(WidthTwips(), PageWidthTwips(), 1.0);
    double zoom = fitWidth;
    switch (mode_) {
        case Mode::WholePage:
            zoom = std::min<double>(WholePageZoom(HeightTwips(), PageHeightTwips()), fitWidth);
            break;
        case Mode::Zoom:
            zoom = zoom_;
            break;
        case Mode::TwoPages: {
            const double gapTwips = kGap * 1440.0 / Dpi();
            zoom = std::min(RelativeZoom(WidthTwips(), 2 * PageWidthTwips() + gapTwips, 1.0),
                            (HeightTwips() - 360.0) / PageHeightTwips() * 100.0);
            break;
        }
        case Mode::Thumbnails:
            zoom = kThumbnailWidth * 1440.0 / 96.0 / PageWidthTwips() * 100.0;
            break;
        case Mode::FitWidth:
            break;
    }
    return std::max(zoom, 1.0);
}

double PageView::Scale() const {
    return Zoom() / 100.0 * Dpi() / 1440.0;
}

QSize PageView::PagePixels() const {
    const double scale = Scale();
    return QSize(std::max(1, static_cast<int>(std::lround(PageWidthTwips() * scale))),
                 std::max(1, static_cast<int>(std::lround(PageHeightTwips() * scale))));
}

int PageView::ThumbnailColumns() const {
    const int cell = PagePixels().width() + kGap;
    return std::max(1, (viewport()->width() - kGap) / cell);
}

void PageView::UpdateScrollBars() {
    const QSize page = PagePixels();
    QSize content;
    switch (mode_) {
        case Mode::TwoPages:
            content = QSize(2 * page.width() + 3 * kGap, page.height() + 2 * kGap);
            break;
        case Mode::Thumbnails: {
            const int columns = ThumbnailColumns();
            const int rows = (PageCount() + columns - 1) / columns;
            const int label = fontMetrics().height();
            content = QSize(columns * (page.width() + kGap) + kGap,
                            rows * (page.height() + label + kGap) + kGap);
            break;
        }
        default:
            content = QSize(page.width() + 2 * kGap, page.height() + 2 * kGap);
            break;
    }
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(20);
}

QRect PageView::PageRect(int page) const {
    const QSize size = PagePixels();
    const int pagesAcross = mode_ == Mode::TwoPages ? 2 : 1;
    const int contentWidth = pagesAcross * size.width() + (pagesAcross + 1) * kGap;
    const int left = std::max(0, (viewport()->width() - contentWidth) / 2) -
                     horizontalScrollBar()->value() + kGap;
    const int column = mode_ == Mode::TwoPages && page != page_ ? 1 : 0;
    return QRect(left + column * (size.width() + kGap), kGap - verticalScrollBar()->value(),
                 size.width(), size.height());
}

QRect PageView::ThumbnailRect(int page) const {
    const QSize size = PagePixels();
    const int columns = ThumbnailColumns();
    const int label = fontMetrics().height();
    const int index = page - 1;
    return QRect(
        kGap + (index % columns) * (size.width() + kGap) - horizontalScrollBar()->value(),
        kGap + (index / columns) * (size.height() + label + kGap) - verticalScrollBar()->value(),
        size.width(), size.height());
}

void PageView::ShowPage(int page, int offsetTwips) {
    page_ = std::clamp(page, 1, std::max(1, PageCount()));
    UpdateScrollBars();
    if (mode_ == Mode::Thumbnails) {
        const QRect shown = ThumbnailRect(page_).translated(0, verticalScrollBar()->value());
        const int top = verticalScrollBar()->value();
        if (shown.top() < top + kGap || shown.bottom() > top + viewport()->height())
            verticalScrollBar()->setValue(shown.top() - kGap);
    } else {
        const double pixels = std::max(0, offsetTwips) * Scale();
        verticalScrollBar()->setValue(
            offsetTwips <= 0 ? 0 : static_cast<int>(std::min<double>(pixels + kGap, INT_MAX / 2)));
    }
    viewport()->update();
}

int PageView::OffsetTwips() const {
    if (mode_ == Mode::Thumbnails) return 0;
    const int pixels = std::max(0, verticalScrollBar()->value() - kGap);
    return static_cast<int>(std::lround(pixels / Scale()));
}

QImage PageView::RenderPage(int page, double scale) {
    const qreal ratio = devicePixelRatioF();
    QImage image(PagePixels() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    RenderSheetPage(painter, *document_, page);
    ++renders_;
    return image;
}

const QImage& PageView::PagePicture(int page, double scale) {
    for (auto it = pictures_.begin(); it != pictures_.end(); ++it) {
        if (it->page == page && std::abs(it->scale - scale) < 1e-9) {
            pictures_.splice(pictures_.begin(), pictures_, it);
            return pictures_.front().image;
        }
    }
    pictures_.push_front({page, scale, RenderPage(page, scale)});
    if (pictures_.size() > kKeptPictures) pictures_.pop_back();
    return pictures_.front().image;
}

const QImage& PageView::ThumbnailPicture(int page) {
    // Thumbnails have one size, so each is made once per document.
    auto found = thumbnails_.find(page);
    if (found != thumbnails_.end()) return found->second;
    return thumbnails_[page] = RenderPage(page, Scale());
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    if (!document_ || PageCount() == 0) return;
    const QRect dirty = event->rect();
    auto paint = [&](int page, const QRect& rect, const QImage& image) {
        painter.fillRect(rect.translated(3, 3), palette().color(QPalette::Shadow));
        painter.drawImage(rect.topLeft(), image);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        if (mode_ == Mode::Thumbnails) {
            if (page == page_) {
                QPen pen(palette().color(QPalette::Highlight));
                pen.setWidth(3);
                painter.setPen(pen);
                painter.drawRect(rect.adjusted(-2, -2, 1, 1));
            }
            painter.setPen(palette().color(QPalette::BrightText));
            painter.drawText(
                QRect(rect.left(), rect.bottom() + 1, rect.width(), fontMetrics().height()),
                Qt::AlignCenter, QString::number(page));
        }
    };
    if (mode_ == Mode::Thumbnails) {
        const int label = fontMetrics().height();
        for (int page = 1; page <= PageCount(); ++page) {
            const QRect rect = ThumbnailRect(page);
            if (rect.top() > dirty.bottom()) break;
            if (!rect.adjusted(-3, -3, 3, label + 3).intersects(dirty)) continue;
            paint(page, rect, ThumbnailPicture(page));
        }
        return;
    }
    const double scale = Scale();
    const int last = mode_ == Mode::TwoPages ? std::min(page_ + 1, PageCount()) : page_;
    for (int page = page_; page <= last; ++page) {
        const QRect rect = PageRect(page);
        if (rect.adjusted(-1, -1, 4, 4).intersects(dirty))
            paint(page, rect, PagePicture(page, scale));
    }
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void PageView::scrollContentsBy(int, int) {
    viewport()->update();
}

void PageView::wheelEvent(QWheelEvent* event) {
    if (mode_ == Mode::Thumbnails || event->modifiers() != Qt::NoModifier) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int dy = event->angleDelta().y();
    QScrollBar* bar = verticalScrollBar();
    const bool atEdge =
        (dy < 0 && bar->value() >= bar->maximum()) || (dy > 0 && bar->value() <= bar->minimum());
    if (dy == 0 || !atEdge) {
        wheelRest_ = 0;
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Past the edge of the page, a whole notch turns it.
    wheelRest_ += dy;
    event->accept();
    if (std::abs(wheelRest_) < kWheelNotch) return;
    const int wanted = page_ + (wheelRest_ < 0 ? 1 : -1);
    wheelRest_ = 0;
    if (wanted >= 1 && wanted <= PageCount()) emit pageTurnRequested(wanted);
}

void PageView::keyPressEvent(QKeyEvent* event) {
    int wanted = 0;
    QScrollBar* bar = verticalScrollBar();
    switch (event->key()) {
        case Qt::Key_PageDown:
        case Qt::Key_Space:
            wanted = page_ + 1;
            break;
        case Qt::Key_PageUp:
            wanted = page_ - 1;
            break;
        case Qt::Key_Home:
            wanted = 1;
            break;
        case Qt::Key_End:
            wanted = PageCount();
            break;
        case Qt::Key_Down:
            if (mode_ != Mode::Thumbnails && bar->value() >= bar->maximum()) wanted = page_ + 1;
            break;
        case Qt::Key_Up:
            if (mode_ != Mode::Thumbnails && bar->value() <= bar->minimum()) wanted = page_ - 1;
            break;
        default:
            break;
    }
    if (wanted == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    if (wanted != page_ && wanted >= 1 && wanted <= PageCount()) emit pageTurnRequested(wanted);
}

void PageView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    emit zoomMenuRequested(event->globalPos());
}

}  // namespace zel::qt
