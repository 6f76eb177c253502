// `zel calc`: the JSON contract, the table and --save, run through the real program.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "../calc/CalcTestBeams.h"
#include "ZelRunner.h"
#include "calc/CalculateBeam.h"
#include "data/ZelFile.h"

namespace zel {
namespace {

namespace fs = std::filesystem;
using testing_beams::ProjectOf;
using testing_beams::TypicalBeam;
using test::RunZel;

class CalcCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("zel_calc_cli_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        BeamRecord broken = TypicalBeam("壊れた梁");
        broken.sectionWidth = {0.0f, 0.0f, 0.0f};
        BeamRecord skipped = TypicalBeam("skip");
        skipped.skipBeam = 1;
        BeamRecord heavy = TypicalBeam("G2");
        heavy.loadValue[0] = 8.0f;
        project_ = ProjectOf({TypicalBeam("G1"), broken, skipped, heavy});
        file_ = (dir_ / "beams.Zel").string();
        ASSERT_TRUE(SaveZelFile(file_, project_).ok);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    std::string file_;
    Project project_;
};

TEST_F(CalcCommand, JsonFollowsTheContract) {
    const test::ShellRun run = RunZel("calc '" + file_ + "' --json");
    ASSERT_EQ(run.exitCode, 0);
    const auto json = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(json["unitCode"], 0);
    EXPECT_EQ(json["beamCount"], 4);
    ASSERT_EQ(json["beams"].size(), 4u);

    // The numbers are exactly those of the calculation, Single for Single.
    Project expected = project_;
    const CalcResult g1 = CalculateBeam(expected, 1);
    const auto& b1 = json["beams"][0];
    std::vector<std::string> keys;
    for (const auto& item : b1.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"slot", "memberName", "skipBeam", "allowable",
                                              "loadEffects", "designStresses", "sections",
                                              "anyPlacementFailed", "judgement"}));
    EXPECT_EQ(b1["slot"], 1);
    EXPECT_EQ(b1["memberName"], "G1");
    EXPECT_EQ(b1["skipBeam"], false);
    EXPECT_EQ(b1["allowable"]["fs"].get<float>(), g1.fs);
    EXPECT_EQ(b1["allowable"]["wft"].get<float>(), g1.wft);
    EXPECT_EQ(b1["loadEffects"]["CL"].get<float>(), g1.loadEffects.CL);
    EXPECT_EQ(b1["loadEffects"]["QR"].get<float>(), g1.loadEffects.QR);
    EXPECT_EQ(b1["designStresses"]["Mcentre"].get<float>(), g1.designStresses.Mcentre);
    EXPECT_EQ(b1["designStresses"]["Qcentre"].get<float>(), 0.0f);
    ASSERT_EQ(b1["sections"].size(), 3u);
    const auto& centre = b1["sections"][1];
    EXPECT_EQ(centre.size(), 16u);  // with "why" and "ratios"
    EXPECT_EQ(centre["dt"].get<float>(), g1.sections[1].dt);
    EXPECT_EQ(centre["j"].get<float>(), g1.sections[1].j);
    EXPECT_EQ(centre["atRequired"].get<float>(), g1.sections[1].atRequired);
    EXPECT_EQ(centre["pw"].get<float>(), g1.sections[1].pw);
    EXPECT_EQ(centre["tensionBars"], g1.sections[1].tensionBars);
    EXPECT_EQ(centre["bottomBars"], g1.sections[1].bottomBars);
    EXPECT_EQ(centre["placementFailed"], 0);
    EXPECT_EQ(b1["anyPlacementFailed"], 0);
    EXPECT_EQ(b1["judgement"], "OK");

    const auto& broken = json["beams"][1];
    EXPECT_EQ(broken["memberName"], "壊れた梁");
    EXPECT_EQ(broken["judgement"], "設計不可");
    EXPECT_EQ(broken["anyPlacementFailed"], 1);
    ASSERT_TRUE(broken.contains("error"));
    EXPECT_FALSE(broken["error"].get<std::string>().empty());

    const auto& skipped = json["beams"][2];
    EXPECT_EQ(skipped.size(), 3u);
    EXPECT_EQ(skipped["skipBeam"], true);

    const auto& heavy = json["beams"][3];
    EXPECT_EQ(heavy["anyPlacementFailed"], 1);
    EXPECT_EQ(heavy["judgement"], "設計不可");
    EXPECT_FALSE(heavy.contains("error"));

    // Floats carry the digits of the Single, not a rounded text.
    EXPECT_NE(run.out.find("\"fs\":0.0069999997"), std::string::npos) << run.out.substr(0, 300);
}

TEST_F(CalcCommand, TableShowsEveryBeamInTheFileUnits) {
    const test::ShellRun run = RunZel("calc '" + file_ + "'");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("1  G1  OK"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2  壊れた梁  設計不可"), std::string::npos);
    EXPECT_NE(run.out.find("計算できません"), std::string::npos);
    EXPECT_NE(run.out.find("(この梁は計算しない)"), std::string::npos);
    EXPECT_NE(run.out.find("M(t·m)"), std::string::npos);
    EXPECT_NE(run.out.find("-D22"), std::string::npos);
    EXPECT_NE(run.out.find("2-D10@"), std::string::npos);

    project_.settings.SetUnits(false, true);
    ASSERT_TRUE(SaveZelFile(file_, project_).ok);
    const test::ShellRun si = RunZel("calc '" + file_ + "'");
    EXPECT_NE(si.out.find("M(kN·m)"), std::string::npos);
    EXPECT_NE(si.out.find("N/mm2"), std::string::npos);
}

TEST_F(CalcCommand, SaveWritesTheResultRecords) {
    Project before;
    ASSERT_TRUE(LoadZelFile(file_, before).Ok());
    EXPECT_EQ(before.resultSummary.resultCount, 0);
    const test::ShellRun run = RunZel("calc '" + file_ + "' --save");
    ASSERT_EQ(run.exitCode, 0);
    Project after;
    ASSERT_TRUE(LoadZelFile(file_, after).Ok());
    EXPECT_EQ(after.resultSummary.resultCount, 4);
    EXPECT_EQ(after.Result(1).memberName, "G1");
    EXPECT_EQ(after.Result(1).sectionLabels[0], "全断面");
    EXPECT_GT(after.Result(1).stirrupPitch[0], 0);
    EXPECT_EQ(after.Result(3).memberName, "");  // skipped beam: untouched
    EXPECT_EQ(after.Beam(1).allowableStresses.ft, 2.2f);
    // Without --save the file is left alone.
    const auto size = fs::file_size(file_);
    const auto time = fs::last_write_time(file_);
    ASSERT_EQ(RunZel("calc '" + file_ + "' --json").exitCode, 0);
    EXPECT_EQ(fs::file_size(file_), size);
    EXPECT_EQ(fs::last_write_time(file_), time);
}

TEST_F(CalcCommand, UnreadableFilesFail) {
    EXPECT_NE(RunZel("calc '" + (dir_ / "missing.Zel").string() + "'").exitCode, 0);
    const std::string junk = (dir_ / "junk.Zel").string();
    FILE* f = std::fopen(junk.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("not a data file", f);
    std::fclose(f);
    EXPECT_NE(RunZel("calc '" + junk + "' --json").exitCode, 0);
    EXPECT_EQ(RunZel("calc").exitCode, 2);
}

}  // namespace
}  // namespace zel
