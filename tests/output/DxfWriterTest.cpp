// The DXF writer read back by ezdxf: texts in any script, the pages side by side in one model
// space, and a refused target.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "output/DxfWriter.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

std::string CommandOutput(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
    return out;
}

TEST(DxfWriter, TextsInAnyScriptAndPagesSideBySideReadBackWithEzdxf) {
    Drawing drawing;
    drawing.scale = 30;
    const std::vector<std::string> texts = {"2G1 (X1通り)", "ｽﾀｰﾗｯﾌﾟ", "2-9φ@200",
                                            "400×700",      "梁가나",  "€"};
    for (int page = 0; page < 2; ++page) {
        DrawingPage p;
        p.circles.push_back({DrawingLayer::Bar, {100.0, 200.0}, 12.5, true});
        p.texts.push_back({DrawingLayer::Text,
                           {10.0, 20.0},
                           75.0,
                           0.8,
                           DrawingAlign::Right,
                           false,
                           texts[static_cast<std::size_t>(page)]});
        drawing.pages.push_back(p);
    }
    for (std::size_t i = 2; i < texts.size(); ++i)
        drawing.pages[1].texts.push_back(
            {DrawingLayer::Text, {10.0, 20.0}, 75.0, 1.0, DrawingAlign::Left, false, texts[i]});
    drawing.pages[1].texts.push_back(
        {DrawingLayer::Text, {0, 0}, 75.0, 1.0, DrawingAlign::Left, false, "\xF0\x9F\x98\x80"});

    const fs::path dxf = fs::temp_directory_path() / "zel_dxf_writer_test.dxf";
    ASSERT_EQ(WriteDxfFile(dxf.string(), drawing), "");
    const std::string script =
        "import ezdxf, json\n"
        "from ezdxf import recover\n"
        "doc, auditor = recover.readfile('" +
        dxf.string() +
        "')\n"
        "msp = doc.modelspace()\n"
        "print(json.dumps({'errors': len(auditor.errors) + len(doc.audit().errors),\n"
        "  'encoding': doc.encoding, 'units': doc.header.get('$INSUNITS'),\n"
        "  'texts': [t.dxf.text for t in msp.query('TEXT')],\n"
        "  'text': [[t.dxf.align_point.x, t.dxf.align_point.y, t.dxf.height, t.dxf.width,\n"
        "            t.dxf.halign, t.dxf.valign] for t in msp.query('TEXT')][0],\n"
        "  'circles': [[c.dxf.center.x, c.dxf.center.y, c.dxf.radius]\n"
        "              for c in msp.query('CIRCLE')]}))\n";
    std::ofstream(fs::temp_directory_path() / "zel_dxf_writer_test.py") << script;
    const std::string out =
        CommandOutput("/usr/bin/python3 '" +
                      (fs::temp_directory_path() / "zel_dxf_writer_test.py").string() + "'");
    const nlohmann::json j = nlohmann::json::parse(out, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << out;
    EXPECT_EQ(j["errors"], 0);
    EXPECT_EQ(j["encoding"], "cp932");
    EXPECT_EQ(j["units"], 4);  // millimetres
    std::vector<std::string> expected = texts;
    expected.push_back("?");  // beyond what a \U+ escape can hold
    EXPECT_EQ(j["texts"].get<std::vector<std::string>>(), expected);
    // y upwards from the foot of the pages (297 mm of paper at 1:30); the second page 440 mm
    // of paper to the right.
    EXPECT_EQ(j["text"], (nlohmann::json{10.0, 297.0 * 30 - 20.0, 75.0, 0.8, 2, 2}));
    EXPECT_EQ(j["circles"],
              (nlohmann::json{{100.0, 8910.0 - 200.0, 12.5}, {100.0 + 440.0 * 30, 8710.0, 12.5}}));

    // A folder where the file should be is refused, not written through.
    const fs::path folder = fs::temp_directory_path() / "zel_dxf_writer_folder.dxf";
    fs::create_directories(folder);
    EXPECT_NE(WriteDxfFile(folder.string(), drawing), "");
    EXPECT_TRUE(fs::is_directory(folder));
    fs::remove_all(folder);
    if (!std::getenv("ZEL_KEEP_TEST_FILES")) fs::remove(dxf);
}

}  // namespace
}  // namespace zel
