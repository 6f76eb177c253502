#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "data/BeamRecord.h"
#include "data/Project.h"

namespace zel {
namespace {

BeamRecord Named(const std::string& name, std::int16_t loads) {
    BeamRecord b;
    b.memberName = name;
    b.loadCount = loads;
    b.spanLength = 6.0f;
    return b;
}

TEST(BeamRecordTest, SelfWeightUsesSmallestBreadthAndDepthOfSectionsInUse) {
    BeamRecord b;
    b.sectionCount = 2;
    b.sectionWidth = {30, 35, 10};  // section 3 is not in use
    b.sectionDepth = {60, 55, 10};
    EXPECT_NEAR(ComputeSelfWeight(b), 0.396, 1e-12);

    b.sectionCount = 1;
    EXPECT_NEAR(ComputeSelfWeight(b), 30 * 60 * 2.4 / 10000, 1e-12);

    b.sectionCount = 3;
    EXPECT_NEAR(ComputeSelfWeight(b), 10 * 10 * 2.4 / 10000, 1e-12);

    // A damaged count never reads outside the three sections nor ignores section 1.
    b.sectionCount = 0;
    EXPECT_NEAR(ComputeSelfWeight(b), 30 * 60 * 2.4 / 10000, 1e-12);
    b.sectionCount = 99;
    EXPECT_NEAR(ComputeSelfWeight(b), 10 * 10 * 2.4 / 10000, 1e-12);
}

TEST(BeamRecordTest, MomentPositionIsHalfSpanUnlessSimpleBeamWithGivenPosition) {
    BeamRecord b;
    b.spanLength = 7.0f;
    b.supportType = 0;
    b.momentPositionMode = 1;
    EXPECT_FLOAT_EQ(ComputeMomentPosition(b, 2.5f), 2.5f);
    b.momentPositionMode = 0;
    EXPECT_FLOAT_EQ(ComputeMomentPosition(b, 2.5f), 3.5f);
    b.supportType = 1;  // cantilever: always half the span
    b.momentPositionMode = 1;
    EXPECT_FLOAT_EQ(ComputeMomentPosition(b, 2.5f), 3.5f);
}

TEST(BeamRecordTest, ReservedDoubleIsTheLastEightBytes) {
    BeamRecord b;
    const double d = 1234.5678;
    std::memcpy(&b.reserved[10], &d, sizeof d);
    EXPECT_EQ(b.ReservedDouble(), d);
    EXPECT_EQ(BeamRecord{}.ReservedDouble(), 0.0);
}

TEST(ProjectTest, DeleteSlotMovesUpperSlotsDownAndClearsLoadsOfFormerLast) {
    auto p = std::make_unique<Project>();
    p->settings.beamCount = 4;
    for (int i = 1; i <= 5; ++i) p->Beam(i) = Named("B" + std::to_string(i), 3);
    p->placement[2].anyPlacementFailed = 1;  // beam "B3"

    ASSERT_TRUE(p->DeleteSlot(2));
    EXPECT_EQ(p->BeamCount(), 3);
    EXPECT_EQ(p->Beam(1).memberName, "B1");
    EXPECT_EQ(p->Beam(2).memberName, "B3");
    EXPECT_EQ(p->Beam(3).memberName, "B4");
    EXPECT_EQ(p->Beam(3).loadCount, 3);
    EXPECT_EQ(p->placement[1].anyPlacementFailed, 1);  // still "B3"'s flag
    // The former last slot keeps its data, only its load count goes.
    EXPECT_EQ(p->Beam(4).memberName, "B4");
    EXPECT_EQ(p->Beam(4).loadCount, 0);
    EXPECT_FLOAT_EQ(p->Beam(4).spanLength, 6.0f);
    // Slots above the old count are not touched.
    EXPECT_EQ(p->Beam(5).loadCount, 3);

    // Deleting the last beam clears only that slot's load count.
    ASSERT_TRUE(p->DeleteSlot(3));
    EXPECT_EQ(p->BeamCount(), 2);
    EXPECT_EQ(p->Beam(3).memberName, "B4");
    EXPECT_EQ(p->Beam(3).loadCount, 0);
    EXPECT_EQ(p->Beam(2).loadCount, 3);

    EXPECT_FALSE(p->DeleteSlot(0));
    EXPECT_FALSE(p->DeleteSlot(3));
    EXPECT_EQ(p->BeamCount(), 2);
}

TEST(ProjectTest, DeleteSlotOfAFullProjectAndDamagedCounts) {
    auto p = std::make_unique<Project>();
    p->settings.beamCount = 50;
    for (int i = 1; i <= 50; ++i) p->Beam(i) = Named(std::to_string(i), 1);
    ASSERT_TRUE(p->DeleteSlot(1));
    EXPECT_EQ(p->Beam(1).memberName, "2");
    EXPECT_EQ(p->Beam(49).memberName, "50");
    EXPECT_EQ(p->Beam(50).memberName, "50");
    EXPECT_EQ(p->Beam(50).loadCount, 0);

    // A count from a damaged file is clamped, never used to index past slot 50.
    p->settings.beamCount = 300;
    EXPECT_EQ(p->BeamCount(), 50);
    EXPECT_TRUE(p->DeleteSlot(50));
    EXPECT_EQ(p->BeamCount(), 49);
    p->settings.beamCount = -4;
    EXPECT_EQ(p->BeamCount(), 0);
    EXPECT_FALSE(p->DeleteSlot(1));
}

TEST(ProjectTest, SwapExchangesWholeRecords) {
    auto p = std::make_unique<Project>();
    p->settings.beamCount = 2;
    p->Beam(1) = Named("A", 1);
    p->Beam(2) = Named("B", 2);
    p->Beam(2).reserved[3] = 7.0f;
    p->placement[1].placementFailed[2] = 1;
    ASSERT_TRUE(p->SwapSlots(1, 2));
    EXPECT_EQ(p->placement[0].placementFailed[2], 1);
    EXPECT_EQ(p->placement[1].placementFailed[2], 0);
    EXPECT_EQ(p->Beam(1).memberName, "B");
    EXPECT_EQ(p->Beam(1).loadCount, 2);
    EXPECT_FLOAT_EQ(p->Beam(1).reserved[3], 7.0f);
    EXPECT_EQ(p->Beam(2).memberName, "A");
    EXPECT_FALSE(p->SwapSlots(0, 1));
    EXPECT_FALSE(p->SwapSlots(1, 51));
    EXPECT_EQ(p->Beam(1).memberName, "B");
}

TEST(ProjectSettingsTest, UnitFlagsComeFromUnitCode) {
    ProjectSettings s;
    const bool expected[4][2] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (int code = 0; code < 4; ++code) {
        s.unitCode = static_cast<std::int16_t>(code);
        EXPECT_EQ(s.inputIsSI(), expected[code][0]) << code;
        EXPECT_EQ(s.outputIsSI(), expected[code][1]) << code;
        ProjectSettings t;
        t.SetUnits(expected[code][0], expected[code][1]);
        EXPECT_EQ(t.unitCode, code);
    }
}

}  // namespace
}  // namespace zel
