// The boundary-layer export written from a real solution through the state's
// adapter: every layout complete, the station positions where the profile
// blocks say they are.

#include <gtest/gtest.h>

#include <sstream>

#include "BoundaryLayerRun.h"
#include "common/FormatPicture.h"
#include "io/BoundaryLayerExportSource.h"

namespace aerolune::test {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

TEST(BoundaryLayerExport, EveryLayoutFromASolution) {
    // NACA 2412 at 8 degrees: the stagnation point off the leading edge, both
    // layers turbulent; 10 profiles (BlVelView) of 32 points.
    AppState state = sectionAt("2412", "8");
    recomputeWithLayer(state);
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    ASSERT_TRUE(bl.ok) << bl.error;
    for (int16_t option = 1; option <= 6; ++option) {
        state.display.boundaryLayerPlot = BoundaryLayerPlot(option);
        const BoundaryLayerExportInput in = boundaryLayerExportInput(state);
        const ExportText out = boundaryLayerExportText(option, "2412", "1000000", in);
        ASSERT_TRUE(out.ok()) << option << ": " << out.error;
        const bool upper = option % 2 == 1;
        const BoundaryLayerSurface& surface = upper ? bl.upper : bl.lower;
        const std::vector<std::string> text = lines(out.text);
        if (option >= 3) {
            // Two header lines, then one per shown station.
            ASSERT_EQ(text.size(), static_cast<std::size_t>(2 + surface.shown)) << option;
            continue;
        }
        // Profile blocks (lines end CR LF): an X-Station line and 32 points each; the station
        // written is the one whose profile follows (its wall point first).
        ASSERT_EQ(text.size(), static_cast<std::size_t>(2 + 10 * 33)) << option;
        const int32_t count = surface.profileStations();
        for (int32_t k = 1; k <= 10; ++k) {
            const int32_t s = upper ? (k - 1) * count / 10 + 1 : std::max(1, k * count / 10);
            EXPECT_EQ(text[2 + 33 * (k - 1)], "X-Station:  " + formatPicture(surface.x(s), "#0.00000") + "\r")
                << k;
            EXPECT_EQ(in.upper.profileVelocity.size(), 10u);
            EXPECT_EQ((upper ? in.upper : in.lower).profileVelocity[k - 1].back(),
                      surface.velocityRatio(32, s));
        }
    }
}

TEST(BoundaryLayerExport, NoSolutionGivesAnEmptyInput) {
    AppState state;
    const BoundaryLayerExportInput in = boundaryLayerExportInput(state);
    EXPECT_EQ(in.upperCount, 0);
    EXPECT_EQ(in.lowerCount, 0);
    EXPECT_TRUE(in.stationX.empty());
}

}  // namespace
}  // namespace aerolune::test
