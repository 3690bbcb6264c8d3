// FoilGrid: cells unfolded, rings where they belong, radial lines leaving the
// wall at right angles, and hostile sizes handled without harm.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
const MeshCase kTypicalMeshes[] = {{41, 21, 10.0f, 1.05f},  {61, 31, 6.0f, 1.02f},   {191, 91, 6.0f, 1.02f},
                                   {191, 91, 20.0f, 1.02f}, {121, 61, 10.0f, 1.05f}, {21, 21, 4.0f, 1.001f},
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

// The whole range the mesh dialog offers (points round 21..191, radial 21..91,
// radius 4..20, clustering exp(v/1000), v = 1..100), sampled. Known to fail:
// about one mesh in twenty folds a few cells, at the trailing edge of thin
// sections with 61 or more strongly clustered rings (v above about 50) and
// at the hinge of a 30-degree flap with 191 points round and a thick first
// layer. Enable when the mesher handles those.
TEST(FoilGrid, DISABLED_NoCellFoldsOverTheWholeDialogRange) {
    for (const NacaShape& shape : kSections)
        for (int32_t ni = 21; ni <= 191; ni += 34)
            for (int32_t nj = 21; nj <= 91; nj += 14)
                for (float radius : {4.0f, 12.0f, 20.0f})
                    for (int v : {1, 25, 50, 75, 100}) {
                        const Mesh m = buildMesh(nacaSection(shape), ni, nj, radius, std::exp(v / 1000.0f));
                        EXPECT_GT(smallestCellMeasure(m), 0.0) << shape.digits << " flap " << shape.flapDeg << " "
                                                                << ni << "x" << nj << " R " << radius << " v " << v;
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
                if (std::hypot(s.x[k] - s.x[0], s.y[k] - s.y[0]) > std::hypot(s.x[le] - s.x[0], s.y[le] - s.y[0]))
                    le = k;
            const double cx = 0.5 * (s.x[0] + s.x[le]), cy = 0.5 * (s.y[0] + s.y[le]);
            for (int i = 1; i <= m.ni; ++i) {
                // Tolerances from the issue: 1e-4 chord on the contour, 1e-5 on the circle.
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
    for (const NacaShape& shape : {NacaShape{6}, NacaShape{12}, NacaShape{30}, NacaShape{6412}, NacaShape{23012}})
        for (const MeshCase& c : kTypicalMeshes) {
            const Mesh m = buildMesh(nacaSection(shape), c.ni, c.nj, c.radius, c.cluster);
            // Tolerance from the issue: 10 degrees, nodes 0.05 chord or more from the trailing edge.
            EXPECT_LT(worstWallAngleDeg(m, 0.05), 10.0) << shape.digits << " " << c.ni << "x" << c.nj << " R " << c.radius;
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
