#include "qt/sheet/SheetFonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

#include "qt/common/QtText.h"

namespace zel::qt {
namespace {

constexpr const char* kMinchoFamily = "IPAMincho";
constexpr const char* kGothicFamily = "IPAGothic";

// Where the Debian packages fonts-ipafont-mincho and fonts-ipafont-gothic put the files.
constexpr const char* kFontFiles[] = {
    "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
    "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
    "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
    "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf",
};

}  // namespace

QString SheetFontFamily(const std::string& sheetFontName) {
    const QString name = ToQ(sheetFontName);
    const bool proportional =
        name.contains(QStringLiteral("Ｐ")) || name.contains(QStringLiteral("P"));
    if (name.contains(QStringLiteral("ゴシック")) ||
        name.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive)) {
        return proportional ? QStringLiteral("IPAPGothic") : QString::fromLatin1(kGothicFamily);
    }
    if (name.contains(QStringLiteral("明朝")) ||
        name.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive)) {
        return proportional ? QStringLiteral("IPAPMincho") : QString::fromLatin1(kMinchoFamily);
    }
    return QString::fromLatin1(kMinchoFamily);
}

bool EnsureSheetFontsLoaded() {
    static const bool loaded = [] {
        const QStringList families = QFontDatabase::families();
        if (families.contains(QString::fromLatin1(kMinchoFamily)) &&
            families.contains(QString::fromLatin1(kGothicFamily))) {
            return true;
        }
        for (const char* file : kFontFiles)
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        const QStringList after = QFontDatabase::families();
        return after.contains(QString::fromLatin1(kMinchoFamily)) &&
               after.contains(QString::fromLatin1(kGothicFamily));
    }();
    return loaded;
}

QFont SheetQFont(const SheetFont& font) {
    EnsureSheetFontsLoaded();
    QFont qfont(SheetFontFamily(font.name));
    qfont.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::NoFontMerging));
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setKerning(false);
    qfont.setPixelSize(std::max(1, static_cast<int>(font.points) * 20));
    qfont.setBold(font.bold);
    return qfont;
}

QtSheetFontMetrics::QtSheetFontMetrics() = default;
QtSheetFontMetrics::~QtSheetFontMetrics() = default;

const QFontMetricsF& QtSheetFontMetrics::MetricsOf(const SheetFont& font) const {
    auto key = std::make_tuple(font.name, static_cast<int>(font.points), font.bold);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        it =
            cache_.emplace(std::move(key), std::make_unique<QFontMetricsF>(SheetQFont(font))).first;
    }
    return *it->second;
}

std::int32_t QtSheetFontMetrics::TextWidth(const SheetFont& font, std::string_view text) const {
    const QString s = ToQ(text);
    return static_cast<std::int32_t>(std::lround(MetricsOf(font).horizontalAdvance(s)));
}

std::int32_t QtSheetFontMetrics::LineHeight(const SheetFont& font) const {
    // One em, as Japanese text is set: the IPA faces' ascent and descent add up to a tenth more,
    // room the glyphs do not use, and two beams with all their notes must fit on one page.
    return static_cast<std::int32_t>(std::max<int>(1, font.points) * 20);
}

}  // namespace zel::qt
