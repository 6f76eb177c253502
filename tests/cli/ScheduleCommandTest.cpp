// `zel schedule`: the workbook read back by openpyxl and the CSV by Python's csv
// (tests/cli/schedule_read.py), every cell held against the calculation sheet's own cell.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "../data/TempDir.h"
#include "ZelRunner.h"
#include "calc/CalculateBeam.h"
#include "data/ZelFile.h"
#include "lib/Numbers.h"
#include "lib/Version.h"
#include "output/CheckViewTexts.h"
#include "output/SheetBody.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

using nlohmann::json;
using test::Quote;
using test::RunZel;
using test::TempDir;

const std::string kSamples = std::string(ZEL_SOURCE_DIR) + "/resources/samples/";

std::string ReadText(const std::string& path) {
    return test::ReadBytes(path);
}

json Read(const std::string& kind, const std::string& path) {
    const test::ShellRun run =
        test::Shell("/usr/bin/python3 '" + std::string(ZEL_SOURCE_DIR) +
                    "/tests/cli/schedule_read.py' " + kind + " " + Quote(path));
    EXPECT_EQ(run.exitCode, 0) << run.out;
    return run.exitCode == 0 ? json::parse(run.out) : json::object();
}

// Schedule header -> the caption of the sheet body row it is read from ("" where the sheet
// prints it elsewhere).
struct SheetSource {
    const char* header;
    const char* caption;
};
const SheetSource kSources[] = {
    {"部材名", " 部 材 名"},
    {"位置", " 位 置"},
    {"B×D (cm)", " Ｂ×Ｄ (cm)"},
    {"M", "   Ｍ ("},
    {"Q", "   Ｑ ("},
    {"必要at (cm2)", " 必要at (cm2)"},
    {"上端筋", "   主筋上端"},
    {"下端筋", "       下端"},
    {"ｽﾀｰﾗｯﾌﾟ", "   ｽﾀｰﾗｯﾌﾟ"},
    {"引張鉄筋比 pt (%)", " 引張鉄筋比pt(%)"},
    {"あばら筋比 pw (%)", " あばら筋比pw(%)"},
    {"判定", " 判    定"},
};

// "SD345" of " 主筋:SD345  ｽﾀｰﾗｯﾌﾟ:SD295  複筋比=0.50".
std::string After(const std::string& text, const std::string& label) {
    const auto at = text.find(label);
    if (at == std::string::npos) return "?";
    const auto start = at + label.size();
    return text.substr(start, text.find(' ', start) - start);
}

// The rows the sheet stands for: header -> text, one map per expected schedule row.
std::vector<std::map<std::string, std::string>> ExpectedRows(Project& project) {
    std::vector<std::map<std::string, std::string>> rows;
    for (int slot = 1; slot <= project.BeamCount(); ++slot) {
        const BeamRecord& beam = project.Beam(slot);
        if (beam.skipBeam) {
            rows.push_back({{"部材名", beam.memberName}, {"備考", "この梁は計算しない"}});
            continue;
        }
        const CalcResult result = CalculateBeam(project, slot);
        const auto body = SheetBodyRows(
            beam, result, project.placement[static_cast<std::size_t>(slot - 1)], project.settings);
        std::map<std::string, std::string> common{
            {"Fc", FormatGeneral(project.settings.inputIsSI() ? beam.concreteFc / 10.0f
                                                              : beam.concreteFc)},
            {"主筋", After(body[22].cells[0], "主筋:")},
            {"ｽﾀｰﾗｯﾌﾟ材", After(body[22].cells[0], "ｽﾀｰﾗｯﾌﾟ:")}};
        if (!result.Calculated()) {
            common.insert({{"部材名", beam.memberName},
                           {"B×D (cm)", body[2].cells[0]},
                           {"判定", "設計不可"},
                           {"備考", "計算できません: " + result.error}});
            rows.push_back(common);
            continue;
        }
        for (int k = 0; k < ColumnCount(beam); ++k) {
            std::map<std::string, std::string> row = common;
            for (const SheetSource& s : kSources) {
                for (const SheetBodyRow& b : body) {
                    if (b.caption.rfind(s.caption, 0) != 0) continue;
                    row[s.header] = b.cells[b.spansColumns ? 0 : static_cast<std::size_t>(k)];
                }
            }
            rows.push_back(row);
        }
    }
    return rows;
}

// The expected text of a header, found by the header's leading name ("M (t･m)" -> "M").
std::string Expected(const std::map<std::string, std::string>& row, const std::string& header) {
    for (const auto& [name, text] : row) {
        if (header == name || header.rfind(name + " (", 0) == 0) return text;
    }
    return "";
}

// What the workbook cell shows: a number in its number format, or its text.
std::string Shown(const json& cell) {
    if (cell["value"].is_null()) return "";
    if (cell["value"].is_string()) return cell["value"].get<std::string>();
    const double v = cell["value"].get<double>();
    if (cell["format"] == "0.000") return FormatFixed(v, 3);
    return FormatGeneral(static_cast<float>(v));
}

