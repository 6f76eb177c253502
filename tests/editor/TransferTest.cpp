// Gathering the input area into a record, showing a record in it, clearing it and resetting
// it to the defaults; every sample beam survives the trip unchanged.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "InputAreaFixture.h"
#include "data/BeamRecord.h"
#include "data/DefaultsRecord.h"
#include "data/GradeTable.h"
#include "data/ProjectSettings.h"
#include "data/SheetFontSetting.h"
#include "data/ZelFile.h"
#include "support/SampleBeams.h"

namespace zel::test {
namespace {

GradeTable TestGrades() {
    GradeTable grades;
    grades.values = {3.0f, 3.5f, 2.4f, 3.0f};
    return grades;
}

// A beam whose derived fields are what a commit writes, so that a round trip must keep it.
BeamRecord Committed(BeamRecord beam, const GradeTable& grades, float enteredPosition) {
    if (beam.supportType == 1) beam.sectionCount = 1;
    beam.selfWeight = ComputeSelfWeight(beam);
    beam.momentPosition = ComputeMomentPosition(beam, enteredPosition);
    beam.mainGradeValue = grades.ValueOf(beam.mainBarGrade);
    beam.stirrupGradeValue = grades.ValueOf(beam.stirrupGrade);
    return beam;
}

// The typical beam with its choices moved off their defaults: two sections, three loads.
BeamRecord SampleBeam() {
    BeamRecord b = TypicalBeam("G1");
    b.sectionWidth = {30, 35, 40};
    b.sectionDepth = {60, 55, 70};
    b.sectionCover = {5, 5.5f, 6};
    b.spanLength = 6.3f;
    b.minRebarRule = 1;
    b.sectionCount = 2;
    b.stirrupSize = "D10D13";
    b.assemblyMethod = 2;
    b.compressionBarRatio = 0.6f;
    b.maxStirrupLegs = 4;
    b.spanType = 4;
    b.userCoefficients = {0.6f, 0.8f, 0.7f};
    b.concreteFc = 240;
    b.allowableStresses = {2.2f, 0.014f, 0.007f, 2.0f};
    b.reserved[3] = 1.25f;
    b.shortTerm = 1;
    b.momentPositionMode = 1;
    b.loadCount = 3;
    b.loadType[0] = 4;
    b.loadValue[0] = 0.5f;
    b.loadHeight[0] = 3.5f;
    b.loadLengths[0] = {0, 6.3f, 0, 0};
    b.loadType[1] = 1;
    b.loadValue[1] = -1.25f;
    b.loadLengths[1] = {2.5f, 0, 0, 0};
    b.loadType[2] = 5;
    b.loadValue[2] = 0.35f;
    b.loadHeight[2] = 12.5f;
    b.loadLengths[2] = {0.5f, 1.5f, 2, 1.25f};
    b.loadType[7] = 6;  // a slot beyond the count keeps whatever it held
    b.loadValue[7] = 9;
    return b;
}

// Shows a record, gathers it back with its loads.
BeamRecord RoundTrip(InputArea& area, const BeamRecord& beam, const GradeTable& grades) {
    area.ShowBeam(beam);
    BeamRecord back = beam;
    area.GatherInto(back, grades, 1);
    area.LoadListToRecord(back);
    return back;
}

TEST_F(InputAreaTest, GatherComputesTheDerivedFields) {
    const GradeTable grades = TestGrades();
    Type(Field::MemberName, "  B12 ");
    Type(Field::Span, "6");
    area.SelectSectionCount(1);
    Type(Field::Breadth1, "30");
    Type(Field::Depth1, "60");
    Type(Field::Cover1, "5");
    Type(Field::Breadth2, "35");
    Type(Field::Depth2, "55");
    Type(Field::Cover2, "5");
    Type(Field::Breadth3, "99");  // not in use
    Type(Field::CompressionRatio, "0.5");
    // Longer than typing allows: a program write, to see the rounding.
    area.SetText(Field::BarLayers, "2.5");
    area.SetText(Field::StirrupLegs, "3.5");
    area.SetText(Field::StirrupPitch, "250.7");
    area.SelectMainBarGrade(1);
    area.SelectMainBarSize(4);
    area.SelectStirrupGrade(2);
    area.SelectStirrupSize(2);
    area.SetCalculationFlag(0, true);
    area.SetCalculationFlag(2, true);

    BeamRecord beam;
    beam.sectionWidth[2] = 77;
    area.GatherInto(beam, grades, 0);
    EXPECT_EQ(beam.memberName, "B12");
    EXPECT_FLOAT_EQ(beam.spanLength, 6.0f);
    EXPECT_EQ(beam.sectionCount, 2);
    EXPECT_FLOAT_EQ(beam.sectionWidth[1], 35.0f);
    EXPECT_FLOAT_EQ(beam.sectionWidth[2], 77.0f);  // the unused column keeps its old value
    // Smallest breadth and smallest depth taken separately: 30 × 55 × 2.4 / 10000.
    EXPECT_NEAR(beam.selfWeight, 0.396, 1e-9);
    EXPECT_FLOAT_EQ(beam.concreteFc, 210.0f);
    EXPECT_EQ(beam.maxBarLayers, 2);  // halves to even
    EXPECT_EQ(beam.maxStirrupPitch, 251);
    EXPECT_EQ(beam.maxStirrupLegs, 4);
    EXPECT_EQ(beam.mainBarGrade, 1);
    EXPECT_EQ(beam.mainBarSize, "D22");
    EXPECT_FLOAT_EQ(beam.mainGradeValue, 3.5f);
    EXPECT_EQ(beam.stirrupGrade, 2);
    EXPECT_EQ(beam.stirrupSize, "13φ");
    EXPECT_FLOAT_EQ(beam.stirrupGradeValue, 2.4f);
    EXPECT_EQ(beam.skipBeam, 1);
    EXPECT_EQ(beam.shortTerm, 0);
    EXPECT_EQ(beam.ignoreSelfWeight, 1);
    EXPECT_EQ(beam.userCoefficients, (std::array<float, 3>{1.0f, 0.0f, 1.0f}));

    // The position: half the span unless a simple beam has a given one.
    EXPECT_FLOAT_EQ(beam.momentPosition, 3.0f);
    area.SelectMomentPositionMode(1);
    Type(Field::MomentPosition, "2.25");
    area.GatherInto(beam, grades, 0);
    EXPECT_FLOAT_EQ(beam.momentPosition, 2.25f);
    area.SelectSupportType(1);
    area.GatherInto(beam, grades, 0);
    EXPECT_EQ(beam.sectionCount, 1);
    EXPECT_FLOAT_EQ(beam.momentPosition, 3.0f);

    // SI input: Fc is typed in N/mm2 and stored × 10.
    area.SelectInputUnits(1);
    Type(Field::Fc, "24");
    area.GatherInto(beam, grades, 0);
    EXPECT_FLOAT_EQ(beam.concreteFc, 240.0f);
}

TEST_F(InputAreaTest, GatherEndsLoadEditingWhenTheProjectHasBeams) {
    TypeSimpleBeam();
    TypeUniform("500", "0", "6", "1");
    area.AddLoad();
    area.SelectLoad(0);
    EXPECT_FALSE(area.View().calcSheetButton.enabled);
    BeamRecord beam;
    area.GatherInto(beam, TestGrades(), 0);
    EXPECT_FALSE(area.View().calcSheetButton.enabled);
    area.GatherInto(beam, TestGrades(), 1);
    EXPECT_TRUE(area.View().calcSheetButton.enabled);
    EXPECT_FALSE(area.View().deleteLoadButton.enabled);
}

TEST_F(InputAreaTest, ShowFillsFieldsChoicesAndListWithoutCountingEdits) {
    const GradeTable grades = TestGrades();
    const BeamRecord beam = Committed(SampleBeam(), grades, 2.5f);
    area.ShowBeam(beam);
    EXPECT_FALSE(area.memberModified);
    EXPECT_FALSE(area.fileModified);
    EXPECT_FALSE(area.fillingForm);
    EXPECT_EQ(area.Text(Field::MemberName), "G1");
    EXPECT_EQ(area.Text(Field::Span), "6.3");
    EXPECT_EQ(area.Text(Field::Cover2), "5.5");
    EXPECT_EQ(area.Text(Field::Fc), "240");
    EXPECT_EQ(area.Text(Field::StirrupPitch), "200");
    EXPECT_EQ(area.Text(Field::MomentPosition), "2.5");
    EXPECT_TRUE(area.View().momentField.enabled);
    EXPECT_EQ(area.View().momentField.background, ViewColour::White);
    EXPECT_EQ(area.SectionOption(), 1);
    EXPECT_EQ(area.View().sectionHeading[0].caption, "端  部");
    EXPECT_EQ(area.MainBarSizePosition(), 4);
    EXPECT_EQ(area.StirrupSizePosition(), 1);
    EXPECT_EQ(area.View().spanTypeCaption.caption, "ﾕｰｻﾞｰ指定");
    EXPECT_TRUE(area.CalculationFlag(1));
    ASSERT_EQ(area.LoadLines().size(), 3u);
    EXPECT_EQ(area.LoadLines()[2], "5    350.0  12.500 0.5000 1.5000 2.0000 1.2500");
    EXPECT_EQ(area.CurrentLoadType(), 5);
    ASSERT_TRUE(area.Diagram().has_value());
    EXPECT_NEAR(area.Diagram()->span, 6.3, 1e-6);

    // SI input shows Fc divided by 10; a zero shows as 0.
    BeamRecord si = beam;
    si.concreteFc = 235;
    si.sectionCover[0] = 0;
    area.loadingFile = true;
    area.SelectInputUnits(1);
    area.ShowBeam(si);
    EXPECT_EQ(area.Text(Field::Fc), "23.5");
    EXPECT_EQ(area.Text(Field::Cover1), "0");
    EXPECT_TRUE(user.asked.empty());

    // A cantilever is shown with one section whatever its record says.
    BeamRecord cantilever = beam;
    cantilever.supportType = 1;
    cantilever.sectionCount = 3;
    area.ShowBeam(cantilever);
    EXPECT_EQ(area.SectionOption(), 0);
    EXPECT_EQ(area.View().sectionHeading[0].caption, "固定端");
    EXPECT_FALSE(area.View().sectionOption[1].enabled);
    EXPECT_FALSE(area.View().sectionOption[2].enabled);
    EXPECT_TRUE(area.View().cantileverNote.visible);
    EXPECT_FALSE(area.View().momentField.enabled);
    EXPECT_EQ(area.View().loadPicture, "台形荷重_C.JPG");
    area.SelectLoad(0);
    EXPECT_FALSE(area.View().calcSheetButton.enabled);
    area.ShowBeam(beam);  // a fresh list: no load is being edited
    EXPECT_TRUE(area.View().calcSheetButton.enabled);
    EXPECT_FALSE(area.View().changeLoadButton.enabled);
    EXPECT_EQ(area.SelectedLoad(), -1);
    EXPECT_TRUE(area.View().sectionOption[2].enabled);
    EXPECT_FALSE(area.View().cantileverNote.visible);
    EXPECT_FALSE(area.memberModified);
}

TEST_F(InputAreaTest, BuiltBeamsSurviveShowAndGather) {
    const GradeTable grades = TestGrades();
    std::vector<BeamRecord> beams;
    beams.push_back(Committed(SampleBeam(), grades, 2.5f));

    BeamRecord oneSection = SampleBeam();
    oneSection.sectionCount = 1;
    oneSection.momentPositionMode = 0;
    oneSection.spanType = 3;
    oneSection.loadCount = 0;
    beams.push_back(Committed(oneSection, grades, 0));

    BeamRecord cantilever = SampleBeam();
    cantilever.supportType = 1;
    cantilever.spanLength = 2.4f;
    cantilever.loadLengths[0] = {0, 2.4f, 0, 0};
    cantilever.loadCount = 2;
    beams.push_back(Committed(cantilever, grades, 0));

    BeamRecord round = SampleBeam();
    round.sectionCount = 3;
    round.mainBarGrade = 2;
    round.mainBarSize = "19φ";
    round.stirrupGrade = 3;
    round.stirrupSize = "9φ13φ";
    round.skipBeam = 1;
    round.ignoreSelfWeight = 1;
    round.concreteFc = 210.5f;
    round.loadCount = 20;
    for (int k = 0; k < 20; ++k) {
        round.loadType[k] = static_cast<std::int16_t>(1 + k % 6);
        round.loadValue[k] = 0.125f * (k + 1);
        round.loadHeight[k] = round.loadType[k] == 1 ? 0.0f : 2.5f;
        round.loadLengths[k] = {0.25f * k, 0.5f, 0, 0};
        if (round.loadType[k] == 1) round.loadLengths[k] = {0.25f * k, 0, 0, 0};
        if (round.loadType[k] == 5) round.loadLengths[k] = {0.5f, 1, 12.5f, 0.75f};
    }
    beams.push_back(Committed(round, grades, 2.5f));

    for (bool si : {false, true}) {
        area.loadingFile = true;
        area.SelectInputUnits(si ? 1 : 0);
        area.loadingFile = false;
        for (size_t i = 0; i < beams.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "beam " << i << (si ? " SI" : ""));
            EXPECT_TRUE(RoundTrip(area, beams[i], grades) == beams[i]);
            EXPECT_FALSE(area.memberModified);
        }
    }
}

TEST(SampleProjectTest, EverySampleBeamSurvivesShowAndGather) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(ZEL_SOURCE_DIR) / "resources" / "samples";
    const GradeTableReadResult table =
        ReadGradeTable((fs::path(ZEL_SOURCE_DIR) / "resources" / kGradeTableFileName).string());
    ASSERT_TRUE(table.ok) << table.error;
    int checked = 0;
    if (fs::exists(folder)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() != ".Zel") continue;
            Project project;
            const ZelLoadResult loaded = LoadZelFile(entry.path().string(), project);
            ASSERT_TRUE(loaded.Ok()) << entry.path() << ": " << loaded.message;
            ScriptedPrompter user;
            InputArea area(user);
            area.loadingFile = true;
            area.SelectInputUnits(project.settings.inputIsSI() ? 1 : 0);
            area.loadingFile = false;
            for (int slot = 1; slot <= project.BeamCount(); ++slot) {
                SCOPED_TRACE(testing::Message() << entry.path().filename() << " beam " << slot);
                const BeamRecord& beam = project.Beam(slot);
                EXPECT_TRUE(RoundTrip(area, beam, table.table) == beam);
                ++checked;
            }
            EXPECT_TRUE(user.asked.empty());
        }
    }
    if (checked == 0) GTEST_SKIP() << "no sample projects in " << folder;
}

