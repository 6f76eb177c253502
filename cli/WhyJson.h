#pragma once
// The "why" and "ratios" members `zel calc --json` gives each section.
#include <nlohmann/json.hpp>

#include "calc/CalcResult.h"

namespace zel::cli {

// Adds "why" {tension, stirrups, pitch, failure} and "ratios" {tensionRatio, bondRatio,
// shearRatio, placementRatio} of design section 0..2 to its JSON object. Rules and ratios are
// null for a beam that could not be calculated, a ratio also where it is infinite.
void AddWhyJson(nlohmann::ordered_json& section, const CalcResult& result, int index);

}  // namespace zel::cli
