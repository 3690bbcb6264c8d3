// The coupled layer's own distribution of the outline: the nodes lie on the
// section, the trailing edge and the node count stay, the nose is resolved
// finely and the trailing edge's panels are no shorter than a set share of
// the mean spacing, whatever spacing the input had.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "numerics/viscous/ContourRepanel.h"

namespace aerolune::viscous {
namespace {

// NACA 0012 (closed trailing edge) with nodes at x = g(t), trailing edge
// first, lower surface to the nose and back along the upper one.
void naca0012(int half, double (*spacing)(double), std::vector<double>& x, std::vector<double>& y) {
    const auto thickness = [](double xc) {
        return 0.6 * (0.2969 * std::sqrt(xc) - 0.126 * xc - 0.3516 * xc * xc + 0.2843 * xc * xc * xc -
                      0.1036 * xc * xc * xc * xc);
    };
    x.clear();
    y.clear();
    for (int i = 0; i < half; ++i) {
        const double xc = spacing(1.0 - static_cast<double>(i) / half);
        x.push_back(xc);
        y.push_back(i == 0 ? 0.0 : -thickness(xc));
    }
    for (int i = 0; i < half; ++i) {
        const double xc = spacing(static_cast<double>(i) / half);
        x.push_back(xc);
        y.push_back(thickness(xc));
    }
}

double cosine(double t) { return 0.5 * (1.0 - std::cos(std::numbers::pi * t)); }
double uniform(double t) { return t; }

TEST(ContourRepanel, NodesOnTheSectionWithBoundedTrailingEdgePanels) {
    struct Case {
        const char* name;
        double (*spacing)(double);
        int half, nodes;
    };
    const Case cases[] = {
        {"full cosine", cosine, 80, 160},
        {"uniform in x", uniform, 60, 160},
        {"coarse file, finer contour", cosine, 35, 120},
    };
    for (const Case& c : cases) {
        std::vector<double> x, y, nx, ny;
        naca0012(c.half, c.spacing, x, y);
        ASSERT_TRUE(repanelContour(x, y, c.nodes, nx, ny)) << c.name;
        ASSERT_EQ(nx.size(), static_cast<std::size_t>(c.nodes)) << c.name;
        // The trailing edge stays where it was (to rounding).
        EXPECT_NEAR(nx.front(), 1.0, 1e-12) << c.name;
        EXPECT_NEAR(ny.front(), 0.0, 1e-12) << c.name;
        double total = 0.0, shortest = 1.0;
        const int n = c.nodes;
        for (int j = 0; j < n; ++j) {
            const int k = (j + 1) % n;
            const double l = std::hypot(nx[k] - nx[j], ny[k] - ny[j]);
            total += l;
            shortest = std::min(shortest, l);
            // On the section: the spline runs within 2e-4 chord of the
            // thickness formula (a bound for the coarsest input, whose
            // nose panels are 0.002 chord long).
            if (nx[j] > 0.02) {
                const double xc = nx[j];
                const double thickness = 0.6 * (0.2969 * std::sqrt(xc) - 0.126 * xc - 0.3516 * xc * xc +
                                                0.2843 * xc * xc * xc - 0.1036 * xc * xc * xc * xc);
                EXPECT_NEAR(std::fabs(ny[j]), thickness, 2e-4) << c.name << " node " << j;
            }
        }
        const double mean = total / n;
        const double lowerEdge = std::hypot(nx[1] - nx[0], ny[1] - ny[0]);
        const double upperEdge = std::hypot(nx[n - 1] - nx[0], ny[n - 1] - ny[0]);
        // The trailing-edge panels: (1 - 0.3) pi / 2 = 1.1 times the mean
        // spacing by construction; held within 0.8 to 1.4 of it.
        for (double edge : {lowerEdge, upperEdge}) {
            EXPECT_GT(edge, 0.8 * mean) << c.name;
            EXPECT_LT(edge, 1.4 * mean) << c.name;
        }
        // The nose is the finest part: its panels are the shortest.
        EXPECT_LT(shortest, 0.2 * mean) << c.name;
    }
}

TEST(ContourRepanel, RefusesWhatIsNoOutline) {
    std::vector<double> nx, ny;
    EXPECT_FALSE(repanelContour({1, 0.5, 0, 0.5}, {0, -0.1, 0, 0.1}, 160, nx, ny));  // too few nodes
    const std::vector<double> x(20, 0.5), y(20, 0.0);
    EXPECT_FALSE(repanelContour(x, y, 160, nx, ny));  // every node on one point
}

}  // namespace
}  // namespace aerolune::viscous
