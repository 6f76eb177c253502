// Showing a beam and moving on must not rewrite it: random records with values their texts
// cannot carry (rounded decimals, Fc in SI, NaN, lengths a load type does not use) come back
// from selection and from Save as they were stored; what the user types is still read.
#include <bit>
#include <cstdint>
#include <limits>
#include <random>

#include "ControllerFixture.h"
#include "calc/BarTable.h"
#include "data/ZelFile.h"

namespace zel::test {
namespace {

// The fields a commit or a calculation writes, and the results, set aside.
Project WithoutDerived(Project project) {
    for (BeamRecord& beam : project.beams) {
        beam.selfWeight = 0;
        beam.momentPosition = 0;
        beam.mainGradeValue = 0;
        beam.stirrupGradeValue = 0;
        beam.allowableStresses = {};
    }
    project.resultSummary = {};
    project.results = {};
    return project;
}

// A beam's bytes in a file, derived fields aside: equal bytes are equal bits, NaN included.
std::string BeamBytes(const BeamRecord& beam) {
    Project project = MakeEmptyProject();
    project.beams[0] = beam;
    return EncodeZel(WithoutDerived(project));
}

class RandomBeams {
  public:
    explicit RandomBeams(unsigned seed) : rng_(seed) {}

    BeamRecord Next() {
        BeamRecord b;
        b.memberName = "R" + std::to_string(Int(1, 999)) + (Int(0, 3) == 0 ? " " : "");
        b.supportType = I16(0, 1);
        b.sectionCount = static_cast<std::int16_t>(b.supportType == 1 ? 1 : Int(1, 3));
        b.spanLength = Positive();
        for (int c = 0; c < 3; ++c) {
            const bool used = c < b.sectionCount;
            b.sectionWidth[c] = used ? Positive() : Any();
            b.sectionDepth[c] = used ? Positive() : Any();
            b.sectionCover[c] = used ? Positive() : Any();
        }
        b.minRebarRule = I16(0, 2);
        b.mainBarGrade = I16(0, 3);
        b.stirrupGrade = I16(0, 3);
        b.mainBarSize = Size(BarList::MainBars, b.mainBarGrade);
        b.stirrupSize = Size(BarList::Stirrups, b.stirrupGrade);
        b.assemblyMethod = I16(0, 4);
        b.maxStirrupPitch = I16(0, 300);
        b.compressionBarRatio = Any();
        b.maxBarLayers = I16(0, 5);
        b.maxStirrupLegs = I16(0, 6);
        b.spanType = I16(0, 6);
        b.concreteFc = Pick({210.0f, 235.55556f, 240.00002f, 177.77777f, 0.12345f, kNaN});
        for (float& r : b.reserved) r = std::bit_cast<float>(static_cast<std::uint32_t>(rng_()));
        b.skipBeam = I16(0, 1);
        b.shortTerm = I16(0, 1);
        b.ignoreSelfWeight = I16(0, 1);
        b.momentPositionMode = I16(0, 1);
        b.momentPosition = Any();
        // Every slot is filled: those beyond the count must stay as they are too.
        b.loadCount = I16(0, kMaxLoads);
        for (int k = 0; k < kMaxLoads; ++k) {
            b.loadType[k] = I16(1, 6);
            b.loadValue[k] = Any();
            b.loadHeight[k] = Any();
            for (float& length : b.loadLengths[k]) length = Any();
        }
        for (float& c : b.userCoefficients) c = Any();
        return b;
    }

    // A project file of `count` beams.
    void WriteProject(const std::string& path, int count, int unitCode) {
        Project project = MakeEmptyProject();
        project.settings.beamCount = static_cast<std::int16_t>(count);
        project.settings.unitCode = static_cast<std::int16_t>(unitCode);
        for (int slot = 1; slot <= count; ++slot) project.Beam(slot) = Next();
        ASSERT_TRUE(SaveZelFile(path, project).ok);
    }

  private:
    static constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    std::int16_t I16(int low, int high) { return static_cast<std::int16_t>(Int(low, high)); }
    float Pick(std::initializer_list<float> values) {
        return values.begin()[Int(0, static_cast<int>(values.size()) - 1)];
    }
    float Positive() {
        return Pick({0.12345f, 4e-05f, 1.23456f, 0.1f, 2.5f, 1e-07f, 3.3333333f, 12.34567f,
                     1234.5677f, 7.0f, 99.99951f});
    }
    // Anything a damaged file or another tool may hold, NaN with a payload included.
    float Any() {
        if (Int(0, 2) != 0) return Positive();
        return Pick({kNaN, std::bit_cast<float>(0xFFC12345u), -0.0f, -1.23456f, 0.0f,
                     std::numeric_limits<float>::infinity(), 0.00004f, 123456.79f});
    }
    std::string Size(BarList list, int grade) {
        const std::vector<std::string> sizes = BarSizesFor(list, grade);
        if (sizes.empty() || Int(0, 5) == 0) return "D99 ";
        return sizes[static_cast<std::size_t>(Int(0, static_cast<int>(sizes.size()) - 1))];
    }

