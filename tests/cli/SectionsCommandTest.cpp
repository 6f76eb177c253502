// `zel sections`: the section list of the samples and of random projects, read back by ezdxf
// and pdftotext and held against `zel check` (tests/cli/sections_check.py), and its refusals.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include "../output/RandomBeams.h"
#include "ZelRunner.h"
#include "data/ZelFile.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

using test::RunZel;
using test::Shell;
using test::ShellRun;

const std::string kSamples = std::string(ZEL_SOURCE_DIR) + "/resources/samples/";

class SectionsCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zel_sections_cli_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // The independent check of one data file; its report in the failure message.
    ShellRun Check(const std::string& data, const std::string& options) {
        const fs::path work = dir / fs::path(data).stem();
        fs::create_directories(work);
        return Shell("/usr/bin/python3 '" + std::string(ZEL_SOURCE_DIR) +
                     "/tests/cli/sections_check.py' '" + ZEL_BIN_DIR + "/zel' '" + data + "' '" +
                     work.string() + "' " + options + " 2>&1");
    }
    bool HasQt() {
        return RunZel("sections '" + kSamples + "floor_si.Zel' -o '" + (dir / "q.pdf").string() +
                      "'")
                   .exitCode != kNoQt;
    }
    static constexpr int kNoQt = 3;

    fs::path dir;
};

TEST_F(SectionsCommand, SamplesAsDxfAndPdfAgreeWithTheCheck) {
    const std::string pdf = HasQt() ? "--pdf" : "";
    for (const auto& [file, scale] : {std::pair{"floor.Zel", 20}, {"floor_si.Zel", 30}}) {
        const ShellRun run = Check(kSamples + file, pdf + " --scale " + std::to_string(scale));
        EXPECT_EQ(run.exitCode, 0) << file << ":\n" << run.out;
        EXPECT_NE(run.out.find(" 0 failures"), std::string::npos) << run.out;
    }
}

TEST_F(SectionsCommand, RandomProjectsAsDxfAgreeWithTheCheck) {
    std::mt19937 rng(2311);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int drawn = 0, undrawn = 0;
    // The last project fills every slot, over several pages.
    int p = 0;
    for (const int beams : {12, 12, 12, kMaxBeams}) {
        ++p;
        Project project = MakeEmptyProject();
        project.settings.sheetTitle = "乱数プロジェクト " + std::to_string(p);
        project.settings.beamCount = static_cast<std::int16_t>(beams);
        for (int i = 1; i <= beams; ++i) {
            BeamRecord& b = project.Beam(i);
            b = test::RandomBeam(rng);
            b.memberName =
                (i % 3 == 0 ? "大梁" : "G") + std::to_string(p) + "-" + std::to_string(i);
            b.assemblyMethod = static_cast<std::int16_t>(pick(0, 4));
            if (b.supportType == 0 && pick(0, 2) == 0) b.sectionCount = 3;
            for (float& c : b.sectionCover) c = static_cast<float>(pick(30, 60)) / 10.0f;
            if (pick(0, 9) == 0) b.sectionWidth = {16.0f, 16.0f, 16.0f};  // one leg
            // Lighter loads than the property tests use: most sections then pass and are drawn.
            for (float& w : b.loadValue) w *= 0.4f;
        }
        const fs::path data = dir / ("random" + std::to_string(p) + ".Zel");
        ASSERT_TRUE(SaveZelFile(data.string(), project).ok);
        const ShellRun run = Check(data.string(), "");
        EXPECT_EQ(run.exitCode, 0) << data << ":\n" << run.out;
        const auto at = run.out.rfind(" beams, ");
        int d = 0, u = 0;
        ASSERT_TRUE(at != std::string::npos &&
                    std::sscanf(run.out.c_str() + at, " beams, %d cells drawn, %d not", &d, &u) ==
                        2)
            << run.out;
        drawn += d;
        undrawn += u;
        std::cout << run.out;
    }
    // Most random sections are drawn; the others say why (checked above).
    EXPECT_GT(drawn, 2 * undrawn) << drawn << " drawn, " << undrawn << " not";
}

TEST_F(SectionsCommand, MistakesAndFailuresAreReportedAndLeaveNoFile) {
    const std::string floor = "'" + kSamples + "floor.Zel'";
    EXPECT_EQ(RunZel("sections " + floor + " -o '" + (dir / "x.svg").string() + "'").exitCode, 2);
    EXPECT_EQ(RunZel("sections " + floor).exitCode, 2);
    EXPECT_EQ(
        RunZel("sections " + floor + " --scale 0 -o '" + (dir / "x.dxf").string() + "'").exitCode,
        2);
    const ShellRun missing = RunZel("sections '" + (dir / "none.Zel").string() + "' -o '" +
                                    (dir / "a.dxf").string() + "'");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(fs::exists(dir / "a.dxf"));

    Project empty = MakeEmptyProject();
    ASSERT_TRUE(SaveZelFile((dir / "empty.Zel").string(), empty).ok);
    const ShellRun nothing = RunZel("sections '" + (dir / "empty.Zel").string() + "' -o '" +
                                    (dir / "e.dxf").string() + "'");
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_NE(nothing.err.find("no beam to draw"), std::string::npos) << nothing.err;
    EXPECT_FALSE(fs::exists(dir / "e.dxf"));

    // A folder where the file should go, or no folder at all: refused, nothing written.
    fs::create_directories(dir / "folder.dxf");
    EXPECT_EQ(RunZel("sections " + floor + " -o '" + (dir / "folder.dxf").string() + "'").exitCode,
              1);
    const ShellRun noFolder =
        RunZel("sections " + floor + " -o '" + (dir / "no" / "x.dxf").string() + "'");
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_NE(noFolder.err.find("cannot write"), std::string::npos) << noFolder.err;

    // A written list is replaced whole: the DXF ends with EOF, upper-case extensions count.
    const fs::path dxf = dir / "LIST.DXF";
    ASSERT_EQ(RunZel("sections " + floor + " -o '" + dxf.string() + "'").exitCode, 0);
    const std::string tail = Shell("tail -c 5 '" + dxf.string() + "'").out;
    EXPECT_EQ(tail, "EOF\r\n");
}

}  // namespace
}  // namespace zel
