// The panel solution against the exact potential flow about a Karman-Trefftz
// section (reference/karman_trefftz/: coordinates, exact Cl and Cm about the
// leading edge at 0 and 5 degrees, exact surface Cp), read from the section's
// coordinate files through the program's own reader.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AirfoilRun.h"

namespace aerolune::test {
namespace {

struct ExactCoefficients {
    double alpha, cl, cmLe;
};
// reference/karman_trefftz/kt_exact_coefficients.csv (10 significant digits).
constexpr ExactCoefficients kExact[] = {{0.0, 0.3182284218, -0.1549370325},
                                        {5.0, 0.9167129468, -0.3118348844}};

struct CpStation {
    double x, y, cp0, cp5;
};

// The exact stations as one polyline round the section: upper surface from the
// trailing edge to the leading edge, then the lower surface back.
std::vector<CpStation> exactCpPolyline() {
    std::vector<CpStation> upper, lower;
    for (const auto& f : readCsv("reference/karman_trefftz/KT_cambered_cp.csv"))
        (f[0] == "upper" ? upper : lower)
            .push_back({std::stod(f[1]), std::stod(f[2]), std::stod(f[3]), std::stod(f[4])});
    std::vector<CpStation> polyline(upper.rbegin(), upper.rend());
    polyline.insert(polyline.end(), lower.begin() + 1, lower.end());
    return polyline;
}

// Exact Cp at the point of the polyline nearest to (x, y), interpolated along the segment.
double exactCpNear(const std::vector<CpStation>& line, double x, double y, bool alpha5) {
    double best = 1e300, cp = 0.0;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const CpStation &a = line[i], &b = line[i + 1];
        double ex = b.x - a.x, ey = b.y - a.y;
        double t = std::clamp(((x - a.x) * ex + (y - a.y) * ey) / (ex * ex + ey * ey), 0.0, 1.0);
        double d = std::hypot(a.x + t * ex - x, a.y + t * ey - y);
        if (d < best) {
            best = d;
            cp = alpha5 ? a.cp5 + t * (b.cp5 - a.cp5) : a.cp0 + t * (b.cp0 - a.cp0);
        }
    }
    return cp;
}

double largestCpError(const AirfoilResult& r, const std::vector<CpStation>& exact, bool alpha5) {
    double worst = 0.0;
    for (int i = 0; i < r.panels(); ++i) {
        int next = (i + 1) % r.panels();
        if (r.ctrlX[i] > 0.98) continue;
        double ym = 0.5 * (r.nodeY[i] + r.nodeY[next]);
        worst = std::max(worst, std::fabs(r.cp[i] - exactCpNear(exact, r.ctrlX[i], ym, alpha5)));
    }
    return worst;
}

struct KtCase {
    const char* file;
    int totalPoints;
    double liftTolerance;  // relative
};

class KarmanTrefftz : public ::testing::TestWithParam<KtCase> {};

// Lift within 0.3 % at 120 points and 0.15 % at 160 (the accuracy we hold the
// solver to; the reference solver is within 0.14 % at 160); moment about the
// leading edge within 0.5 %; Cp within 0.02 of the exact value at every control
// point more than 2 % chord from the trailing edge, where the exact Cp rises
// to the stagnation value 1 over a distance shorter than one panel.
TEST_P(KarmanTrefftz, MatchesExactPotentialFlow) {
    const KtCase& c = GetParam();
    auto exactCp = exactCpPolyline();
    for (const ExactCoefficients& e : kExact) {
        AirfoilResult r = runAirfoil(karmanTrefftzCall(c.file, static_cast<float>(e.alpha), c.totalPoints));
        ASSERT_TRUE(r.guardsIntact());
        double liftError = r.cl / e.cl - 1.0;
        double momentError = r.cmLe / e.cmLe - 1.0;
        double cpError = largestCpError(r, exactCp, e.alpha > 0.0);
        EXPECT_LE(std::fabs(liftError), c.liftTolerance) << c.file << " alpha " << e.alpha << " Cl " << r.cl;
        EXPECT_LE(std::fabs(momentError), 0.005) << c.file << " alpha " << e.alpha << " Cm " << r.cmLe;
        EXPECT_LE(cpError, 0.02) << c.file << " alpha " << e.alpha;
        std::string key =
            std::string("n") + std::to_string(c.totalPoints) + "_a" + std::to_string(int(e.alpha));
        RecordProperty(key + "_cl_error_pct", std::to_string(100.0 * liftError));
        RecordProperty(key + "_cm_error_pct", std::to_string(100.0 * momentError));
        RecordProperty(key + "_cp_error", std::to_string(cpError));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, KarmanTrefftz,
    ::testing::Values(KtCase{"KT_cambered.txt", 120, 0.003}, KtCase{"KT_cambered.txt", 160, 0.0015},
                      KtCase{"KT_cambered.txt", 240, 0.0015}, KtCase{"KT_cambered.txt", 340, 0.0015},
                      KtCase{"KT_cambered_selig.dat", 120, 0.003},
                      KtCase{"KT_cambered_selig.dat", 160, 0.0015}),
    [](const auto& testCase) {  // e.g. KT_cambered_selig_160: stable and readable
        const std::string file = testCase.param.file;
        return file.substr(0, file.find('.')) + "_" + std::to_string(testCase.param.totalPoints);
    });

}  // namespace
}  // namespace aerolune::test
