// aerolune-cli export and dxf run as a user runs them: the file each writes is
// the file the program saves for the same state, byte for byte, and a save
// that fails says why, exits with status 1 and leaves what stood there alone.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/FieldRoutine.h"
#include "analysis/Pipeline.h"
#include "cli/CliRun.h"
#include "common/NumberText.h"
#include "geometry/SectionDefinition.h"
#include "io/AirfoilFileReader.h"
#include "io/AsciiFile.h"
#include "io/BoundaryLayerExportSource.h"
#include "io/DxfFile.h"
#include "io/IoTestSupport.h"
#include "io/KeptMeshExport.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

namespace fs = std::filesystem;

using test::CliRun;
using test::runCli;

struct NullSeam : ViewSeam {
    void drawView(AppState&) override {}
    void setStatus(const std::string&) override {}
    void showMessage(const std::string& text) override { ADD_FAILURE() << "message box: " << text; }
};

/// What a command line asks for, and the same request made of the library.
struct Request {
    std::string naca = "0012";
    std::string file{};  ///< a coordinate file instead of the designation
    double alpha = 0.0;
    int points = 120;
    double re = 1e6;
    double flapLength = 0.0, flapDeflection = 0.0;

    std::string args() const {
        std::string a = (file.empty() ? " --naca " + naca : " --file " + file) + " --points " +
                        std::to_string(points) + " --re " + formatGeneral(re);
        if (flapLength != 0.0 || flapDeflection != 0.0)
            a += " --flap-length " + formatGeneral(flapLength) + " --flap-deflection " +
                 formatGeneral(flapDeflection);
        return a;
    }
};

// The state the program holds after its section, angle and flap dialogs for
// the request, recomputed with the view vflag showing.
AppState recomputed(const Request& r, int16_t vflag, int16_t blDisplayOpt = 1) {
    AppState state;
    if (r.file.empty()) {
        state.texts.sectionName = r.naca;
        state.shared.SectionFamily = Variant(int16_t(r.naca.size() == 5 ? 5 : 4));
    } else {
        std::string name;
        EXPECT_TRUE(ReadAirfoil(r.file, name, state.section.file).ok);
        state.texts.sectionName = name;
        state.section.fromFile = true;
    }
    state.section.flapAngleRad = flapRadians(r.flapDeflection);
    state.section.flapHingeX = flapHinge(r.flapLength);
    state.shared.HalfPoints = r.points / 2;
    state.shared.TotalPoints = Variant(int16_t(r.points));
    state.flow.reynolds = r.re;
    state.texts.angleText = formatGeneral(r.alpha);
    state.texts.angleReadout = state.texts.angleText + " Deg.";  // as the program shows it
    state.display.view = vflag;
    state.display.boundaryLayerPlot = BoundaryLayerPlot(blDisplayOpt);
    state.analysis.boundaryLayerPending =
        false;  // the boundary layer only for its own view, as the command line runs it
    NullSeam seam;
    recompute(state, seam);
    return state;
}

// The file Save ASCII File writes once the view vflag is shown for the request.
ExportText programFile(const Request& r, int16_t vflag, int16_t blDisplayOpt = 1) {
    AppState state = recomputed(r, vflag, blDisplayOpt);
    AsciiFileSources sources;
    MeshExportInput mesh;
    BoundaryLayerExportInput layer;
    if (vflag == kMeshView) {
        // Drawing the mesh view runs the grid routine, which keeps its mesh.
        EXPECT_EQ(computeFieldView(state, kMeshView).view, kMeshView);
        mesh = meshExportInput(state);
        sources.mesh = &mesh;
    }
    if (vflag == 7) {
        EXPECT_TRUE(state.boundaryLayer.ok) << state.boundaryLayer.error;
        layer = boundaryLayerExportInput(state);
        sources.boundaryLayer = &layer;
    }
    return asciiFileText(state, sources);
}

std::size_t lineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

