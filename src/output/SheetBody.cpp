#include "output/SheetBody.h"

#include <algorithm>
#include <cmath>

#include "calc/CalculateBeam.h"
#include "lib/Numbers.h"
#include "lib/Twips.h"
#include "lib/Units.h"
#include "output/CheckViewTexts.h"
#include "output/SheetDocument.h"

namespace zel {
namespace {

std::string Fixed3(double v) {
    return FormatFixed(v, 3);
}

// |M| 100 / (ft j): the tension area the column's moment asks for (cm2); "-----" when the
// allowable stress or the lever arm is zero.
std::string AreaForMoment(double moment, double ft, double j) {
    const double denominator = ft * j;
    if (!(denominator > 0.0) || !std::isfinite(moment)) return "-----";
    return Fixed3(std::fabs(moment) * 100.0 / denominator);
}

// Combined value of the largest magnitude: the later value wins a tie (right end over left).
float LargestMagnitude(const std::vector<float>& values) {
    float best = values.front();
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (std::fabs(values[i]) >= std::fabs(best)) best = values[i];
    }
    return best;
}

}  // namespace

std::string LimitedValueText(double value, bool outputSI) {
    const double limit = outputSI ? 1e9 : 1e11;
    if (std::isnan(value)) return "-----";
    if (std::fabs(value) >= limit) value = value < 0 ? -limit : limit;
    return Fixed3(value);
}

std::string SheetFcText(const BeamRecord& beam, const ProjectSettings& settings) {
    return FormatGeneral(settings.inputIsSI() ? beam.concreteFc / 10.0f : beam.concreteFc);
}

std::string SpanTypeNoteName(int spanType) {
    switch (spanType) {
        case 0:
            return "単スパン";
        case 1:
            return "２ｽﾊﾟﾝ(左)";
        case 2:
            return "多ｽﾊﾟﾝ(左外)";
        case 3:
            return "多スパン(内)";
        case 4:
            return "ﾕｰｻﾞｰ設定";
        case 5:
            return "２ｽﾊﾟﾝ(右)";
        case 6:
            return "多ｽﾊﾟﾝ(右外)";
        default:
            return "";
    }
}

std::vector<std::string> SheetColumnHeadings(const BeamRecord& beam) {
    switch (ColumnCount(beam)) {
        case 3:
            return {"左端", "中央", "右端"};
        case 2:
            return {"端部", "中央"};
        default:
            return {beam.supportType == 1 ? "固定端" : "全断面"};
    }
}

