// `zel export --format csv` and `zel import FILE.csv`: the round trip through the real program,
// the CSV read by Python's csv, and the refusals with their row and column.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "../data/TempDir.h"
#include "ZelRunner.h"
#include "calc/CalculateBeam.h"
#include "data/ZelFile.h"
#include "lib/ShiftJis.h"
#include "support/SampleBeams.h"

namespace zel {
namespace {

using test::ReadBytes;
using test::Quote;
using test::RunZel;
using test::TempDir;
using test::WriteBytes;

TEST(BeamCsvCommand, RandomProjectsComeBackByteForByteInBothUnitSystems) {
    TempDir dir;
    std::mt19937 rng(2212);
    for (const bool si : {false, true}) {
        // As the program saves a project: its results are the calculation's.
        Project p = test::RandomProject(rng, si, si ? kMaxBeams : 17);
        p.settings.sheetTitle = si ? "Ｒ階梁" : "２階, \"梁\"";
        p.Beam(2).skipBeam = 1;
        p.Beam(4).reserved[11] = std::numeric_limits<float>::quiet_NaN();  // carried as is
        p.Beam(4).loadValue[19] = std::numeric_limits<float>::infinity();  // beyond the count
        p.Beam(4).loadLengths[0][3] = -0.0f;
        CalculateAll(p);
        const std::string zel = dir.file("in.Zel"), csv = dir.file("beams.csv");
        const std::string back = dir.file("back.Zel");
        WriteBytes(zel, EncodeZel(p));
        const test::ShellRun exported = RunZel("export --format csv " + Quote(zel));
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        WriteBytes(csv, exported.out);
        // Python's csv sees a header, one row per beam, and every row as wide as the header.
        const test::ShellRun rows = test::Shell(
            "/usr/bin/python3 -c \"import csv,sys; r=list(csv.reader(open(sys.argv[1], "
            "newline='', encoding='utf-8-sig'))); print(len(r), len(set(map(len, r[1:]))), "
            "r[2][0], r[0][4])\" " +
            Quote(csv));
        EXPECT_EQ(rows.out, std::to_string(p.BeamCount() + 2) + " 1 " + p.Beam(1).memberName + " " +
                                p.settings.sheetTitle + "\n");
        const test::ShellRun imported = RunZel("import " + Quote(csv) + " -o " + Quote(back));
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        EXPECT_TRUE(ReadBytes(back) == ReadBytes(zel)) << (si ? "SI" : "conventional");
    }
}

// The rows of a CSV without quotes, as cells.
using Rows = std::vector<std::vector<std::string>>;

Rows Split(const std::string& text) {
    Rows rows;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end - start);
        rows.emplace_back();
        std::size_t c = 0;
        while (true) {
            const std::size_t comma = line.find(',', c);
            rows.back().push_back(line.substr(c, comma - c));
            if (comma == std::string::npos) break;
            c = comma + 1;
        }
        start = end + 2;
    }
    return rows;
}

std::string Join(const Rows& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) text += (c ? "," : "") + row[c];
        text += "\r\n";
    }
    return text;
}

std::size_t ColumnOf(const Rows& rows, const std::string& caption) {
    for (std::size_t c = 0; c < rows[1].size(); ++c) {
        if (rows[1][c].rfind(caption, 0) == 0) return c;
    }
    ADD_FAILURE() << caption;
    return 0;
}

TEST(BeamCsvCommand, BadCellsAreRefusedWithTheirRowAndColumn) {
    TempDir dir;
    Project p = MakeEmptyProject();
    p.settings.beamCount = 3;
    for (int slot = 1; slot <= 3; ++slot) {
        p.Beam(slot) = test::TypicalBeam(("G" + std::to_string(slot)).c_str());
    }
    p.settings.sheetTitle = "表題";
    const std::string zel = dir.file("p.Zel");
    WriteBytes(zel, EncodeZel(p));
    const std::string exported = RunZel("export --format csv " + Quote(zel)).out.substr(3);
    const Rows good = Split(exported);

    struct Case {
        const char* what;
        std::function<std::string(Rows)> damage;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"bad number",
         [](Rows r) {
             r[2][ColumnOf(r, "スパン長")] = "6.0m";
             return Join(r);
         },
         "3行目 スパン長: 数値ではありません"},
        {"bad integer",
         [](Rows r) {
             r[3][ColumnOf(r, "断面数")] = "2.5";
             return Join(r);
         },
         "4行目 断面数: 整数ではありません"},
        {"out of range",
         [](Rows r) {
             r[4][ColumnOf(r, "スパン長")] = "-6";
             return Join(r);
         },
         "5行目 スパン長: -6.0 must be a number above 0 up to 50"},
        {"too many beams",
         [](Rows r) {
             while (r.size() < 2 + 51) r.push_back(r[2]);
             return Join(r);
         },
         "53行目 部材名: 梁は50本までです"},
        {"too many loads",
         [](Rows r) {
             r[3][ColumnOf(r, "荷重数")] = "21";
             return Join(r);
         },
         "4行目 荷重数: 21 is out of range 0…20"},
        {"a 21st load group",
         [](Rows r) {
             r[1].push_back("荷重21 種類 (1…6)");
             return Join(r);
         },
         "2行目 荷重21 種類: 知らない列です"},
        {"missing column",
         [](Rows r) {
             const std::size_t c = ColumnOf(r, "スパン長");
             for (std::size_t i = 1; i < r.size(); ++i) r[i].erase(r[i].begin() + c);
             return Join(r);
         },
         "2行目 スパン長: 列がありません"},
        {"neither UTF-8 nor Shift-JIS",
         [](Rows r) {
             r[3][0] = "G\xFF\xFE";
             return Join(r);
         },
         "4行目 部材名: UTF-8として読めない文字があります"},
        {"Shift-JIS with a stray byte",
         [](Rows r) {
             std::string sjis = *Utf8ToSjis(Join(r));
             return sjis.replace(sjis.find("G2"), 2, "G\xA0");
         },
         "4行目 部材名: Shift-JISとして読めない文字があります"},
        {"a quote left open",
         [](Rows r) {
             r[4][0] = "\"G3";
             return Join(r);
         },
         "行目: CSVとして読めません"},
    };
    const std::string csv = dir.file("bad.csv"), out = dir.file("out.Zel");
    for (const Case& c : cases) {
        WriteBytes(csv, c.damage(good));
        const test::ShellRun run = RunZel("import " + Quote(csv) + " -o " + Quote(out));
        EXPECT_EQ(run.exitCode, 1) << c.what;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.what;
    }
    // The undamaged text, in Shift-JIS, is taken.
    WriteBytes(csv, *Utf8ToSjis(exported));
    const test::ShellRun run = RunZel("import " + Quote(csv) + " -o " + Quote(out));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    CalculateAll(p);
    EXPECT_TRUE(ReadBytes(out) == EncodeZel(p));
}

}  // namespace
}  // namespace zel
