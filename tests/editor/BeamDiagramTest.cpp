// The beam diagram as a list of drawing calls.
#include <gtest/gtest.h>

#include "InputAreaFixture.h"
#include "editor/BeamDiagram.h"

namespace zel {
namespace {

constexpr double kTol = 1e-5;

TEST(BeamDiagramTest, ScaleBeamAndSimpleSupports) {
    EXPECT_FALSE(DrawBeam(0, 0).has_value());
    EXPECT_FALSE(DrawBeam(-1, 0).has_value());

    const std::optional<BeamDiagram> d = DrawBeam(5.94, 0);
    ASSERT_TRUE(d.has_value());
    EXPECT_NEAR(d->unit, 0.2, kTol);
    EXPECT_NEAR(d->x0, 0.4, kTol);
    EXPECT_NEAR(d->width, 6.74, kTol);
    EXPECT_NEAR(d->height, 2.0, kTol);
    ASSERT_EQ(d->calls.size(), 7u);  // beam box, two triangles of three lines

    const DiagramCall& beam = d->calls[0];
    EXPECT_EQ(beam.kind, DiagramCall::Box);
    EXPECT_NEAR(beam.x1 - beam.x2 / 2, 0.42, kTol);  // outline shifted 0.1u right of x0
    EXPECT_NEAR(beam.x2, 5.94, kTol);
    EXPECT_NEAR(beam.y1, 0.32, kTol);
    EXPECT_NEAR(beam.y2, 0.16, kTol);
    EXPECT_EQ(beam.penWidth, 22);
    EXPECT_EQ(beam.penColour, kDiagramBlack);
    EXPECT_EQ(beam.fillCode, 0);

    // Right support: apex under the beam end at x0 + L = 6.34.
    const DiagramCall& right = d->calls[4];
    EXPECT_EQ(right.kind, DiagramCall::Line);
    EXPECT_NEAR(right.x1, 6.34, kTol);
    EXPECT_NEAR(right.y1, 0.24, kTol);
    EXPECT_NEAR(right.x2, 6.34 - 0.4 / 3, kTol);
    EXPECT_NEAR(right.y2, 0.04, kTol);
    EXPECT_EQ(right.penWidth, 22);
}

TEST(BeamDiagramTest, CantileverWall) {
    const std::optional<BeamDiagram> d = DrawBeam(5.94, 1);
    ASSERT_TRUE(d.has_value());
    ASSERT_EQ(d->calls.size(), 3u);
    const DiagramCall& wall = d->calls[1];
    EXPECT_EQ(wall.kind, DiagramCall::Box);
    EXPECT_NEAR(wall.x1, 0.2, kTol);
    EXPECT_NEAR(wall.y1, 0.8, kTol);
    EXPECT_NEAR(wall.x2, 0.4, kTol);
    EXPECT_NEAR(wall.y2, 1.6, kTol);
    EXPECT_EQ(wall.penColour, kDiagramWhite);
    EXPECT_EQ(wall.brushColour, kDiagramBlack);
    EXPECT_EQ(wall.fillCode, 6);
    const DiagramCall& face = d->calls[2];
    EXPECT_NEAR(face.x1, 0.4, kTol);
    EXPECT_NEAR(face.y1, 0.0, kTol);
    EXPECT_NEAR(face.y2, 1.6, kTol);
}

TEST(BeamDiagramTest, LoadHeights) {
    const double u = 0.2;
    EXPECT_NEAR(LoadHeightOf(1.0, u).height, 0.6, kTol);
    EXPECT_NEAR(LoadHeightOf(1.0, u).arrow, 0.16, kTol);
    EXPECT_NEAR(LoadHeightOf(0.1, u).height, 0.18, kTol);  // raised to 0.9u
    EXPECT_NEAR(LoadHeightOf(0.1, u).arrow, 0.1, kTol);
    EXPECT_NEAR(LoadHeightOf(5.0, u).height, 1.5, kTol);  // cut at 7.5u
    EXPECT_NEAR(LoadHeightOf(0.0, u).height, 0.0, kTol);

    // Uniform loads with H = 1 on the 5.94 m beam, from list lines in kg/m2.
    auto topOf = [](const std::string& line) {
        std::optional<BeamDiagram> d = DrawBeamWithLoads(5.94, 0, {line}, -1);
        const DiagramCall& rise = d->calls.at(7);
        EXPECT_EQ(rise.penWidth, 14);
        EXPECT_EQ(rise.penColour, kDiagramBlack);
        return rise.y2 - rise.y1;
    };
    EXPECT_NEAR(topOf("4   1000.0  1.0000 0.0000 5.9400"), 0.6, kTol);
    EXPECT_NEAR(topOf("4    100.0  1.0000 0.0000 5.9400"), 0.18, kTol);
    EXPECT_NEAR(topOf("4   5000.0  1.0000 0.0000 5.9400"), 1.5, kTol);
}

TEST(BeamDiagramTest, LoadShapesColoursAndHighlight) {
    const std::vector<std::string> lines = {
        "1   -500.0        2.0000",
        "1    500.0        3.0000",
        "6   1000.0  1.0000 1.0000 2.0000",
    };
    std::optional<BeamDiagram> d = DrawBeamWithLoads(5.94, 0, lines, -1);
    ASSERT_EQ(d->calls.size(), 7u + 3 + 3 + 2);
    // A negative point load is blue, its arrowhead at the top pointing up.
    const DiagramCall& shaft = d->calls[7];
    const DiagramCall& head = d->calls[8];
    EXPECT_EQ(shaft.penColour, kDiagramBlue);
    EXPECT_NEAR(shaft.x1, 2.4, kTol);
    EXPECT_NEAR(shaft.y1, 0.4, kTol);
    EXPECT_NEAR(shaft.y2, 0.7, kTol);  // |P| = 0.5 t: 3 × 0.2 × 0.5 above the beam top
    EXPECT_NEAR(head.x1, 2.4, kTol);
    EXPECT_NEAR(head.y1, shaft.y2, kTol);
    EXPECT_NEAR(head.y2, shaft.y2 - 0.16, kTol);
    EXPECT_NEAR(head.x2, 2.4 - 0.16 / 3, kTol);
    // A positive one is black with the head at the beam, pointing down onto it.
    const DiagramCall& downHead = d->calls[11];
    EXPECT_EQ(downHead.penColour, kDiagramBlack);
    EXPECT_NEAR(downHead.y1, 0.4, kTol);
    EXPECT_NEAR(downHead.y2, 0.56, kTol);
    // The triangle peaks over the middle of its length.
    const DiagramCall& left = d->calls[13];
    EXPECT_NEAR(left.x1, 1.4, kTol);
    EXPECT_NEAR(left.x2, 2.4, kTol);
    EXPECT_NEAR(d->calls[14].x2, 3.4, kTol);

    // The highlighted load is red and drawn last, over the others.
    d = DrawBeamWithLoads(5.94, 0, lines, 1);
    ASSERT_EQ(d->calls.size(), 15u);
    EXPECT_EQ(d->calls.back().penColour, kDiagramRed);
    EXPECT_EQ(d->calls[7].penColour, kDiagramBlue);
    // Unknown types draw nothing.
    d = DrawBeamWithLoads(5.94, 0, {"9    100.0  1.0000 0.0000 1.0000"}, -1);
    EXPECT_EQ(d->calls.size(), 7u);
}

}  // namespace
}  // namespace zel

namespace zel::test {
namespace {

TEST_F(InputAreaTest, DiagramFollowsTheLoadList) {
    TypeSimpleBeam();
    area.FocusLeave(Field::Span);
    ASSERT_TRUE(area.Diagram().has_value());
    EXPECT_EQ(area.Diagram()->calls.size(), 7u);
    TypeUniform("500", "0", "6", "1");
    area.AddLoad();
    EXPECT_EQ(area.Diagram()->calls.size(), 10u);
    area.SelectLoad(0);
    EXPECT_EQ(area.Diagram()->calls.back().penColour, kDiagramRed);
    area.CancelClearLoad();
    EXPECT_EQ(area.Diagram()->calls.back().penColour, kDiagramBlack);
    area.SelectSupportType(1);
    EXPECT_EQ(area.Diagram()->supportType, 1);
    EXPECT_EQ(area.Diagram()->calls.size(), 6u);  // beam, wall, face, three load lines
}

}  // namespace
}  // namespace zel::test