TEST_F(InputAreaTest, ClearEmptiesTheArea) {
    TypeSimpleBeam();
    Type(Field::MemberName, "G1");
    TypeUniform("500", "0", "6", "1");
    area.AddLoad();
    Type(Field::Load0, "250");  // typed, not added
    area.SelectMomentPositionMode(1);
    Type(Field::MomentPosition, "2");
    area.SetCalculationFlag(1, true);
    area.SelectSectionCount(2);
    area.SelectLoad(0);

    area.ClearInputArea();
    EXPECT_TRUE(area.View().calcSheetButton.enabled);
    EXPECT_FALSE(area.View().deleteLoadButton.enabled);
    EXPECT_FALSE(area.memberModified);
    for (int f = 0; f < kMemberFieldCount; ++f) {
        EXPECT_EQ(area.Text(static_cast<Field>(f)), "") << f;
    }
    EXPECT_TRUE(area.LoadLines().empty());
    EXPECT_EQ(area.View().loadCounter.caption, "");
    EXPECT_EQ(area.MomentPositionMode(), 0);
    EXPECT_FALSE(area.View().momentField.enabled);
    EXPECT_FALSE(area.CalculationFlag(1));
    EXPECT_FALSE(area.Diagram().has_value());
    EXPECT_FALSE(area.fillingForm);
    for (const std::string& slot : area.CarryOverBuffer()) EXPECT_EQ(slot, "");
    area.SelectLoadType(1);
    EXPECT_EQ(area.Text(Field::Load0), "");
}

