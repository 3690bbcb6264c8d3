// aerolune-cli plot: the format follows the extension, bad usage is status 2
// and a file that cannot be written status 1.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/CliRun.h"

namespace aerolune::test {
namespace {

std::string head(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(n));
    return bytes.substr(0, static_cast<std::size_t>(in.gcount()));
}

TEST(PlotCli, WritesEachFormatByItsExtension) {
    struct Case {
        const char* args;
        const char* file;
        std::string magic;
    };
    const Case cases[] = {
        {"plot cp --naca 2412 --alpha 4", "cp.png", "\x89PNG"},
        {"plot polar --kind 2 --background black --size 600x400", "polar.svg", "<?xml"},
        {"plot airfoil-velocity", "airfoil.PDF", "%PDF"},
    };
    for (const Case& c : cases) {
        const std::string path = testing::TempDir() + c.file;
        std::filesystem::remove(path);
        const CliRun run = runCli(std::string(c.args) + " --output " + path);
        EXPECT_EQ(run.status, 0) << c.args << ": " << run.err;
        EXPECT_EQ(run.err, "") << c.args;
        EXPECT_EQ(head(path, c.magic.size()), c.magic) << c.args;
    }
}

TEST(PlotCli, BadUsageAndFailedWrites) {
    const std::string out = " --output " + testing::TempDir() + "x.png";
    using Usage = std::pair<std::string, std::string>;
    for (const Usage& u :
         {Usage{"plot no-such-view" + out, "view"}, Usage{"plot cp --size 10x10" + out, "size"},
          Usage{"plot cp --size wide" + out, "size"}, Usage{"plot cp --kind 4" + out, "kind"},
          Usage{"plot cp --alpha -91" + out, "--alpha"}, Usage{"plot cp --alpha inf" + out, "--alpha"},
          Usage{"plot cp --output x.gif", ".png"}})
        expectUsageError(u.first, u.second);
    const CliRun run = runCli("plot cp --output " + testing::TempDir() + "no-such-folder/cp.png");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no-such-folder"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace aerolune::test
