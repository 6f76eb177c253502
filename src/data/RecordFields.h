#pragma once
// The fields of each data-file record, named and in file order: the one list the .Zel codec
// and the JSON codec both walk. `v(name, field)` is called once per field; `R` is the record
// or the const record. Changing the order or a field's type changes the data file, so the
// layout tests must agree first. Numbers sit in the file's numeric blocks back to back; the
// blocks carry no padding of their own, so the list needs no entries JSON would lack.
#include "data/Project.h"

namespace zel {

template <typename V, typename R>
void VisitHeaderFields(V& v, R& h) {
    v("versionText", h.versionText);
    v("signature", h.signature);
}

template <typename V, typename R>
void VisitSettingsFields(V& v, R& s) {
    v("beamCount", s.beamCount);
    v("unitCode", s.unitCode);
    v("sheetTitle", s.sheetTitle);
    v("pageNumberMode", s.pageNumberMode);
    v("firstPageNumber", s.firstPageNumber);
}

template <typename V, typename R>
void VisitBeamFields(V& v, R& b) {
    v("memberName", b.memberName);
    // Block A, 48 bytes.
    v("sectionWidth", b.sectionWidth);
    v("sectionDepth", b.sectionDepth);
    v("sectionCover", b.sectionCover);
    v("spanLength", b.spanLength);
    v("minRebarRule", b.minRebarRule);
    v("sectionCount", b.sectionCount);
    v("mainBarGrade", b.mainBarGrade);
    v("stirrupGrade", b.stirrupGrade);
    v("mainBarSize", b.mainBarSize);
    v("stirrupSize", b.stirrupSize);
    // Block B, 14 bytes.
    v("assemblyMethod", b.assemblyMethod);
    v("maxStirrupPitch", b.maxStirrupPitch);
    v("compressionBarRatio", b.compressionBarRatio);
    v("maxBarLayers", b.maxBarLayers);
    v("maxStirrupLegs", b.maxStirrupLegs);
    v("spanType", b.spanType);
    // Block C, 12 bytes.
    v("concreteFc", b.concreteFc);
    v("mainGradeValue", b.mainGradeValue);
    v("stirrupGradeValue", b.stirrupGradeValue);
    // Block D, 16 bytes.
    v("ft", b.allowableStresses.ft);
    v("fa", b.allowableStresses.fa);
    v("fs", b.allowableStresses.fs);
    v("wft", b.allowableStresses.wft);
    // Block E, 66 bytes.
    v("reserved", b.reserved);
    v("selfWeight", b.selfWeight);
    v("skipBeam", b.skipBeam);
    v("shortTerm", b.shortTerm);
    v("ignoreSelfWeight", b.ignoreSelfWeight);
    v("supportType", b.supportType);
    v("momentPositionMode", b.momentPositionMode);
    // Block F, 46 bytes.
    v("momentPosition", b.momentPosition);
    v("loadCount", b.loadCount);
    v("loadType", b.loadType);
    // Block G, 492 bytes.
    v("loadValue", b.loadValue);
    v("loadLengths", b.loadLengths);
    v("loadHeight", b.loadHeight);
    v("userCoefficients", b.userCoefficients);
}

template <typename V, typename R>
void VisitSummaryFields(V& v, R& s) {
    v("resultCount", s.resultCount);
    v("unusedBlock", s.unusedBlock);
    v("unusedTexts", s.unusedTexts);
}

// The blocks are listed in ResultRecord.h.
template <typename V, typename R>
void VisitResultFields(V& v, R& r) {
    v("sectionCount", r.sectionCount);
    v("memberName", r.memberName);
    v("sectionLabels", r.sectionLabels);
    v("sectionWidth", r.sectionWidth);
    v("sectionDepth", r.sectionDepth);
    v("sectionCover", r.sectionCover);
    v("unusedBlock132", r.unusedBlock132);
    v("barNames", r.barNames);
    v("barCounts", r.barCounts);
    v("stirrupLegs", r.stirrupLegs);
    v("stirrupNames", r.stirrupNames);
    v("stirrupPitch", r.stirrupPitch);
    v("unusedBlock24", r.unusedBlock24);
    v("unusedTexts3", r.unusedTexts3);
    v("unusedBlock188", r.unusedBlock188);
    v("unusedTexts20", r.unusedTexts20);
}

template <typename V, typename R>
void VisitFontFields(V& v, R& f) {
    v("fontChoice", f.fontChoice);
    v("fontName", f.fontName);
}

}  // namespace zel
