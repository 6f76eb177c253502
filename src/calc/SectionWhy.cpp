#include "calc/SectionWhy.h"

#include <cmath>
#include <limits>

namespace zel {

const char* RuleKey(TensionRule rule) {
    switch (rule) {
        case TensionRule::Moment:
            return "moment";
        case TensionRule::MinimumRatio:
            return "minimum-ratio";
        case TensionRule::FourThirds:
            return "four-thirds";
        case TensionRule::StirrupLegs:
            return "stirrup-legs";
        case TensionRule::Bond:
            return "bond";
        case TensionRule::Cap:
            return "cap";
        case TensionRule::None:
            break;
    }
    return nullptr;
}

const char* RuleKey(StirrupRule rule) {
    switch (rule) {
        case StirrupRule::MinimumRatio:
            return "minimum-ratio";
        case StirrupRule::Shear:
            return "shear";
        case StirrupRule::ShearCap:
            return "shear-cap";
        case StirrupRule::None:
            break;
    }
    return nullptr;
}

const char* RuleKey(PitchRule rule) {
    switch (rule) {
        case PitchRule::Legs:
            return "legs";
        case PitchRule::Limit:
            return "limit";
        case PitchRule::None:
            break;
    }
    return nullptr;
}

double UtilisationRatio(double used, double provided) {
    if (!(used > 0.0)) return 0.0;
    if (!(provided > 0.0)) return std::numeric_limits<double>::infinity();
    return used / provided;
}

}  // namespace zel
