// `zel info`, `zel export`, `zel import`, run through the real program.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "../data/TempDir.h"
#include "../data/ZelLayout.h"
#include "ZelRunner.h"
#include "data/ZelFile.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

using test::ReadBytes;
using test::Quote;
using test::RunZel;
using test::TempDir;
using test::WriteBytes;

TEST(DataCommandTest, ExportThenImportIsByteIdentical) {
    TempDir dir;
    std::mt19937 rng(77);
    // Random numbers everywhere (NaNs in floats included), odd texts, full result slots.
    std::vector<std::string> files = {test::RandomZel(rng), test::RandomZel(rng)};
    {
        Project p;
        p.settings.beamCount = 1;
        p.settings.sheetTitle = "梁断面算定結果";
        p.Beam(1).memberName = "大梁G1";
        p.Beam(1).loadLengths[19][3] = -0.0f;
        p.Beam(1).selfWeight = 0.396;
        p.font.fontName = "ＭＳ 明朝";
        files.push_back(EncodeZel(p));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string zel = dir.file("in" + std::to_string(i) + ".Zel");
        const std::string json = dir.file("in" + std::to_string(i) + ".json");
        const std::string back = dir.file("back" + std::to_string(i) + ".Zel");
        WriteBytes(zel, files[i]);
        const test::ShellRun exported = RunZel("export " + Quote(zel));
        // Random counts make a damaged file: exported all the same, with its warning.
        ASSERT_TRUE(exported.exitCode == 0 || exported.exitCode == 4) << exported.err;
        WriteBytes(json, exported.out);
        const auto j = nlohmann::json::parse(exported.out);
        EXPECT_EQ(j["beams"].size(), 50u);
        EXPECT_EQ(j["results"].size(), 100u);
        EXPECT_TRUE(j["beams"][0].contains("userCoefficients"));

        // Values out of range are refused unless asked to rebuild the file as it was.
        const test::ShellRun imported =
            RunZel("import --unchecked " + Quote(json) + " -o " + Quote(back));
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        EXPECT_TRUE(ReadBytes(back) == files[i]) << "file " << i;
    }
    // Sound files need no such leave: the sample floor, and random projects of beams an engineer
    // might enter, in both unit systems.
    std::mt19937 projects(19);
    std::vector<std::string> sound = {std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel"};
    for (bool si : {false, true}) {
        sound.push_back(dir.file(si ? "random-si.Zel" : "random.Zel"));
        WriteBytes(sound.back(), EncodeZel(test::RandomProject(projects, si, kMaxBeams)));
    }
    for (const std::string& file : sound) {
        const std::string json = dir.file("sound.json");
        WriteBytes(json, RunZel("export " + Quote(file)).out);
        const test::ShellRun imported =
            RunZel("import " + Quote(json) + " -o " + Quote(dir.file("sound.Zel")));
        ASSERT_EQ(imported.exitCode, 0) << file << ": " << imported.err;
        EXPECT_TRUE(ReadBytes(dir.file("sound.Zel")) == ReadBytes(file)) << file;
    }
}

TEST(DataCommandTest, InfoShowsUnitsTitleAndOneLinePerBeam) {
    TempDir dir;
    Project p;
    p.settings.beamCount = 2;
    p.settings.unitCode = 2;
    p.settings.sheetTitle = "２階梁";
    BeamRecord& a = p.Beam(1);
    a.memberName = "G1";
    a.spanLength = 7.2f;
    a.sectionCount = 2;
    a.sectionWidth = {40, 35, 0};
    a.sectionDepth = {75, 70, 0};
    a.sectionCover = {5, 5, 0};
    a.loadCount = 2;
    a.loadType = {4, 1};
    a.loadValue = {0.75f, 4.5f};
    p.Beam(2).memberName = "B1";
    p.Beam(2).skipBeam = 1;
    p.Beam(3).memberName = "not in use";
    const std::string path = dir.file("p.Zel");
    WriteBytes(path, EncodeZel(p));

    const test::ShellRun run = RunZel("info " + Quote(path));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("units: input SI (N, kN), output conventional (kg, t)"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("title: ２階梁\n"), std::string::npos);
    EXPECT_NE(run.out.find("beams: 2\n"), std::string::npos);
    EXPECT_NE(
        run.out.find("1  G1  span 7.2 m  sections 40x75/5, 35x70/5  loads 2: 4:等分布荷重 0.75; "
                     "1:集中荷重 4.5\n"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("2  B1  span 0 m"), std::string::npos);
    EXPECT_EQ(run.out.find("not in use"), std::string::npos);

    // A short file is shown with a warning and the exit code of a damaged file.
    const std::string shortPath = dir.file("short.Zel");
    WriteBytes(shortPath, EncodeZel(p).substr(0, 2000));
    const test::ShellRun shortRun = RunZel("info " + Quote(shortPath));
    EXPECT_EQ(shortRun.exitCode, 4);
    EXPECT_NE(shortRun.err.find("warning"), std::string::npos) << shortRun.err;
    EXPECT_NE(shortRun.out.find("1  G1"), std::string::npos);
}

TEST(DataCommandTest, ImportBuildsAFileFromAShortScript) {
    TempDir dir;
    const std::string json = dir.file("p.json");
    WriteBytes(json, R"({
      "comment": "written by a script",
      "settings": {"beamCount": 1, "unitCode": 3, "sheetTitle": "梁断面算定結果"},
      "beams": [{"memberName": "大梁", "spanLength": 6, "sectionCount": 1,
                 "sectionWidth": [30], "sectionDepth": [60], "sectionCover": [5],
                 "maxStirrupPitch": 200, "maxBarLayers": 2, "maxStirrupLegs": 2,
                 "reserved": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "0x00000000", "0x0000f87f"]}],
      "font": {"fontChoice": 0, "fontName": "ＭＳ 明朝"}
    })");
    const std::string out = dir.file("p.Zel");
    const test::ShellRun run = RunZel("import " + Quote(json) + " -o " + Quote(out));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Project p;
    ASSERT_TRUE(LoadZelFile(out, p).Ok());
    EXPECT_EQ(p.BeamCount(), 1);
    EXPECT_EQ(p.Beam(1).memberName, "大梁");
    EXPECT_EQ(p.Beam(1).spanLength, 6.0f);
    EXPECT_EQ(p.Beam(1).sectionWidth[1], 0.0f);
    EXPECT_TRUE(std::isnan(p.Beam(1).ReservedDouble()));
    EXPECT_EQ(p.font.fontName, "ＭＳ 明朝");
    EXPECT_EQ(p.header.versionText, "205");
    EXPECT_EQ(ReadBytes(out).size(), kEmptyZelFileSize + 14 + 4 + 9);
}

