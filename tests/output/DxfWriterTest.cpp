// The DXF writer read back by ezdxf: texts in any script, y upwards, the pages side by side.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>

#include "output/DxfWriter.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

TEST(DxfWriter, TextsInAnyScriptAndPagesSideBySideReadBackWithEzdxf) {
    Drawing drawing;
    drawing.scale = 30;
    drawing.pages.resize(2);
    // Names beyond Shift-JIS go as \U+ escapes; beyond four hex digits only "?" is left.
    const std::vector<std::string> texts = {"2G1 (X1通り)", "ｽﾀｰﾗｯﾌﾟ", "2-9φ@200", "梁가나",
                                            "\xF0\x9F\x98\x80"};
    for (const std::string& t : texts)
        drawing.pages[0].texts.push_back(
            {DrawingLayer::Text, {10.0, 20.0}, 75.0, 0.8, DrawingAlign::Right, false, t});
    drawing.pages[1].circles.push_back({DrawingLayer::Bar, {100.0, 200.0}, 12.5, true});
    const fs::path dxf = fs::temp_directory_path() / "zel_dxf_writer_test.dxf";
    ASSERT_EQ(WriteDxfFile(dxf.string(), drawing), "");

    const std::string script =
        "import ezdxf, json; from ezdxf import recover\n"
        "doc, audit = recover.readfile('" +
        dxf.string() +
        "'); msp = doc.modelspace()\n"
        "t = msp.query('TEXT')\n"
        "print(json.dumps([len(audit.errors) + len(doc.audit().errors), doc.encoding,\n"
        "  [x.dxf.text for x in t], [t[0].dxf.align_point.x, t[0].dxf.align_point.y,\n"
        "  t[0].dxf.width, t[0].dxf.halign, t[0].dxf.valign],\n"
        "  [[c.dxf.center.x, c.dxf.center.y, c.dxf.radius] for c in msp.query('CIRCLE')]]))";
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        popen(("/usr/bin/python3 -c \"" + script + "\"").c_str(), "r"), pclose);
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
    const nlohmann::json j = nlohmann::json::parse(out, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << out;
    EXPECT_EQ(j[0], 0);  // audit errors
    EXPECT_EQ(j[1], "cp932");
    std::vector<std::string> expected(texts.begin(), texts.end() - 1);
    expected.push_back("?");
    EXPECT_EQ(j[2].get<std::vector<std::string>>(), expected);
    // y upwards from the foot of the pages (297 mm of paper at 1:30), the text's middle right.
    EXPECT_EQ(j[3], (nlohmann::json{10.0, 297.0 * 30 - 20.0, 0.8, 2, 2}));
    // The second page 420 + 20 mm of paper to the right of the first.
    EXPECT_EQ(j[4], (nlohmann::json{{100.0 + 440.0 * 30, 297.0 * 30 - 200.0, 12.5}}));
    fs::remove(dxf);
}

}  // namespace
}  // namespace zel
