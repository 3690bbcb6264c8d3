// The zoom rules of the field views: Zoom In/Out/Reset, the drag box, the
// equal-scale window, and the rubber band's exclusive-or boxes.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plot/FieldWindow.h"
#include "plot/RecordingSurface.h"
#include "plot/RubberBand.h"

namespace aerolune::plot {
namespace {

using Kind = RecordedCall::Kind;

TEST(FieldZoom, ZoomInAndOutMoveOnlyTheXLimits) {
    const struct {
        FieldWindow before;
        FieldWindow in, out;
    } cases[] = {
        // Width 1.0: the 0.5 steps would leave nothing, so Zoom In stops there.
        {{0.0, 1.0, -1, 1}, {0.0, 1.0, -1, 1}, {-0.5, 1.5, -1, 1}},
        // Width 1.5: half a chord is left, the narrowest step taken.
        {{-0.25, 1.25, -1, 1}, {0.25, 0.75, -1, 1}, {-0.75, 1.75, -1, 1}},
        {{0.0, 1.25, -1, 1}, {0.0, 1.25, -1, 1}, {-0.5, 1.75, -1, 1}},
        {{-0.5, 1.5, -1, 1}, {0.0, 1.0, -1, 1}, {-1.0, 2.0, -1, 1}},
        {{-2.0, 4.0, 0.2, 0.7}, {-1.5, 3.5, 0.2, 0.7}, {-2.5, 4.5, 0.2, 0.7}},
    };
    for (const auto& c : cases) {
        // Exact: steps of 0.5 on values that are sums of quarters.
        EXPECT_NEAR(zoomedIn(c.before).xMin, c.in.xMin, 1e-12);
        EXPECT_NEAR(zoomedIn(c.before).xMax, c.in.xMax, 1e-12);
        EXPECT_EQ(zoomedIn(c.before).yMin, c.before.yMin);
        EXPECT_EQ(zoomedIn(c.before).yMax, c.before.yMax);
        EXPECT_EQ(zoomedOut(c.before), c.out);
    }
}

TEST(FieldZoom, DragBoxBecomesTheWindowUnlessTooNarrow) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double x1, y1, x2, y2;
        bool zooms;
        FieldWindow window;
    } cases[] = {
        {0.2, 0.3, -0.4, -0.1, true, {-0.4, 0.2, -0.1, 0.3}},  // corners in any order
        {0.0, 0.0, 0.01, 0.5, true, {0.0, 0.01, 0.0, 0.5}},    // exactly the narrowest
        {0.0, -5.0, 0.0099, 5.0, false, {}},                   // narrow, whatever its height
        {0.3, 0.0, 0.3, 0.0, false, {}},                       // a click
        {nan, 0.0, 0.5, 0.5, false, {}},
    };
    for (const auto& c : cases) {
        const auto w = dragWindow(c.x1, c.y1, c.x2, c.y2);
        ASSERT_EQ(w.has_value(), c.zooms) << c.x1 << ' ' << c.x2;
        if (w) {
            EXPECT_EQ(*w, c.window);
        }
    }
}

TEST(FieldZoom, EqualScaleTakesTheScaleFromTheXRangeAlone) {
    // A tall narrow box and a flat one of the same width draw at the same
    // scale, each centred on its own middle.
    const FieldWindow tall = equalScaleWindow({0.0, 0.5, -2.0, 2.0}, 1200, 800);
    const FieldWindow flat = equalScaleWindow({0.0, 0.5, 0.3, 0.31}, 1200, 800);
    EXPECT_DOUBLE_EQ(tall.yMax - tall.yMin, 0.5 * 800 / 1200);
    EXPECT_DOUBLE_EQ(flat.yMax - flat.yMin, tall.yMax - tall.yMin);
    EXPECT_DOUBLE_EQ((tall.yMin + tall.yMax) / 2, 0.0);
    EXPECT_DOUBLE_EQ((flat.yMin + flat.yMax) / 2, 0.305);

    // No usable plot area (minimised) or no x extent: the window stays as it
    // is rather than turning into infinities.
    const FieldWindow w{-0.5, 1.5, -1, 1};
    for (const auto& [width, height] : {std::pair{0.0, 800.0}, {1200.0, 0.0}, {-5.0, 800.0}})
        EXPECT_EQ(equalScaleWindow(w, width, height), w);
    EXPECT_EQ(equalScaleWindow({1.0, 1.0, -1, 1}, 1200, 800), (FieldWindow{1.0, 1.0, -1, 1}));
}

TEST(FieldZoom, EachViewZoomsItsOwnWindow) {
    AppState state;
    storeViewWindow(state, 6, {0.1, 0.2, 0.3, 0.4});
    storeViewWindow(state, 4, {1.1, 1.2, 1.3, 1.4});
    EXPECT_EQ(viewWindow(state, 6), (FieldWindow{0.1, 0.2, 0.3, 0.4}));
    EXPECT_EQ(viewWindow(state, 5), (FieldWindow{1.1, 1.2, 1.3, 1.4}));
    EXPECT_EQ(state.display.meshWindow.xMin, 0.1);
    EXPECT_EQ(state.display.fieldWindow.yMax, 1.4);
    for (int view = 0; view <= 11; ++view) EXPECT_EQ(isZoomView(view), view >= 4 && view <= 6) << view;
}

TEST(FieldZoom, RubberBandErasesEveryBoxItDraws) {
    RecordingSurface surface;
    RubberBand band;
    beginRubberBand(band, surface, 0.1, 0.2);
    EXPECT_EQ(surface.drawMode(), DrawMode::XorPen);
    EXPECT_TRUE(surface.calls().empty());  // nothing to erase yet, nothing drawn
    moveRubberBand(band, surface, 0.4, -0.1);
    moveRubberBand(band, surface, 0.6, -0.3);
    const auto window = endRubberBand(band, surface);
    EXPECT_EQ(surface.drawMode(), DrawMode::CopyPen);

    // Draw A, erase A, draw B, erase B: each box appears an even number of times.
    const auto boxes = surface.of(Kind::Box);
    ASSERT_EQ(boxes.size(), 4u);
    for (const auto& b : boxes) {
        EXPECT_EQ(b.pen.colour, Colour(kRubberBandColour));
        EXPECT_EQ(b.pen.mode, DrawMode::XorPen);
    }
    EXPECT_EQ(boxes[0].x2, boxes[1].x2);
    EXPECT_EQ(boxes[2].x2, 0.6);
    EXPECT_EQ(boxes[3].y2, -0.3);
    ASSERT_TRUE(window);
    EXPECT_EQ(*window, (FieldWindow{0.1, 0.6, -0.3, 0.2}));

    // A click without a move draws nothing and zooms nothing; a move or a
    // release without a press is ignored.
    surface.reset();
    beginRubberBand(band, surface, 0.5, 0.5);
    EXPECT_FALSE(endRubberBand(band, surface));
    moveRubberBand(band, surface, 0.9, 0.9);
    EXPECT_FALSE(endRubberBand(band, surface));
    EXPECT_TRUE(surface.of(Kind::Box).empty());
}

}  // namespace
}  // namespace aerolune::plot
