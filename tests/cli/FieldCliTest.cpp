// aerolune-cli field run as a user runs it: the node table and the
// iso-segments against the field views' own computation on the same section,
// and one line on standard error with status 2 for a malformed option.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/FieldRoutine.h"
#include "analysis/Pipeline.h"
#include "cli/CliRun.h"
#include "support/NullSeam.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::nearlyEqual;

using test::CliRun;
using test::runCli;

using test::NullSeam;

// Header line, then each row's fields as numbers.
struct Csv {
    std::string header;
    std::vector<std::vector<double>> rows;
};

Csv parseCsv(const std::string& text) {
    Csv csv;
    std::istringstream in(text);
    std::getline(in, csv.header);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<double> row;
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) row.push_back(std::strtod(field.c_str(), nullptr));
        csv.rows.push_back(row);
    }
    return csv;
}

// The state the command line builds for --naca 2412 --alpha 4: the section
// solved at 120 points.
AppState solved2412At4() {
    AppState state;
    state.texts.sectionName = "2412";
    state.texts.angleText = "4";
    state.analysis.boundaryLayerPending = false;
    NullSeam seam;
    recompute(state, seam);
    return state;
}

// Printed with 9 significant digits: 1e-7 relative and 1e-9 absolute (a value
// near 0 keeps its digits too, so the absolute part only covers -0 and 0).
bool samePrinted(double printed, float value) { return nearlyEqual(printed, value, 1e-9, 1e-7); }

TEST(FieldCli, NodeTableIsTheStreamlineViewsField) {
    const CliRun run = runCli("field --naca 2412 --alpha 4");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const Csv csv = parseCsv(run.out);
    EXPECT_EQ(csv.header, "i,j,x,y,psi,cp");
    ASSERT_EQ(csv.rows.size(), 61u * 31u);

    AppState state = solved2412At4();
    const FieldViewData view = computeFieldView(state, kStreamlineView);
    std::size_t r = 0;
    for (int32_t j = 1; j <= 31; ++j)
        for (int32_t i = 1; i <= 61; ++i, ++r) {
            const std::vector<double>& row = csv.rows[r];
            ASSERT_EQ(row.size(), 6u) << "row " << r;
            ASSERT_EQ(row[0], i);
            ASSERT_EQ(row[1], j);
            EXPECT_TRUE(samePrinted(row[2], view.mesh.x(i, j))) << i << "," << j;
            EXPECT_TRUE(samePrinted(row[3], view.mesh.y(i, j))) << i << "," << j;
            EXPECT_TRUE(samePrinted(row[4], view.flow.psi(i, j))) << i << "," << j;
            EXPECT_TRUE(samePrinted(row[5], view.flow.cp(i, j))) << i << "," << j;
        }
}

TEST(FieldCli, MeshOptionsSetSizeRadiusAndClustering) {
    const CliRun run = runCli("field --mesh 41x21 --radius 10 --cluster 1.05");
    ASSERT_EQ(run.status, 0) << run.err;
    const Csv csv = parseCsv(run.out);
    ASSERT_EQ(csv.rows.size(), 41u * 21u);
    // The last 41 rows are the outer ring: on the circle of radius 10 about
    // mid-chord (0.5, 0) to 1e-4 (printed values, float mesh).
    for (std::size_t r = csv.rows.size() - 41; r < csv.rows.size(); ++r) {
        EXPECT_EQ(csv.rows[r][1], 21);
        EXPECT_TRUE(nearlyEqual(std::hypot(csv.rows[r][2] - 0.5, csv.rows[r][3]), 10.0, 1e-4)) << r;
    }
    // Clustering 1.05: the spacing between rings 2-3 over rings 1-2 along
    // line i = 16 is about 1.05 (the smoothed mesh keeps it within 0.05).
    auto node = [&csv](int i, int j) { return csv.rows[static_cast<std::size_t>((j - 1) * 41 + (i - 1))]; };
    const double d1 = std::hypot(node(16, 2)[2] - node(16, 1)[2], node(16, 2)[3] - node(16, 1)[3]);
    const double d2 = std::hypot(node(16, 3)[2] - node(16, 2)[2], node(16, 3)[3] - node(16, 2)[3]);
    EXPECT_TRUE(nearlyEqual(d2 / d1, 1.05, 0.05)) << d2 / d1;
}

