#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "linaero/MeanLines.h"
#include "numerics/linaero/Linaero.h"

namespace aerolune {
namespace {

using test::kPi;
using test::nearlyEqual;

struct Coefficients {
    std::array<float, 9> A{};
};

// Calls the entry exactly as the application does: single-precision arrays,
// every argument by address.
Coefficients callLinaero(float alphaRad, std::vector<float> z, std::vector<float> x, int32_t nh,
                         int32_t order) {
    Coefficients c;
    c.A.fill(-999.0f);  // an output the entry forgets to write shows up
    auto& A = c.A;
    linaero(&alphaRad, z.data(), x.data(), &nh, &order, &A[0], &A[1], &A[2], &A[3], &A[4], &A[5], &A[6],
            &A[7], &A[8]);
    return c;
}

Coefficients callLinaero(float alphaRad, const test::MeanLine& meanLine, int nh, int32_t order) {
    std::vector<float> z, x;
    for (double xi : test::cosineStations(nh)) {
        x.push_back(static_cast<float>(xi));
        z.push_back(static_cast<float>(meanLine(xi)));
    }
    return callLinaero(alphaRad, z, x, nh, order);
}

struct MeanLineCase {
    const char* section;
    test::MeanLine meanLine;
};

// The 61 camber stations of a 120-point section, integration order 200 as the
// application passes it.
TEST(Linaero, NacaMeanLinesMatchExactThinAirfoilTheory) {
    const auto reference = test::readAnalyticTable();
    const MeanLineCase cases[] = {
        {"2412", test::naca4MeanLine(0.02, 0.4)},
        {"24012", test::naca5MeanLine(0.29, 6.643)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        ASSERT_TRUE(reference.count(c.section));
        const auto& exact = reference.at(c.section);
        const auto A = callLinaero(0.0f, c.meanLine, 61, 200).A;

        // Source: analytic.csv (exact). Tolerance 1e-6: the camber ordinates
        // arrive in single precision, which alone moves the coefficients by
        // about 1e-7; the spline's own error at 61 stations is below that.
        const double exactA[] = {exact.A0alpha0, exact.A1, exact.A2, exact.A3};
        for (int n = 0; n < 4; ++n) EXPECT_TRUE(nearlyEqual(A[n], exactA[n], 1e-6)) << n << ": " << A[n];

        // Source: analytic.csv. Tolerances 0.02 degrees and 0.001, the
        // accuracy the results panel must reach at 120 points.
        const double cl = kPi * (2.0 * A[0] + A[1]);
        const double alphaL0Deg = -cl / (2.0 * kPi) * 180.0 / kPi;
        const double cmC4 = kPi * (A[2] - A[1]) / 4.0;
        EXPECT_TRUE(nearlyEqual(alphaL0Deg, exact.alphaL0Deg, 0.02)) << alphaL0Deg;
        EXPECT_TRUE(nearlyEqual(cmC4, exact.cmC4, 0.001)) << cmC4;
        EXPECT_TRUE(nearlyEqual(cl, exact.clAlpha0, 1e-5)) << cl;
    }
}

// Camber lines whose coefficients are known in closed form, at an angle:
// a flat plate has A0 = alpha and nothing else; the parabola z = 4h x (1 - x)
// has dz/dx = 4h cos(theta), so A0 = alpha, A1 = 4h and A2..A8 = 0. Three
// stations carry exactly that parabola and a spline through more reproduces
// it, so at any station count only single-precision rounding remains.
TEST(Linaero, ClosedFormCamberLinesAtAnAngle) {
    const double h = 0.03;
    const float alpha = static_cast<float>(5.0 * kPi / 180.0);
    struct Case {
        const char* name;
        test::MeanLine meanLine;
        double A1;
    } cases[] = {
        {"flat plate", [](double) { return 0.0; }, 0.0},
        {"parabola", [h](double x) { return 4.0 * h * x * (1.0 - x); }, 4.0 * h},
    };
    for (const auto& c : cases) {
        for (int stations : {3, 4, 61}) {
            SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(stations) + " stations");
            const auto A = callLinaero(alpha, c.meanLine, stations, 200).A;
            // Source: closed form above. Tolerance 1e-6 (single-precision inputs).
            EXPECT_TRUE(nearlyEqual(A[0], alpha, 1e-6)) << A[0];
            EXPECT_TRUE(nearlyEqual(A[1], c.A1, 1e-6)) << A[1];
            for (int n = 2; n <= 8; ++n) EXPECT_TRUE(nearlyEqual(A[n], 0.0, 1e-6)) << n << " " << A[n];
            // The lift slope of thin-airfoil theory is 2 pi per radian.
            EXPECT_TRUE(nearlyEqual(kPi * (2.0 * A[0] + A[1]), 2.0 * kPi * alpha + kPi * c.A1, 1e-5));
        }
    }
}

// The camber line is a function of x: the order in which its points arrive
// and repeated points must not change it.
TEST(Linaero, PointOrderAndRepeatedStationsDoNotChangeTheResult) {
    const auto meanLine = test::naca4MeanLine(0.04, 0.3);
    std::vector<float> z, x;
    for (double xi : test::cosineStations(41)) {
        x.push_back(static_cast<float>(xi));
        z.push_back(static_cast<float>(meanLine(xi)));
    }
    const auto forward = callLinaero(0.1f, z, x, 41, 200).A;

    const std::vector<float> zReversed(z.rbegin(), z.rend()), xReversed(x.rbegin(), x.rend());
    std::vector<float> zRepeated = z, xRepeated = x;
    zRepeated.insert(zRepeated.begin() + 10, z[10]);
    xRepeated.insert(xRepeated.begin() + 10, x[10]);

    const auto reversed = callLinaero(0.1f, zReversed, xReversed, 41, 200).A;
    const auto repeated = callLinaero(0.1f, zRepeated, xRepeated, 42, 200).A;
    for (int n = 0; n <= 8; ++n) {
        // Tolerance: the same computation, equal to the last bit.
        EXPECT_EQ(reversed[n], forward[n]) << n;
        EXPECT_EQ(repeated[n], forward[n]) << n;
    }
}

// Input no caller should send still gives finite coefficients of the part
// that makes sense, never a crash or a read past the arrays.
TEST(Linaero, HostileInputGivesFiniteCoefficients) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<float> x5 = {0.0f, 0.1f, 0.4f, 0.8f, 1.0f};
    const std::vector<float> z5 = {0.0f, 0.01f, 0.02f, 0.01f, 0.0f};
    struct Case {
        const char* name;
        float alpha;
        std::vector<float> z, x;
        int32_t nh, order;
        bool flatPlate;  // expect A0 = alpha, the rest 0
    } cases[] = {
        {"no stations", 0.1f, {}, {}, 0, 200, true},
        {"one station", 0.1f, {0.05f}, {0.5f}, 1, 200, true},
        {"negative count", 0.1f, z5, x5, -7, 200, true},
        {"order zero", 0.1f, z5, x5, 5, 0, false},
        {"negative order", 0.1f, z5, x5, 5, -100, false},
        {"absurd order", 0.1f, z5, x5, 5, std::numeric_limits<int32_t>::max(), false},
        {"NaN ordinate", 0.1f, {0.0f, nan, 0.02f, 0.01f, 0.0f}, x5, 5, 200, false},
        {"infinite station", 0.1f, z5, {0.0f, 0.1f, inf, 0.8f, 1.0f}, 5, 200, false},
        {"all stations equal", 0.1f, z5, {0.5f, 0.5f, 0.5f, 0.5f, 0.5f}, 5, 200, true},
        {"huge ordinates", 0.1f, {0.0f, FLT_MAX, -FLT_MAX, FLT_MAX, 0.0f}, x5, 5, 200, false},
        {"crowded stations", 0.1f, z5, {0.0f, 1e-38f, 2e-38f, 3e-38f, 1.0f}, 5, 200, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto A = callLinaero(c.alpha, c.z, c.x, c.nh, c.order).A;
        for (int n = 0; n <= 8; ++n) EXPECT_TRUE(std::isfinite(A[n])) << n;
        if (c.flatPlate) {
            EXPECT_EQ(A[0], c.alpha);
            for (int n = 1; n <= 8; ++n) EXPECT_EQ(A[n], 0.0f) << n;
        }
    }
    // A non-finite angle counts as 0: a flat plate then has no coefficients at all.
    const auto A = callLinaero(nan, {0.0f, 0.0f}, {0.0f, 1.0f}, 2, 200).A;
    for (int n = 0; n <= 8; ++n) EXPECT_EQ(A[n], 0.0f) << n;
}

// A coarse order still converges towards the fine result: the order argument
// is used, and 200 intervals are converged for a 61-station camber line.
TEST(Linaero, OrderControlsTheQuadrature) {
    const auto meanLine = test::naca4MeanLine(0.06, 0.4);
    const auto coarse = callLinaero(0.0f, meanLine, 61, 2).A;
    const auto standard = callLinaero(0.0f, meanLine, 61, 200).A;
    const auto fine = callLinaero(0.0f, meanLine, 61, 5000).A;
    // Tolerance 1e-6: single-precision outputs; source: the fine quadrature.
    EXPECT_TRUE(nearlyEqual(standard[1], fine[1], 1e-6));
    EXPECT_FALSE(nearlyEqual(coarse[1], fine[1], 1e-6));
}

}  // namespace
}  // namespace aerolune