    std::mt19937 rng_;
};

class ShowCommitTest : public ControllerTest {
  protected:
    void OpenFile(const std::string& path) {
        user.openAnswers.push_back(path);
        ASSERT_TRUE(ctl.Open());
    }
    static Project Load(const std::string& path) {
        Project project = MakeEmptyProject();
        EXPECT_TRUE(LoadZelFile(path, project).Ok());
        return project;
    }
    // Every beam of `actual` equals the one of `expected`, bit for bit, derived fields aside.
    static void ExpectSameBeams(const Project& actual, const Project& expected) {
        ASSERT_EQ(actual.BeamCount(), expected.BeamCount());
        for (int slot = 1; slot <= expected.BeamCount(); ++slot) {
            EXPECT_TRUE(BeamBytes(actual.Beam(slot)) == BeamBytes(expected.Beam(slot)))
                << "beam " << slot << " (" << expected.Beam(slot).memberName << ") changed";
        }
        EXPECT_EQ(actual.settings, expected.settings);
    }
};

TEST_F(ShowCommitTest, ShowingEveryBeamAndSelectingAnotherChangesNoRecord) {
    Start();
    RandomBeams random(20261208);
    for (int trial = 0; trial < 12; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const std::string path = DataFile("walk" + std::to_string(trial) + ".Zel");
        const int count = 2 + trial % 5;
        random.WriteProject(path, count, trial % 4);
        const Project stored = Load(path);
        OpenFile(path);
        user.Clear();
        // Shows beams 2..n in turn, then beam 1 again: every beam is shown and committed.
        for (int line = 1; line <= count; ++line) {
            ASSERT_TRUE(ctl.SelectBeam(line % count)) << "line " << line % count;
        }
        EXPECT_TRUE(user.asked.empty()) << user.LastText();
        EXPECT_FALSE(ctl.MemberModified());
        ExpectSameBeams(ctl.CurrentProject(), stored);
    }
}

TEST_F(ShowCommitTest, SavingAnUneditedProjectWritesTheBeamsItRead) {
    Start();
    RandomBeams random(977);
    for (int trial = 0; trial < 8; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const std::string path = DataFile("save" + std::to_string(trial) + ".Zel");
        random.WriteProject(path, 1 + trial % 4, trial % 4);
        const Project stored = Load(path);
        OpenFile(path);
        ASSERT_TRUE(ctl.Save());  // "上書き保存": answered yes
        const Project saved = Load(path);
        ExpectSameBeams(saved, stored);
        // Apart from the recomputed fields and results, the file is the one that was read.
        EXPECT_TRUE(EncodeZel(WithoutDerived(saved)) == EncodeZel(WithoutDerived(stored)));
    }
}

TEST_F(ShowCommitTest, WhatTheUserChangesIsReadFromItsText) {
    Start();
    BeamRecord beam;
    beam.memberName = "G1";
    beam.spanLength = 1.23456f;
    beam.sectionCount = 1;
    beam.sectionWidth[0] = 30.12345f;
    beam.sectionDepth[0] = 60;
    beam.sectionCover[0] = 5;
    beam.concreteFc = 235.55556f;
    beam.loadCount = 3;
    beam.loadType = {1, 1, 1};
    beam.loadValue = {0.12345f, 0.00004f, 1.0f};
    beam.loadLengths[0][0] = beam.loadLengths[1][0] = beam.loadLengths[2][0] = 0.5f;
    Project project = MakeEmptyProject();
    project.settings.beamCount = 2;
    project.settings.unitCode = 2;  // input in SI: Fc is shown / 10
    project.Beam(1) = beam;
    project.Beam(2) = beam;
    const std::string path = DataFile("edit.Zel");
    ASSERT_TRUE(SaveZelFile(path, project).ok);
    OpenFile(path);

    Type(Field::MemberName, " G1a ");
    Type(Field::Span, "1.2346");
    Type(Field::Fc, "24");
    // The first load goes; the second moves up unchanged; the third is changed.
    area().SelectLoad(0);
    area().DeleteLoad();
    area().SelectLoad(1);
    Type(Field::Load0, "250");
    area().ChangeLoad();
    ASSERT_TRUE(ctl.SelectBeam(1));  // the question "変更を有効にしますか？" answered yes

    const BeamRecord& edited = ctl.CurrentProject().Beam(1);
    EXPECT_EQ(edited.memberName, "G1a");
    EXPECT_EQ(edited.spanLength, 1.2346f);
    EXPECT_EQ(edited.sectionWidth[0], 30.12345f);  // not typed
    EXPECT_EQ(edited.concreteFc, 240.0f);
    ASSERT_EQ(edited.loadCount, 2);
    EXPECT_EQ(edited.loadValue[0], 0.00004f);  // shown as 0.0, still stored as it was
    EXPECT_EQ(edited.loadValue[1], 0.25f);

    // After a change of the input unit the unchanged Fc text reads in the new unit.
    area().SelectInputUnits(0);
    ASSERT_TRUE(ctl.SelectBeam(0));
    EXPECT_NEAR(ctl.CurrentProject().Beam(2).concreteFc, 23.5556, 1e-4);
    EXPECT_EQ(ctl.CurrentProject().Beam(2).loadValue[0], 0.12345f);
}

}  // namespace
}  // namespace zel::test
