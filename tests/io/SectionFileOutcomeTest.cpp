// What becomes of the section files users bring: each is read (and the
// section builder makes it) with the notice that says what was done to it,
// or it is refused with the reason, the caller's section left as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "analysis/PipelineSolve.h"
#include "analysis/SectionGuard.h"
#include "io/AirfoilFileReader.h"
#include "io/IoTestSupport.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::dataPath;

enum class Outcome { Read, RefusedByReader, RefusedByBuilder };

struct Case {
    std::string file;  ///< under tests/data, or a path made by the test
    Outcome outcome;
    std::string text;  ///< the start of the notice when read, part of the reason when refused
};

// A Selig file of a 12 % symmetric section, 41 points a surface; `change`
// may alter point k (0-based from the trailing edge over the upper surface).
std::string seligText(void (*change)(int k, double& x, double& y) = nullptr) {
    std::string text = "made section\n";
    const int n = 40;
    for (int k = 0; k <= 2 * n; ++k) {
        const double x = 0.5 * (1.0 + std::cos(M_PI * k / n));
        const double t = 0.6 * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                                0.1036 * x * x * x * x);
        double px = x, py = k <= n ? t : -t;
        if (change) change(k, px, py);
        char line[64];
        std::snprintf(line, sizeof line, "%.6f %.6f\n", px, py);
        text += line;
    }
    return text;
}

TEST(SectionFiles, EachFileIsReadWithItsNoticeOrRefusedWithItsReason) {
    test::TempDir dir;
    const std::string fifo = dir.file("pipe.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto made = [&dir](const std::string& name, const std::string& text) {
        test::writeFile(dir.file(name), text);
        return dir.file(name);
    };
    const std::string sections = dataPath("sections/");
    const Case cases[] = {
        {sections + "naca6412.dat", Outcome::Read,
         "blunt trailing edge 0.25 % of the chord wide (the file's point at the middle of its base set "
         "aside): "
         "both surfaces run into the middle of its base over the last 3.0 % of the chord"},
        {sections + "oa209.dat", Outcome::Read,
         "blunt trailing edge 0.50 % of the chord wide: both surfaces run into the middle of its base over "
         "the "
         "last 5.0 % of the chord"},
        {sections + "fx69274.dat", Outcome::Read, "blunt trailing edge 1.43 % of the chord wide (the file's"},
        {sections + "bw050209.dat", Outcome::Read,
         "blunt trailing edge 0.20 % of the chord wide (the file's"},
        {sections + "ag24.dat", Outcome::Read, "blunt trailing edge 0.10 % of the chord wide"},
        {sections + "naca642415.dat", Outcome::Read,
         "lower surface ends at x = 0.950; joined to the trailing edge"},
        {sections + "vr8.dat", Outcome::Read, "lower surface ends at x = 0.965; joined to the trailing edge"},
        {sections + "strand.dat", Outcome::Read,
         "lower surface ends at x = 0.958; joined to the trailing edge"},
        {sections + "b707b.dat", Outcome::Read,
         "upper surface read as straight from x = 0.599 to the trailing edge; lower surface ends at x = "
         "0.601"},
        {sections + "fx63147.dat", Outcome::Read,
         "lower surface ends at x = 0.999; joined to the trailing edge; the surfaces cross by up to 0.047 % "
         "of "
         "the chord from x = 0.990; the thickness from x = 0.983 to the trailing edge is interpolated"},
        {sections + "e378.dat", Outcome::Read,
         "lower surface ends at x = 0.997; joined to the trailing edge; the surfaces cross by up to 0.009 % "
         "of "
         "the chord from x = 0.692; the thickness from x = 0.645 to x = 0.783"},
        // Its rounded edge ends in a point that the spline runs past.
        {sections + "dbln526.dat", Outcome::RefusedByBuilder, "lower surface ends at x = 0.988; joined"},
        {sections + "outlier-y234.dat", Outcome::RefusedByReader,
         "point 4 (x = 0.85031, y = 234) lies 275 chords from its neighbours"},
        {made("saw.dat", seligText([](int k, double&, double& y) { y += k % 2 ? 0.01 : -0.01; })),
         Outcome::RefusedByReader, "its upper surface turns up and down 39 times"},
        {made("nan.dat", seligText([](int k, double&, double& y) { y = k == 17 ? NAN : y; })),
         Outcome::RefusedByReader, "line 19 could not be read: \"0.616723 nan\" is not an x, y pair"},
        {fifo, Outcome::RefusedByReader, "it is a named pipe (FIFO), not a regular file"},
        {"/dev/null", Outcome::RefusedByReader, "it is a device, not a regular file"},
    };
    for (const Case& c : cases) {
        std::string name = "previous";
        FileSection lists;
        const ReadAirfoilResult read = ReadAirfoil(c.file, name, lists);
        if (c.outcome == Outcome::RefusedByReader) {
            EXPECT_FALSE(read.ok) << c.file;
            EXPECT_NE(read.reason.find(c.text), std::string::npos) << c.file << ": " << read.reason;
            EXPECT_EQ(name, "previous") << c.file;
            EXPECT_EQ(lists.FileNU, 0) << c.file;
            continue;
        }
        ASSERT_TRUE(read.ok) << c.file << ": " << read.reason;
        EXPECT_EQ(read.notice.rfind(c.text, 0), 0u) << c.file << ": " << read.notice;
        AppState state;
        state.section.file = lists;
        state.section.fromFile = true;
        state.texts.sectionName = name;
        const std::string problem = sectionBuildProblem(state);
        if (c.outcome == Outcome::RefusedByBuilder) {
            EXPECT_NE(problem.find("a surface turns back past the vertical"), std::string::npos) << problem;
            continue;
        }
        EXPECT_EQ(problem, "") << c.file;
        // A lift no section gives means the contour is not the file's section.
        SectionSolution solution;
        solveSection(state.section, 120, 2.0f, solution);
        EXPECT_TRUE(std::isfinite(solution.cl) && std::fabs(solution.cl) < 2.0)
            << c.file << ": " << solution.cl;
    }
}

}  // namespace
}  // namespace aerolune
