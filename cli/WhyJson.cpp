#include "WhyJson.h"

#include <cmath>

#include "output/SectionWhyTexts.h"

namespace zel::cli {

namespace {

using Json = nlohmann::ordered_json;

Json Key(const char* key) {
    return key != nullptr ? Json(key) : Json(nullptr);
}

Json Ratio(double value, bool designed) {
    return designed && std::isfinite(value) ? Json(value) : Json(nullptr);
}

}  // namespace

void AddWhyJson(Json& section, const CalcResult& result, int index) {
    const SectionResult& s = result.sections[static_cast<std::size_t>(index)];
    const std::string failure = FailureSentence(result, index);
    section["why"] = {{"tension", Key(RuleKey(s.why.tension))},
                      {"stirrups", Key(RuleKey(s.why.stirrups))},
                      {"pitch", Key(RuleKey(s.why.pitch))},
                      {"failure", failure.empty() ? Json(nullptr) : Json(failure)}};
    const bool designed = s.why.tension != TensionRule::None;
    section["ratios"] = {{"tensionRatio", Ratio(s.ratios.tension, designed)},
                         {"bondRatio", Ratio(s.ratios.bond, designed)},
                         {"shearRatio", Ratio(s.ratios.shear, designed)},
                         {"placementRatio", Ratio(s.ratios.placement, designed)}};
}

}  // namespace zel::cli