std::vector<SheetBodyRow> SheetBodyRows(const BeamRecord& beam, const CalcResult& result,
                                        const PlacementFlags& flags,
                                        const ProjectSettings& settings) {
    const bool si = settings.outputIsSI();
    const double g = si ? kStandardGravity : 1.0;
    const std::string F = si ? "kN" : "t";
    const std::string f = si ? "N" : "kg";
    const int n = ColumnCount(beam);
    const LoadEffects& e = result.loadEffects;

    std::vector<SheetBodyRow> rows(kSheetBodyRows);
    auto caption = [&](int r, std::string text) {
        rows[static_cast<std::size_t>(r)].caption = std::move(text);
    };
    auto cell = [&](int r, int c, std::string text) {
        rows[static_cast<std::size_t>(r)].cells[static_cast<std::size_t>(c)] = std::move(text);
    };
    auto spanning = [&](int r, std::string text) {
        rows[static_cast<std::size_t>(r)].cells[0] = std::move(text);
        rows[static_cast<std::size_t>(r)].spansColumns = true;
    };

    caption(0, " 部 材 名");
    spanning(0, beam.memberName);
    caption(1, " 位 置");
    caption(2, " Ｂ×Ｄ (cm)");
    caption(3, " かぶり厚(cm)");
    caption(4, " ｄ (cm)");
    caption(5, " ｊ (cm)");
    const std::vector<std::string> headings = SheetColumnHeadings(beam);
    std::array<ColumnValues, 3> columns{};
    for (int k = 0; k < n; ++k)
        columns[static_cast<std::size_t>(k)] = CombinedColumn(beam, result, flags, k);
    for (int k = 0; k < n; ++k) {
        const int src = SourceSection(beam.sectionCount, k);
        // d and j belong to the moment the column shows.
        const SectionResult& s = result.sections[static_cast<std::size_t>(
            columns[static_cast<std::size_t>(k)].momentSection)];
        const float B = beam.sectionWidth[static_cast<std::size_t>(src)];
        const float D = beam.sectionDepth[static_cast<std::size_t>(src)];
        cell(1, k, headings[static_cast<std::size_t>(k)]);
        cell(2, k, FormatGeneral(B) + "x" + FormatGeneral(D));
        cell(3, k, Fixed3(beam.sectionCover[static_cast<std::size_t>(src)]));
        cell(4, k, Fixed3(static_cast<double>(D) - static_cast<double>(s.dt)));
        cell(5, k, Fixed3(s.j));
    }
    caption(6, " スパン長 L (m)");
    spanning(6, Fixed3(beam.spanLength));
    caption(7, " 梁自重 Ws (" + F + "/m)");
    spanning(7, Fixed3(beam.selfWeight * g));

    caption(9, " 固定端C(" + F + "m)");
    caption(10, " 曲げ Mo(" + F + "m)");
    caption(11, " せん断Q(" + F + ")");
    if (n == 3) {
        cell(9, 0, LimitedValueText(e.CL * g, si));
        cell(9, 2, LimitedValueText(e.CR * g, si));
        cell(11, 0, LimitedValueText(e.QL * g, si));
        cell(11, 2, LimitedValueText(e.QR * g, si));
    } else {
        cell(9, 0, LimitedValueText(LargestMagnitude({e.CL, e.CR}) * g, si));
        cell(11, 0, LimitedValueText(LargestMagnitude({e.QL, e.QR}) * g, si));
    }
    cell(10, n == 1 ? 0 : 1, LimitedValueText(e.Mo * g, si));

    caption(13, " 設 計 応 力");
    if (beam.supportType == 0 && beam.momentPositionMode == 1) {
        spanning(13, "Ｍ算定位置:左端から " + Fixed3(beam.momentPosition) + "m");
    } else {
        spanning(13, "Ｍ算定位置: 中央");
    }
    caption(14, "   Ｍ (" + F + "･m)");
    caption(15, "   Ｑ (" + F + ")");
    caption(16, " 許容応力度");
    spanning(16, "ft=" + FormatFixed(result.ft * 1000.0 * g, 0) +
                     " fs=" + FormatFixed(result.fs * 1000.0 * g, 1) +
                     " fa=" + FormatFixed(result.fa * 1000.0 * g, 1) +
                     " wft=" + FormatFixed(result.wft * 1000.0 * g, 0) + "(" + f + "/cm2)");
    caption(17, " at=M/(ft･j)");
    caption(19, " 必要at (cm2)");
    caption(20, " 必要ψ (cm)");
    caption(22, " 設 計 配 筋");
    spanning(22, " 主筋:" + std::string(GradeName(beam.mainBarGrade)) +
                     "  ｽﾀｰﾗｯﾌﾟ:" + GradeName(beam.stirrupGrade) +
                     "  複筋比=" + FormatFixed(beam.compressionBarRatio, 2));
    caption(23, "   主筋上端");
    caption(24, "       下端");
    caption(25, "   ｽﾀｰﾗｯﾌﾟ");
    caption(27, " 引張側at");
    caption(28, " 引張側ψ");
    caption(29, " 引張鉄筋比pt(%)");
    caption(30, " あばら筋比pw(%)");
    caption(32, " 判    定");

    for (int k = 0; k < n; ++k) {
        const ColumnValues& v = columns[static_cast<std::size_t>(k)];
        const int src = SourceSection(beam.sectionCount, k);
        const double B = beam.sectionWidth[static_cast<std::size_t>(src)];
        const double D = beam.sectionDepth[static_cast<std::size_t>(src)];
        const SectionResult& own = result.sections[static_cast<std::size_t>(v.section)];
        const SectionResult& ms = result.sections[static_cast<std::size_t>(v.momentSection)];
        const SectionResult& qs = result.sections[static_cast<std::size_t>(v.shearSection)];
        cell(14, k, LimitedValueText(v.moment * g, si));
        cell(15, k, LimitedValueText(v.shear * g, si));
        cell(17, k, AreaForMoment(v.moment, result.ft, ms.j));
        cell(19, k, Fixed3(ms.atRequired));
        cell(20, k, FormatFixed(qs.psiRequired, 2));
        cell(23, k, BarText(beam, result, v, true));
        cell(24, k, BarText(beam, result, v, false));
        cell(25, k, StirrupText(beam, result, v));
        // The provided values describe the bars and stirrups the column shows.
        const double area = static_cast<double>(v.tensionBars) * result.a1;
        cell(27, k, FormatFixed(area, 2));
        cell(28, k, FormatFixed(static_cast<double>(v.tensionBars) * result.psi1, 2));
        const double d = D - static_cast<double>(ms.dt);
        const double pt = v.tensionBars == ms.tensionBars ? static_cast<double>(ms.pt)
                          : d > 0.0 && B > 0.0            ? area / (d * B)
                                                          : 0.0;
        cell(29, k, Fixed3(pt * 100.0));
        const double pw = v.stirrupPitch == own.stirrupPitch ? static_cast<double>(own.pw)
                          : v.stirrupPitch > 0 && B > 0.0
                              ? 10.0 * own.stirrupLegs * result.aw / (B * v.stirrupPitch)
                              : 0.0;
        cell(30, k, Fixed3(pw * 100.0));
        cell(32, k, JudgementText(result, v));
    }

    caption(34, "  備       考");
    std::string notes = " 略算方法: " + SpanTypeNoteName(beam.spanType);
    const bool inputSI = settings.inputIsSI();
    notes += "\r   Fc=" + SheetFcText(beam, settings) + "(" + (inputSI ? "N/mm2" : "kg/cm2") + ")";
    if (beam.minRebarRule == 0) notes += "\r 引張側最小鉄筋量: 0.4% (0.004･Bd)";
    if (beam.minRebarRule == 1) notes += "\r 引張側最小鉄筋量: 存在応力から求めた値の 4/3倍";
    notes += "\r ｽﾀｰﾗｯﾌﾟ組立施工: " + std::string(AssemblyMethodName(beam.assemblyMethod));
    if (beam.shortTerm != 0) notes += "\r 短期荷重として算定";
    if (!inputSI && si) notes += "\r １(N)=1/9.80665 ≒ 0.102(kg)";
    // A beam that could not be calculated says why instead of showing zeros without comment.
    if (!result.Calculated()) notes += "\r 計算できません: " + result.error;
    spanning(34, notes);
    return rows;
}