TEST(ExportCli, EachViewWritesTheFileTheProgramSaves) {
    struct Case {
        const char* view;
        int16_t vflag, blDisplayOpt;
        Request request;
        const char* firstLine;  // the layout's own title, so a state mismatch on both sides still shows
        std::size_t lines;      // from the layout's rules; 0 where the count depends on the solution
    };
    Request cambered{.naca = "2412", .alpha = 4.0, .points = 60};
    Request flapped{
        .naca = "23015", .alpha = -3.5, .points = 80, .re = 3e6, .flapLength = 20, .flapDeflection = 10};
    Request fileSection{.file = test::dataPath("reference/karman_trefftz/KT_cambered.txt"), .alpha = 2.0};
    Request coarse{.naca = "4412", .points = 40, .re = 5e5};
    const Case cases[] = {
        {"coordinates", 1, 0, cambered, "Coordinates for 2412", 60 + 3},
        {"coordinates", 1, 0, fileSection,
         "Coordinates for KT_cambered (Karman-Trefftz eps=0.07 delta=0.05 tau=10 deg)", 120 + 3},
        {"cp", 2, 0, cambered, "Surface Cp for: 2412 at 4 Deg.", 60 + 3},
        {"cp", 2, 0, flapped, "Surface Cp for: 23015 at -3.5 Deg.", 80 + 3},
        {"velocity", 3, 0, flapped, "Surface Velocity for: 23015 at -3.5 Deg.", 80 + 3},
        {"velocity", 3, 0, fileSection,
         "Surface Velocity for: KT_cambered (Karman-Trefftz eps=0.07 delta=0.05 tau=10 deg) at 2 Deg.",
         120 + 3},
        {"polar", 10, 0, coarse, "Lift-Drag Polar for 4412", 3 + 21},  // -20..20 degrees in steps of 2
        // The mesh view's default MeshX x MeshY = 41 x 21 nodes after the size line.
        {"mesh", 6, 0, cambered, " 41            21 ", 1 + 41 * 21},
        {"mesh", 6, 0, fileSection, " 41            21 ", 1 + 41 * 21},
        // BlVelView = 10 profiles of BlPoints = 32 points, each under its station line.
        {"bl-upper-profiles", 7, 1, cambered, "Boundary Layer Velocity Profiles on the Upper Surface",
         2 + 10 * 33},
        {"bl-lower-profiles", 7, 2, flapped, "Boundary Layer Velocity Profiles on the Lower Surface",
         2 + 10 * 33},
        {"bl-upper-thickness", 7, 3, fileSection, "Boundary Layer Thickness on the Upper Surface", 0},
        {"bl-lower-thickness", 7, 4, cambered, "Boundary Layer Thickness on the Lower Surface", 0},
        {"bl-upper-friction", 7, 5, flapped, "Friction Coeff. on the Upper Surface", 0},
        {"bl-lower-friction", 7, 6, fileSection, "Friction Coeff. on the Lower Surface", 0},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.view) + c.request.args());
        const std::string path = dir.file(std::string(c.view) + ".dat");
        const CliRun run = runCli(std::string("export ") + c.view + c.request.args() + " --alpha " +
                                  formatGeneral(c.request.alpha) + " --output " + path);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "");
        if (c.vflag != 7) {
            EXPECT_EQ(run.err, "");  // the layer's separation warnings go there
        }

        const ExportText expected = programFile(c.request, c.vflag, c.blDisplayOpt);
        ASSERT_TRUE(expected.ok()) << expected.error;
        const std::string written = test::readFile(path);
        EXPECT_EQ(written, expected.text);
        EXPECT_EQ(written.rfind(std::string(c.firstLine) + "\r\n", 0), 0u) << written.substr(0, 80);
        if (c.lines != 0) {
            EXPECT_EQ(lineCount(written), c.lines);
        }
    }
}

TEST(ExportCli, DxfIsTheContourTheProgramExports) {
    const Request requests[] = {
        {.naca = "2412"},  // the read-back check of the DXF writer uses this section too
        {.naca = "0009", .points = 40, .flapLength = 30, .flapDeflection = -15},
        {.file = test::dataPath("reference/karman_trefftz/KT_cambered.txt"), .points = 80},
    };
    test::TempDir dir;
    for (const Request& r : requests) {
        SCOPED_TRACE(r.args());
        const std::string path = dir.file("section.dxf");
        const CliRun run = runCli("dxf" + r.args() + " --output " + path);
        ASSERT_EQ(run.status, 0) << run.err;

        const AppState state = recomputed(r, 1);
        const ExportText expected = dxfFileText(state.section.nodeX, state.section.nodeY, r.points);
        ASSERT_TRUE(expected.ok()) << expected.error;
        const std::string written = test::readFile(path);
        EXPECT_EQ(written, expected.text);
        // Nodes 1..TotalPoints: one LINE fewer than the points about the section.
        std::size_t lines = 0;
        for (std::size_t at = written.find("\r\nLINE\r\n"); at != std::string::npos;
             at = written.find("\r\nLINE\r\n", at + 1))
            ++lines;
        EXPECT_EQ(lines, static_cast<std::size_t>(r.points - 1));
    }
}

