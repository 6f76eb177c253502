// `zel calc --json` and `zel check --why` say what decided each section; `zel suggest --apply`
// writes sections that pass, the smallest the search reaches, and leaves the rest alone.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "../calc/RandomProjects.h"
#include "../data/TempDir.h"
#include "ZelRunner.h"
#include "calc/CalculateBeam.h"
#include "calc/SectionSuggestion.h"
#include "data/ZelFile.h"

namespace zel {
namespace {

using test::RunZel;
using test::TempDir;
using Json = nlohmann::json;

const std::string kFloor = std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel";

Project Load(const std::string& path) {
    Project project = MakeEmptyProject();
    EXPECT_TRUE(LoadZelFile(path, project).Ok()) << path;
    return project;
}

bool Passes(const Project& project, int slot, const BeamRecord& beam) {
    Project scratch = project;
    scratch.Beam(slot) = beam;
    return !CalculateBeam(scratch, slot).DesignImpossible();
}

// What `--apply` must have written over `input`: suggested beams pass, one step less depth does
// not (unless it is the depth they started from), and every other byte is as it was.
void ExpectApplied(const std::string& input, const std::string& output, double step, int& changed) {
    const Project before = Load(input);
    const Project after = Load(output);
    Project expected = before;
    Project calculated = before;
    const std::vector<CalcResult> results = CalculateAll(calculated);
    for (const CalcResult& r : results) {
        const BeamRecord& was = before.Beam(r.slot);
        const BeamRecord& now = after.Beam(r.slot);
        if (!r.DesignImpossible() || was == now) {
            EXPECT_EQ(was, now) << r.slot;
            continue;
        }
        ++changed;
        const int w =
            static_cast<int>(std::lround((now.sectionWidth[0] - was.sectionWidth[0]) / step));
        const int d =
            static_cast<int>(std::lround((now.sectionDepth[0] - was.sectionDepth[0]) / step));
        EXPECT_EQ(now, ResizedBeam(was, w, d, step)) << r.slot;
        EXPECT_TRUE(Passes(before, r.slot, now)) << r.slot;
        if (d > 0) {
            EXPECT_FALSE(Passes(before, r.slot, ResizedBeam(was, w, d - 1, step))) << r.slot;
        }
        expected.Beam(r.slot) = now;
    }
    EXPECT_EQ(test::ReadBytes(output), EncodeZel(expected));
}

TEST(WhyCommands, JsonAndCheckSayWhatDecidedEachSection) {
    const test::ShellRun calc = RunZel("calc --json '" + kFloor + "'");
    ASSERT_EQ(calc.exitCode, 0) << calc.err;
    const Json json = Json::parse(calc.out);
    int failures = 0;
    for (const Json& beam : json["beams"]) {
        if (!beam.contains("sections")) continue;
        for (const Json& s : beam["sections"]) {
            EXPECT_TRUE(s["why"]["tension"].is_string());
            EXPECT_TRUE(s["ratios"]["shearRatio"].is_number());
            EXPECT_EQ(s["why"]["failure"].is_string(), s["placementFailed"] == 1);
            failures += s["why"]["failure"].is_string();
        }
    }
    const Json& g6 = json["beams"][9];  // 2G6, the sample's beam that fails
    EXPECT_EQ(g6["sections"][0]["why"]["failure"], "上端筋 11本 > 3本×1段");
    EXPECT_EQ(g6["sections"][1]["why"]["tension"], "cap");
    EXPECT_EQ(g6["sections"][1]["why"]["failure"], "主筋が100本を超える");
    EXPECT_EQ(failures, 3);

    // --why adds three lines to each calculated beam and changes nothing else.
    const test::ShellRun plain = RunZel("check '" + kFloor + "'");
    const test::ShellRun why = RunZel("check --why '" + kFloor + "'");
    ASSERT_EQ(why.exitCode, 0);
    std::istringstream lines(why.out);
    std::string line, rest;
    int whyLines = 0;
    while (std::getline(lines, line)) {
        if (line.find("  主筋:") != std::string::npos) {
            ++whyLines;
            EXPECT_NE(line.find("せん断比 "), std::string::npos) << line;
        } else {
            rest += line + '\n';
        }
    }
    EXPECT_EQ(rest, plain.out);
    EXPECT_EQ(whyLines, 12 * 3);
    EXPECT_NE(
        why.out.find("  中央  主筋:上限100本  ｽﾀｰﾗｯﾌﾟ:最小pw0.2%  ﾋﾟｯﾁ:最大ﾋﾟｯﾁ・D/2  at比 1.53"),
        std::string::npos);
}

TEST(SuggestCommand, SampleFloorGetsAPassingSectionAndKeepsTheRest) {
    TempDir dir;
    const std::string out = dir.file("suggested.Zel");
    const test::ShellRun run = RunZel("suggest '" + kFloor + "' --apply -o '" + out + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("10  2G6 (吹抜け梁)\n  現在 30×50  設計不可 (主筋が100本を超える)\n"
                           "  提案 50×140\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(out + ": 1 beam(s) changed"), std::string::npos);
    int changed = 0;
    ExpectApplied(kFloor, out, 5.0, changed);
    EXPECT_EQ(changed, 1);

    // A beam that passes is left as it is; one that fails within tight limits finds nothing.
    const test::ShellRun ok = RunZel("suggest '" + kFloor + "' --beam 2G1");
    EXPECT_EQ(ok.out, "1  2G1 (X1通り)\n  現在 40×75 / 40×70 / 40×75  OK\n");
    const test::ShellRun none = RunZel("suggest '" + kFloor + "' --max-depth 60 --max-width 40");
    EXPECT_NE(none.out.find("  提案 見つかりません (B≤40cm, D≤60cm)"), std::string::npos);
}

TEST(SuggestCommand, MistakesAreRefused) {
    const struct {
        const char* arguments;
        int exitCode;
    } cases[] = {{"--apply", 2},
                 {"-o x.Zel", 2},
                 {"--step 0", 2},
                 {"--max-depth 0", 2},
                 {"--beam NOBEAM", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(RunZel("suggest '" + kFloor + "' " + c.arguments).exitCode, c.exitCode)
            << c.arguments;
    }
}

TEST(SuggestCommand, RandomProjectsGetPassingSectionsAndKeepTheRest) {
    std::mt19937 rng(2424);
    TempDir dir;
    int changed = 0;
    for (int round = 0; round < 6; ++round) {
        const bool si = round % 2 == 1;
        const std::string in = dir.file("in" + std::to_string(round) + ".Zel");
        const std::string out = dir.file("out" + std::to_string(round) + ".Zel");
        test::WriteBytes(in, EncodeZel(testing_beams::RandomProject(rng, si, 25)));
        const test::ShellRun run =
            RunZel("suggest '" + in + "' --step 2.5 --apply -o '" + out + "'");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ExpectApplied(in, out, 2.5, changed);
    }
    EXPECT_GT(changed, 10);
}

}  // namespace
}  // namespace zel
