// The reference-polar reader: the other solver's saved polar file and plain
// tables read by their column names, and every file it cannot use refused
// with the line and the reason.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "io/ReferencePolarFile.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

TEST(ReferencePolarFile, ReadsTheOtherSolversPolarFileByColumnName) {
    const std::string path = test::dataPath("reference/xfoil_polar_file_naca2412_re1e6.txt");
    const ReferencePolarRead read = readReferencePolar(path);
    ASSERT_TRUE(read.ok) << read.reason;
    const ReferencePolar& p = read.polar;
    EXPECT_EQ(p.title, "NACA 2412");
    ASSERT_TRUE(p.reynolds.has_value());
    EXPECT_DOUBLE_EQ(*p.reynolds, 1e6);  // "Re = 1.000 e 6" in the file
    EXPECT_TRUE(p.hasCm);
    EXPECT_TRUE(p.hasTransition);
    ASSERT_EQ(p.points.size(), 6u);
    // The 4-degree row as printed in the file (exact decimal reads).
    const ReferencePoint& q = p.points[2];
    EXPECT_DOUBLE_EQ(q.alpha, 4.0);
    EXPECT_DOUBLE_EQ(q.cl, 0.7146);
    EXPECT_DOUBLE_EQ(q.cd, 0.00693);  // CD, not CDp (0.00107) beside it
    EXPECT_DOUBLE_EQ(q.cm, -0.0573);
    EXPECT_DOUBLE_EQ(q.upperTransition, 0.3980);
    EXPECT_DOUBLE_EQ(q.lowerTransition, 1.0);
    EXPECT_DOUBLE_EQ(p.points.back().alpha, 10.0);
}

struct TableCase {
    const char* name;
    const char* text;
    const char* title;
    bool hasCm;
    bool hasTransition;
    double alpha, cl, cd, cm;  ///< the second point
};

class ReferencePolarTables : public testing::TestWithParam<TableCase> {};

TEST_P(ReferencePolarTables, ReadTheColumnsByName) {
    const TableCase& c = GetParam();
    const ReferencePolarRead read = parseReferencePolar(c.text, "/some/folder/tunnel-data.csv");
    ASSERT_TRUE(read.ok) << read.reason;
    EXPECT_EQ(read.polar.title, c.title);
    EXPECT_EQ(read.polar.hasCm, c.hasCm);
    EXPECT_EQ(read.polar.hasTransition, c.hasTransition);
    ASSERT_EQ(read.polar.points.size(), 2u);
    const ReferencePoint& q = read.polar.points[1];
    EXPECT_DOUBLE_EQ(q.alpha, c.alpha);
    EXPECT_DOUBLE_EQ(q.cl, c.cl);
    EXPECT_DOUBLE_EQ(q.cd, c.cd);
    if (c.hasCm) {
        EXPECT_DOUBLE_EQ(q.cm, c.cm);
    }
}

const TableCase kTables[] = {
    {"CommasAnyOrderWithUnits", "CD,Alpha (deg),CL\r\n0.0061,0,0.25\r\n0.0072,4.5,0.71\r\n",
     "tunnel-data.csv", false, false, 4.5, 0.71, 0.0072, 0},
    {"BlanksUnderATitle",
     "# NACA 2412 at Re 3.1e6, closed tunnel\n\nalpha  cl  cd  cm\n-2 0.03 0.0059 -0.05\n"
     "2\t0.46\t0.0062\t-0.048\n\n",
     "NACA 2412 at Re 3.1e6, closed tunnel", true, false, 2, 0.46, 0.0062, -0.048},
    {"SemicolonsWithDecimalCommas",
     "\xEF\xBB\xBF"
     "alpha;cl;cd;cm\n0;0,25;0,0061;-0,05\n2;0,47;0,0065;-0,051\n",
     "tunnel-data.csv", true, false, 2, 0.47, 0.0065, -0.051},
    {"BlankSeparatedUnits", "alpha [deg]  CL  CD\n0 0.2 0.006\n6 0.9 0.009\n", "tunnel-data.csv", false,
     false, 6, 0.9, 0.009, 0},
    // This program's own CSV polar reads back as a reference.
    {"OwnCsvPolar",
     "section,file,reynolds,alpha_deg,cl,cd,cm_c4,transition_upper_x_chords,transition_lower_x_chords\n"
     "2412,,1000000.0,-2.0,0.0308,0.0058,-0.052,0.71,0.42\n2412,,1000000.0,0.0,0.2412,0.0056,-0.053,0.61,0."
     "65\n",
     "tunnel-data.csv", true, true, 0, 0.2412, 0.0056, -0.053},
};

