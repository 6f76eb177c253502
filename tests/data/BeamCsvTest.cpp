// The beams as CSV and back: exact for damaged records as for sound ones, in both unit systems.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "ZelLayout.h"
#include "data/BeamCsv.h"
#include "data/ZelFile.h"
#include "lib/ShiftJis.h"

namespace zel {
namespace {

// What the CSV carries of a project: settings, font, version and the beams in use.
Project BeamsOnly(const Project& p) {
    Project q = MakeEmptyProject();
    q.header.versionText = p.header.versionText;
    q.settings = p.settings;
    q.settings.beamCount = static_cast<std::int16_t>(p.BeamCount());
    q.font = p.font;
    for (int slot = 1; slot <= p.BeamCount(); ++slot) q.Beam(slot) = p.Beam(slot);
    return q;
}

void ExpectRoundTrip(const Project& p, bool checked, const std::string& what) {
    const std::string csv = ProjectToBeamCsv(p);
    Project back = MakeEmptyProject();
    ASSERT_EQ(ProjectFromBeamCsv(csv, back, checked), "") << what;
    EXPECT_TRUE(EncodeZel(back) == EncodeZel(p)) << what;
    // Written again, the text is the same: nothing was rounded on the way.
    EXPECT_EQ(ProjectToBeamCsv(back), csv) << what;
}

TEST(BeamCsvTest, DamagedRecordsTravelBitForBit) {
    // Random bits in every field (NaNs, infinities, subnormals, codes out of range), odd texts.
    std::mt19937 rng(2207);
    for (int i = 0; i < 6; ++i) {
        Project p;
        DecodeZel(test::RandomZel(rng), p);
        p.settings.beamCount = static_cast<std::int16_t>(1 + i * 9);
        p.settings.unitCode = static_cast<std::int16_t>(i % 4);
        Project q = BeamsOnly(p);
        q.Beam(1).memberName = " G1, \"大梁\"\r\n二行目 ";
        q.Beam(1).loadLengths[19][3] = -0.0f;
        q.Beam(1).concreteFc = std::numeric_limits<float>::denorm_min();
        q.Beam(1).loadValue[0] = 0.1f;
        q.Beam(1).selfWeight = 0.1 + 0.2;
        ExpectRoundTrip(q, false, "damaged " + std::to_string(i));
    }
}

TEST(BeamCsvTest, SoundProjectsPassTheRangeChecksInEveryUnitSystem) {
    for (const char* sample : {"floor.Zel", "floor_si.Zel"}) {
        Project p;
        ASSERT_TRUE(
            LoadZelFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/" + sample, p).Ok());
        for (const int unitCode : {0, 1, 2, 3}) {
            p.settings.unitCode = static_cast<std::int16_t>(unitCode);
            ExpectRoundTrip(BeamsOnly(p), true, sample + std::to_string(unitCode));
        }
    }
}

TEST(BeamCsvTest, ShiftJisAndUtf8WithoutAMarkReadAlike) {
    Project p;
    ASSERT_TRUE(
        LoadZelFile(std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor_si.Zel", p).Ok());
    p = BeamsOnly(p);
    p.Beam(2).memberName = "大梁ｱｲｳ";
    const std::string csv = ProjectToBeamCsv(p);
    for (const std::string& bytes : {csv, "\xEF\xBB\xBF" + csv, *Utf8ToSjis(csv)}) {
        Project back = MakeEmptyProject();
        ASSERT_EQ(ProjectFromBeamCsv(bytes, back), "");
        EXPECT_EQ(back.Beam(2).memberName, "大梁ｱｲｳ");
        EXPECT_TRUE(EncodeZel(back) == EncodeZel(p));
    }
}

}  // namespace
}  // namespace zel