void DrawSheetBody(PageCanvas& canvas, const BeamRecord& beam, const CalcResult& result,
                   const PlacementFlags& flags, const ProjectSettings& settings, float y) {
    const std::vector<SheetBodyRow> rows = SheetBodyRows(beam, result, flags, settings);
    std::vector<std::vector<std::string>> body;
    body.reserve(rows.size());
    for (const SheetBodyRow& row : rows) {
        body.push_back({row.caption, row.cells[0], row.cells[1], row.cells[2]});
    }
    const std::int16_t fontSize = canvas.FontSize();
    canvas.SetCurrentY(canvas.MarginTop() + CmToTwips(y));
    canvas.SetFontSize(kSheetBodyFontSize);
    canvas.SetTableAlign(kTableAlignLeft);
    canvas.StartTable();
    canvas.SetTableSpacing(25, 10);
    canvas.SetTableInnerPens(3, 3, 3);
    canvas.SetTableFramePen("0.6mm");
    canvas.AddTable(kSheetBodyFormat, "", body);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        if (rows[static_cast<std::size_t>(r)].spansColumns)
            canvas.SetTableCell(kCellSpan, r + 1, 1, r + 1, 1, 3);
    }
    canvas.SetTableCell(kCellAlign, kSheetBodyRows, 1, kSheetBodyRows, 1, kAlignLeftMiddle);
    canvas.EndTable();
    canvas.SetFontSize(fontSize);
}

}  // namespace zel
