#pragma once
// The sheet fonts on this platform: the names stored with a project ("ＭＳ 明朝",
// "ＭＳ ゴシック") are rendered with the IPA fonts, chosen explicitly so that every machine
// produces the same pages and PDFs embed real Japanese glyphs. Needs a QGuiApplication.
#include <QFont>
#include <QString>
#include <map>
#include <memory>
#include <tuple>

#include "output/SheetFontMetrics.h"

class QFontMetricsF;

namespace zel::qt {

// Family that renders a sheet font name: "IPAMincho" for the Mincho names (and anything
// unknown), "IPAGothic" for the Gothic names, the proportional IPA faces for the P names.
QString SheetFontFamily(const std::string& sheetFontName);

// Makes sure the IPA font files are known to Qt (they normally are through fontconfig);
// returns false when a substitute family cannot be found at all.
bool EnsureSheetFontsLoaded();

// A QFont for a sheet font, sized in pixels that are twips: draw it on a painter scaled to
// twips. Hinting is off so that widths scale linearly to any device.
QFont SheetQFont(const SheetFont& font);

// Real font metrics, in twips, for composing the sheet with the fonts it is painted in; a line
// is one em high.
class QtSheetFontMetrics final : public SheetFontMetrics {
  public:
    QtSheetFontMetrics();
    ~QtSheetFontMetrics() override;
    std::int32_t TextWidth(const SheetFont& font, std::string_view text) const override;
    std::int32_t LineHeight(const SheetFont& font) const override;

  private:
    const QFontMetricsF& MetricsOf(const SheetFont& font) const;
    mutable std::map<std::tuple<std::string, int, bool>, std::unique_ptr<QFontMetricsF>> cache_;
};

}  // namespace zel::qt