TEST(ExportCli, SavingTwiceGivesTheSameBytes) {
    test::TempDir dir;
    for (const std::string command :
         {"export cp --naca 2412 --alpha 2 --points 60", "dxf --naca 2412 --points 60"}) {
        const std::string path = dir.file("twice.out");
        ASSERT_EQ(runCli(command + " --output " + path).status, 0) << command;
        const std::string first = test::readFile(path);
        ASSERT_EQ(runCli(command + " --output " + path).status, 0) << command;
        EXPECT_EQ(test::readFile(path), first) << command;
        EXPECT_FALSE(first.empty());
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// The commands whose saves must fail, each with where it writes appended.
const char* const kSaveCommands[] = {"export coordinates --naca 2412", "export polar --points 40",
                                     "dxf --naca 4415"};

TEST(ExportCli, MissingFolderFailsWithTheReason) {
    test::TempDir dir;
    const std::string path = dir.file("no-such-folder/out.dat");
    for (const char* command : kSaveCommands) {
        const CliRun run = runCli(std::string(command) + " --output " + path);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.out, "") << command;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << command << ": " << run.err;
        EXPECT_NE(run.err.find(path), std::string::npos) << command << ": " << run.err;
        EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << command << ": " << run.err;
        EXPECT_FALSE(fs::exists(dir.file("no-such-folder"))) << command;
    }
}

TEST(ExportCli, ReadOnlyFolderOrAFolderAsTargetLeavesTheOldFileAlone) {
    test::TempDir dir;
    // A folder given as the output is refused whoever runs the test.
    const std::string folder = dir.file("a-folder");
    fs::create_directory(folder);
    for (const char* command : kSaveCommands) {
        const CliRun run = runCli(std::string(command) + " --output " + folder);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.err.find("folder"), std::string::npos) << command << ": " << run.err;
        EXPECT_TRUE(fs::is_directory(folder));
    }
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into a read-only folder";

    const std::string previous = "a good file saved earlier\r\n";
    const std::string path = dir.file("kept.dat");
    test::writeFile(path, previous);
    fs::permissions(dir.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    for (const char* command : kSaveCommands) {
        const CliRun run = runCli(std::string(command) + " --output " + path);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.err.find(path), std::string::npos) << command << ": " << run.err;
        EXPECT_NE(run.err.find("Permission denied"), std::string::npos) << command << ": " << run.err;
        EXPECT_EQ(test::readFile(path), previous) << command;
    }
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(ExportCli, ADeviceOrALinkToNothingIsLeftAsItWas) {
    test::TempDir dir;
    const std::string device = dir.file("null"), dangling = dir.file("dangling");
    fs::create_symlink(dir.file("nowhere"), dangling);
    std::vector<std::string> targets{dangling};
    // A copy of /dev/null, where the superuser runs the test.
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) targets.push_back(device);
    for (const std::string& target : targets) {
        const fs::file_type before = fs::symlink_status(target).type();
        const CliRun run = runCli("export coordinates --output " + target);
        EXPECT_EQ(run.status, 1) << target;
        EXPECT_NE(run.err.find(target), std::string::npos) << run.err;
        EXPECT_EQ(fs::symlink_status(target).type(), before) << target;
    }
    EXPECT_FALSE(fs::exists(dir.file("nowhere")));
}

TEST(ExportCli, ABoundaryLayerThatCannotBeComputedSavesNothing) {
    // The finite-difference layer of a thin section at 10 degrees separates
    // at the nose: the program says where, and the save fails with it.
    test::TempDir dir;
    const std::string previous = "a good file saved earlier\r\n";
    const std::string path = dir.file("kept.dat");
    test::writeFile(path, previous);
    const CliRun run = runCli("export bl-upper-thickness --naca 0006 --alpha 10 --output " + path);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("nothing saved: The upper boundary layer separates at x = 0.0"), std::string::npos)
        << run.err;
    EXPECT_EQ(test::readFile(path), previous);
}

TEST(ExportCli, BadOptionsAreStatus2AndWriteNothing) {
    struct Case {
        std::string args, mentions;
    };
    test::TempDir dir;
    const std::string out = " --output " + dir.file("never.dat");
    const Case cases[] = {
        {"export" + out, "view"},
        {"export streamlines" + out, "streamlines"},
        {"export cp", "--output"},
        {"dxf", "--output"},
        {"export cp --alpha inf" + out, "--alpha"},
        {"export cp --alpha nan" + out, "--alpha"},
        {"export cp --alpha steep" + out, "--alpha"},
        {"export cp --alpha 1e10" + out, "--alpha"},
        {"export cp --points 41" + out, "even"},
        {"dxf --naca 2012" + out, "camber position"},
        {"dxf --alpha 3" + out, "--alpha"},  // the contour does not depend on the angle
        {"export coordinates --file /nonexistent/section.dat" + out, "/nonexistent/section.dat"},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args << ": " << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << c.args << ": " << run.err;
    }
    EXPECT_FALSE(fs::exists(dir.file("never.dat")));
}

}  // namespace
}  // namespace aerolune
