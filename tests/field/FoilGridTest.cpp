// FoilGrid: cells unfolded, rings where they belong, radial lines leaving the
// wall at right angles, and hostile sizes handled without harm.

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

#include "numerics/airfoil/FoilGrid.h"
#include "tests/field/MeshChecks.h"

namespace aerolune::test {
namespace {

struct MeshCase {
    int32_t ni, nj;
    float radius, cluster;
};

// The meshes the views ask for (mesh view defaults 41 x 21, radius 10, 1.05;
// streamline and pressure views 61 x 31, radius 6, 1.02) and corners of the
// mesh dialog.
const MeshCase kTypicalMeshes[] = {{41, 21, 10.0f, 1.05f},   {61, 31, 6.0f, 1.02f},   {191, 91, 6.0f, 1.02f},
                                   {191, 91, 20.0f, 1.02f},  {121, 61, 10.0f, 1.05f}, {21, 21, 4.0f, 1.001f},
                                   {191, 21, 20.0f, 1.105f}, {91, 41, 8.0f, 1.03f}};

const NacaShape kSections[] = {{6}, {12}, {30}, {6412}, {23012}, {12, -30.0, 0.5}, {12, 30.0, 0.5}};

TEST(FoilGrid, NoCellFoldsOnTheViewsMeshes) {
    for (const NacaShape& shape : kSections)
        for (const MeshCase& c : kTypicalMeshes) {
            const Mesh m = buildMesh(nacaSection(shape), c.ni, c.nj, c.radius, c.cluster);
            // Tolerance: strictly positive (a folded cell has a negative triangle).
            EXPECT_GT(smallestCellMeasure(m), 0.0) << shape.digits << " flap " << shape.flapDeg << " " << c.ni
                                                   << "x" << c.nj << " R " << c.radius << " q " << c.cluster;
        }
}

// The whole range the mesh dialog offers (points round 21..191, radial
// 21..91, radius 4..20, clustering exp(v/1000), v = 1..100), sampled
// deterministically: for every section all 16 corners of that box, 40 points
// spread over it by a Halton sequence (bases 2, 3, 5, 7), and the settings
// most likely to fold a cell (the trailing edge of thin sections under many
// strongly clustered rings, a deflected flap's hinge and edge, cells too thin
// for floats). The full grid of 80,640 settings (points round in steps of 10,
// rings in steps of 10, radius in steps of 4, v = 1, 8, 15, .., 99, 100) was
// checked outside the test run with no folded cell.
struct DialogSetting {
    int32_t ni, nj;
    float radius;
    int v;
};

double halton(int index, int base) {
    double f = 1.0, r = 0.0;
    for (int i = index; i > 0; i /= base) {
        f /= base;
        r += f * (i % base);
    }
    return r;
}

std::vector<DialogSetting> dialogSample() {
    std::vector<DialogSetting> settings;
    for (int32_t ni : {21, 191})
        for (int32_t nj : {21, 91})
            for (float radius : {4.0f, 20.0f})
                for (int v : {1, 100}) settings.push_back({ni, nj, radius, v});
    for (int k = 1; k <= 40; ++k)
        settings.push_back({21 + static_cast<int32_t>(halton(k, 2) * 171.0),
                            21 + static_cast<int32_t>(halton(k, 3) * 71.0),
                            4.0f + std::floor(static_cast<float>(halton(k, 5)) * 17.0f),
                            1 + static_cast<int>(halton(k, 7) * 100.0)});
    const DialogSetting formerFolds[] = {{21, 91, 4.0f, 70},    {21, 77, 4.0f, 60},  {55, 91, 4.0f, 90},
                                         {89, 91, 4.0f, 100},   {123, 91, 4.0f, 60}, {157, 91, 4.0f, 50},
                                         {191, 91, 20.0f, 100}, {61, 31, 6.0f, 20},  {123, 63, 4.0f, 90}};
    settings.insert(settings.end(), std::begin(formerFolds), std::end(formerFolds));
    return settings;
}

TEST(FoilGrid, NoCellFoldsOverTheWholeDialogRange) {
    const std::vector<DialogSetting> settings = dialogSample();
    for (const NacaShape& shape : kSections)
        for (const DialogSetting& d : settings) {
            const Mesh m = buildMesh(nacaSection(shape), d.ni, d.nj, d.radius, std::exp(d.v / 1000.0f));
            // Tolerance: strictly positive (a folded cell has a negative triangle).
            EXPECT_GT(smallestCellMeasure(m), 0.0) << shape.digits << " flap " << shape.flapDeg << " " << d.ni
                                                   << "x" << d.nj << " R " << d.radius << " v " << d.v;
        }
}

double distanceToPolyline(const FieldSection& s, double px, double py) {
    double best = 1e300;
    for (int k = 0; k + 1 < s.n(); ++k) {
        const double ax = s.x[k], ay = s.y[k], dx = s.x[k + 1] - ax, dy = s.y[k + 1] - ay;
        const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        best = std::min(best, std::hypot(ax + t * dx - px, ay + t * dy - py));
    }
    return best;
}

TEST(FoilGrid, WallRingOnTheContourOuterRingOnTheCircle) {
    for (const NacaShape& shape : kSections)
        for (const MeshCase& c : kTypicalMeshes) {
            const FieldSection s = nacaSection(shape);
            const Mesh m = buildMesh(s, c.ni, c.nj, c.radius, c.cluster);
            // Centre: midpoint of the trailing edge (node 1) and the leading edge,
            // the contour point farthest from it.
            int le = 0;
            for (int k = 1; k < s.n(); ++k)
                if (std::hypot(s.x[k] - s.x[0], s.y[k] - s.y[0]) >
                    std::hypot(s.x[le] - s.x[0], s.y[le] - s.y[0]))
                    le = k;
            const double cx = 0.5 * (s.x[0] + s.x[le]), cy = 0.5 * (s.y[0] + s.y[le]);
            for (int i = 1; i <= m.ni; ++i) {
                // Tolerances: 1e-4 chord on the contour (float nodes smoothed), 1e-5 on the circle.
                EXPECT_LT(distanceToPolyline(s, m.X(i, 1), m.Y(i, 1)), 1e-4) << i;
                EXPECT_NEAR(std::hypot(m.X(i, m.nj) - cx, m.Y(i, m.nj) - cy), c.radius, 1e-5) << i;
            }
            // The seam: node NI repeats node 1 on every ring, exactly.
            for (int j = 1; j <= m.nj; ++j) {
                EXPECT_EQ(m.X(m.ni, j), m.X(1, j));
                EXPECT_EQ(m.Y(m.ni, j), m.Y(1, j));
            }
        }
}

TEST(FoilGrid, FirstRadialLineLeavesTheWallAtRightAngles) {
    for (const NacaShape& shape :
         {NacaShape{6}, NacaShape{12}, NacaShape{30}, NacaShape{6412}, NacaShape{23012}})
        for (const MeshCase& c : kTypicalMeshes) {
            const Mesh m = buildMesh(nacaSection(shape), c.ni, c.nj, c.radius, c.cluster);
            // Tolerance: 10 degrees from orthogonal, nodes 0.05 chord or more from the trailing edge.
            EXPECT_LT(worstWallAngleDeg(m, 0.05), 10.0)
                << shape.digits << " " << c.ni << "x" << c.nj << " R " << c.radius;
        }
}

TEST(FoilGrid, RadialSpacingGrowsByTheClusteringRatio) {
    // The ring spacing grows by the ratio on the circle the section maps to;
    // away from the section, where the map is the identity, that is the
    // physical spacing: checked on the line from the leading edge over the
    // outer half of the rings. Tolerance 1 %: the map is the identity only
    // to order (circle radius / distance)^2.
    const Mesh m = buildMesh(nacaSection({12}), 121, 61, 10.0f, 1.05f);
    const int mid = 61;  // the leading edge
    for (int j = 31; j < 60; ++j) {
        const double inner = std::hypot(m.X(mid, j) - m.X(mid, j - 1), m.Y(mid, j) - m.Y(mid, j - 1));
        const double outer = std::hypot(m.X(mid, j + 1) - m.X(mid, j), m.Y(mid, j + 1) - m.Y(mid, j));
        EXPECT_NEAR(outer / inner, 1.05, 0.0105) << j;
    }
}

TEST(FoilGrid, HostileSizesStayInsideTheCallersArrays) {
    FieldSection s = nacaSection({12});
    int32_t n = s.n(), one = 1;
    // Dimensions below 3: nothing written (a sentinel survives).
    for (int32_t ni : {0, 1, 2}) {
        int32_t nj = 5;
        std::vector<float> mx(16, 7.0f), my(16, 7.0f);
        FoilGrid(s.x.data(), s.y.data(), &n, &ni, &nj, mx.data(), my.data(), &one);
        EXPECT_EQ(mx[0], 7.0f);
    }
    // Above 1000 round: the first 1000 nodes form the mesh, the rest repeat node 1000.
    {
        int32_t ni = 1003, nj = 4;
        std::vector<float> mx(ni * nj + 1, 7.0f), my(ni * nj + 1, 7.0f);
        my[0] = 6.0f;
        my[ni] = 1.02f;
        FoilGrid(s.x.data(), s.y.data(), &n, &ni, &nj, mx.data(), my.data(), &one);
        EXPECT_EQ(mx[ni * nj], 7.0f);  // one past the end untouched
        for (int j = 0; j < nj; ++j) {
            EXPECT_EQ(mx[999 + ni * j], mx[ni * j]);  // node 1000 is the seam: node 1
            EXPECT_EQ(mx[1002 + ni * j], mx[999 + ni * j]);
        }
    }
    // Radius at or below the section size (1 chord here), or not finite: twice
    // the section size. Clustering at or below 1: the weakest the dialog offers.
    for (float radius : {0.0f, -3.0f, 1.0f, std::numeric_limits<float>::quiet_NaN()}) {
        const Mesh m = buildMesh(s, 41, 21, radius, 0.5f);
        EXPECT_NEAR(std::hypot(m.X(1, 21) - 0.5, m.Y(1, 21)), 2.0, 1e-5) << radius;
        EXPECT_GT(smallestCellMeasure(m), 0.0) << radius;
    }
    // Too few contour points: nothing written.
    {
        int32_t two = 2, ni = 5, nj = 5;
        std::vector<float> mx(25, 7.0f), my(25, 7.0f);
        FoilGrid(s.x.data(), s.y.data(), &two, &ni, &nj, mx.data(), my.data(), &one);
        EXPECT_EQ(mx[12], 7.0f);
    }
}

}  // namespace
}  // namespace aerolune::test
