// The line views on the recording surface, from a state the recomputation
// filled: drawing order, colours, texts and the guards for degenerate data.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/Pipeline.h"
#include "analysis/PolarGuard.h"
#include "analysis/PolarLayerModel.h"
#include "plot/RecordingSurface.h"
#include "plot/ViewData.h"
#include "plot/Views.h"
#include "support/NullSeam.h"

namespace aerolune::plot {
namespace {

using Kind = RecordedCall::Kind;

AppState solvedState(const char* designation = "2412", const char* alpha = "4") {
    AppState state;
    state.texts.sectionName = designation;
    state.texts.angleText = alpha;
    state.shared.DialogCancelled = int16_t{0};
    test::NullSeam seam;
    recompute(state, seam);
    return state;
}

const AppState& solved() {
    static const AppState state = solvedState();
    return state;
}

TEST(SurfacePlot, LowerSurfaceFirstThenUpperInTheirColours) {
    for (bool velocity : {false, true}) {
        AppState state = solved();
        state.display.lowerSurfaceColour = 12;
        state.display.upperSurfaceColour = 9;
        RecordingSurface s;
        drawSurfacePlot(s, state, velocity);
        int last = -1;
        std::size_t lower = 0, upper = 0;
        for (const auto& c : s.of(Kind::Line)) {
            if (c.pen.colour == Colour(12)) {
                EXPECT_NE(last, 9) << "a lower-surface segment after the upper surface";
                ++lower;
                last = 12;
            } else if (c.pen.colour == Colour(9)) {
                ++upper;
                last = 9;
            }
        }
        // 60 stations a side: 59 segments each, less the few the strict box test drops at the ends.
        EXPECT_GT(lower, 50u);
        EXPECT_GT(upper, 50u);
        EXPECT_NE(s.findText(velocity ? "Velocity Ratio" : "Cp"), nullptr);
        EXPECT_NE(s.findText("Chord Position"), nullptr);
    }
}

TEST(SurfacePlot, ConstantCpStillDrawsAFinitePlot) {
    AppState state = solved();
    for (int i = 1; i <= state.section.surfaceCp.size(); ++i) state.section.surfaceCp(i) = 0.25f;
    RecordingSurface s;
    drawSurfacePlot(s, state, false);
    std::size_t curve = 0;
    for (const auto& c : s.calls()) {
        EXPECT_TRUE(std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) && std::isfinite(c.y2));
        if (c.kind == Kind::Line && c.pen.colour == Colour(state.display.upperSurfaceColour)) ++curve;
    }
    EXPECT_GT(curve, 50u);
}

TEST(AirfoilView, SubViewsDrawTheirOverlays) {
    struct Case {
        int xchoice;
        const char* title;
        bool legend;
        bool grid;
        bool stagMarker;
    };
    const Case cases[] = {
        {0, "Airfoil Surface Velocity Ratio", true, false, false},
        {1, "Airfoil Surface Pressure Coefficient", true, false, false},
        {2, nullptr, false, true, true},
        {3, nullptr, false, false, false},
    };
    for (const Case& c : cases) {
        AppState state = solved();
        state.display.airfoilOverlay = AirfoilOverlay(c.xchoice);
        RecordingSurface s;
        drawAirfoilView(s, state);
        if (c.title) {
            EXPECT_NE(s.findText(c.title), nullptr) << c.xchoice;
        }
        EXPECT_EQ(s.of(Kind::FilledBox).size(), c.legend ? 11u : 0u) << c.xchoice;
        EXPECT_EQ(s.findText("100%") != nullptr, c.grid) << c.xchoice;
        EXPECT_EQ(s.of(Kind::FilledCircle).size(), c.stagMarker ? 1u : 0u) << c.xchoice;
        std::size_t ramp = 0;
        for (const auto& line : s.of(Kind::Line)) ramp += line.pen.colour.isPalette ? 0 : 1;
        // Two lines per point 2..N-2 in the ramp's colours.
        EXPECT_EQ(ramp, c.legend ? 2u * 117 : 0u) << c.xchoice;
    }
}

// Even-odd rule: is (px, py) inside the closed polygon through x, y?
bool insideContour(const std::vector<double>& x, const std::vector<double>& y, double px, double py) {
    bool inside = false;
    for (std::size_t i = 0, j = x.size() - 1; i < x.size(); j = i++) {
        if ((y[i] > py) != (y[j] > py) && px < x[j] + (py - y[j]) * (x[i] - x[j]) / (y[i] - y[j]))
            inside = !inside;
    }
    return inside;
}

TEST(AirfoilView, VelocityAndPressureStandOffTheSurfaceOutwards) {
    for (int xchoice : {0, 1}) {
        AppState state = solved();
        state.display.airfoilOverlay = AirfoilOverlay(xchoice);
        const SurfaceData d = surfaceData(state);
        RecordingSurface s;
        drawAirfoilView(s, state);
        // The ramp-coloured lines come in pairs: the whisker from a contour
        // point to the curve, then the curve's segment.
        std::vector<RecordedCall> whiskers;
        for (const auto& line : s.of(Kind::Line))
            if (!line.pen.colour.isPalette) whiskers.push_back(line);
        ASSERT_EQ(whiskers.size(), 2u * 117) << xchoice;
        int inward = 0;
        for (std::size_t k = 0; k < whiskers.size(); k += 2) {
            const RecordedCall& w = whiskers[k];
            if (std::hypot(w.x2 - w.x1, w.y2 - w.y1) < 1e-6) continue;  // a value of 0 stands on the contour
            inward += insideContour(d.x, d.y, w.x2, w.y2) ? 1 : 0;
        }
        // Pressure stands off by |Cp|, always outwards; the velocity ratio is
        // signed, and the one or two points between the nose and the
        // stagnation point (negative) stand inwards.
        EXPECT_LE(inward, xchoice == 0 ? 2 : 0) << xchoice;
    }
}

TEST(AirfoilView, LegendRunsFromTheLowestValueOnTheLeft) {
    AppState state = solved();
    state.display.airfoilOverlay = AirfoilOverlay{1};
    RecordingSurface s;
    drawAirfoilView(s, state);
    const auto boxes = s.of(Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 11u);
    // Leftmost box: CpLow's colour, blue end of the ramp; rightmost: CpHigh's, red.
    EXPECT_LT(boxes.front().x1, boxes.back().x1);
    EXPECT_EQ(boxes.front().pen.colour.toRgb() & 0xFF, 0xFFu);
    EXPECT_EQ(boxes.back().pen.colour.toRgb() >> 16, 0xFFu);
}

// WCAG contrast ratio of two colours, from their sRGB relative luminances.
double contrastRatio(uint32_t a, uint32_t b) {
    const auto luminance = [](uint32_t rgb) {
        const auto linear = [](uint32_t c) {
            const double v = c / 255.0;
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(rgb >> 16 & 0xFF) + 0.7152 * linear(rgb >> 8 & 0xFF) +
               0.0722 * linear(rgb & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(AirfoilView, LegendNumbersReadOnTheirBoxesOnEitherBackground) {
    for (const int foreground : {0, 15}) {
        for (const int overlay : {0, 1}) {
            AppState state = solved();
            state.display.foregroundColour = int16_t(foreground);
            state.display.airfoilOverlay = AirfoilOverlay(overlay);
            RecordingSurface s;
            drawAirfoilView(s, state);
            // Each box is followed by its number; the boxes keep the ramp's colours.
            const RecordedCall* box = nullptr;
            int labelled = 0;
            for (const RecordedCall& c : s.calls()) {
                if (c.kind == Kind::FilledBox) box = &c;
                if (c.kind != Kind::Text || !box) continue;
                // 4.5 : 1, the contrast ratio for body text in the web content
                // accessibility guidelines (black or white on any colour reaches 4.58).
                EXPECT_GE(contrastRatio(c.pen.colour.toRgb(), box->pen.colour.toRgb()), 4.5)
                    << c.text << " on " << std::hex << box->pen.colour.toRgb();
                ++labelled;
                box = nullptr;
            }
            EXPECT_EQ(labelled, 11) << overlay;
        }
    }
}

TEST(PolarView, ColoursCycleByBackground) {
    struct Case {
        int polar;
        bool white;
        int colour;
    };
    for (const Case& c : {Case{0, false, 9}, Case{5, false, 14}, Case{6, false, 9}, Case{0, true, 1},
                          Case{8, true, 9}, Case{9, true, 1}})
        EXPECT_EQ(polarColour(c.polar, c.white), c.colour) << c.polar << c.white;
}

TEST(PolarView, EachKindDrawsItsSeriesAndLegend) {
    AppState state = solved();
    StoredPolar& polar = state.analysis.polars.add({"NACA2412", "0.0 Deg.", "0.0 %c", 1e6});
    for (int k = 0; k < 21; ++k) {
        const double a = -20 + 2 * k;
        polar.points.push_back({a, 0.05 * a, 8 + 0.02 * a * a, -0.05, 0.5, 0.7});
    }
    struct Case {
        int kind;
        const char* title;
        std::size_t solid, dotted;
    };
    // 21 points, all inside every kind's box: 20 segments per series.
    for (const Case& c : {Case{1, "Lift/Drag Polar", 20, 0}, Case{2, "Cl/Cm vs AOA", 40, 0},
                          Case{3, "Transition Pt. (--- Lower Surf.)", 20, 20}}) {
        RecordingSurface s;
        drawPolarView(s, state, c.kind);
        EXPECT_NE(s.findText(c.title), nullptr);
        std::size_t solid = 0, dotted = 0;
        for (const auto& line : s.of(Kind::Line))
            if (line.pen.colour == Colour(1)) (line.pen.style == DrawStyle::Dot ? dotted : solid) += 1;
        EXPECT_EQ(solid, c.solid + 1) << c.kind;  // the legend's swatch line
        EXPECT_EQ(dotted, c.dotted) << c.kind;
        EXPECT_NE(s.findText("       Airfoil  Flap     Re"), nullptr);
        EXPECT_NE(s.findText("     NACA2 (0.0 %c,0.0 Deg.)1.00e+6 L"), nullptr);
    }
}

TEST(PolarView, ACoupledLayerPolarShowsItsLetterAndAGapAtEachRowNotComputed) {
    AppState state = solved();
    StoredPolar& polar =
        state.analysis.polars.add({"NACA2412", "0.0 Deg.", "0.0 %c", 3e5}, {kLayerDragModel, 0, 120});
    for (int k = 0; k < 21; ++k) {
        const double a = -20 + 2 * k;
        polar.points.push_back({a, 0.05 * a, 8 + 0.02 * a * a, -0.05, 0.5, 0.7});
    }
    // Two rows apart: each takes both its segments out of the lift-drag curve.
    markNotComputed(polar.points[3], "the coupled boundary layer does not converge");
    markNotComputed(polar.points[10], "the coupled boundary layer does not converge");
    RecordingSurface s;
    drawPolarView(s, state, 1);
    std::size_t segments = 0;
    for (const auto& line : s.of(Kind::Line))
        if (line.pen.colour == Colour(1)) segments += 1;
    EXPECT_EQ(segments, 20u - 4u + 1u);  // and the legend's swatch line
    EXPECT_NE(s.findText("     NACA2 (0.0 %c,0.0 Deg.)3.00e+5 B"), nullptr);
}

TEST(PolarView, LiftAxisHoldsTheDataAndTheLegendFitsTheArea) {
    struct Case {
        int kind;
        double liftSlope;  ///< per degree over the sweep -20..20
        double width, height;
        const char *lowLabel, *highLabel;  ///< ends of the lift axis
        bool wrapped;                      ///< the Reynolds number on a line of its own
    };
    // Slope 0.05: Cl -1..1 keeps the fixed ranges. Slope 0.12: Cl -2.4..2.4
    // (a flapped, cambered section) widens them in doubled tick steps. On 500
    // pixels one line per polar needs 246 of the legend's 200 (recording
    // metrics): unwrapped it would shrink to 6.5 pt; wrapped, it keeps nearly 8.
    const Case cases[] = {
        {1, 0.05, 1200, 800, "-1.6", "2.4", false}, {1, 0.12, 1200, 800, "-2.4", "2.4", false},
        {2, 0.05, 1200, 800, "-2.0", "2.0", false}, {2, 0.12, 1200, 800, "-3.0", "3.0", false},
        {3, 0.12, 1200, 800, "-2.4", "2.4", false}, {1, 0.05, 500, 380, "-1.6", "2.4", true},
    };
    for (const Case& c : cases) {
        AppState state = solved();
        StoredPolar& polar = state.analysis.polars.add({"NACA23015", "20.0 Deg.", "25.0 %c", 3e6});
        for (int k = 0; k < 21; ++k) {
            const double a = -20 + 2 * k;
            polar.points.push_back({a, c.liftSlope * a, 10, -0.1, 0.5, 0.7});
        }
        RecordingSurface s(c.width, c.height);
        drawPolarView(s, state, c.kind);
        std::size_t curve = 0;
        for (const auto& line : s.of(Kind::Line)) curve += line.pen.colour == Colour(1) ? 1 : 0;
        EXPECT_EQ(curve, (c.kind == 1 ? 20u : 40u) + 1) << "every segment and the swatch, kind " << c.kind;
        EXPECT_NE(s.findText(c.lowLabel), nullptr) << c.kind << " " << c.liftSlope;
        EXPECT_NE(s.findText(c.highLabel), nullptr) << c.kind << " " << c.liftSlope;
        const std::string header = "       Airfoil  Flap     Re";
        std::vector<const RecordedCall*> legend{s.findText(header)};
        if (c.wrapped) {
            legend.push_back(s.findText("     NACA2 (25.0 %c,20.0 Deg.)"));
            legend.push_back(s.findText("3.00e+6 L"));
            ASSERT_NE(legend[0], nullptr);
            ASSERT_NE(legend[2], nullptr);
            // The number ends where the header's "Re" ends (one font, fixed
            // metrics: equal but for rounding), not at the wider labels' end.
            s.setFont(legend[0]->font);
            EXPECT_NEAR(legend[2]->x1 + s.textWidth("3.00e+6 L"), legend[0]->x1 + s.textWidth(header), 1e-9);
        } else {
            legend.push_back(s.findText("     NACA2 (25.0 %c,20.0 Deg.)3.00e+6 L"));
        }
        for (const RecordedCall* text : legend) {
            ASSERT_NE(text, nullptr) << c.width << " pixels";
            EXPECT_GE(text->font.points, 7.5) << text->text;
            s.setFont(text->font);
            EXPECT_LE(text->x1 + s.textWidth(text->text), s.scaleLeft() + s.scaleWidth())
                << "legend past the plot area at " << c.width << " pixels";
        }
    }
}

TEST(BoundaryLayerView, EveryPlotTitledWithTheSolution) {
    AppState state = solved();
    ASSERT_TRUE(state.boundaryLayer.ok);
    for (int opt = 1; opt <= 6; ++opt) {
        state.display.boundaryLayerPlot = BoundaryLayerPlot(opt);
        RecordingSurface s;
        EXPECT_TRUE(drawBoundaryLayerView(s, state));
        bool titled = false;
        for (const auto& t : s.texts())
            titled = titled || t.rfind("CFD Boundary Layer Solution: Cl = ", 0) == 0;
        EXPECT_TRUE(titled) << opt;
        EXPECT_NE(
            s.findText(opt <= 2 ? "Distance Above Surface"
                                : (opt <= 4 ? "Distance (Normal from Airfoil)" : "Friction Coefficient")),
            nullptr)
            << opt;
        if (opt <= 2) {
            EXPECT_NE(s.findText("Profile Station"), nullptr);
        }
    }
    state.boundaryLayer.ok = false;
    RecordingSurface empty;
    EXPECT_FALSE(drawBoundaryLayerView(empty, state));
}

// The frame's right and top: the greatest x and y of the solid lines in the
// drawing colour (the frame and its ticks; grids are dotted and grey).
std::pair<double, double> frameCorner(const RecordingSurface& s, int foreground) {
    double right = -1e300, top = -1e300;
    for (const RecordedCall& c : s.of(Kind::Line)) {
        if (c.pen.style != DrawStyle::Solid || !(c.pen.colour == Colour(foreground))) continue;
        right = std::max({right, c.x1, c.x2});
        top = std::max({top, c.y1, c.y2});
    }
    return {right, top};
}

TEST(BoundaryLayerView, ProfilesFillTheFrameWithTheKeyBesideItAndOneTitle) {
    const AppState atFour = solved();
    const AppState atSixteen = solvedState("2412", "16");
    struct Case {
        const AppState* state;
        int plot;  // 1 upper, 2 lower surface profiles
        int blasius;
    } cases[] = {{&atFour, 1, 0}, {&atFour, 2, 1}, {&atSixteen, 1, 1}};
    for (const Case& c : cases) {
        AppState state = *c.state;
        ASSERT_TRUE(state.boundaryLayer.ok);
        state.display.boundaryLayerPlot = BoundaryLayerPlot(c.plot);
        state.display.showBlasiusProfile = c.blasius == 1;
        RecordingSurface s;
        ASSERT_TRUE(drawBoundaryLayerView(s, state));
        const std::string at = "plot " + std::to_string(c.plot) + " blasius " + std::to_string(c.blasius);

        int titles = 0;
        for (const std::string& t : s.texts()) titles += t.rfind("CFD Boundary Layer Solution", 0) == 0;
        EXPECT_EQ(titles, 1) << at;  // drawn once per profile, it looked bold

        const auto [right, top] = frameCorner(s, state.display.foregroundColour);
        const RecordedCall* key = s.findText("Profile Station");
        ASSERT_NE(key, nullptr) << at;
        // The key right of the frame, every station's line under it.
        int keyLines = 0;
        for (const RecordedCall& t : s.of(Kind::Text)) {
            if (t.text.find("x= ") == std::string::npos) continue;
            EXPECT_GT(t.x1, right) << at << ": " << t.text;
            ++keyLines;
        }
        EXPECT_EQ(keyLines, state.boundaryLayer.profileCount) << at;
        EXPECT_GT(key->x1, right) << at;

        // The profiles fill the frame: the fastest point at least 60 % of
        // the way to its right edge; each profile at the top of the frame
        // within 2 % of its fastest (it has reached the layer's edge below
        // the top); and the top no higher than twice the thickest layer's
        // delta99 (the solver's grid, used as the height before, is many
        // times that).
        double fastest = -1e300;
        std::vector<std::pair<double, double>> profiles;  // fastest, last u of each polyline
        const RecordedCall* previous = nullptr;
        for (const RecordedCall& l : s.of(Kind::Line)) {
            const bool profile =
                l.pen.colour.isPalette && l.pen.colour.palette >= 9 && l.pen.colour.palette <= 14;
            if (!profile || l.x1 > right) continue;
            if (!previous || previous->x2 != l.x1 || previous->y2 != l.y1) profiles.push_back({l.x1, l.x1});
            profiles.back().first = std::max({profiles.back().first, l.x1, l.x2});
            profiles.back().second = l.x2;
            fastest = std::max(fastest, profiles.back().first);
            previous = &l;
        }
        EXPECT_GE(fastest, 0.6 * right) << at;
        for (const auto& [most, last] : profiles) EXPECT_GE(last, 0.98 * most) << at;
        const BoundaryLayerSurface& surf =
            c.plot == 1 ? state.boundaryLayer.upper : state.boundaryLayer.lower;
        double thickest = 0;
        for (int i = 1; i <= surf.profileStations(); ++i) thickest = std::max(thickest, surf.delta99(i));
        EXPECT_LE(top, 2 * thickest) << at;
    }
}

TEST(BoundaryLayerView, ThicknessPlotsTitledOnce) {
    AppState state = solved();
    for (int opt = 3; opt <= 6; ++opt) {
        state.display.boundaryLayerPlot = BoundaryLayerPlot(opt);
        RecordingSurface s;
        ASSERT_TRUE(drawBoundaryLayerView(s, state));
        int titles = 0;
        for (const std::string& t : s.texts()) titles += t.rfind("CFD Boundary Layer Solution", 0) == 0;
        EXPECT_EQ(titles, 1) << opt;
    }
}

}  // namespace
}  // namespace aerolune::plot
