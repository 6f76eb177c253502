#include "output/PageFurniture.h"

#include <algorithm>
#include <cmath>

#include "lib/Numbers.h"
#include "lib/Twips.h"
#include "lib/Units.h"
#include "output/SheetDocument.h"

namespace zel {
namespace {

constexpr std::string_view kCR = "\r";

int LoadCountOf(const BeamRecord& beam) {
    return std::clamp<int>(beam.loadCount, 0, kMaxLoads);
}

}  // namespace

std::string PageNumberFooter(int printedPage) {
    return "|- " + std::to_string(printedPage) + " -";
}

void SetPageHeaderFooter(PageCanvas& canvas, const PrintSettings& print, int page) {
    const int printed = page + print.StartPageNumber - 1;
    canvas.SetHeaderFont(SheetFontNameOf(print), 12);
    canvas.SetHeader(page == 1 ? print.HeadingText : std::string());
    if (print.PageNumberMode == 2) canvas.SetFooter(PageNumberFooter(printed));
}

void DrawBeamDiagram(PageCanvas& canvas, SheetLayout& layout, const BeamRecord& beam,
                     const ProjectSettings& settings, float x, float y) {
    canvas.SetFontSize(layout.PrintFontSize);
    MeasureTextCell(canvas, layout);
    const float x0 = x + 9.0f * layout.CharWidthCm;
    const float x1 = x0 + 5.5f;
    const float y0 = y + 1.5f + layout.LineHeightCm;

    DrawSheetPolygon(canvas, {{x0, y0}, {x0, y0 + 0.18f}, {x1, y0 + 0.18f}, {x1, y0}}, 4, kPenSolid,
                     10, kColorBlack, kColorBlack, kFillNone);
    if (beam.supportType == 1) {
        DrawSheetPolygon(
            canvas,
            {{x0 - 0.4f, y0 - 1.4f}, {x0, y0 - 1.4f}, {x0, y0 + 0.5f}, {x0 - 0.4f, y0 + 0.5f}}, 4,
            kPenSolid, 10, kColorWhite, kColorBlack, kFillDownwardDiagonal);
        DrawSheetLine(canvas, x0, y0 - 1.4f, x0, y0 + 0.5f, kPenSolid, 10, kColorBlack);
    } else {
        DrawSheetPolygon(canvas,
                         {{x0, y0 + 0.18f}, {x0 - 0.11f, y0 + 0.40f}, {x0 + 0.11f, y0 + 0.40f}}, 3,
                         kPenSolid, 10, kColorBlack, kColorBlack, kFillSolid);
        DrawSheetPolygon(canvas,
                         {{x1, y0 + 0.18f}, {x1 - 0.11f, y0 + 0.40f}, {x1 + 0.11f, y0 + 0.40f}}, 3,
                         kPenSolid, 10, kColorBlack, kColorBlack, kFillSolid);
    }
    DrawLoadDiagram(canvas, beam, x0, y0, 5.5f, 1.5f);
    DrawLoadTable(canvas, layout, beam, settings, x0, y0);
}

void DrawLoadDiagram(PageCanvas& canvas, const BeamRecord& beam, float x0, float y0, float length,
                     float hmax) {
    // A span of zero or less (only a damaged file can hold one) has no scale: draw no loads
    // rather than dividing by zero.
    const float span = beam.spanLength;
    if (!(span > 0.0f) || !std::isfinite(span)) return;
    const float s = length / span;
    const float e = 0.12f;
    // The diagram's own area: the beam line's length (arrow heads may stand a little over its
    // ends) and the greatest load height above it.
    const SheetArea area{x0 - e, y0 - hmax - e, x0 + length + e, y0};
    auto polygon = [&](const std::vector<SheetPoint>& points, std::int16_t penStyle,
                       std::int16_t penWidth, std::int16_t fill) {
        const std::vector<SheetPoint> inside = ClipToArea(points, area);
        if (inside.size() < 3) return;
        DrawSheetPolygon(canvas, inside, static_cast<int>(inside.size()), penStyle, penWidth,
                         kColorBlack, kColorBlack, fill);
    };
    for (int k = 0; k < LoadCountOf(beam); ++k) {
        const std::int16_t type = beam.loadType[static_cast<std::size_t>(k)];
        if (type < 1 || type > 6) continue;
        const auto& L = beam.loadLengths[static_cast<std::size_t>(k)];
        // Only a damaged file holds such lengths; there is nothing sensible to draw.
        if (!std::all_of(L.begin(), L.end(), [](float v) { return std::isfinite(v); })) continue;
        const float value = beam.loadValue[static_cast<std::size_t>(k)];
        const float w = std::fabs(value);
        float h = type == kLoadConcentrated ? w : beam.loadHeight[static_cast<std::size_t>(k)] * w;
        if (!(h <= hmax)) h = hmax;  // also a height that is not a number
        if (h < 1.2f * e) h = 1.2f * e;
        const std::int16_t penStyle = value < 0.0f ? kPenDot : kPenSolid;
        const std::int16_t penWidth = value < 0.0f ? 0 : 10;
        const float xa = x0 + s * L[0];
        const float xb = x0 + s * (L[0] + L[1]);
        const float xc = x0 + s * (L[0] + L[1] + L[2]);
        const float xd = x0 + s * (L[0] + L[1] + L[2] + L[3]);
        const float top = y0 - h;
        switch (type) {
            case kLoadConcentrated: {
                float ax = xa, ay = y0, bx = xa, by = top;
                if (ClipToArea(ax, ay, bx, by, area))
                    DrawSheetLine(canvas, ax, ay, bx, by, penStyle, penWidth, kColorBlack);
                if (value > 0.0f) {
                    polygon({{xa, y0}, {xa - e / 3.0f, y0 - e}, {xa + e / 3.0f, y0 - e}}, penStyle,
                            penWidth, kFillSolid);
                } else {
                    polygon({{xa, top}, {xa - e / 3.0f, top + e}, {xa + e / 3.0f, top + e}},
                            penStyle, penWidth, kFillSolid);
                }
                break;
            }
            case kLoadRisingTriangle:
                polygon({{xa, y0}, {xb, top}, {xb, y0}}, penStyle, penWidth, kFillVerticalLines);
                break;
            case kLoadFallingTriangle:
                polygon({{xa, y0}, {xa, top}, {xb, y0}}, penStyle, penWidth, kFillVerticalLines);
                break;
            case kLoadUniform:
                polygon({{xa, y0}, {xa, top}, {xb, top}, {xb, y0}}, penStyle, penWidth,
                        kFillVerticalLines);
                break;
            case kLoadTrapezoid:
                polygon({{xa, y0}, {xb, top}, {xc, top}, {xd, y0}}, penStyle, penWidth,
                        kFillVerticalLines);
                break;
            case kLoadTriangle:
                polygon({{xa, y0}, {x0 + s * (L[0] + L[1] / 2.0f), top}, {xc, y0}}, penStyle,
                        penWidth, kFillVerticalLines);
                break;
            default:
                break;
        }
    }
}

double LoadValueFactor(const ProjectSettings& settings) {
    const bool in = settings.inputIsSI();
    const bool out = settings.outputIsSI();
    if (in == out) return 1.0;
    return out ? kStandardGravity : 1.0 / kStandardGravity;
}

std::string LengthText(float value) {
    return FormatFixed(value, value < 10.0f ? 3 : 2);
}

std::string LoadTableHeader(bool outputSI) {
    std::string header = "No|荷  重";
    header += kCR;
    header += "タイプ|";
    header += "荷  重";
    header += kCR;
    header += outputSI ? "(kN)" : "(t)";
    header += kCR;
    header += outputSI ? "(kN/m2)" : "(t/m2)";
    header += "|";
    for (const char* name : {"Ｈ", "Ｌ1", "Ｌ2", "Ｌ3", "Ｌ4"}) {
        if (header.back() != '|') header += "|";
        header += name;
        header += kCR;
        header += "(m)";
    }
    header += ";";
    return header;
}

std::vector<std::string> LoadTableRow(const BeamRecord& beam, int k, double factor) {
    static const char* const kTypeNames[] = {"集 中", "右 上", "左 上", "等分布", "台 形", "三 角"};
    const std::size_t i = static_cast<std::size_t>(k);
    const std::int16_t type = beam.loadType[i];
    const auto& L = beam.loadLengths[i];
    const std::string dashes = "-----";
    std::vector<std::string> row;
    row.push_back(std::to_string(k + 1));
    row.push_back(type >= 1 && type <= 6 ? kTypeNames[type - 1] : "");
    row.push_back(FormatFixed(beam.loadValue[i] * factor, 3));
    const bool point = type == kLoadConcentrated;
    const bool fourLengths = type == kLoadTrapezoid || type == kLoadTriangle;
    row.push_back(point ? dashes : LengthText(beam.loadHeight[i]));
    row.push_back(LengthText(L[0]));
    row.push_back(point ? dashes : LengthText(L[1]));
    row.push_back(fourLengths ? LengthText(L[2]) : dashes);
    row.push_back(fourLengths ? LengthText(L[3]) : dashes);
    return row;
}

void DrawLoadTable(PageCanvas& canvas, const SheetLayout& layout, const BeamRecord& beam,
                   const ProjectSettings& settings, float /*x0*/, float y0) {
    const int n = LoadCountOf(beam);
    if (n == 0) return;
    const double factor = LoadValueFactor(settings);
    std::vector<std::vector<std::string>> body;
    for (int k = 0; k < n; ++k) body.push_back(LoadTableRow(beam, k, factor));

    canvas.SetCurrentY(canvas.MarginTop() + CmToTwips(y0 + 0.8f));
    canvas.SetTableAlign(kTableAlignRight);
    canvas.SetFontSize(7);
    canvas.StartTable();
    canvas.SetTableSpacing(30, 15);
    canvas.AddTable(kLoadTableFormat, LoadTableHeader(settings.outputIsSI()), body);
    canvas.SetTableCell(kCellAlign, 0, 1, n, 7, kAlignCentreMiddle);
    canvas.SetTableCell(kCellAlign, 1, 3, n, 7, kAlignRightMiddle);
    canvas.EndTable();
    canvas.SetTableAlign(kTableAlignLeft);
    canvas.SetFontSize(layout.PrintFontSize);
    canvas.SetFontBold(false);
}

}  // namespace zel
