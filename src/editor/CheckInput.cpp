#include "editor/CheckInput.h"

#include <algorithm>
#include <cmath>

#include "data/BeamRecord.h"
#include "editor/LoadLine.h"
#include "lib/Numbers.h"

namespace zel {

namespace {

// A value the record can hold: positive and finite in single precision ("1e39" is not).
bool PositiveSingle(double value) {
    return value > 0 && std::isfinite(static_cast<float>(value));
}

}  // namespace

int CheckInput(const InputCheckTexts& texts) {
    const double span = LeadingValue(texts.span);
    if (!PositiveSingle(span)) return kInputBadSpan;
    const int columns = std::clamp(texts.sectionCount, 1, kSectionSlots);
    for (int c = 0; c < columns; ++c) {
        if (!PositiveSingle(LeadingValue(texts.breadth[c])) ||
            !PositiveSingle(LeadingValue(texts.depth[c])) ||
            !PositiveSingle(LeadingValue(texts.cover[c]))) {
            return kInputBadSection;
        }
    }
    auto field = [&](int index) { return LeadingValue(texts.loadFields[index]); };
    const int type = texts.loadType;
    // A number too large for the record would reach the list and the calculation as infinity.
    const int lastField = type == 1 ? 1 : LengthCountOf(type) + 1;
    for (int i = 0; i <= lastField; ++i) {
        if (!std::isfinite(static_cast<float>(field(i)))) return kInputNoLoadNorLength;
    }
    int code = kInputOk;
    double reach = 0;
    if (type == 1) {
        if (field(0) == 0) return kInputNoLoad;
    } else {
        if (field(0) == 0) code = kInputNoLoad;
        const int lengths = LengthCountOf(type);
        double loaded = 0;  // the lengths that carry load: all but L1
        for (int i = 2; i <= lengths; ++i) loaded += field(i);
        if (!(loaded > 0)) code += 2;
        if (code == kInputOk && !(field(lengths + 1) > 0)) code = kInputNoHeight;
        reach = field(1) + loaded;
    }
    if (ReachesBeyond(span, reach)) code = kInputLoadBeyondSpan;
    return code;
}

std::string InputErrorMessage(int code) {
    switch (code) {
        case kInputNoLoad:
            return "荷重データを入力してください。";
        case kInputNoLength:
            return "長さデータを入力してください。";
        case kInputNoLoadNorLength:
            return "荷重、及び長さデータを入力(訂正)してください。";
        case kInputLoadBeyondSpan:
            return "スパン長と荷重長さデータに矛盾があります。\r\r  ( スパン長 < 荷重長さの合計 )"
                   "\r\rまず、荷重長さデータを修正してください。";
        case kInputNoHeight:
            return "荷重高さデータを入力してください。";
        case kInputBadSpan:
            return "スパン長が入力されていないか、数値に誤りがあります。";
        case kInputBadSection:
            return "断面サイズの数値が不正か、または入力されていません。";
        default:
            return {};
    }
}

}  // namespace zel
