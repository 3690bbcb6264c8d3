// Rib templates: the dialog's fields, the ribs' chords, labels, skin lines
// and sheets, and the templates drawn on a printer page.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plot/RecordingSurface.h"
#include "print/RibTemplates.h"
#include "print/TemplateLayout.h"
#include "print/TemplateSettings.h"
#include "support/NacaBuild.h"

namespace aerolune::print {
namespace {

using plot::RecordedCall;

TEST(TemplateFields, RefusesWhatWouldPrintNothingOrForever) {
    struct Case {
        const char *root, *tip, *skin, *sections;
        bool ok;
        const char* problemStart;
    } cases[] = {
        {"6", "6", "0", "1", true, ""},
        {"6", "0", "0", "1", true, ""},  // a single rib ignores the tip chord
        {"6", "4", "0.1", "200", true, ""},
        {"0", "6", "0", "1", false, "Root Chord"},
        {"-3", "6", "0", "1", false, "Root Chord"},
        {"abc", "6", "0", "1", false, "Root Chord"},
        {"1e999", "6", "0", "1", false, "Root Chord"},
        {"6", "0", "0", "2", false, "Tip Chord"},
        {"6", "4", "0", "0", false, "Number of Sections"},
        {"6", "4", "0", "2.5", false, "Number of Sections"},
        {"6", "4", "0", "201", false, "Number of Sections"},
    };
    for (const Case& c : cases) {
        const TemplateRequest r = readTemplateFields({c.root, c.tip, c.skin, c.sections, false});
        EXPECT_EQ(r.ok(), c.ok) << c.root << " " << c.tip << " " << c.sections << ": " << r.problem;
        EXPECT_EQ(r.problem.rfind(c.problemStart, 0), 0u) << r.problem;
    }
}

TEST(TemplateLayout, ChordsSpanAndLabels) {
    struct Case {
        TemplateSettings settings;
        std::vector<std::string> labels;  // one per rib, first sheet row
    } cases[] = {
        {{6, 4, 0, 1, false}, {"|__ 0012 Airfoil #1: chord = 6.00 in.;  span location = 0.0 %  Page 1"}},
        {{6, 4, 0, 2, false},
         {"|__ 0012 Airfoil #1: chord = 6.00 in.;  span location = 0.0 %  Page 1",
          "|__ 0012 Airfoil #2: chord = 4.00 in.;  span location = 100.0 %  Page 1"}},
        {{30, 20, 0, 3, true},
         {"|__ 0012 Airfoil #1: chord = 30.00 cm.;  span location = 0.0 %  Page 1",
          "|__ 0012 Airfoil #2: chord = 25.00 cm.;  span location = 50.0 %  Page 1",
          "|__ 0012 Airfoil #3: chord = 20.00 cm.;  span location = 100.0 %  Page 1"}},
    };
    for (const Case& c : cases) {
        const TemplateLayout layout = layoutTemplates(c.settings, 0.12, {21.0, 40.0, 0.2, 2.5});
        ASSERT_EQ(layout.problem, "");
        ASSERT_EQ(layout.ribs.size(), c.labels.size());
        for (std::size_t k = 0; k < c.labels.size(); ++k) {
            const RibPlacement& r = layout.ribs[k];
            EXPECT_EQ(ribLabel("0012", r.section, r.chord, c.settings.unitText(), r.spanPercent, r.row + 1),
                      c.labels[k]);
        }
    }
}

TEST(TemplateLayout, SheetsRowsAndWidth) {
    // Letter paper in inches, labels 0.15 in high, the ruler strip 1 in.
    const SheetSize letter{8.5, 11.0, 0.15, 1.0};
    struct Case {
        TemplateSettings settings;
        double unitThickness;
        int sheets;
        std::vector<int> sheetOf;  // per placement
        std::vector<int> rowOf;
    } cases[] = {
        // A 25-in chord needs three rows, each on its own sheet.
        {{25, 25, 0, 1, false}, 0.12, 3, {0, 1, 2}, {0, 1, 2}},
        // 2.45 in thick ribs with the gap: two fit across (7.5 in usable), the third starts sheet 2.
        {{20.4, 20.4, 0, 3, false}, 0.12, 4, {0, 0, 1, 2, 2, 3}, {0, 0, 0, 1, 1, 1}},
        // A tip longer than the root still gets all its rows; the root rib,
        // ended on the first sheet, is not placed (nor labelled) on the second.
        {{10, 12, 0, 2, false}, 0.12, 2, {0, 0, 1}, {0, 0, 1}},
        {{14, 10, 0, 2, false}, 0.12, 2, {0, 0, 1}, {0, 0, 1}},
        // A chord of exactly two sheet heights has no third row.
        {{22, 22, 0, 1, false}, 0.12, 2, {0, 1}, {0, 1}},
    };
    for (const Case& c : cases) {
        const TemplateLayout layout = layoutTemplates(c.settings, c.unitThickness, letter);
        ASSERT_EQ(layout.problem, "");
        EXPECT_EQ(layout.sheets, c.sheets);
        ASSERT_EQ(layout.ribs.size(), c.sheetOf.size());
        for (std::size_t k = 0; k < c.sheetOf.size(); ++k) {
            EXPECT_EQ(layout.ribs[k].sheet, c.sheetOf[k]) << k;
            EXPECT_EQ(layout.ribs[k].row, c.rowOf[k]) << k;
            const double right = layout.ribs[k].u + 0.225 + layout.ribs[k].chord * c.unitThickness;
            EXPECT_LE(right, 7.5) << "rib " << k << " runs into the ruler strip";
        }
    }
    EXPECT_NE(layoutTemplates({5000, 5000, 0, 1, false}, 0.001, letter).problem, "");  // > 100 sheets
    EXPECT_NE(layoutTemplates({80, 80, 0, 1, false}, 0.12, letter).problem, "");       // 9.6 in thick
    EXPECT_NE(layoutTemplates({12, 12, 0, 200, false}, 0.2, letter).problem, "");      // 134 sheets
}

TEST(TemplateLayout, TheNextRibsOwnThicknessDecidesWhetherItFitsAcross) {
    // 7.5 in usable across, label strip 0.225 in, gap 0.25 in, ribs 0.1 chord
    // thick; one sheet row. The second rib stays beside the first when
    // thickness(1) + gap + strip + thickness(2) <= 7.5, to 0.01 in either side.
    const SheetSize tall{8.5, 100.0, 0.15, 1.0};
    struct Case {
        double root, tip;
        int secondSheet;
    } cases[] = {
        {30.0, 40.15, 0},  // 3.0 + 0.475 + 4.015 = 7.49
        {30.0, 40.35, 1},  // 7.51: a thicker next rib does not fit
        {40.15, 30.0, 0},  // 4.015 + 0.475 + 3.0 = 7.49: a thinner one does
        {40.15, 30.2, 1},  // 7.51
    };
    for (const Case& c : cases) {
        const TemplateLayout layout = layoutTemplates({c.root, c.tip, 0, 2, false}, 0.1, tall);
        ASSERT_EQ(layout.problem, "");
        ASSERT_EQ(layout.ribs.size(), 2u);
        EXPECT_EQ(layout.ribs[1].sheet, c.secondSheet) << c.root << " then " << c.tip;
        EXPECT_EQ(layout.sheets, c.secondSheet + 1);
    }
}

// A diamond "section": leading edge at 0, trailing edge at 1, clockwise from
// the trailing edge along the lower side, closed, with a repeated point.
const std::vector<double> kX = {1.0, 0.5, 0.5, 0.0, 0.5, 1.0};
const std::vector<double> kY = {0.0, -0.1, -0.1, 0.0, 0.1, 0.0};

TEST(RibOutline, SkinLineSitsInsideAtTheSkinThickness) {
    const double chord = 10.0, label = 0.2;
    const RibOutline zero = ribOutline(kX, kY, chord, 0.0, label);
    ASSERT_EQ(zero.innerX.size(), kX.size());
    EXPECT_DOUBLE_EQ(zero.thickness, 2.0);
    EXPECT_DOUBLE_EQ(*std::min_element(zero.Y.begin(), zero.Y.end()), 1.5 * label);
    for (std::size_t i = 0; i + 1 < kX.size(); ++i) {  // skin 0: the segment midpoints
        EXPECT_DOUBLE_EQ(zero.innerX[i], 0.5 * (zero.X[i] + zero.X[i + 1])) << i;
        EXPECT_DOUBLE_EQ(zero.innerY[i], 0.5 * (zero.Y[i] + zero.Y[i + 1])) << i;
    }
    // Skin 0.25: one point per side of the diamond (the repeated point gives
    // none), each the side's midpoint moved square to it towards the chord
    // line; exact up to rounding (1e-12 of a 10-unit rib).
    const RibOutline skin = ribOutline(kX, kY, chord, 0.25, label);
    ASSERT_EQ(skin.innerX.size(), 5u);
    const double mid = 1.0 + 1.5 * label;  // the chord line on the sheet
    const double side = std::hypot(5.0, 1.0);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(std::fabs(skin.innerY[i] - mid), 0.5 - 0.25 * 5.0 / side, 1e-12) << i;
        EXPECT_NEAR(std::fabs(skin.innerX[i] - 5.0), 2.5 - 0.25 / side, 1e-12) << i;
    }
    EXPECT_DOUBLE_EQ(skin.innerX.back(), skin.innerX.front());
    // A skin thicker than half the rib leaves no line to cut.
    EXPECT_TRUE(ribOutline(kX, kY, chord, 1.1, label).innerX.empty());
}

bool segmentsCross(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy) {
    const auto orient = [](double px, double py, double qx, double qy, double rx, double ry) {
        return (qx - px) * (ry - py) - (qy - py) * (rx - px);
    };
    const double d1 = orient(cx, cy, dx, dy, ax, ay), d2 = orient(cx, cy, dx, dy, bx, by);
    const double d3 = orient(ax, ay, bx, by, cx, cy), d4 = orient(ax, ay, bx, by, dx, dy);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

double nearestOutline(const RibOutline& rib, double px, double py) {
    double best = 1e300;
    for (std::size_t i = 0; i + 1 < rib.X.size(); ++i) {
        const double dx = rib.X[i + 1] - rib.X[i], dy = rib.Y[i + 1] - rib.Y[i];
        const double len2 = dx * dx + dy * dy;
        const double t =
            len2 > 0 ? std::clamp(((px - rib.X[i]) * dx + (py - rib.Y[i]) * dy) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(px - rib.X[i] - t * dx, py - rib.Y[i] - t * dy));
    }
    return best;
}

// Thickness of the rib across the chord at X: the spread of the outline's
// crossings with that station.
double thicknessAt(const RibOutline& rib, double X) {
    double lo = 1e300, hi = -1e300;
    for (std::size_t i = 0; i + 1 < rib.X.size(); ++i) {
        const double x0 = rib.X[i], x1 = rib.X[i + 1];
        if ((x0 > X) == (x1 > X)) continue;
        const double y = rib.Y[i] + (X - x0) / (x1 - x0) * (rib.Y[i + 1] - rib.Y[i]);
        lo = std::min(lo, y);
        hi = std::max(hi, y);
    }
    return hi > lo ? hi - lo : 0.0;
}

// The skin line of real sections, the cut a builder makes: inside the
// outline at least the skin away from it, crossing neither itself nor the
// outline, ending near where the rib is twice the skin thick.
TEST(RibOutline, SkinLineOfRealSectionsIsACleanCut) {
    struct Case {
        int naca;
        double chord, skin;
    } cases[] = {
        {2412, 8.0, 0.1}, {2412, 6.5, 0.1}, {2412, 5.0, 0.1},  // the tapered wing of three ribs
        {12, 5.0, 0.1},   {4412, 5.0, 0.2}, {23012, 20.0, 0.3}, {6409, 4.0, 0.05}, {2412, 30.0, 0.0625},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "NACA " << c.naca << " chord " << c.chord << " skin " << c.skin);
        const test::NacaBuild b = test::buildNaca(c.naca, 0.0f, 60);
        std::vector<double> x, y;
        for (int i = 1; i <= 121; ++i) {
            const int k = i <= 120 ? i : 1;
            x.push_back(b.nodeX(k));
            y.push_back(b.nodeY(k));
        }
        const RibOutline rib = ribOutline(x, y, c.chord, c.skin, 0.15);
        const std::size_t m = rib.innerX.size();
        ASSERT_GE(m, 4u);
        EXPECT_EQ(rib.innerX.front(), rib.innerX.back());
        EXPECT_EQ(rib.innerY.front(), rib.innerY.back());
        double aft = 0.0;
        for (std::size_t i = 0; i < m; ++i) {
            // The skin away from the outline, to rounding (1e-9 of the skin).
            EXPECT_GE(nearestOutline(rib, rib.innerX[i], rib.innerY[i]), c.skin * (1 - 1e-9)) << i;
            aft = std::max(aft, rib.innerX[i]);
        }
        for (std::size_t i = 0; i + 1 < m; ++i) {
            for (std::size_t j = i + 2; j + 1 < m; ++j) {
                if (i == 0 && j + 2 == m) continue;  // neighbours through the closing point
                EXPECT_FALSE(segmentsCross(rib.innerX[i], rib.innerY[i], rib.innerX[i + 1], rib.innerY[i + 1],
                                           rib.innerX[j], rib.innerY[j], rib.innerX[j + 1],
                                           rib.innerY[j + 1]))
                    << "skin line crosses itself: segments " << i << " and " << j;
            }
            for (std::size_t j = 0; j + 1 < rib.X.size(); ++j)
                EXPECT_FALSE(segmentsCross(rib.innerX[i], rib.innerY[i], rib.innerX[i + 1], rib.innerY[i + 1],
                                           rib.X[j], rib.Y[j], rib.X[j + 1], rib.Y[j + 1]))
                    << "skin line crosses the outline: segments " << i << " and " << j;
        }
        // Where the line ends aft the rib is at least twice the skin thick,
        // and not much more: the thickness here is measured across the chord,
        // the skin square to the surface, which at the trailing-edge angles
        // of these sections differs by up to 0.004 chord (measured); 0.005
        // chord allows for that.
        EXPECT_LT(aft, c.chord);
        const double thick = thicknessAt(rib, aft);
        EXPECT_GE(thick, 2.0 * c.skin);
        EXPECT_LE(thick, 2.0 * c.skin + 0.005 * c.chord);
    }
}

// The figures a printer page receives, in inches: the outline's lines are
// the solid black lines left of the ruler strip.
struct Printed {
    std::vector<RecordedCall> outline, inner, ruler;
    std::vector<std::string> texts;
    int newPages = 0;
};

Printed printOnLetter(const TemplateJob& job, std::string* problem = nullptr) {
    plot::RecordingSurface page(8.5 * 600, 11 * 600, true, 600);
    const std::string p = printRibTemplates(page, job);
    if (problem) *problem = p;
    Printed out;
    const double strip = job.settings.centimetres ? 7.5 * 2.54 : 7.5;
    for (const RecordedCall& c : page.calls()) {
        if (c.kind == RecordedCall::Kind::NewPage) ++out.newPages;
        if (c.kind == RecordedCall::Kind::Text) out.texts.push_back(c.text);
        if (c.kind != RecordedCall::Kind::Line) continue;
        if (std::min(c.x1, c.x2) >= strip)
            out.ruler.push_back(c);
        else
            (c.pen.style == plot::DrawStyle::Dash ? out.inner : out.outline).push_back(c);
    }
    return out;
}

double extentY(const std::vector<RecordedCall>& lines) {
    double lo = 1e300, hi = -1e300;
    for (const RecordedCall& c : lines) {
        lo = std::min({lo, c.y1, c.y2});
        hi = std::max({hi, c.y1, c.y2});
    }
    return hi - lo;
}

TEST(RibTemplates, PrintsRibsRulerAndLabelsAtTheirSize) {
    const Printed in = printOnLetter({{6, 6, 0.1, 1, false}, "0012", kX, kY});
    ASSERT_EQ(in.outline.size(), kX.size() - 1);
    ASSERT_EQ(in.inner.size(), 4u);              // one point per side of the diamond, closed
    EXPECT_DOUBLE_EQ(extentY(in.outline), 6.0);  // the chord down the page, inches
    EXPECT_EQ(in.newPages, 0);
    EXPECT_EQ(in.texts.at(in.texts.size() - 1).substr(0, 19), "|__ 0012 Airfoil #1");
    // The two scales: 100 mm and 4 in, each as a line with its ticks.
    std::vector<double> lengths;
    for (const RecordedCall& c : in.ruler)
        if (c.x1 == c.x2) lengths.push_back(std::fabs(c.y2 - c.y1));
    ASSERT_EQ(lengths.size(), 2u);
    EXPECT_NEAR(lengths[0], 10.0 / 2.54, 1e-12);
    EXPECT_NEAR(lengths[1], 4.0, 1e-12);
    EXPECT_NE(std::find(in.texts.begin(), in.texts.end(), "100 mm"), in.texts.end());

    // A 40 cm chord on 27.94 cm paper: two sheet rows, the second labelled Page 2.
    const Printed cm = printOnLetter({{40, 40, 0, 1, true}, "2412", kX, kY});
    EXPECT_EQ(cm.newPages, 1);
    EXPECT_EQ(cm.texts.back(), "|__ 2412 Airfoil #1: chord = 40.00 cm.;  span location = 0.0 %  Page 2");

    std::string problem;
    const Printed none = printOnLetter({{90, 90, 0, 1, false}, "0012", kX, kY}, &problem);
    EXPECT_NE(problem, "");
    EXPECT_TRUE(none.outline.empty() && none.texts.empty() && none.ruler.empty());
}

}  // namespace
}  // namespace aerolune::print
