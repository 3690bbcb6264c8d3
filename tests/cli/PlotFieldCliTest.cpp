// aerolune-cli plot for the field views: the zoom window and the mesh
// options are taken, and a window that is empty or upside down is refused.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"

namespace aerolune::test {
namespace {

TEST(PlotFieldCli, FieldViewsTakeTheirWindowAndMeshOptions) {
    const struct {
        const char* args;
        const char* file;
    } cases[] = {
        {"plot streamlines --naca 2412 --alpha 5", "streamlines.png"},
        {"plot pressure --alpha 5 --window -0.2,0.4,-0.2,0.2 --background black", "pressure.svg"},
        {"plot mesh --mesh 61x31 --radius 8 --cluster 1.1 --window 0,1,-0.5,0.5", "mesh.png"},
    };
    for (const auto& c : cases) {
        const std::string path = testing::TempDir() + c.file;
        std::filesystem::remove(path);
        const CliRun run = runCli(std::string(c.args) + " --output " + path);
        EXPECT_EQ(run.status, 0) << c.args << ": " << run.err;
        EXPECT_GT(std::filesystem::exists(path) ? std::filesystem::file_size(path) : 0u, 1000u) << c.args;
    }

    const std::string out = " --output " + testing::TempDir() + "x.png";
    using Usage = std::pair<std::string, std::string>;
    for (const Usage& u : {Usage{"plot mesh --window 1,0,-1,1" + out, "maximum"},
                           Usage{"plot streamlines --window 0,1,0.5,0.5" + out, "maximum"},
                           Usage{"plot pressure --window 0,1" + out, "XMIN"},
                           Usage{"plot mesh --window 0,1,-1,nan" + out, "XMIN"},
                           Usage{"plot mesh --mesh 2x2" + out, "mesh"}})
        expectUsageError(u.first, u.second);
}

}  // namespace
}  // namespace aerolune::test
