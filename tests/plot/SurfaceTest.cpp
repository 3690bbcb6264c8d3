// The surface's shared state: world-to-device mapping, text metrics in world
// units, the current position and the pen each figure is recorded with.

#include <gtest/gtest.h>

#include "plot/RecordingSurface.h"

namespace aerolune::plot {
namespace {

using Kind = RecordedCall::Kind;

TEST(Surface, ScaleMapsWorldOntoDevicePixels) {
    RecordingSurface s(1200, 800);
    s.setScale(-0.2, 1.0, 1.0, -1.0);  // y grows upwards
    struct Case {
        double x, y, px, py;
    };
    // Exact arithmetic on binary-representable values: 1e-9 pixel is rounding only.
    for (const Case& c : {Case{-0.2, 1.0, 0, 0}, Case{1.0, -1.0, 1200, 800}, Case{0.4, 0.0, 600, 400}}) {
        EXPECT_NEAR(s.deviceX(c.x), c.px, 1e-9);
        EXPECT_NEAR(s.deviceY(c.y), c.py, 1e-9);
    }
    s.setScale(0, 0, 0, 1);  // degenerate: refused, the old scale stays
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 1.2);
    EXPECT_DOUBLE_EQ(s.scaleHeight(), -2.0);
}

TEST(Surface, UnitScalesFollowResolution) {
    RecordingSurface s(960, 480, true, 96);
    struct Case {
        ScaleUnits units;
        double width;
    };
    // 960 px at 96 dpi is 10 inches; 1e-9 is rounding only.
    for (const Case& c :
         {Case{ScaleUnits::Pixels, 960}, Case{ScaleUnits::Twips, 14400}, Case{ScaleUnits::Points, 720},
          Case{ScaleUnits::Inches, 10}, Case{ScaleUnits::Centimetres, 25.4}}) {
        s.setScaleUnits(c.units);
        EXPECT_NEAR(s.scaleWidth(), c.width, 1e-9);
        EXPECT_NEAR(s.scaleHeight(), c.width / 2, 1e-9);
    }
    EXPECT_DOUBLE_EQ(s.twipsPerPixelX(), 15.0);
}

TEST(Surface, TextAdvancesInWorldUnitsAndRecordsResolvedPens) {
    RecordingSurface s(1000, 500);
    s.setScale(0, 1, 2, -1);    // 500 px per x unit, 250 px per y unit
    s.setFont({.points = 12});  // 16 px at 96 dpi: 9.6 px per character, 19.2 px per line
    EXPECT_NEAR(s.textWidth("ab"), 2 * 9.6 / 500, 1e-12);
    EXPECT_NEAR(s.textHeight("ab"), 19.2 / 250, 1e-12);
    s.setCurrent(0.5, 0.5);
    s.printText("ab");
    EXPECT_NEAR(s.currentX(), 0.5 + 2 * 9.6 / 500, 1e-12);
    s.newLine();
    EXPECT_DOUBLE_EQ(s.currentX(), 0.0);
    EXPECT_NEAR(s.currentY(), 0.5 - 19.2 / 250, 1e-12);  // one line down is towards smaller y here

    s.setForeColor(kYellow);
    s.setDrawWidth(2);
    s.setDrawStyle(DrawStyle::Dot);
    s.line(0, 0, 1, 1);
    s.line(0, 0, 1, 1, kLightRed, BoxMode::Filled);
    s.setDrawWidth(0);  // widths below 1 draw as 1
    s.circle(0, 0, 0.1, Colour::fromRgb(1, 2, 3), true);
    const auto& calls = s.calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, Kind::Text);
    EXPECT_EQ(calls[0].font.points, 12);
    EXPECT_EQ(calls[1].pen.colour, Colour(kYellow));  // no colour given: the fore colour
    EXPECT_EQ(calls[1].kind, Kind::Line);
    EXPECT_EQ(calls[1].pen.style, DrawStyle::Dot);
    EXPECT_EQ(calls[2].kind, Kind::FilledBox);
    EXPECT_EQ(calls[2].pen.colour.toRgb(), 0xFF0000u);
    EXPECT_EQ(calls[3].kind, Kind::FilledCircle);
    EXPECT_EQ(calls[3].pen.width, 1);
    EXPECT_EQ(calls[3].pen.colour.toRgb(), 0x010203u);
}

}  // namespace
}  // namespace aerolune::plot
