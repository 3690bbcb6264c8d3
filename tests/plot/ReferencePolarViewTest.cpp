// Reference polars on the polar views: markers without lines in colours of
// their own, at the file's figures, with a legend row each after ours.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Pipeline.h"
#include "io/ReferencePolarFile.h"
#include "plot/RecordingSurface.h"
#include "plot/ReferenceMarkers.h"
#include "plot/Views.h"
#include "support/NullSeam.h"
#include "support/TestSupport.h"

namespace aerolune::plot {
namespace {

using Kind = RecordedCall::Kind;

// Our polar of NACA 2412.
AppState stateWithPolar() {
    AppState state;
    state.texts.sectionName = "2412";
    state.texts.angleText = "0";
    state.shared.DialogCancelled = int16_t{0};
    test::NullSeam seam;
    recompute(state, seam);
    StoredPolar& polar = state.analysis.polars.add({"2412", "0.0 Deg.", "0.0 %c", 1e6});
    for (int k = 0; k < 21; ++k) {
        const double a = -20 + 2 * k;
        polar.points.push_back({a, 0.1 * a, 8 + 0.02 * a * a, -0.05, 0.5, 0.7});
    }
    return state;
}

// The other solver's polar file, and a wind-tunnel table with no moment and
// one point far off the drag axis.
std::vector<ReferencePolar> references() {
    const ReferencePolarRead solver =
        readReferencePolar(test::dataPath("reference/xfoil_polar_file_naca2412_re1e6.txt"));
    const ReferencePolarRead tunnel =
        parseReferencePolar("alpha,cl,cd\n0,0.25,0.0061\n4,0.66,0.0070\n8,1.05,0.9\n", "/data/tunnel.csv");
    EXPECT_TRUE(solver.ok && tunnel.ok);
    return {solver.polar, tunnel.polar};
}

std::vector<RecordedCall> boxesIn(const RecordingSurface& s, Kind kind, const Colour& colour) {
    std::vector<RecordedCall> found;
    for (const RecordedCall& c : s.of(kind))
        if (c.pen.colour == colour) found.push_back(c);
    return found;
}

TEST(ReferencePolarView, MarkersAtTheFilesFiguresWithNoLine) {
    const AppState state = stateWithPolar();
    const std::vector<ReferencePolar> files = references();
    const Colour solver = referenceColour(0, true), tunnel = referenceColour(1, true);
    struct Case {
        int kind;
        std::size_t solverFilled, solverOpen, tunnelFilled;  ///< markers, the legend's swatch not counted
    };
    // Kind 1: CL against CD x 1000 (the tunnel's 900 lies off the axis);
    // kind 2: CL and, open, CM against alpha; kind 3: the transitions, which
    // only the solver's file has.
    for (const Case& c : {Case{1, 6, 0, 2}, Case{2, 6, 6, 3}, Case{3, 6, 6, 0}}) {
        RecordingSurface s;
        drawPolarView(s, state, c.kind, files);
        const auto filled = boxesIn(s, Kind::FilledBox, solver);
        EXPECT_EQ(filled.size(), c.solverFilled + 1) << c.kind;
        EXPECT_EQ(boxesIn(s, Kind::Box, solver).size(), c.solverOpen) << c.kind;
        EXPECT_EQ(boxesIn(s, Kind::FilledBox, tunnel).size(), c.tunnelFilled + 1) << c.kind;
        for (const RecordedCall& line : s.of(Kind::Line))
            EXPECT_FALSE(line.pen.colour == solver || line.pen.colour == tunnel)
                << "no line joins the markers";
        // The first marker centred on the file's first row (alpha 0, CL
        // 0.2371, CD 0.00564, Top_Xtr 0.6517), to rounding.
        const double x = (filled[0].x1 + filled[0].x2) / 2, y = (filled[0].y1 + filled[0].y2) / 2;
        const std::pair<double, double> expected[] = {{0.2371, 5.64}, {0.0, 0.2371}, {0.2371, 0.6517}};
        EXPECT_NEAR(x, expected[c.kind - 1].first, 1e-9) << c.kind;
        EXPECT_NEAR(y, expected[c.kind - 1].second, 1e-9) << c.kind;
        // Legend rows after ours: the file's own title and Reynolds number,
        // the table's file name.
        // A reference's number under ours: its labels padded to the width of ours.
        const std::string ours = "     2412  (0.0 %c,0.0 Deg.)";
        std::string solverRow = "     NACA 2412", tunnelRow = "     tunnel.csv";
        solverRow.resize(ours.size(), ' ');
        tunnelRow.resize(ours.size(), ' ');
        EXPECT_NE(s.findText(ours + "1.00e+6 L"), nullptr);  // the model's letter after the number
        EXPECT_NE(s.findText(solverRow + "1.00e+6"), nullptr);
        EXPECT_NE(s.findText(tunnelRow), nullptr);
    }
}

TEST(ReferencePolarView, ReferenceColoursAreNoneOfThePolarsAndReadOnEitherBackground) {
    for (bool white : {true, false})
        for (int r = 0; r < 8; ++r) {
            const Colour c = referenceColour(r, white);
            for (int p = 0; p < 16; ++p) EXPECT_NE(c.toRgb(), paletteRgb(p)) << r << " " << p;
            EXPECT_NE(c.toRgb(), referenceColour(r + 1, white).toRgb());
            // Luminance away from the background: dark on white, light on black.
            const uint32_t rgb = c.toRgb();
            const double luminance = 0.3 * (rgb >> 16) + 0.59 * ((rgb >> 8) & 0xFF) + 0.11 * (rgb & 0xFF);
            EXPECT_TRUE(white ? luminance < 160 : luminance > 120) << std::hex << rgb;
        }
}

TEST(ReferencePolarView, ReferencesWidenTheLiftAxisLikeOurPolars) {
    AppState state = stateWithPolar();
    state.analysis.polars.truncate(0);
    std::vector<ReferencePolar> files = references();
    files.resize(1);
    files[0].points.push_back({12, 2.9, 0.02, 0, 0, 0});
    RecordingSurface s;
    drawPolarView(s, state, 1, files);
    // 2.9 is past the layout's 2.4: the axis runs on to the next doubled
    // step, 3.2, so the point is on the plot.
    EXPECT_NE(s.findText("3.2"), nullptr);
    EXPECT_EQ(boxesIn(s, Kind::FilledBox, referenceColour(0, true)).size(), 8u);  // 7 points and the swatch
}

}  // namespace
}  // namespace aerolune::plot
