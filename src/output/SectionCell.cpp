#include "output/SectionCell.h"

#include <algorithm>
#include <cmath>

#include "calc/BarLimits.h"
#include "calc/CalculateBeam.h"
#include "calc/SectionDesign.h"
#include "lib/Numbers.h"
#include "output/CheckViewTexts.h"

namespace zel {

namespace {

// Millimetres of a length given in cm, as the drawing's size text writes it.
std::string MillimetreText(float cm) {
    if (!std::isfinite(cm)) return "?";
    return FormatGeneral(static_cast<float>(static_cast<double>(cm) * 10.0));
}

bool Overlap(const SectionBar& a, const SectionBar& b) {
    return std::hypot(a.x - b.x, a.y - b.y) < a.radius + b.radius;
}

// Lays out the bars of one face in layers from that face; returns why they do not fit, or "".
std::string PlaceFace(SectionCell& cell, int count, int perLayer, int maxLayers, double side,
                      double radius, bool top, float coverCm, const CalcResult& result) {
    if (count <= 0) return {};
    if (perLayer <= 0) return "1段に主筋が1本も入らないため描けません";
    if (count > static_cast<long long>(perLayer) * maxLayers)
        return "主筋が許容段数に納まらないため描けません";
    const double left = side, right = cell.width - side;
    for (int k = 0, placed = 0; placed < count; ++k) {
        const int n = std::min(perLayer, count - placed);
        const double depth =
            LayerDepth(coverCm, result.mainOuterMm, result.stirrupOuterMm, result.dm, k) * 10.0;
        const double y = top ? depth : cell.depth - depth;
        for (int i = 0; i < n; ++i) {
            // Evenly between the stirrup legs; a single bar on the centre line.
            const double x = n == 1 ? cell.width / 2.0 : left + (right - left) * i / (n - 1);
            cell.bars.push_back({x, y, radius, top});
        }
        placed += n;
    }
    return {};
}

// The bars must lie between the stirrup legs and clear of each other.
std::string CheckBars(const SectionCell& cell, double side) {
    for (const SectionBar& bar : cell.bars) {
        if (bar.x < side - 1e-6 || bar.x > cell.width - side + 1e-6 || bar.y < side - 1e-6 ||
            bar.y > cell.depth - side + 1e-6)
            return "主筋がｽﾀｰﾗｯﾌﾟの内側に納まらないため描けません";
    }
    for (std::size_t i = 0; i < cell.bars.size(); ++i) {
        for (std::size_t j = i + 1; j < cell.bars.size(); ++j) {
            if (Overlap(cell.bars[i], cell.bars[j])) return "主筋が重なるため描けません";
        }
    }
    return {};
}

}  // namespace

SectionCell BuildSectionCell(const BeamRecord& beam, const CalcResult& result,
                             const PlacementFlags& flags, int column, double maxWidth,
                             double maxDepth) {
    SectionCell cell;
    const CheckViewTexts texts = BuildCheckViewTexts(beam, result, flags);
    column = std::clamp(column, 0, static_cast<int>(texts.columns.size()) - 1);
    const CheckColumn& shown = texts.columns[static_cast<std::size_t>(column)];
    cell.heading = shown.heading;
    const auto src = static_cast<std::size_t>(SourceSection(beam.sectionCount, column));
    const float B = beam.sectionWidth[src], D = beam.sectionDepth[src];
    const float cover = beam.sectionCover[src];
    cell.sizeText = MillimetreText(B) + "×" + MillimetreText(D);
    cell.width = static_cast<double>(B) * 10.0;
    cell.depth = static_cast<double>(D) * 10.0;
    if (!result.Calculated()) {
        // Its numbers are all zero: no bar text would be true.
        cell.judgementText = result.Judgement();
        cell.reason = "計算できません: " + result.error;
        return cell;
    }
    cell.topText = shown.topBars;
    cell.bottomText = shown.bottomBars;
    cell.stirrupText = shown.stirrups;
    if (shown.failed) cell.judgementText = shown.judgement;

    const ColumnValues values = CombinedColumn(beam, result, flags, column);
    const SectionResult& own = result.sections[static_cast<std::size_t>(values.section)];
    cell.stirrupInset = static_cast<double>(cover) * 10.0 + result.stirrupOuterMm / 2.0;
    cell.stirrupDiameter = result.ds;
    cell.legs = own.stirrupLegs;
    cell.assemblyMethod = beam.assemblyMethod;

    auto fail = [&](std::string reason) {
        cell.bars.clear();
        cell.reason = std::move(reason);
        return cell;
    };
    if (!(cell.width > 0.0) || !(cell.depth > 0.0) || !std::isfinite(cell.width + cell.depth) ||
        !(cover >= 0.0f))
        return fail("断面寸法が正しくないため描けません");
    if (cell.width > maxWidth || cell.depth > maxDepth)
        return fail("断面が大きすぎてこの縮尺の枠に納まりません");
    if (std::max<int>(own.topBars, own.bottomBars) >= kMaxBars)
        return fail("主筋が多すぎるため描けません");
    if (cell.legs < 1) return fail("ｽﾀｰﾗｯﾌﾟがないため描けません");
    if (result.dm <= 0) return fail("主筋径が不明なため描けません");

    const double side = FirstLayerDepth(cover, result.mainOuterMm, result.stirrupOuterMm) * 10.0;
    cell.barInset = side;
    // Even without bars the stirrups must fit: a cover beyond half the section cannot be drawn.
    if (2.0 * side > cell.width || 2.0 * side > cell.depth)
        return fail("かぶり厚さが断面に対して大きすぎるため描けません");
    const double radius = result.dm / 2.0;
    for (const bool top : {true, false}) {
        const int count = top ? values.topBars : values.bottomBars;
        std::string reason = PlaceFace(cell, count, own.barsPerLayer, beam.maxBarLayers, side,
                                       radius, top, cover, result);
        if (!reason.empty()) return fail(std::move(reason));
    }
    if (std::string reason = CheckBars(cell, side); !reason.empty()) return fail(std::move(reason));
    return cell;
}

}  // namespace zel
