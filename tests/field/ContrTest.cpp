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
    Contr(m.x.data(), m.y.data(), field.data(), levels.data(), &ni, &nj, &levelCount, s.x1.data(),
          s.y1.data(), s.x2.data(), s.y2.data(), s.count.data());
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
                // Tolerance: 1e-6 (distance to the exact line
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

TEST(Contr, SaddlesCutOffTheCornersOnTheFarSideOfTheMean) {
    // A checkerboard of +1 and -1 on a lattice of unit squares makes all four
    // cells saddles (both corner patterns), mean 0, two segments each: the
    // most any field gives, so the count is exactly the capacity. Below the
    // mean (level -0.5) each segment cuts off a corner at -1, above it (0.5) a
    // corner at +1, its ends a quarter edge from that corner: exact in binary.
    Mesh m{3, 3, {0, 1, 2, 0, 1, 2, 0, 1, 2}, {0, 0, 0, 1, 1, 1, 2, 2, 2}};
    const std::vector<float> field = {1, -1, 1, -1, 1, -1, 1, -1, 1};
    const Segments s = contour(m, field, {-0.5f, 0.5f});
    for (int k = 1; k <= 2; ++k) {
        ASSERT_EQ(s.count[k - 1], s.capacity);
        for (int q = 1; q <= s.count[k - 1]; ++q) {
            const float cx = std::round(0.5f * (s.X1(q, k) + s.X2(q, k)));
            const float cy = std::round(0.5f * (s.Y1(q, k) + s.Y2(q, k)));
            EXPECT_EQ(field[static_cast<int>(cx + 3 * cy)], k == 1 ? -1.0f : 1.0f) << "segment " << q;
            EXPECT_EQ(std::fabs(s.X1(q, k) - cx) + std::fabs(s.Y1(q, k) - cy), 0.25f) << "segment " << q;
            EXPECT_EQ(std::fabs(s.X2(q, k) - cx) + std::fabs(s.Y2(q, k) - cy), 0.25f) << "segment " << q;
        }
    }
    EXPECT_EQ(s.capacity, 2 * 2 * 2);
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
    Contr(m.x.data(), m.y.data(), const_cast<float*>(field.data()), level, &ni, &nj, &levels, out, out, out,
          out, count);
    EXPECT_EQ(count[0], 0);
    EXPECT_EQ(out[0], kGuard);
}

}  // namespace
}  // namespace aerolune::test