TEST(DataCommandTest, FailuresGiveAMessageAndANonZeroExit) {
    TempDir dir;
    const std::string missing = dir.file("missing.Zel");
    for (const char* cmd : {"info ", "export "}) {
        const test::ShellRun run = RunZel(cmd + Quote(missing));
        EXPECT_NE(run.exitCode, 0) << cmd;
        EXPECT_NE(run.err.find("missing.Zel"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }

    const std::string foreign = dir.file("foreign.Zel");
    WriteBytes(foreign, "not a data file at all");
    const test::ShellRun refused = RunZel("info " + Quote(foreign));
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_NE(refused.err.find("のデータではありません"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("File Name: foreign.Zel"), std::string::npos) << refused.err;

    const std::string out = dir.file("out.Zel");
    const test::ShellRun noJson =
        RunZel("import " + Quote(dir.file("none.json")) + " -o " + Quote(out));
    EXPECT_NE(noJson.exitCode, 0);
    EXPECT_NE(noJson.err.find("none.json"), std::string::npos);

    // The target's folder does not exist: reported, nothing written.
    const std::string json = dir.file("ok.json");
    WriteBytes(json, "{}");
    const test::ShellRun cannotWrite =
        RunZel("import " + Quote(json) + " -o " + Quote(dir.file("no/such/dir/x.Zel")));
    EXPECT_NE(cannotWrite.exitCode, 0);
    EXPECT_NE(cannotWrite.err.find("cannot write"), std::string::npos) << cannotWrite.err;
}

struct Refusal {
    const char* json;
    const char* message;  // part of the message after "zel: FILE: "
};
void PrintTo(const Refusal& r, std::ostream* out) {
    *out << r.message;
}

class ImportRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(ImportRefuses, NamingTheFieldAndWritingNothing) {
    TempDir dir;
    const std::string json = dir.file("bad.json");
    const std::string out = dir.file("out.Zel");
    WriteBytes(json, GetParam().json);
    const test::ShellRun run = RunZel("import " + Quote(json) + " -o " + Quote(out));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("zel: " + json + ": ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ImportRefuses,
    ::testing::Values(
        Refusal{"{\"settings\": {", "bad JSON"}, Refusal{"[1, 2]", "expected an object"},
        // Beyond a double: the parser's own refusal, once an abort of the program.
        Refusal{R"({"settings": {"firstPageNumber": 3.5E99046325684}})", "bad JSON"},
        Refusal{R"({"beams": [{"memberNmae": "x"}]})", "beams[0]: unknown field \"memberNmae\""},
        Refusal{R"({"beams": [{"loadCount": 40000}]})", "beams[0].loadCount: integer out of range"},
        Refusal{R"({"beams": [{"loadCount": 1.5}]})", "expected an integer"},
        Refusal{R"({"beams": [{"spanLength": 1e300}]})", "number out of range"},
        Refusal{R"({"beams": [{"loadValue": [1, 2, "x"]}]})", "beams[0].loadValue[2]"},
        Refusal{R"({"settings": {"beamCount": "3"}})", "settings.beamCount"},
        Refusal{R"({"header": {"signature": "OTHER"}})", "header.signature"},
        Refusal{R"({"font": {"fontName": "😀"}})", "Shift-JIS"},
        Refusal{R"({"results": [{"unusedBlock24": "00"}]})", "24 hex digits"},
        // Range checks, named like the JSON names the field.
        Refusal{
            R"({"settings": {"beamCount": 1}, "beams": [{"sectionCount": 1, "spanLength": 60}]})",
            "beams[0].spanLength: 60.0 must be a number above 0 up to 50"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
}  // namespace zel
