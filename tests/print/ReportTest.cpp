// The report view and the Fourier listing: their cells against the state
// they are drawn from, the cells that would divide by no lift, and the
// columns on the plot area.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "analysis/LinAero.h"
#include "common/FormatPicture.h"
#include "plot/RecordingSurface.h"
#include "print/Report.h"
#include "support/NullSeam.h"

namespace aerolune::print {
namespace {

// Row label -> its three value cells.
std::map<std::string, std::vector<std::string>> rows(const std::vector<ReportLine>& lines) {
    std::map<std::string, std::vector<std::string>> out;
    for (const ReportLine& l : lines)
        if (l.zones.size() == 4 && !l.zones[0].empty())
            out[l.zones[0]] = {l.zones[1], l.zones[2], l.zones[3]};
    return out;
}

TEST(Report, Naca2412AtFourDegreesShowsTheStatesFigures) {
    AppState state;
    state.texts.sectionName = "2412";
    state.texts.angleText = "4";
    state.texts.angleReadout = "4 Deg.";
    state.display.view = 8;  // the report view brings the boundary layer up to date
    state = test::recomputed(state);
    ASSERT_TRUE(state.boundaryLayer.ok) << state.boundaryLayer.error;

    const std::vector<ReportLine> lines = reportLines(state);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0].zones.at(0), " Aerolune Report");
    EXPECT_EQ(lines[0].points, 14);
    EXPECT_EQ(lines[1].zones.at(0),
              "    Angle of Attack:  4 Deg.,   Flap Defl.: 0.0 Deg.,   Flap Length: 0.0 %c");

    const double clP = state.section.panelCl.value_or(0.0),
                 cmP = state.section.panelCmLeadingEdge.value_or(0.0);
    const double clB = state.boundaryLayer.cl, cmB = state.boundaryLayer.cmLe;
    auto f4 = [](double v) { return formatPicture(v, "0.0###"); };
    auto cp = [](double cl, double cm) { return formatPicture(-(cm / cl) * 100.0, "00") + "%c"; };
    const auto& t = state.texts;
    const std::map<std::string, std::vector<std::string>> expected = {
        {"    Lift Coeff", {t.cl, f4(clP), f4(clB)}},
        {"    Cm (L.E.)", {t.cmLeadingEdge, f4(cmP), f4(cmB)}},
        {"    Cm (c/4)", {t.cmQuarterChord, f4(cmP + 0.25 * clP), f4(cmB + 0.25 * clB)}},
        {"    Angle (Cl=0)", {t.zeroLiftAngle, "Not Comp.", "Not Comp."}},
        {"    Cent. of Pres", {t.centreOfPressure, cp(clP, cmP), cp(clB, cmB)}},
        {"    Drag Coefficient",
         {"N/A", t.cd, formatPicture(state.analysis.boundaryLayerCd.value_or(0.0), "0.0#####")}},
    };
    EXPECT_EQ(rows(lines), expected);
    // A cambered section at 4 degrees: real lift, a centre of pressure aft of the quarter chord.
    EXPECT_GT(clP, 0.5);
    EXPECT_NE(t.centreOfPressure, "N/A");
}

TEST(Report, CellsThatWouldDivideByNoLiftReadNotApplicable) {
    struct Case {
        double cl, cm;
        bool layerOk;
        std::vector<std::string> quarter, centre;  // panel and boundary-layer cells
    } cases[] = {
        {0.0, 0.0, true, {"N/A", "N/A"}, {"N/A", "N/A"}},  // symmetric section at 0 degrees
        {0.008, -0.001, true, {"0.001", "0.001"}, {"N/A", "N/A"}},
        {0.5, -0.1, true, {"0.025", "0.025"}, {"20%c", "20%c"}},
        {0.5, -0.0125, true, {"0.1125", "0.1125"}, {"03%c", "03%c"}},  // 2.5 rounds away from zero
        {0.5, -0.1, false, {"0.025", "Not Comp."}, {"20%c", "Not Comp."}},
    };
    for (const Case& c : cases) {
        AppState state;
        state.section.panelCl = c.cl;
        state.section.panelCmLeadingEdge = c.cm;
        state.boundaryLayer.ok = c.layerOk;
        state.boundaryLayer.cl = static_cast<float>(c.cl);
        state.boundaryLayer.cmLe = static_cast<float>(c.cm);
        const auto r = rows(reportLines(state));
        EXPECT_EQ(r.at("    Cm (c/4)")[1], c.quarter[0]) << c.cl;
        EXPECT_EQ(r.at("    Cm (c/4)")[2], c.quarter[1]) << c.cl;
        EXPECT_EQ(r.at("    Cent. of Pres")[1], c.centre[0]) << c.cl;
        EXPECT_EQ(r.at("    Cent. of Pres")[2], c.centre[1]) << c.cl;
    }
}