class ScheduleCommand : public ::testing::Test {
  protected:
    TempDir dir;

    void CheckProject(const std::string& zel, const std::string& what) {
        const std::string xlsx = dir.file("s.xlsx"), csv = dir.file("s.csv");
        const std::string sjis = dir.file("sjis.csv");
        for (const std::string& out : {xlsx, csv})
            ASSERT_EQ(RunZel("schedule " + Quote(zel) + " -o " + Quote(out)).exitCode, 0) << what;
        ASSERT_EQ(
            RunZel("schedule " + Quote(zel) + " -o " + Quote(sjis) + " --encoding cp932").exitCode,
            0);
        Project project;
        ASSERT_TRUE(LoadZelFile(zel, project).Ok());
        const auto expected = ExpectedRows(project);
        const json book = Read("xlsx", xlsx);
        const json text = Read("csv", csv);
        const json cp932 = Read("cp932", sjis);
        EXPECT_TRUE(text["bom"]);
        EXPECT_FALSE(cp932["bom"]);
        EXPECT_EQ(text["rows"], cp932["rows"]) << what;

        const json& rows = book["rows"];
        ASSERT_EQ(rows.size(), expected.size() + 1) << what;
        ASSERT_EQ(text["rows"].size(), expected.size() + 1) << what;
        const std::size_t columns = rows[0].size();
        EXPECT_EQ(book["freeze"], "A2");
        EXPECT_EQ(book["filter"], "A1:" + std::string(1, static_cast<char>('A' + columns - 1)) +
                                      std::to_string(expected.size() + 1));
        EXPECT_NE(book["description"].get<std::string>().find(kVersionText), std::string::npos);
        EXPECT_EQ(book["title"], project.settings.sheetTitle);
        for (std::size_t r = 0; r < expected.size(); ++r) {
            const json& cells = rows[r + 1];
            for (std::size_t c = 0; c < columns; ++c) {
                const std::string header = rows[0][c]["value"];
                const std::string want = Expected(expected[r], header);
                EXPECT_EQ(Shown(cells[c]), want) << what << " row " << r + 2 << " " << header;
                EXPECT_EQ(text["rows"][r + 1][c], want) << what << " csv row " << r + 2;
                // Numbers where the sheet shows one.
                if (header.rfind("M (", 0) == 0 && want != "-----" && !want.empty()) {
                    EXPECT_EQ(cells[c]["type"], "n") << what << " row " << r + 2;
                }
                if (header == "判定" && want.find("設計不可") != std::string::npos) {
                    EXPECT_EQ(cells[c]["fill"], "FFFF9999") << what << " row " << r + 2;
                }
                if (!cells[c]["value"].is_null()) {
                    EXPECT_EQ(cells[c]["font"], "ＭＳ ゴシック");
                }
            }
        }
    }
};

TEST_F(ScheduleCommand, EveryCellIsTheSheetsCell) {
    CheckProject(kSamples + "floor.Zel", "floor.Zel");
    CheckProject(kSamples + "floor_si.Zel", "floor_si.Zel");
    std::mt19937 rng(2203);
    for (const bool si : {false, true}) {
        Project p = test::RandomProject(rng, si, 12);
        p.settings.unitCode = si ? 2 : 1;  // input and output units apart
        p.settings.sheetTitle = "乱数[1]: 梁/断面*算定?結果 とても長い表題の続きのそのまた続き";
        p.Beam(3).skipBeam = 1;
        p.Beam(5).sectionWidth = {0.0f, 0.0f, 0.0f};  // cannot be calculated
        p.Beam(6).memberName = "G,\"6\"";
        const std::string zel = dir.file(si ? "si.Zel" : "conv.Zel");
        test::WriteBytes(zel, EncodeZel(p));
        CheckProject(zel, si ? "random SI" : "random");
        const json book = Read("xlsx", dir.file("s.xlsx"));
        EXPECT_EQ(book["sheets"][0],
                  "乱数_1__ 梁_断面_算定_結果 とても長い表題の続きのその");  // 31
        EXPECT_NE(ReadText(dir.file("s.csv")).find(",計算できません: "), std::string::npos);
    }
}

TEST_F(ScheduleCommand, RefusesAnotherExtensionAndKeepsNoHalfFile) {
    const test::ShellRun wrong =
        RunZel("schedule " + Quote(kSamples + "floor.Zel") + " -o " + Quote(dir.file("s.ods")));
    EXPECT_EQ(wrong.exitCode, 2);
    const test::ShellRun folder = RunZel("schedule " + Quote(kSamples + "floor.Zel") + " -o " +
                                         Quote(dir.file("")) + "x.xlsx/");
    EXPECT_NE(folder.exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace zel
