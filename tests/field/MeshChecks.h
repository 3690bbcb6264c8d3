#pragma once
// Measurements on a mesh as FoilGrid returns it (column-major NI x NJ floats).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "numerics/airfoil/FoilGrid.h"
#include "tests/field/FieldSections.h"

namespace aerolune::test {

struct Mesh {
    int32_t ni = 0, nj = 0;
    std::vector<float> x, y;
    float X(int i, int j) const { return x[(i - 1) + ni * (j - 1)]; }
    float Y(int i, int j) const { return y[(i - 1) + ni * (j - 1)]; }
};

inline Mesh buildMesh(FieldSection section, int32_t ni, int32_t nj, float radius, float cluster) {
    Mesh m;
    m.ni = ni;
    m.nj = nj;
    m.x.assign(static_cast<std::size_t>(ni) * nj, 0.0f);
    m.y.assign(static_cast<std::size_t>(ni) * nj, 0.0f);
    m.y[0] = radius;
    m.y[ni] = cluster;
    int32_t n = section.n(), one = 1;
    FoilGrid(section.x.data(), section.y.data(), &n, &ni, &nj, m.x.data(), m.y.data(), &one);
    return m;
}

// A cell is unfolded when one of its diagonals splits it into two
// counter-clockwise triangles (one reflex corner is allowed: the cells at the
// trailing-edge corner have one). The measure is the larger over the two
// diagonals of the smaller triangle area, so positive means unfolded.
inline double cellMeasure(const Mesh& m, int i, int j) {
    const double cx[4] = {m.X(i, j), m.X(i + 1, j), m.X(i + 1, j + 1), m.X(i, j + 1)};
    const double cy[4] = {m.Y(i, j), m.Y(i + 1, j), m.Y(i + 1, j + 1), m.Y(i, j + 1)};
    auto tri = [&](int a, int b, int c) {
        return 0.5 * ((cx[b] - cx[a]) * (cy[c] - cy[a]) - (cy[b] - cy[a]) * (cx[c] - cx[a]));
    };
    return std::max(std::min(tri(0, 1, 2), tri(0, 2, 3)), std::min(tri(1, 2, 3), tri(1, 3, 0)));
}

inline double smallestCellMeasure(const Mesh& m) {
    double worst = 1e300;
    for (int j = 1; j < m.nj; ++j)
        for (int i = 1; i < m.ni; ++i) worst = std::min(worst, cellMeasure(m, i, j));
    return worst;
}

// Largest angle, degrees, between the first radial line and the wall normal,
// over the wall nodes farther than teGap from the trailing edge (node 1).
inline double worstWallAngleDeg(const Mesh& m, double teGap) {
    double worst = 0.0;
    for (int i = 2; i < m.ni; ++i) {
        if (std::hypot(m.X(i, 1) - m.X(1, 1), m.Y(i, 1) - m.Y(1, 1)) < teGap) continue;
        const double tx = m.X(i + 1, 1) - m.X(i - 1, 1), ty = m.Y(i + 1, 1) - m.Y(i - 1, 1);
        const double rx = m.X(i, 2) - m.X(i, 1), ry = m.Y(i, 2) - m.Y(i, 1);
        const double nx = -ty, ny = tx;  // outward for a clockwise ring
        const double c = (nx * rx + ny * ry) / (std::hypot(nx, ny) * std::hypot(rx, ry));
        worst = std::max(worst, std::acos(std::clamp(c, -1.0, 1.0)) * 180.0 / std::numbers::pi);
    }
    return worst;
}

}  // namespace aerolune::test
