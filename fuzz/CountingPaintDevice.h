#pragma once
// A paint device that keeps nothing but a count of what is drawn on it: the primitives and text
// a printer or PDF writer would receive from the sheet's renderer, without rasterising or
// encoding them (which would make each fuzz run a hundred times slower).
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <cstddef>

namespace zel::fuzz {

class CountingPaintEngine final : public QPaintEngine {
  public:
    CountingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++primitives; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
        ++primitives;
    }
    void drawLines(const QLineF*, int count) override { primitives += Count(count); }
    void drawLines(const QLine*, int count) override { primitives += Count(count); }
    void drawRects(const QRectF*, int count) override { primitives += Count(count); }
    void drawRects(const QRect*, int count) override { primitives += Count(count); }
    void drawPoints(const QPointF*, int count) override { primitives += Count(count); }
    void drawPoints(const QPoint*, int count) override { primitives += Count(count); }
    void drawEllipse(const QRectF&) override { ++primitives; }
    void drawEllipse(const QRect&) override { ++primitives; }
    void drawPath(const QPainterPath& path) override {
        primitives += Count(path.elementCount());
    }
    void drawPolygon(const QPointF*, int count, PolygonDrawMode) override {
        primitives += Count(count);
    }
    void drawPolygon(const QPoint*, int count, PolygonDrawMode) override {
        primitives += Count(count);
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override {
        ++primitives;
        textCharacters += Count(static_cast<int>(item.text().size()));
    }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { ++primitives; }

    std::size_t primitives = 0;
    std::size_t textCharacters = 0;

  private:
    static std::size_t Count(int n) { return n > 0 ? static_cast<std::size_t>(n) : 0; }
};

// An A4 sheet at 1440 dots per inch, so one dot is one twip.
class CountingPaintDevice final : public QPaintDevice {
  public:
    QPaintEngine* paintEngine() const override { return &engine_; }
    CountingPaintEngine& engine() const { return engine_; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return 11906;
            case PdmHeight:
                return 16838;
            case PdmWidthMM:
                return 210;
            case PdmHeightMM:
                return 297;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 1440;
            case PdmNumColors:
                return 256;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

  private:
    mutable CountingPaintEngine engine_;
};

}  // namespace zel::fuzz
