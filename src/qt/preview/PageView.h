#pragma once
// The page view of the preview window: one page (whole, fitted to the width or at a zoom), two
// pages side by side, or thumbnails of every page. Only what is visible is painted; pages are
// kept as pictures at the current scale and thumbnails once made, so scrolling through a long
// sheet repaints nothing it has already drawn. Turning pages is the window's business: the view
// only says which page the user scrolled or keyed towards.
#include <QAbstractScrollArea>
#include <QImage>
#include <list>
#include <map>

#include "output/SheetDocument.h"

namespace zel::qt {

class PageView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    enum class Mode { WholePage, FitWidth, Zoom, TwoPages, Thumbnails };

    explicit PageView(QWidget* parent = nullptr);

    // The document shown (nullptr: none); it must outlive the view or be replaced first.
    void SetDocument(const SheetDocument* document);

    // A zoom-list entry (ZoomEntry): "150%" and "200%" take the fit-width zoom of the view's
    // width now.
    void SetZoomEntry(int entry);
    Mode ZoomMode() const { return mode_; }
    // The zoom (percent of the real size on this screen) of one page as shown now.
    double Zoom() const;

    // Shows `page` (1-based), scrolled `offsetTwips` down from the top of the paper (clamped:
    // a huge offset shows the bottom of the page).
    void ShowPage(int page, int offsetTwips = 0);
    int Page() const { return page_; }
    // Offset of the top of the visible area from the top of the paper, in twips.
    int OffsetTwips() const;

    // The screen's resolution as the view counts it; 0 uses the screen's own.
    void SetScreenDpi(double dotsPerInch);
    // The view's size in twips of this screen.
    double WidthTwips() const;
    double HeightTwips() const;

    // Pictures painted so far (pages at a scale, thumbnails), for tests and benchmarks.
    int RenderCount() const { return renders_; }

  signals:
    // The user scrolled or keyed past the shown page towards page `wanted`.
    void pageTurnRequested(int wanted);
    // Right click (or the menu key) at the global position.
    void zoomMenuRequested(const QPoint& globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    double Dpi() const;
    double PageWidthTwips() const;
    double PageHeightTwips() const;
    // Pixels per twip of a page at the current mode and size.
    double Scale() const;
    QSize PagePixels() const;
    int PageCount() const;
    void UpdateScrollBars();
    QRect PageRect(int page) const;  // in viewport coordinates, one- and two-page modes
    QRect ThumbnailRect(int page) const;
    int ThumbnailColumns() const;
    QImage RenderPage(int page, double scale);
    const QImage& PagePicture(int page, double scale);
    const QImage& ThumbnailPicture(int page);

    const SheetDocument* document_ = nullptr;
    Mode mode_ = Mode::FitWidth;
    double zoom_ = 100.0;  // for Mode::Zoom
    int page_ = 1;
    double dpi_ = 0.0;
    int wheelRest_ = 0;
    int renders_ = 0;
    // Recently painted pages at one scale, newest first.
    struct Picture {
        int page;
        double scale;
        QImage image;
    };
    std::list<Picture> pictures_;
    std::map<int, QImage> thumbnails_;
};

}  // namespace zel::qt
