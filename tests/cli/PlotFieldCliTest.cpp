// aerolune-cli plot for the field views: the zoom window and the mesh
// options change the drawing, and a window that is empty or upside down is
// refused.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"
#include "cli/PlotFiles.h"

namespace aerolune::test {
namespace {

std::string plotSvg(const std::string& args) {
    // Named after the test: ctest runs this binary's tests side by side.
    const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string path = testing::TempDir() + "field-view-" + test + ".svg";
    std::filesystem::remove(path);
    const CliRun run = runCli(args + " --output " + path);
    EXPECT_EQ(run.status, 0) << args << ": " << run.err;
    return fileBytes(path);
}

TEST(PlotFieldCli, MeshOptionsSetTheLinesDrawn) {
    // The mesh view draws every segment of every ring and every ray: NI x (NJ - 1)
    // radial and NJ x (NI - 1) ring segments.
    const struct { int ni, nj; } meshes[] = {{21, 11}, {41, 21}};
    for (const auto& m : meshes) {
        const std::string mesh = std::to_string(m.ni) + "x" + std::to_string(m.nj);
        const std::string svg = plotSvg("plot mesh --mesh " + mesh);
        EXPECT_EQ(svgPolylines(svg).size(), static_cast<std::size_t>(m.ni * (m.nj - 1) + m.nj * (m.ni - 1)))
            << mesh;
    }
    // The outer radius and the clustering move the rings.
    const std::string plain = plotSvg("plot mesh --mesh 21x11 --window -12,12,-12,12");
    EXPECT_NE(svgPolylines(plotSvg("plot mesh --mesh 21x11 --window -12,12,-12,12 --radius 8")),
              svgPolylines(plain));
    EXPECT_NE(svgPolylines(plotSvg("plot mesh --mesh 21x11 --window -12,12,-12,12 --cluster 1.3")),
              svgPolylines(plain));
}

TEST(PlotFieldCli, TheWindowIsTheRegionShown) {
    for (const char* view : {"streamlines", "pressure", "mesh"}) {
        const std::string base = std::string("plot ") + view + " --naca 2412 --alpha 5 --mesh 21x11";
        const auto wide = svgPolylines(plotSvg(base + " --window -0.5,1.5,-1,1"));
        const auto near = svgPolylines(plotSvg(base + " --window -0.1,0.3,-0.2,0.2"));
        const auto same = svgPolylines(plotSvg(base + " --window -0.5,1.5,-1,1"));
        EXPECT_FALSE(wide.empty()) << view;
        EXPECT_EQ(wide, same) << view;
        EXPECT_NE(wide, near) << view << ": --window changed nothing";
    }
}

TEST(PlotFieldCli, EmptyOrUpsideDownWindowsAndBadMeshesAreRefused) {
    const std::string out = " --output " + testing::TempDir() + "x.png";
    using Usage = std::pair<std::string, std::string>;
    for (const Usage& u :
         {Usage{"plot mesh --window 1,0,-1,1" + out, "maximum"},
          Usage{"plot streamlines --window 0,1,0.5,0.5" + out, "maximum"},
          Usage{"plot pressure --window 0,1" + out, "XMIN"},
          Usage{"plot mesh --window 0,1,-1,nan" + out, "XMIN"}, Usage{"plot mesh --mesh 2x2" + out, "mesh"}})
        expectUsageError(u.first, u.second);
}

}  // namespace
}  // namespace aerolune::test