TEST(FieldCli, SegmentsAreThoseOfTheViewsLevels) {
    AppState state = solved2412At4();
    for (const auto& [args, view] : {std::pair{std::string("--field cp --levels 33"), kPressureView},
                                     std::pair{std::string("--field psi"), kStreamlineView},
                                     std::pair{std::string("--levels 51"), kStreamlineView}}) {
        SCOPED_TRACE(args);
        const CliRun run = runCli("field --naca 2412 --alpha 4 " + args);
        ASSERT_EQ(run.status, 0) << run.err;
        const Csv csv = parseCsv(run.out);
        EXPECT_EQ(csv.header, "level,x1,y1,x2,y2");
        const FieldViewData f = computeFieldView(state, view);
        std::size_t r = 0;
        for (int32_t k = 1; k <= f.levels.count(); ++k)
            for (int32_t s = 1; s <= f.segments.count(k); ++s, ++r) {
                ASSERT_LT(r, csv.rows.size());
                const std::vector<double>& row = csv.rows[r];
                ASSERT_EQ(row.size(), 5u);
                ASSERT_TRUE(samePrinted(row[0], f.levels.levels(k))) << "level " << k;
                EXPECT_TRUE(
                    samePrinted(row[1], f.segments.x1(s, k)) && samePrinted(row[2], f.segments.y1(s, k)) &&
                    samePrinted(row[3], f.segments.x2(s, k)) && samePrinted(row[4], f.segments.y2(s, k)))
                    << "level " << k << " segment " << s;
            }
        EXPECT_EQ(r, csv.rows.size());
        EXPECT_GT(r, 500u);
    }
}

TEST(FieldCli, OtherLevelCountsFollowTheViewsSpacing) {
    // Three psi levels: 1.5, 0 and the wall value; one cp level: CpHigh.
    const CliRun psi = runCli("field --naca 2412 --alpha 4 --levels 3");
    ASSERT_EQ(psi.status, 0) << psi.err;
    std::vector<double> levels;
    for (const auto& row : parseCsv(psi.out).rows)
        if (levels.empty() || row[0] != levels.back()) levels.push_back(row[0]);
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0], 1.5);
    EXPECT_EQ(levels[1], 0.0);
    // psi is 0 on the wall to the flow field's spread along it (1e-3).
    EXPECT_LT(std::fabs(levels[2]), 1e-3);

    const CliRun cp = runCli("field --field cp --levels 1 --points 80");
    ASSERT_EQ(cp.status, 0) << cp.err;
    const Csv rows = parseCsv(cp.out);
    ASSERT_FALSE(rows.rows.empty());
    // The one level is CpHigh of NACA 0012 at 0 degrees solved at 80 points.
    AppState state;
    state.shared.HalfPoints = 40;
    state.shared.TotalPoints = int16_t{80};
    NullSeam seam;
    recompute(state, seam);
    EXPECT_TRUE(samePrinted(rows.rows.front()[0], static_cast<float>(state.analysis.cpHigh)));
}

TEST(FieldCli, MalformedOptionsAreOneLineAndStatus2) {
    const struct {
        std::string args, mentions;
    } cases[] = {
        {"--mesh 61", "--mesh"},        {"--mesh 61x", "--mesh"},           {"--mesh x31", "--mesh"},
        {"--mesh 2x31", "3 to 401"},    {"--mesh 61x1001", "3 to 401"},     {"--mesh 61x31x5", "--mesh"},
        {"--mesh -61x31", "--mesh"},    {"--mesh 99999999999x3", "--mesh"}, {"--radius 1", "--radius"},
        {"--radius abc", "--radius"},   {"--radius 1e9", "--radius"},       {"--cluster 1", "--cluster"},
        {"--cluster 0.5", "--cluster"}, {"--cluster 3", "--cluster"},       {"--cluster nan", "--cluster"},
        {"--levels 0", "--levels"},     {"--levels 1001", "--levels"},      {"--levels many", "--levels"},
        {"--field rho", "--field"},     {"--alpha sideways", "--alpha"},    {"--naca 12", "--naca"},
    };
    for (const auto& c : cases) test::expectUsageError("field " + c.args, c.mentions);
}

}  // namespace
}  // namespace aerolune
