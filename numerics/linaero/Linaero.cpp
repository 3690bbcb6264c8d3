#include "numerics/linaero/Linaero.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>

#include "common/Array.h"
#include "numerics/linaero/CamberSlope.h"

namespace aerolune {

namespace {

constexpr int kHarmonics = 9;  // A0..A8

// 4-point Gauss-Legendre rule on [-1, 1].
constexpr double kGaussNode[4] = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563,
                                  0.8611363115940526};
constexpr double kGaussWeight[4] = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461,
                                    0.3478548451374538};

float saturatedSingle(double value) {
    if (std::isnan(value)) return 0.0f;
    return static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

}  // namespace

// Steps:
// 1. the camber slope dz/dx from the spline through the stations;
// 2. I(n) = integral(0..pi) dz/dx(x(theta)) cos(n theta) dtheta, n = 0..8, by
//    the 4-point rule on each of `order` equal intervals, cos(n theta) by the
//    recurrence cos((n+1)t) = 2 cos t cos(nt) - cos((n-1)t);
// 3. A0 = alpha - I(0) / pi, An = 2 I(n) / pi.
std::array<double, 9> glauertCoefficients(double alphaRad, const std::vector<double>& z,
                                          const std::vector<double>& x, int32_t order) {
    const CamberSlope camber(x, z);
    const int32_t intervals = std::clamp<int32_t>(order, 1, kLinaeroMaxOrder);
    const double pi = std::numbers::pi;
    const double dTheta = pi / intervals;

    std::array<double, kHarmonics> I{};
    for (int32_t j = 0; j < intervals; ++j) {
        const double thetaMid = (j + 0.5) * dTheta;
        for (int g = 0; g < 4; ++g) {
            const double theta = thetaMid + 0.5 * dTheta * kGaussNode[g];
            const double cosTheta = std::cos(theta);
            const double xTheta = 0.5 * (1.0 - cosTheta);
            const double f = kGaussWeight[g] * 0.5 * dTheta * camber.slope(xTheta);
            double cosPrev = 1.0;  // cos(0 theta)
            double cosN = cosTheta;
            I[0] += f;
            for (int n = 1; n < kHarmonics; ++n) {
                I[n] += f * cosN;
                const double cosNext = 2.0 * cosTheta * cosN - cosPrev;
                cosPrev = cosN;
                cosN = cosNext;
            }
        }
    }

    std::array<double, kHarmonics> A{};
    A[0] = (std::isfinite(alphaRad) ? alphaRad : 0.0) - I[0] / pi;
    for (int n = 1; n < kHarmonics; ++n) A[n] = 2.0 * I[n] / pi;
    return A;
}

void linaero(float* alphaRad, float* z, float* x, int32_t* nh, int32_t* order, float* A0, float* A1,
             float* A2, float* A3, float* A4, float* A5, float* A6, float* A7, float* A8) {
    const double alpha = alphaRad ? static_cast<double>(*alphaRad) : 0.0;
    const int32_t NH = (nh && z && x) ? std::max<int32_t>(*nh, 0) : 0;
    const int32_t intervals = order ? *order : 1;

    std::vector<double> zc, xc;
    if (NH >= 2) {
        const View1<const float> zView(z, NH), xView(x, NH);
        zc.reserve(static_cast<std::size_t>(NH));
        xc.reserve(static_cast<std::size_t>(NH));
        for (int32_t i = 1; i <= NH; ++i) {
            zc.push_back(zView(i));
            xc.push_back(xView(i));
        }
    }
    const std::array<double, kHarmonics> A = glauertCoefficients(alpha, zc, xc, intervals);

    float* out[kHarmonics] = {A0, A1, A2, A3, A4, A5, A6, A7, A8};
    for (int n = 0; n < kHarmonics; ++n)
        if (out[n]) *out[n] = saturatedSingle(A[n]);
}

}  // namespace aerolune