INSTANTIATE_TEST_SUITE_P(Tables, ReferencePolarTables, testing::ValuesIn(kTables),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ReferencePolarFile, RefusesWithTheLineAndTheReason) {
    std::string manyRows = "alpha cl cd\n";
    for (int k = 0; k <= static_cast<int>(kMaxReferencePolarPoints); ++k) manyRows += "1 0.1 0.01\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "no line names the columns alpha, CL and CD"},
        {"x y\n0 0\n1 0\n", "no line names the columns alpha, CL and CD"},
        {std::string("\0\x01\xff\xfe alpha\0cl", 12), "no line names the columns alpha, CL and CD"},
        {"alpha cl cd\n", "line 1: no points follow the column names"},
        {"alpha cl cd\n-------\n\n", "line 1: no points follow the column names"},
        {"alpha cl cd\n0 0.2 0.006\n2 0.4 abc\n", "line 3: CD \"abc\" is not a number"},
        {"alpha cl cd\n0 0.2 nan\n", "line 2: CD \"nan\" is not a number"},
        {"alpha cl cd\n0 0.2 1e999\n", "line 2: CD \"1e999\" is not a number"},
        {"alpha,cl,cd\n0,0.2\n", "line 2: the CD column is column 3 but the line has 2"},
        {"alpha cl cd\n0 0.2 -0.01\n", "line 2: CD -0.01 is outside 0 to 10"},
        {"alpha cl cd cm\n400 0.2 0.01 0\n", "line 2: alpha 400 is outside -180 to 180"},
        {"alpha cl cd top_xtr bot_xtr\n0 0.2 0.01 1.5 0.5\n", "line 2: Top_Xtr 1.5 is outside 0 to 1"},
        {"alpha cl cd\n0 0.2 0.006\nNotes: measured in 1952\n", "line 3: alpha \"Notes:\" is not a number"},
        {manyRows, "line " + std::to_string(kMaxReferencePolarPoints + 2) + ": more than"},
    };
    for (const auto& [text, reason] : cases) {
        const ReferencePolarRead read = parseReferencePolar(text, "bad.txt");
        EXPECT_FALSE(read.ok) << reason;
        EXPECT_NE(read.reason.find(reason), std::string::npos)
            << "expected \"" << reason << "\", got \"" << read.reason << "\"";
        EXPECT_TRUE(read.polar.points.empty() || !read.ok);
    }
}

TEST(ReferencePolarFile, RefusesWhatIsNoPolarFile) {
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / "reference-polar-refusals";
    std::filesystem::create_directories(folder);
    const std::filesystem::path large = folder / "large.txt";
    {
        std::ofstream out(large, std::ios::binary);
        out << "alpha cl cd\n" << std::string(kMaxReferencePolarBytes, '#') << '\n';
    }
    // Opening a FIFO would wait for a writer that never comes.
    const std::filesystem::path fifo = folder / "polar.fifo";
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {folder.string(), "it is a folder"},       {(folder / "missing.txt").string(), "cannot open it"},
        {large.string(), "too large for a polar"}, {fifo.string(), "not a regular file"},
        {"/dev/zero", "not a regular file"},
    };
    for (const auto& [path, reason] : cases) {
        const ReferencePolarRead read = readReferencePolar(path);
        EXPECT_FALSE(read.ok) << path;
        EXPECT_NE(read.reason.find(reason), std::string::npos) << read.reason;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace aerolune
