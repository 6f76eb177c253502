// A drawing's circles, open lines and placed texts through the one sheet exporter, at scale.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "output/DrawingSheet.h"
#include "qt/sheet/SheetExporter.h"
#include "support/QtTestSupport.h"

namespace zel {
namespace {

// At 1:20 on A3 landscape: a 22 mm bar at (2000, 1000) mm of the object is a 1.1 mm disc
// 100 mm from the paper's left edge and 50 mm from its top.
Drawing OnePage() {
    Drawing drawing;
    drawing.scale = 20;
    DrawingPage page;
    page.circles.push_back({DrawingLayer::Bar, {2000.0, 1000.0}, 11.0, true});
    // An open hook: two legs of an L, 40 mm wide on paper, never closed along its diagonal.
    page.polylines.push_back({DrawingLayer::Stirrup,
                              {{4000.0, 1000.0}, {4000.0, 1800.0}, {4800.0, 1800.0}},
                              false,
                              10.0});
    page.texts.push_back({DrawingLayer::Text,
                          {6000.0, 1000.0},
                          100.0,
                          1.0,
                          DrawingAlign::Centre,
                          false,
                          "梁断面リスト"});
    drawing.pages.push_back(page);
    return drawing;
}

TEST(DrawingExport, CirclesOpenLinesAndTextsLandWhereTheScaleSays) {
    test::EnsureGuiApplication();
    FixedFontMetrics metrics;
    SheetDocument doc(metrics);
    PaintDrawing(doc, OnePage());
    ASSERT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(doc.PaperSize(), kPaperA3);
    EXPECT_GT(doc.PageWidth(), doc.PageHeight());

    constexpr int dpi = 254;  // 10 pixels a millimetre of paper
    QImage image(doc.PageWidth() * dpi / 1440, doc.PageHeight() * dpi / 1440, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        qt::ScalePainterToTwips(painter, dpi, dpi);
        qt::RenderSheetPage(painter, doc, 1);
    }
    auto dark = [&](double xMm, double yMm) {
        return qGray(image.pixel(static_cast<int>(xMm * 10), static_cast<int>(yMm * 10))) < 128;
    };
    EXPECT_TRUE(dark(100.0, 50.0));   // the disc's centre, filled
    EXPECT_TRUE(dark(100.4, 50.0));   // inside its 0.55 mm radius
    EXPECT_FALSE(dark(100.9, 50.0));  // beyond it
    EXPECT_TRUE(dark(200.0, 70.0));   // the first leg
    EXPECT_TRUE(dark(220.0, 90.0));   // the second leg
    EXPECT_FALSE(dark(220.0, 70.0));  // the diagonal that closing it would draw
    // 10 mm of the object wide: 0.5 mm of paper at 1:20.
    EXPECT_TRUE(dark(200.15, 70.0));
    EXPECT_FALSE(dark(200.6, 70.0));

    // The text, 5 mm high, centred on 300 mm: six full-width characters, 30 mm wide.
    int left = image.width(), right = 0;
    for (int y = 470; y < 530; ++y)
        for (int x = 2500; x < 3500; ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    // (The ink stops short of the advance by the glyphs' side bearings.)
    EXPECT_NEAR((left + right) / 20.0, 300.0, 1.0);
    EXPECT_NEAR((right - left) / 10.0, 30.0, 2.0);
}

}  // namespace
}  // namespace zel
