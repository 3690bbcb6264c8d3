// Contr: segment ends on the exact iso-line of linear fields, closed loops
// across the O-mesh seam, saddles, and the capacity never exceeded.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "numerics/airfoil/Contr.h"
#include "tests/field/MeshChecks.h"

namespace aerolune::test {
namespace {

struct Segments {
    int32_t capacity = 0;
    std::vector<float> x1, y1, x2, y2;
    std::vector<int32_t> count;
    float X1(int s, int k) const { return x1[(s - 1) + capacity * (k - 1)]; }
    float Y1(int s, int k) const { return y1[(s - 1) + capacity * (k - 1)]; }
    float X2(int s, int k) const { return x2[(s - 1) + capacity * (k - 1)]; }
    float Y2(int s, int k) const { return y2[(s - 1) + capacity * (k - 1)]; }
};

constexpr float kGuard = 12345.0f;

// Runs Contr into arrays one element longer than the capacity asks for; the
// extra element must survive.
Segments contour(Mesh& m, std::vector<float> field, std::vector<float> levels) {
    Segments s;
    s.capacity = ContrCapacity(m.ni, m.nj);
    const std::size_t size = static_cast<std::size_t>(s.capacity) * levels.size() + 1;
    s.x1.assign(size, kGuard);
    s.y1.assign(size, kGuard);
    s.x2.assign(size, kGuard);
    s.y2.assign(size, kGuard);
    s.count.assign(levels.size() + 1, -1);
    int32_t ni = m.ni, nj = m.nj, levelCount = static_cast<int32_t>(levels.size());
    Contr(m.x.data(), m.y.data(), field.data(), levels.data(), &ni, &nj, &levelCount, s.x1.data(), s.y1.data(),
          s.x2.data(), s.y2.data(), s.count.data());
    EXPECT_EQ(s.x1.back(), kGuard);
    EXPECT_EQ(s.y2.back(), kGuard);
    EXPECT_EQ(s.count.back(), -1);
    return s;
}

std::vector<float> nodal(const Mesh& m, double (*f)(double, double)) {
    std::vector<float> v(m.x.size());
    for (std::size_t k = 0; k < v.size(); ++k) v[k] = static_cast<float>(f(m.x[k], m.y[k]));
    return v;
}

double linear(double x, double y) { return 0.3 * x - 0.7 * y + 0.1; }
double radial(double x, double y) { return std::hypot(x - 0.5, y); }

TEST(Contr, EndsLieOnTheIsoLineOfALinearField) {
    for (auto [ni, nj] : {std::pair{61, 31}, std::pair{191, 91}}) {
        Mesh m = buildMesh(nacaSection({2412}), ni, nj, 6.0f, 1.02f);
        const std::vector<float> field = nodal(m, linear);
        std::vector<float> levels;
        for (int k = 0; k < 11; ++k) levels.push_back(-2.0f + 0.4f * k);
        const Segments s = contour(m, field, levels);
        const double gradient = std::hypot(0.3, 0.7);
        for (int k = 1; k <= 11; ++k) {
            EXPECT_GT(s.count[k - 1], 0) << k;
            for (int q = 1; q <= s.count[k - 1]; ++q) {
                // Tolerance from the issue: 1e-6 (distance to the exact line
                // 0.3 x - 0.7 y + 0.1 = level; ends are float coordinates).
                EXPECT_LT(std::fabs(linear(s.X1(q, k), s.Y1(q, k)) - levels[k - 1]) / gradient, 1e-6);
                EXPECT_LT(std::fabs(linear(s.X2(q, k), s.Y2(q, k)) - levels[k - 1]) / gradient, 1e-6);
            }
        }
    }
}

// Walk the segments of one level end to end; true when they make exactly one
// closed loop (every end shared by exactly two segments, all connected).
bool oneClosedLoop(const Segments& s, int k) {
    const int n = s.count[k - 1];
    if (n < 3) return false;
    std::map<std::pair<float, float>, std::vector<int>> ends;
    for (int q = 1; q <= n; ++q) {
        ends[{s.X1(q, k), s.Y1(q, k)}].push_back(q);
        ends[{s.X2(q, k), s.Y2(q, k)}].push_back(q);
    }
    for (const auto& [point, users] : ends)
        if (users.size() != 2) return false;
    std::vector<bool> seen(n + 1, false);
    int q = 1, visited = 0;
    std::pair<float, float> at{s.X2(1, k), s.Y2(1, k)};
    while (!seen[q]) {
        seen[q] = true;
        ++visited;
        const auto& users = ends[at];
        q = users[0] == q ? users[1] : users[0];
        at = std::pair{s.X1(q, k), s.Y1(q, k)} == at ? std::pair{s.X2(q, k), s.Y2(q, k)}
                                                      : std::pair{s.X1(q, k), s.Y1(q, k)};
    }
    return visited == n;
}

TEST(Contr, RadialFieldGivesOneClosedLoopAcrossTheSeam) {
    Mesh m = buildMesh(nacaSection({12}), 61, 31, 6.0f, 1.02f);
    const std::vector<float> field = nodal(m, radial);
    const std::vector<float> levels = {0.9f, 2.05f, 4.4f};
    const Segments s = contour(m, field, levels);
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(oneClosedLoop(s, k)) << levels[k - 1];
}

TEST(Contr, SaddlesAndTheWorstCaseStayWithinCapacity) {
    // A checkerboard makes every cell a saddle: two segments per cell, the
    // most any field can give, so the count is exactly the capacity.
    Mesh m = buildMesh(nacaSection({12}), 191, 91, 6.0f, 1.02f);
    std::vector<float> field(m.x.size());
    for (int j = 1; j <= m.nj; ++j)
        for (int i = 1; i <= m.ni; ++i) field[(i - 1) + m.ni * (j - 1)] = ((i + j) % 2 == 0) ? 1.0f : -1.0f;
    std::vector<float> levels(51);
    for (int k = 0; k < 51; ++k) levels[k] = -0.5f + 0.02f * k;
    const Segments s = contour(m, field, levels);
    for (int k = 1; k <= 51; ++k) EXPECT_EQ(s.count[k - 1], s.capacity) << k;
    EXPECT_EQ(s.capacity, 2 * 190 * 90);
    // No saddle segment collapses to a point (its two cuts lie on different edges).
    for (int q = 1; q <= s.count[0]; ++q) EXPECT_FALSE(s.X1(q, 1) == s.X2(q, 1) && s.Y1(q, 1) == s.Y2(q, 1));
}

TEST(Contr, HostileArgumentsGiveNoSegments) {
    Mesh m = buildMesh(nacaSection({12}), 21, 21, 6.0f, 1.02f);
    const std::vector<float> field = nodal(m, linear);
    // A level that is not finite, and one outside the field's range.
    const Segments s = contour(m, field, {std::numeric_limits<float>::quiet_NaN(), 1e6f});
    EXPECT_EQ(s.count[0], 0);
    EXPECT_EQ(s.count[1], 0);
    // Dimensions below 3: no cells, counts 0, capacity 0.
    EXPECT_EQ(ContrCapacity(2, 50), 0);
    EXPECT_EQ(ContrCapacity(50, -4), 0);
    // Above 1000 the capacity is that of the 1000 x 1000 block.
    EXPECT_EQ(ContrCapacity(5000, 5000), 2 * 999 * 999);
    int32_t ni = 2, nj = 5, levels = 2;
    float level[2] = {0.0f, 1.0f}, out[1] = {kGuard};
    int32_t count[2] = {-1, -1};
    Contr(m.x.data(), m.y.data(), const_cast<float*>(field.data()), level, &ni, &nj, &levels, out, out, out, out,
          count);
    EXPECT_EQ(count[0], 0);
    EXPECT_EQ(out[0], kGuard);
}

}  // namespace
}  // namespace aerolune::test