TEST(Report, ColumnsStayAlignedAsTextAndOnThePlotArea) {
    AppState state;
    state.texts.cl = "0.250";
    const std::vector<ReportLine> lines = reportLines(state);
    const int zone = reportZoneWidth(lines);
    EXPECT_EQ(zone, 21);  // "    Drag Coefficient" and a space
    EXPECT_EQ(reportLineText(lines[5], zone), std::string("    Lift Coeff") + std::string(7, ' ') + "0.250" +
                                                  std::string(16, ' ') + "0.0" + std::string(18, ' ') +
                                                  "Not Comp.");

    plot::RecordingSurface pt(1200, 800);
    drawReport(pt, lines);
    const std::vector<plot::RecordedCall> printed = pt.of(plot::RecordedCall::Kind::Text);
    std::map<std::size_t, double> columnX;  // zone -> x of its items
    std::size_t k = 0;
    for (const ReportLine& line : lines) {
        for (std::size_t z = 0; z < line.zones.size(); ++z, ++k) {
            ASSERT_LT(k, printed.size());
            ASSERT_EQ(printed[k].text, line.zones[z]);
            if (!columnX.count(z)) columnX[z] = printed[k].x1;
            EXPECT_DOUBLE_EQ(printed[k].x1, columnX[z]) << line.zones[z];
        }
    }
    EXPECT_LT(columnX[1], columnX[2]);
    EXPECT_LT(pt.textWidth("    Drag Coefficient"), columnX[1]);  // the widest label clears column 2
}

TEST(Report, BothReportViewsFitThePlotAreaAtAnySizeAndKeepTheirSizesOnAPage) {
    AppState state;
    state.texts.angleReadout = "-12.5 Deg.";
    state.texts.flapDeflection = "-15.0 Deg.";
    state.texts.flapLength = "25.0 %c";
    state.analysis.thinAirfoilModel = std::make_shared<LinAero>();
    state.analysis.thinAirfoilModel->A1 = -123.456789f;
    struct Case {
        const char* view;
        std::vector<ReportLine> lines;
    } cases[] = {{"coefficients", reportLines(state)}, {"Fourier listing", fourierListingLines(state)}};
    for (const Case& c : cases) {
        // The plot area of the window at its opening size and maximised on a
        // 1280 x 1024 screen, pixels; and a page.
        plot::RecordingSurface opening(390, 345), maximised(1010, 800), page(816, 1056, true);
        for (plot::RecordingSurface* pt : {&opening, &maximised, &page}) {
            drawReport(*pt, c.lines);
            const std::vector<plot::RecordedCall> printed = pt->of(plot::RecordedCall::Kind::Text);
            ASSERT_FALSE(printed.empty()) << c.view;
            for (const plot::RecordedCall& t : printed) {
                pt->setFont(t.font);
                EXPECT_LE(t.x1 + pt->textWidth(t.text), pt->scaleLeft() + pt->scaleWidth() + 1e-9)
                    << c.view << ": " << t.text;
                EXPECT_LE(t.y1 + pt->textHeight(t.text), pt->scaleTop() + pt->scaleHeight() + 1e-9)
                    << c.view << ": " << t.text;
            }
        }
        // The page has room for the report at its own sizes (title 14 or body 8 points).
        EXPECT_EQ(page.of(plot::RecordedCall::Kind::Text).back().font.points, 8) << c.view;
        // A large plot area shows it larger than the small one does: the body
        // at least half as large again as its own 8 points (the lines take at
        // most half the area's width at 8 points).
        const double small = opening.of(plot::RecordedCall::Kind::Text).back().font.points;
        const double large = maximised.of(plot::RecordedCall::Kind::Text).back().font.points;
        EXPECT_GE(large, 12) << c.view;
        EXPECT_GT(large, small) << c.view;
    }
}

TEST(FourierListing, TwelveLinesFromTheCoefficients) {
    AppState state;
    state.analysis.thinAirfoilModel = std::make_shared<LinAero>();
    state.analysis.thinAirfoilModel->A0 = 0.0123456f;
    state.analysis.thinAirfoilModel->A8 = -1.5f;
    const std::vector<ReportLine> lines = fourierListingLines(state);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0].zones.at(0), "   FOURIER COEFFICIENTS FOR");
    EXPECT_EQ(lines[3].zones.at(0), "   A0 = 0.012346");
    EXPECT_EQ(lines[11].zones.at(0), "   A8 = -1.500000");
}

}  // namespace
}  // namespace aerolune::print
