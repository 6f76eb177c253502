#include "data/BeamTexts.h"

namespace zel {

const char* GradeName(int gradeCode) {
    return gradeCode >= 0 && gradeCode < kGradeCount ? kGradeNames[gradeCode] : "";
}

const char* AssemblyMethodName(int method) {
    static const char* const kNames[kAssemblyMethodCount] = {
        "交互ﾌｯｸ先曲げ", "交互ﾌｯｸあと曲げ", "片隅ﾌｯｸ先曲げ", "片隅ﾌｯｸあと曲げ", "スポット溶接"};
    return method >= 0 && method < kAssemblyMethodCount ? kNames[method] : "";
}

const char* AssemblyMethodCaption(int method) {
    static const char* const kCaptions[kAssemblyMethodCount] = {
        "交互フック・フック先曲げ", "交互フック・フックあと曲げ", "片隅フック・フック先曲げ",
        "片隅フック・フックあと曲げ", "スポット溶接 (ｼﾝｸﾞﾙ配筋用)"};
    return method >= 0 && method < kAssemblyMethodCount ? kCaptions[method] : "";
}

}  // namespace zel
