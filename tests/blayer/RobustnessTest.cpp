// Blayer2 on bad arguments and over every setting the dialog offers: a
// failure is reported through the row count, outputs stay finite and zero
// past the rows, and nothing is written beyond the documented dimensions.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "BlayerRun.h"

namespace aerolune::test {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

std::size_t profileSize(const BlayerRun& r) {
    return r.set.points > 0 && r.n() > 0 ? blayerLayout(r.n(), r.set.points).profileSize() : 0;
}
std::size_t tableSize(const BlayerRun& r) { return r.n() > 0 ? blayerLayout(r.n(), 1).tableSize() : 0; }

// The first thing wrong with the outputs, or "" when they are sane: all
// finite; rows and profiles past the row count are 0; within it the results
// are physically sensible.
std::string firstProblem(const BlayerRun& r) {
    if (r.rows < 0 || r.rows > r.n() || r.rows == 1)
        return "row count out of range";  // one station is no layer
    if (!r.guardsIntact(profileSize(r), tableSize(r))) return "written beyond the dimensions";
    for (int i = 1; i <= r.n(); ++i) {
        const bool solved = i <= r.rows;
        for (int c = 1; c <= BlayerLayout::tableColumns; ++c) {
            if (!std::isfinite(r.t(i, c))) return "table not finite";
            if (!solved && r.t(i, c) != 0.0) return "table not zero past the rows";
        }
        for (int j = 1; j <= r.set.points; ++j) {
            if (!std::isfinite(r.u(j, i)) || !std::isfinite(r.y(j, i))) return "profile not finite";
            if (!solved && (r.u(j, i) != 0.0 || r.y(j, i) != 0.0)) return "profile not zero past the rows";
        }
        if (!solved || i == 1) continue;
        if (r.y(1, i) != 0.0) return "profile does not start at the wall";
        for (int j = 2; j <= r.set.points; ++j)
            if (!(r.y(j, i) > r.y(j - 1, i))) return "profile heights not increasing";
        for (int j = 1; j <= r.set.points; ++j)
            if (!(r.u(j, i) >= 0.0 && r.u(j, i) < 1.5)) return "u/Ue outside 0..1.5";
        if (!(r.t(i, BlayerMomentum) > 0.0 && r.t(i, BlayerShape) > 1.0)) return "thickness or H";
        if (!(r.t(i, BlayerFriction) > 0.0)) return "separated row reported";
        const double gamma = r.t(i, BlayerIntermittency);
        if (!(gamma >= 0.0 && gamma <= 1.0)) return "intermittency outside 0..1";
        if (r.t(i, BlayerTurbulent) < r.t(i - 1, BlayerTurbulent)) return "turbulent flag turned off";
    }
    return "";
}

void expectSaneOutputs(const BlayerRun& r) { EXPECT_EQ(firstProblem(r), ""); }

TEST(BlayerRobustness, UnusableArgumentsReportFailureWithZeroOutputs) {
    using Mutation = std::function<void(BlayerRun&)>;
    struct Case {
        const char* what;
        Mutation change;
    };
    const Case cases[] = {
        {"Reynolds 0", [](BlayerRun& r) { r.set.reynolds = 0.0; }},
        {"Reynolds 1", [](BlayerRun& r) { r.set.reynolds = 1.0; }},
        {"Reynolds below 1000", [](BlayerRun& r) { r.set.reynolds = 999.0; }},
        {"Reynolds negative", [](BlayerRun& r) { r.set.reynolds = -1e6; }},
        {"Reynolds NaN", [](BlayerRun& r) { r.set.reynolds = nan; }},
        {"Reynolds infinite", [](BlayerRun& r) { r.set.reynolds = inf; }},
        {"4 points across", [](BlayerRun& r) { r.set.points = 4; }},
        {"5000 points across", [](BlayerRun& r) { r.set.points = 5000; }},
        {"one station", [](BlayerRun& r) { r.s.resize(1), r.ue.resize(1); }},
        {"s decreasing", [](BlayerRun& r) { r.s[5] = r.s[3]; }},
        {"s repeated", [](BlayerRun& r) { r.s[5] = r.s[4]; }},
        {"s NaN", [](BlayerRun& r) { r.s[7] = nan; }},
        {"Ue NaN", [](BlayerRun& r) { r.ue[7] = nan; }},
        {"Ue infinite", [](BlayerRun& r) { r.ue[3] = inf; }},
        {"Ue(1) negative", [](BlayerRun& r) { r.ue[0] = -0.1; }},
        {"Ue(2) zero", [](BlayerRun& r) { r.ue[1] = 0.0; }},
        {"model -1", [](BlayerRun& r) { r.set.model = -1; }},
        {"model 3", [](BlayerRun& r) { r.set.model = 3; }},
        {"grid height 0", [](BlayerRun& r) { r.set.limit = 0.0; }},
        {"grid height NaN", [](BlayerRun& r) { r.set.limit = nan; }},
        {"grid height 1e9", [](BlayerRun& r) { r.set.limit = 1e9; }},
        {"roughness NaN", [](BlayerRun& r) { r.set.roughness = nan; }},
    };
    auto [s, ue] = stations(21, 1.0, [](double) { return 1.0; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BlayerRun in{s, ue, {}, {}, {}, {}, {}, -1};
        c.change(in);
        const BlayerRun r = runBlayer(in.s, in.ue, in.set);
        EXPECT_EQ(r.rows, 0);
        expectSaneOutputs(r);
    }
}

TEST(BlayerRobustness, WithoutKnownDimensionsNothingIsWritten) {
    // Zero or negative points across, or no stations: the extent of the
    // caller's arrays is unknown, so not even zeros are written.
    auto [s, ue] = stations(21, 1.0, [](double) { return 1.0; });
    for (int32_t points : {0, -3}) {
        const BlayerRun r = runBlayer(s, ue, {1e6, points, 50.0, 2, 0.0});
        EXPECT_EQ(r.rows, 0);
        for (double v : r.table) ASSERT_EQ(v, guardValue);
        for (double v : r.stationOut) ASSERT_EQ(v, guardValue);
    }
    const BlayerRun none = runBlayer({}, {}, {});
    EXPECT_EQ(none.rows, 0);
    EXPECT_TRUE(none.guardsIntact(0, 0));
}

TEST(BlayerRobustness, EdgeFlowStoppingEndsTheMarchBeforeThatStation) {
    // A non-positive Ue after station 1 is treated like separation: the rows
    // stop at the station before it.
    for (double bad : {0.0, -0.5}) {
        auto [s, ue] = stations(21, 1.0, [](double) { return 1.0; });
        ue[10] = bad;
        const BlayerRun r = runBlayer(s, ue, {});
        EXPECT_EQ(r.rows, 10);
        expectSaneOutputs(r);
    }
}

// A reference surface resampled to n stations, as a section with about 2n
// points would give it.
std::pair<std::vector<double>, std::vector<double>> resampled(const ReferenceSurface& surf, int n) {
    const double length = surf.s.back();
    return stations(n, length, [&](double s) {
        std::size_t k = 1;
        while (k + 1 < surf.s.size() && surf.s[k] < s) ++k;
        const double t = (s - surf.s[k - 1]) / (surf.s[k] - surf.s[k - 1]);
        return surf.ue[k - 1] + t * (surf.ue[k] - surf.ue[k - 1]);
    });
}

TEST(BlayerRobustness, EverySettingOfTheDialogGivesSaneResults) {
    // Points across 16..64, grid height 10..100, the three models, roughness 0
    // and 1e-3, on surfaces from 20 to 170 stations: the reference NACA 0012
    // and 2412 surfaces at 4 degrees, a circular cylinder (Ue = 2 sin s,
    // separating laminar near 105 degrees) and a sharp suction peak like that
    // of a section near stall.
    std::vector<std::pair<std::vector<double>, std::vector<double>>> surfaces;
    const auto [upper0012, lower0012] = readReferenceSurfaces("reference/xfoil_bl/naca0012_re1e6_a4_bl.csv");
    const auto [upper2412, lower2412] = readReferenceSurfaces("reference/xfoil_bl/naca2412_re1e6_a4_bl.csv");
    surfaces.push_back(resampled(upper0012, 170));
    surfaces.push_back(resampled(lower0012, 20));
    surfaces.push_back(resampled(upper2412, 70));
    surfaces.push_back(resampled(lower2412, 40));
    surfaces.push_back(stations(60, 3.14159, [](double s) { return 2.0 * std::sin(s); }));
    surfaces.push_back(
        stations(120, 1.02, [](double s) { return s < 0.02 ? 125.0 * s : 2.5 - 1.8 * (s - 0.02); }));
    int separated = 0;
    for (const auto& [s, ue] : surfaces)
        for (int32_t points = 16; points <= 64; points += 8)
            for (double limit = 10.0; limit <= 100.0; limit += 10.0)
                for (int32_t model : {0, 1, 2})
                    for (double roughness : {0.0, 1e-3}) {
                        const BlayerRun r = runBlayer(s, ue, {1e6, points, limit, model, roughness});
                        const std::string problem = r.rows >= 2 ? firstProblem(r) : "failed";
                        ASSERT_EQ(problem, "") << "n " << r.n() << " points " << points << " limit " << limit
                                               << " model " << model << " roughness " << roughness;
                        separated += r.rows < r.n();
                    }
    // The cylinder and the suction peak separate whatever the settings.
    EXPECT_GE(separated, 2 * 420);
}

TEST(BlayerRobustness, ReynoldsNumbersFromLowToHigh) {
    auto [s, ue] = stations(81, 1.0, [](double x) { return 1.0 + 0.2 * std::sin(3.0 * x); });
    for (double re : {1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9})
        for (int32_t model : {0, 2}) {
            SCOPED_TRACE(testing::Message() << "Re " << re << " model " << model);
            const BlayerRun r = runBlayer(s, ue, {re, 32, 50.0, model, 0.0});
            EXPECT_GE(r.rows, 2);
            expectSaneOutputs(r);
        }
}

}  // namespace
}  // namespace aerolune::test
