// The field views on the recording surface: colours of the wall streamline,
// the mesh and its window, and the pressure legend's rows.

#include <gtest/gtest.h>

#include "analysis/FieldLevels.h"
#include "plot/FieldPlots.h"
#include "plot/RecordingSurface.h"
#include "support/FieldDrawing.h"
#include "support/NullSeam.h"

namespace aerolune::plot {
namespace {

using Kind = RecordedCall::Kind;

AppState solvedState(const char* angle) {
    AppState state;
    state.texts.angleText = angle;
    state.analysis.boundaryLayerPending = false;
    return test::recomputed(state);
}

int linesIn(const RecordingSurface& surface, int palette) {
    int n = 0;
    for (const auto& c : surface.of(Kind::Line)) n += c.pen.colour == Colour(palette) ? 1 : 0;
    return n;
}

TEST(FieldViews, WallStreamlineAndOutlineTakeTheForeground) {
    for (const int16_t foreground : {int16_t{0}, int16_t{15}}) {
        AppState state = solvedState("5");
        state.display.foregroundColour = foreground;
        const FieldViewData data = computeFieldView(state, 4);
        ASSERT_GT(data.segments.count(kStreamlineLevelCount), 0);

        RecordingSurface surface;
        test::computeAndDrawField(surface, state, 4);
        // Ring 1 node to node, then every segment of the wall level.
        EXPECT_EQ(linesIn(surface, foreground), data.mesh.I - 1 + data.segments.count(kStreamlineLevelCount))
            << foreground;
        EXPECT_GT(linesIn(surface, 9), 0);
        EXPECT_GT(linesIn(surface, 12), 0);
    }
}

TEST(FieldViews, KeptStreamlinesRedrawInTheNewForegroundWithoutRecomputing) {
    AppState state = solvedState("5");
    state.display.foregroundColour = 0;
    RecordingSurface first;
    test::computeAndDrawField(first, state, 4);
    const int wall = state.analysis.field.segments.count(kStreamlineLevelCount);
    ASSERT_GT(wall, 0);
    // The background turns black: the kept field is recoloured, not rebuilt.
    recolourLevels(state.analysis.field, 15);
    RecordingSurface second;
    drawFieldView(second, state.analysis.field, viewWindow(state, 4), 15);
    EXPECT_EQ(linesIn(second, 15), state.analysis.field.mesh.I - 1 + wall);
}

TEST(FieldViews, MeshDrawsEveryLineAndStoresTheEqualScaleWindow) {
    AppState state = solvedState("0");
    state.mesh.pointsAround = 41;
    state.mesh.rings = 21;
    state.display.foregroundColour = 15;
    RecordingSurface surface(1200, 800);
    test::computeAndDrawField(surface, state, 6);
    EXPECT_EQ(linesIn(surface, 15), 41 * 20 + 21 * 40);
    EXPECT_EQ(surface.calls().size(), 41u * 20 + 21 * 40);
    // x -0.5..1.5 across 1200 pixels: 800 pixels hold 4/3 chord about y = 0.
    EXPECT_DOUBLE_EQ(state.display.meshWindow.yMin, -2.0 / 3.0);
    EXPECT_DOUBLE_EQ(state.display.meshWindow.yMax, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(surface.scaleTop(), 2.0 / 3.0);
    EXPECT_EQ(state.display.fieldWindow.yMin, -1.0);  // the other window is left alone
}

TEST(FieldViews, PressureLegendListsTheRowsThatFit) {
    // The recording surface's line is 1.2 font heights: 8 pt at 96 dpi is
    // 12.8 pixels. In 100 pixels the title takes the second line and rows
    // fit while their bottom stays at or above pixel 100: five rows. Row k
    // ends at (k + 2) x 12.8 pixels: the sixth exactly at 102.4.
    const struct {
        double heightPx;
        std::size_t rows;
    } cases[] = {{800, 11}, {100, 5}, {102.4, 6}, {102.3, 5}, {38.4, 1}, {38.3, 0}, {20, 0}};
    const FieldLevelSet levels = pressureLevels(0.5, 0.5);  // CpHigh = CpLow: all levels equal
    for (const auto& c : cases) {
        RecordingSurface surface(1200, c.heightPx);
        setEqualScale(surface, {-0.5, 1.5, -1, 1});
        drawPressureLegend(surface, levels);
        const auto texts = surface.texts();
        ASSERT_EQ(texts.size(), c.rows + 1) << c.heightPx;
        EXPECT_EQ(texts[0], kPressureLegendTitle);
        for (std::size_t r = 1; r < texts.size(); ++r) EXPECT_EQ(texts[r], "          Cp = 0.5000");
        EXPECT_EQ(surface.of(Kind::Line).size(), c.rows);
        const double bottom = surface.scaleTop() + surface.scaleHeight();
        const auto rows = surface.of(Kind::Text);
        for (std::size_t r = 1; r < rows.size(); ++r)
            EXPECT_GE(rows[r].y1 - surface.textHeight("X"), bottom - 1e-9);
        // One box of the background colour, drawn first, under every legend line.
        const auto boxes = surface.of(Kind::FilledBox);
        ASSERT_EQ(boxes.size(), 1u) << c.heightPx;
        EXPECT_EQ(surface.calls().front().kind, Kind::FilledBox);
        const RecordedCall& box = boxes[0];
        EXPECT_EQ(box.pen.colour, surface.backColor());
        EXPECT_DOUBLE_EQ(std::max(box.x1, box.x2), surface.scaleLeft() + surface.scaleWidth());
        for (const RecordedCall& t : rows) {
            EXPECT_GE(t.x1, std::min(box.x1, box.x2));
            for (double y : {t.y1, t.y1 - surface.textHeight("X")})  // y grows upwards here
                EXPECT_TRUE(y >= std::min(box.y1, box.y2) - 1e-9 && y <= std::max(box.y1, box.y2) + 1e-9)
                    << y;
        }
    }
}

TEST(FieldViews, PressureLegendLeavesTheSectionClearInASmallPlotArea) {
    // On 360 x 300 pixels the legend at 8 pt (recording metrics: 96 pixels
    // wide, 13 lines of 12.8) reaches down over the trailing edge at x = 1.
    // A smaller font clears it; zoomed onto the trailing edge no size can,
    // and the legend keeps the caller's font.
    const struct {
        const char* angle;
        FieldWindow window;
        bool shrinks;
    } cases[] = {
        {"0", kResetFieldWindow, true}, {"-8", kResetFieldWindow, true}, {"0", {0.8, 1.2, -1, 1}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.angle) + (c.shrinks ? "" : " zoomed"));
        AppState state = solvedState(c.angle);
        storeViewWindow(state, 5, c.window);
        const FieldMesh mesh = computeFieldView(state, 5).mesh;
        RecordingSurface surface(360, 300);
        test::computeAndDrawField(surface, state, 5);
        const auto texts = surface.of(Kind::Text);
        ASSERT_EQ(texts.size(), 12u);  // the title and 11 rows
        const double points = texts.front().font.points;
        if (!c.shrinks) {
            EXPECT_EQ(points, 8);
            continue;
        }
        EXPECT_LT(points, 8);
        EXPECT_GE(points, kSmallestLegendPoints);
        const RecordedCall box = surface.of(Kind::FilledBox).at(0);
        for (const auto& [x, y] : sectionOutline(mesh))
            EXPECT_FALSE(x >= std::min(box.x1, box.x2) && y >= std::min(box.y1, box.y2) &&
                         y <= std::max(box.y1, box.y2))
                << x << ", " << y;
    }
}

}  // namespace
}  // namespace aerolune::plot
