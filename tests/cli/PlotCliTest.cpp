// aerolune-cli plot: the format follows the extension, the image has the size
// asked for and shows the view and kind asked for; bad usage is status 2 and
// a file that cannot be written status 1.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/CliRun.h"
#include "cli/PlotFiles.h"

namespace aerolune::test {
namespace {

TEST(PlotCli, WritesTheViewAndKindAtTheSizeAskedForInEachFormat) {
    struct Case {
        const char* args;
        const char* file;
        std::string magic;
        int width, height;  ///< 0: not checked (PDF pages are in points)
        const char* title;  ///< a text only this view and kind draws; null for PNG and PDF
    };
    const Case cases[] = {
        {"plot cp --naca 2412 --alpha 4", "cp.png", "\x89PNG", 1200, 800, nullptr},
        {"plot cp --naca 2412 --alpha 4 --size 640x480", "cp-small.png", "\x89PNG", 640, 480, nullptr},
        {"plot polar --kind 1 --size 600x400", "polar1.svg", "<?xml", 600, 400, "Lift/Drag Polar"},
        {"plot polar --kind 2 --background black --size 700x500", "polar2.svg", "<?xml", 700, 500,
         "Cl/Cm vs AOA"},
        {"plot polar --kind 3", "polar3.svg", "<?xml", 1200, 800, "Transition Pt. (--- Lower Surf.)"},
        {"plot airfoil-velocity", "airfoil.PDF", "%PDF", 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        const std::string path = testing::TempDir() + c.file;
        std::filesystem::remove(path);
        const CliRun run = runCli(std::string(c.args) + " --output " + path);
        EXPECT_EQ(run.status, 0) << c.args << ": " << run.err;
        EXPECT_EQ(run.err, "") << c.args;
        const std::string bytes = fileBytes(path);
        EXPECT_EQ(bytes.substr(0, c.magic.size()), c.magic) << c.args;
        if (c.width == 0) continue;
        const ImageSize size = c.magic == "<?xml" ? svgSize(bytes) : pngSize(bytes);
        EXPECT_EQ(size.width, c.width) << c.args;
        EXPECT_EQ(size.height, c.height) << c.args;
        if (c.title == nullptr) continue;
        const std::vector<std::string> texts = svgTexts(bytes);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), c.title), 1) << c.args;
        // Each kind draws its own title only.
        for (const char* other : {"Lift/Drag Polar", "Cl/Cm vs AOA", "Transition Pt. (--- Lower Surf.)"})
            if (std::string(other) != c.title) {
                EXPECT_EQ(std::count(texts.begin(), texts.end(), other), 0) << c.args;
            }
    }
}

TEST(PlotCli, BadUsageAndFailedWrites) {
    const std::string out = " --output " + testing::TempDir() + "x.png";
    using Usage = std::pair<std::string, std::string>;
    for (const Usage& u :
         {Usage{"plot no-such-view" + out, "view"}, Usage{"plot cp --size 10x10" + out, "size"},
          Usage{"plot cp --size wide" + out, "size"}, Usage{"plot cp --size 640x480x" + out, "size"},
          Usage{"plot cp --kind 4" + out, "kind"}, Usage{"plot cp --kind 0" + out, "kind"},
          Usage{"plot cp --alpha -91" + out, "--alpha"}, Usage{"plot cp --alpha inf" + out, "--alpha"},
          Usage{"plot cp --output x.gif", ".png"}})
        expectUsageError(u.first, u.second);
    const CliRun run = runCli("plot cp --output " + testing::TempDir() + "no-such-folder/cp.png");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no-such-folder"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace aerolune::test
