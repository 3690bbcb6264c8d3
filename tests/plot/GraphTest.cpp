// The graph routine on the recording surface: which segments it draws, its
// markers, its guard for an empty range, labels, grid and colours.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plot/Graph.h"
#include "plot/RecordingSurface.h"

namespace aerolune::plot {
namespace {

using Kind = RecordedCall::Kind;

std::vector<RecordedCall> linesIn(const RecordingSurface& s, int colour) {
    std::vector<RecordedCall> out;
    for (const auto& c : s.of(Kind::Line))
        if (c.pen.colour == Colour(colour)) out.push_back(c);
    return out;
}

const GraphAxes kAxes{.xMin = 0,
                      .xMax = 1,
                      .yMin = 0,
                      .yMax = 1,
                      .xDivisions = 5,
                      .yDivisions = 5,
                      .xTitle = "Chord Position",
                      .yTitle = "Cp"};

TEST(Graph, DrawsOnlySegmentsWithBothEndsInTheBox) {
    struct Case {
        const char* what;
        std::vector<double> x, y;
        std::size_t segments;
    };
    const Case cases[] = {
        {"all outside", {-1, 2, 3}, {5, 5, 5}, 0},
        {"end exactly on x max", {0.5, 1.0}, {0.5, 0.5}, 1},
        {"end just beyond x max", {0.5, 1.0000001}, {0.5, 0.5}, 0},
        {"corner points on the border", {0, 1, 1}, {0, 0, 1}, 2},
        {"one point outside drops both its segments", {0.1, 0.2, 0.3, 0.4}, {0.5, 1.5, 0.5, 0.5}, 1},
        {"NaN counts as outside", {0.1, NAN, 0.3}, {0.5, 0.5, 0.5}, 0},
    };
    for (const Case& c : cases) {
        RecordingSurface s;
        graph(s, {c.x, c.y, 12}, kAxes, PlotStyle{});
        EXPECT_EQ(linesIn(s, 12).size(), c.segments) << c.what;
        EXPECT_EQ(linesIn(s, 0).size(), 4u + 6 + 6) << c.what;  // frame, x ticks, y ticks always
        EXPECT_NE(s.findText("Chord Position"), nullptr) << c.what;
    }
}

TEST(Graph, MarkersOnTheScreenOnly) {
    const std::vector<double> x{0.1, 0.2, 5.0}, y{0.1, 0.2, 0.3};  // markers ignore the box
    struct Case {
        bool printer;
        double radius;
        std::size_t circles;
    };
    for (const Case& c : {Case{false, 0.007, 3}, Case{true, 0.007, 0}, Case{false, 0.0, 0}}) {
        RecordingSurface s(1200, 800, c.printer);
        graph(s, {x, y, 9}, kAxes, PlotStyle{.pointRadius = c.radius});
        const auto circles = s.of(Kind::Circle);
        ASSERT_EQ(circles.size(), c.circles) << c.printer;
        for (const auto& circle : circles) {
            EXPECT_EQ(circle.r, c.radius);
            EXPECT_EQ(circle.pen.colour, Colour(9));
        }
    }
}

TEST(Graph, EmptyRangeIsWidenedAroundTheValue) {
    struct Case {
        double lo, hi, expectLo, expectHi;
    };
    // A tenth of |y| each way, 1 around zero; reversed limits are put in order.
    for (const Case& c : {Case{0.5, 0.5, 0.45, 0.55}, Case{0, 0, -1, 1}, Case{-2, -2, -2.2, -1.8},
                          Case{NAN, 1, 0, 1}, Case{1, 0, 0, 1}}) {
        const GraphAxes a = guardedAxes({.yMin = c.lo, .yMax = c.hi});
        EXPECT_NEAR(a.yMin, c.expectLo, 1e-12) << c.lo;  // exact but for rounding of the tenth
        EXPECT_NEAR(a.yMax, c.expectHi, 1e-12) << c.hi;
    }
    RecordingSurface s;
    const std::vector<double> x{0, 0.5, 1}, cp{0.3, 0.3, 0.3};
    graph(s, {x, cp, 12}, {.xMin = 0, .xMax = 1, .yMin = 0.3, .yMax = 0.3}, PlotStyle{});
    EXPECT_EQ(linesIn(s, 12).size(), 2u);  // the constant series sits inside the widened box
    for (const auto& c : s.calls()) EXPECT_TRUE(std::isfinite(c.x1) && std::isfinite(c.y1)) << c.text;
}

TEST(Graph, LabelsTitlesGridAndColours) {
    struct Case {
        bool titled;
        int foreground;
        int gridColour;
    };
    for (const Case& c : {Case{true, 0, 8}, Case{true, 15, 7}, Case{false, 0, -1}}) {
        RecordingSurface s;
        GraphAxes axes = kAxes;
        axes.yMin = -0.25;
        axes.yMax = 1;
        if (c.titled) axes.title = "Lift/Drag Polar";
        const std::vector<double> x{0.2, 0.4}, y{0.2, 0.4};
        graph(s, {x, y, 15}, axes, PlotStyle{.foregroundIndex = c.foreground});
        // Colour 15 means "the drawing colour": black lines on white.
        EXPECT_EQ(s.of(Kind::Line).front().pen.colour, Colour(c.foreground));
        for (const char* label : {"0.0", "0.2", "1.0", "-0.25", "0.75"})
            EXPECT_NE(s.findText(label), nullptr) << label;
        EXPECT_EQ(s.findText("Lift/Drag Polar") != nullptr, c.titled);
        std::size_t dotted = 0;
        for (const auto& line : s.of(Kind::Line))
            if (line.pen.style == DrawStyle::Dot) {
                ++dotted;
                EXPECT_EQ(line.pen.colour, Colour(c.gridColour));
            }
        EXPECT_EQ(dotted, c.titled ? 12u : 0u);
        const RecordedCall* yTitle = s.findText("Cp");
        ASSERT_NE(yTitle, nullptr);
        EXPECT_EQ(yTitle->font.escapementDegrees, 90);
    }
}

TEST(Graph, LegendRoomNarrowsTheFrameNotTheLeftMargin) {
    // Pixels right of the frame on a 1000-pixel surface: 3.5 margins (284
    // pixels with the recording font) unless the legend needs more, and
    // then its width up to 40 % of the surface.
    struct Case {
        double legendPixels, room;
    };
    double usualLeft = 0;
    for (const Case& c : {Case{0, 284.26}, Case{200, 284.26}, Case{350, 350}, Case{600, 400}}) {
        RecordingSurface s(1000, 600);
        GraphAxes axes = kAxes;
        axes.title = "Lift/Drag Polar";
        axes.legendPixels = c.legendPixels;
        graph(s, {{}, {}, 15}, axes, PlotStyle{.scaleGraph = true});
        const auto pixelX = [&](double x) { return (x - s.scaleLeft()) / s.scaleWidth() * 1000; };
        if (c.legendPixels == 0) usualLeft = pixelX(axes.xMin);
        EXPECT_NEAR(pixelX(axes.xMin), usualLeft, 1e-6) << "the y title and labels keep their room";
        EXPECT_NEAR(1000 - pixelX(axes.xMax), c.room, 0.01) << c.legendPixels;  // 0.01: the rounded 284.26
    }
}

TEST(Graph, TickLabelsStayDistinctAndApart) {
    struct Case {
        double xLo, xHi;
        int xDivisions;
        double yHi;    ///< y runs 0..yHi in 5 divisions
        double width;  ///< surface pixels; the recording font's "-1.2" is 25.6 pixels wide
        std::vector<const char*> shown, hidden;
    };
    const Case cases[] = {
        // A friction axis: "##0.0#" would print 0.0, 0.0, 0.0, 0.01, 0.01, 0.01.
        {0, 1, 5, 0.01, 1200, {"0.000", "0.002", "0.008", "0.010"}, {"0.01"}},
        // Steps of 0.0024: "0.005" would stand at 0.0048; four decimals are exact.
        {0, 1, 5, 0.012, 1200, {"0.0024", "0.0048", "0.0120"}, {"0.005"}},
        // The lift axis of a polar, 10 divisions: all labels on a wide plot,
        // every other one on a narrow plot where neighbours would touch.
        {-1.6, 2.4, 10, 50, 1200, {"-1.6", "-1.2", "0.4", "2.4"}, {}},
        {-1.6, 2.4, 10, 50, 400, {"-1.6", "-0.8", "0.0", "2.4"}, {"-1.2", "-0.4"}},
    };
    for (const Case& c : cases) {
        RecordingSurface s(c.width, 800);
        GraphAxes axes = kAxes;
        axes.xMin = c.xLo;
        axes.xMax = c.xHi;
        axes.xDivisions = c.xDivisions;
        axes.yMax = c.yHi;
        graph(s, {{}, {}, 15}, axes, PlotStyle{});
        for (const char* label : c.shown) EXPECT_NE(s.findText(label), nullptr) << label << " at " << c.width;
        for (const char* label : c.hidden)
            EXPECT_EQ(s.findText(label), nullptr) << label << " at " << c.width;
    }
}

TEST(Graph, LongTickLabelsAndTitleStayClearOfTheYTitle) {
    // A boundary layer's heights in chords and its long title, beside a key.
    GraphAxes axes{.xMin = 0, .xMax = 4, .yMin = 0, .yMax = 0.0125, .xDivisions = 4, .yDivisions = 5};
    axes.xTitle = "U/Uinf (Upper Surface)";
    axes.yTitle = "Distance Above Surface";
    axes.title = "CFD Boundary Layer Solution: Cl = 2.24605  Cd = 0.03915";
    axes.legendPixels = 120;
    const PlotStyle style{.scaleGraph = true};
    for (const auto& [width, height] : {std::pair{385.0, 285.0}, std::pair{1200.0, 800.0}}) {
        RecordingSurface s(width, height);
        graph(s, {{}, {}, 0}, axes, style);
        const double left = s.scaleLeft(), perPixel = s.scaleWidth() / s.pixelWidth();
        const RecordedCall* yTitle = s.findText(axes.yTitle);
        const RecordedCall* title = s.findText(*axes.title);
        ASSERT_TRUE(yTitle && title);
        // Not over the top tick label, unless it needs the room up to the right edge.
        s.setFont(title->font);
        const double titleRight = title->x1 + s.textWidth(*axes.title);
        EXPECT_TRUE(title->x1 >= axes.xMin || titleRight >= left + s.scaleWidth() - 1e-9)
            << width << ": " << title->x1;
        // The y title's line runs from its x (pixels) over one line height of its font.
        s.setScaleUnits(ScaleUnits::Pixels);
        s.setFont(yTitle->font);
        const double yTitleRight = yTitle->x1 + s.textHeight(axes.yTitle);
        for (const RecordedCall& t : s.of(Kind::Text)) {
            if (t.font.escapementDegrees != 0 || t.x1 >= axes.xMin) continue;  // the y tick labels
            EXPECT_GE((t.x1 - left) / perPixel, yTitleRight) << width << ": " << t.text;
        }
    }
}

}  // namespace
}  // namespace aerolune::plot
