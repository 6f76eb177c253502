// The limits the input area and the import share: at each bound the last value taken and the
// first refused, named as the JSON names the field.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "data/ProjectLimits.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

struct LimitCase {
    const char* what;
    std::function<void(Project&)> change;
    const char* fault;  // "" when the project is in range
};
void PrintTo(const LimitCase& c, std::ostream* out) {
    *out << c.what;
}

class ProjectLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ProjectLimits, TheFirstValueOutOfRangeIsNamed) {
    Project p = test::ProjectOf({test::TypicalBeam(), test::TypicalBeam("G2")});
    GetParam().change(p);
    EXPECT_EQ(CheckProjectLimits(p), GetParam().fault);
}

BeamRecord& First(Project& p) {
    return p.Beam(1);
}

const LimitCase kCases[] = {
    {"typical", [](Project&) {}, ""},
    {"longest span",
     [](Project& p) {
         First(p).spanLength = 50.0f;
         First(p).loadLengths[0][1] = 50.0f;
     },
     ""},
    {"span too long", [](Project& p) { First(p).spanLength = 50.5f; },
     "beams[0].spanLength: 50.5 must be a number above 0 up to 50"},
    {"load too long", [](Project& p) { First(p).loadLengths[0][1] = 50.5f; },
     "beams[0].loadLengths[0][1]: 50.5 must be a number from 0 up to 50"},
    {"no span", [](Project& p) { First(p).spanLength = 0.0f; },
     "beams[0].spanLength: 0.0 must be a number above 0 up to 50"},
    {"last codes",
     [](Project& p) {
         BeamRecord& b = First(p);
         b.spanType = kSpanTypeCount - 1;
         b.assemblyMethod = kAssemblyMethodCount - 1;
         b.mainBarGrade = b.stirrupGrade = kGradeCount - 1;
         b.minRebarRule = kMinRebarRuleCount - 1;
         b.loadType[0] = kLoadTypeCount;
         b.sectionCount = kSectionSlots;
         p.settings.unitCode = 3;
     },
     ""},
    {"span type", [](Project& p) { First(p).spanType = 7; },
     "beams[0].spanType: 7 is out of range 0…6"},
    {"assembly method", [](Project& p) { First(p).assemblyMethod = 5; },
     "beams[0].assemblyMethod: 5 is out of range 0…4"},
    {"grade", [](Project& p) { First(p).stirrupGrade = 4; },
     "beams[0].stirrupGrade: 4 is out of range 0…3"},
    {"rebar rule", [](Project& p) { First(p).minRebarRule = -1; },
     "beams[0].minRebarRule: -1 is out of range 0…2"},
    {"load type", [](Project& p) { First(p).loadType[0] = 7; },
     "beams[0].loadType[0]: 7 is out of range 1…6"},
    {"sections", [](Project& p) { First(p).sectionCount = 4; },
     "beams[0].sectionCount: 4 is out of range 1…3"},
    {"load count", [](Project& p) { p.Beam(2).loadCount = 21; },
     "beams[1].loadCount: 21 is out of range 0…20"},
    {"load count above the beam count",
     [](Project& p) {
         p.settings.beamCount = 1;
         p.Beam(2).loadCount = 21;
         p.Beam(2).spanLength = -1.0f;  // not in use: only what is written counts
     },
     "beams[1].loadCount: 21 is out of range 0…20"},
    {"load value",
     [](Project& p) { First(p).loadValue[0] = std::numeric_limits<float>::quiet_NaN(); },
     "beams[0].loadValue[0]: \"0x0000c07f\" is not a number"},
    {"moment position", [](Project& p) { First(p).momentPosition = 6.5f; },
     "beams[0].momentPosition: 6.5 must be a number from 0 up to 6"},
    {"settings before beams",
     [](Project& p) {
         p.settings.beamCount = 51;
         First(p).spanType = 9;
     },
     "settings.beamCount: 51 is out of range 0…50"},
    {"result record", [](Project& p) { p.Result(100).sectionCount = 4; },
     "results[99].sectionCount: 4 is out of range 0…3"},
};

INSTANTIATE_TEST_SUITE_P(Bounds, ProjectLimits, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.what;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

}  // namespace
}  // namespace zel