TEST_F(InputAreaTest, ApplyDefaultsResetsTheAreaAndTheProjectSettings) {
    TypeSimpleBeam();
    area.SetCalculationFlag(0, true);
    area.SelectSectionCount(2);
    area.SetSpanTypeChoice(4, {0.5f, 0.5f, 0.5f});

    ProjectSettings settings;
    SheetFontSetting font;
    DefaultsRecord defaults = BuiltInDefaults();
    defaults.shortTerm = 1;
    area.ApplyDefaults(defaults, settings, font);
    EXPECT_TRUE(user.asked.empty());  // no unit warning on a reset
    EXPECT_TRUE(area.InputIsSI());
    EXPECT_TRUE(area.OutputIsSI());
    EXPECT_EQ(area.UnitCode(), 3);
    EXPECT_EQ(area.Text(Field::Fc), "21");  // 210 kg/cm2 shown in N/mm2
    EXPECT_EQ(area.View().fcUnit.caption, "(N/mm2)");
    EXPECT_EQ(area.Text(Field::CompressionRatio), "0.5");
    EXPECT_EQ(area.Text(Field::BarLayers), "2");
    EXPECT_EQ(area.Text(Field::StirrupLegs), "2");
    EXPECT_EQ(area.Text(Field::StirrupPitch), "250");
    EXPECT_EQ(area.Text(Field::Span), "");
    EXPECT_EQ(area.MainBarSizeText(), "D16");
    EXPECT_EQ(area.MainBarSizePosition(), 2);
    EXPECT_EQ(area.StirrupSizeText(), "D10");
    EXPECT_EQ(area.SectionOption(), 0);
    EXPECT_EQ(area.SpanType(), 0);
    EXPECT_EQ(area.View().spanTypeCaption.caption, "単スパン");
    EXPECT_EQ(area.UserCoefficients(), (std::array<float, 3>{1.0f, 0.0f, 1.0f}));
    EXPECT_FALSE(area.CalculationFlag(0));
    EXPECT_TRUE(area.CalculationFlag(1));
    EXPECT_FALSE(area.memberModified);
    EXPECT_FALSE(area.fillingForm);
    EXPECT_FALSE(area.loadingFile);
    EXPECT_EQ(settings.unitCode, 3);
    EXPECT_EQ(settings.sheetTitle, "梁断面算定結果");
    EXPECT_EQ(settings.pageNumberMode, 2);
    EXPECT_EQ(settings.firstPageNumber, 1);
    EXPECT_EQ(font.fontName, "ＭＳ 明朝");

    // Conventional defaults with round bars.
    defaults.unitCode = 0;
    defaults.mainBarGrade = 2;
    defaults.mainBarSize = "22φ";
    defaults.concreteFc = 240;
    defaults.fontChoice = 1;
    area.ApplyDefaults(defaults, settings, font);
    EXPECT_EQ(area.Text(Field::Fc), "240");
    EXPECT_EQ(area.View().fcUnit.caption, "(kg/cm2)");
    EXPECT_EQ(area.MainBarSizeText(), "22φ");
    EXPECT_EQ(area.MainBarSizePosition(), 3);
    EXPECT_EQ(settings.unitCode, 0);
    EXPECT_EQ(font.fontName, "ＭＳ ゴシック");
}

}  // namespace
}  // namespace zel::test
