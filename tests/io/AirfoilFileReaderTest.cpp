#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "io/AirfoilFileReader.h"
#include "io/FieldReader.h"
#include "io/IoTestSupport.h"
#include "io/NativeAirfoilParser.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::dataPath;
using test::TempDir;

const char kPreviousName[] = "previous section";
constexpr float kPrevious = 7.25f;

// The caller's state before a read: recognisable values everywhere.
FileSection previousLists() {
    FileSection lists;
    lists.FileXU.fill(kPrevious);
    lists.FileYU.fill(kPrevious);
    lists.FileXL.fill(kPrevious);
    lists.FileYL.fill(kPrevious);
    lists.FileNU = 5;
    lists.FileNL = 6;
    return lists;
}

struct Surface {
    std::vector<float> x, y;
};

Surface upperOf(const FileSection& l) {
    Surface s;
    for (int32_t i = 1; i <= l.FileNU; ++i) s.x.push_back(l.FileXU(i)), s.y.push_back(l.FileYU(i));
    return s;
}
Surface lowerOf(const FileSection& l) {
    Surface s;
    for (int32_t i = 1; i <= l.FileNL; ++i) s.x.push_back(l.FileXL(i)), s.y.push_back(l.FileYL(i));
    return s;
}

Surface surfaceOf(const FileSurface& points) {
    Surface s;
    for (const FilePoint& p : points) s.x.push_back(p.x), s.y.push_back(p.y);
    return s;
}

void expectSameSurface(const Surface& actual, const Surface& expected, const std::string& what) {
    // Exact: both sides come from the same decimal text, so they round to the
    // same single-precision value.
    EXPECT_EQ(actual.x, expected.x) << what;
    EXPECT_EQ(actual.y, expected.y) << what;
}

void expectUntouched(const std::string& name, const FileSection& lists) {
    EXPECT_EQ(name, kPreviousName);
    EXPECT_EQ(lists.FileNU, 5);
    EXPECT_EQ(lists.FileNL, 6);
    EXPECT_EQ(lists.FileXU(1), kPrevious);
    EXPECT_EQ(lists.FileYL(6), kPrevious);
}

struct Read {
    ReadAirfoilResult result;
    std::string name = kPreviousName;
    FileSection lists = previousLists();
};

Read readText(const std::string& text) {
    Read r;
    r.result = readAirfoilText(text, r.name, r.lists);
    return r;
}

Read readPath(const std::string& path) {
    Read r;
    r.result = ReadAirfoil(path, r.name, r.lists);
    return r;
}

TEST(ReadAirfoil, KarmanTrefftzNativeAndSeligFilesGiveTheSameLists) {
    Read native = readPath(dataPath("reference/karman_trefftz/KT_cambered.txt"));
    ASSERT_TRUE(native.result.ok) << native.result.reason;
    EXPECT_EQ(native.result.layout, AirfoilLayout::Native);
    EXPECT_EQ(native.name, "KT_cambered (Karman-Trefftz eps=0.07 delta=0.05 tau=10 deg)");
    EXPECT_EQ(native.lists.FileNU, 101);
    EXPECT_EQ(native.lists.FileNL, 101);
    // First and last points as printed in the file: leading edge, trailing edge.
    EXPECT_EQ(native.lists.FileXU(1), 0.0f);
    EXPECT_EQ(native.lists.FileXU(101), 1.0f);
    EXPECT_EQ(native.lists.FileYL(2), -0.0022213341f);

    Read selig = readPath(dataPath("reference/karman_trefftz/KT_cambered_selig.dat"));
    ASSERT_TRUE(selig.result.ok) << selig.result.reason;
    EXPECT_EQ(selig.result.layout, AirfoilLayout::Selig);
    EXPECT_EQ(selig.name, "KT_cambered");
    // Selig files come out leading edge first on both surfaces, as the native file is written.
    expectSameSurface(upperOf(selig.lists), upperOf(native.lists), "upper");
    expectSameSurface(lowerOf(selig.lists), lowerOf(native.lists), "lower");
}

TEST(ReadAirfoil, TheProgramsOwnSavedCoordinatesFileReadsBack) {
    // 30 points a surface from the leading edge; the upper list lacks the
    // trailing edge and the lower one the leading edge: each gets it back.
    Read saved = readPath(dataPath("../io/golden/coordinates_n60.txt"));
    ASSERT_TRUE(saved.result.ok) << saved.result.reason;
    EXPECT_EQ(saved.name, "0012");
    ASSERT_EQ(saved.lists.FileNU, 31);
    ASSERT_EQ(saved.lists.FileNL, 31);
    EXPECT_EQ(saved.lists.FileXU(1), saved.lists.FileXL(1));
    EXPECT_EQ(saved.lists.FileYU(1), saved.lists.FileYL(1));
    EXPECT_EQ(saved.lists.FileXU(31), saved.lists.FileXL(31));
    EXPECT_EQ(saved.lists.FileYU(31), saved.lists.FileYL(31));
}

std::string pairLines(const Surface& s, const char* separator, const char* lineEnd) {
    std::string text;
    char buffer[64];
    for (std::size_t i = 0; i < s.x.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%.9g%s%.9g%s", s.x[i], separator, s.y[i], lineEnd);
        text += buffer;
    }
    return text;
}

TEST(ReadAirfoil, LednicerFileReadsToTheSameListsAsTheNativeFile) {
    Read native = readPath(dataPath("reference/karman_trefftz/KT_cambered.txt"));
    ASSERT_TRUE(native.result.ok);
    Surface upper = upperOf(native.lists);
    Surface lower = lowerOf(native.lists);
    // The upper surface ends at y = 0, so read in our own layout this file has
    // a whole second "count" of 0: it must still be taken as Lednicer.
    const std::string text = "KT lednicer\r\n  101.       101.\r\n\r\n" + pairLines(upper, "  ", "\r\n") +
                             "\r\n" + pairLines(lower, "\t", "\r\n");
    Read lednicer = readText(text);
    ASSERT_TRUE(lednicer.result.ok) << lednicer.result.reason;
    EXPECT_EQ(lednicer.result.layout, AirfoilLayout::Lednicer);
    EXPECT_EQ(lednicer.name, "KT lednicer");
    expectSameSurface(upperOf(lednicer.lists), upper, "upper");
    expectSameSurface(lowerOf(lednicer.lists), lower, "lower");
}

// A small section: upper (0,0) (0.5,0.1) (1,0); lower (0,0) (0.5,-0.1) (1,0).
const Surface kUpper{{0.0f, 0.5f, 1.0f}, {0.0f, 0.1f, 0.0f}};
const Surface kLower{{0.0f, 0.5f, 1.0f}, {0.0f, -0.1f, 0.0f}};

TEST(ReadAirfoil, EveryWayOfWritingOurOwnLayoutReadsTheSameLists) {
    struct Case {
        const char* what;
        const char* text;
        const char* name;
    };
    const Case cases[] = {
        {"one pair a line, comma", "Wing\n3\n0,0\n0.5,0.1\n1,0\n3\n0,0\n0.5,-0.1\n1,0\n", "Wing"},
        {"one pair a line, spaces", "Wing\n3\n0 0\n.5   .1\n1 0\n3\n0 0\n0.5 -0.1\n1 0\n", "Wing"},
        {"spaces around commas, CR LF",
         "Wing \r\n 3 \r\n 0 , 0 \r\n 0.5 , 0.1\r\n1,0\r\n3\r\n0,0\r\n"
         "0.5,-0.1\r\n1,0",
         "Wing"},
        {"all on one line", "Wing,3,0,0,0.5,0.1,1,0,3,0,0,0.5,-0.1,1,0", "Wing"},
        {"pairs spread over lines", "Wing\n3\n0\n0\n0.5\n0.1\n1\n0\n3\n0\n0\n0.5\n-0.1\n1\n0\n", "Wing"},
        {"count on the name line, blank lines", "\n\nWing, 3\n0 0\n\n0.5 0.1\n1 0\n3\n0 0\n0.5 -0.1\n1 0\n",
         "Wing"},
        {"exponents, trailing text ignored",
         "Wing\n3.\n0e0,0\n5D-1,1.0E-1\n1,0\n3\n0,0\n0.5,-1e-1\n1,0\n"
         "end of the data\n",
         "Wing"},
        {"quoted name holding commas",
         "\"NACA 23012, modified, v2\"\n3\n0,0\n0.5,0.1\n1,0\n3\n0,0\n"
         "0.5,-0.1\n1,0\n",
         "NACA 23012, modified, v2"},
        {"quoted name with text after the quote", "\"Wing\" rev 3,3,0,0,0.5,0.1,1,0,3,0,0,0.5,-0.1,1,0",
         "Wing"},
    };
    for (const Case& c : cases) {
        Read r = readText(c.text);
        ASSERT_TRUE(r.result.ok) << c.what << ": " << r.result.reason;
        EXPECT_EQ(r.result.layout, AirfoilLayout::Native) << c.what;
        EXPECT_EQ(r.result.malformedFields, 0) << c.what;
        EXPECT_EQ(r.name, c.name) << c.what;
        expectSameSurface(upperOf(r.lists), kUpper, c.what);
        expectSameSurface(lowerOf(r.lists), kLower, c.what);
    }
}

TEST(ReadAirfoil, TolerantReadingOfOurOwnLayout) {
    struct Case {
        const char* what;
        const char* text;
        Surface upper, lower;
        int32_t malformed;
    };
    const float p = kPrevious;
    const Case cases[] = {
        // A field that holds no number keeps the entry's previous value.
        {"malformed x",
         "W\n3\n0,0\nabc,0.1\n1,0\n3\n0,0\n0.5,-0.1\n1,0\n",
         {{0, p, 1}, {0, 0.1f, 0}},
         kLower,
         1},
        {"number with trailing text",
         "W\n3\n0,0\n0.5,0.1x\n1,0\n3\n0,0\n0.5,-0.1\n1,0\n",
         {{0, 0.5f, 1}, {0, p, 0}},
         kLower,
         1},
        {"empty field between commas",
         "W,3,0,0,0.5,,1,0,3,0,0,0.5,-0.1,1,0",
         {{0, 0.5f, 1}, {0, p, 0}},
         kLower,
         1},
        // A negative count reads no pairs; the next field is the second count.
        {"negative first count", "W\n-4\n3\n0,0\n0.5,-0.1\n1,0\n", {{}, {}}, kLower, 0},
        // The text ends before the count is met: only the pairs present are kept.
        {"first count beyond the data", "W\n3\n0,0\n0.5,0.1\n1,0\n9\n0,0\n0.5,-0.1\n1,0\n", kUpper, kLower,
         0},
    };
    for (const Case& c : cases) {
        ParsedAirfoil parsed = parseNativeAirfoil(c.text, kPreviousName, previousLists());
        EXPECT_EQ(parsed.malformedFields, c.malformed) << c.what;
        expectSameSurface(surfaceOf(parsed.first), c.upper, std::string(c.what) + " upper");
        expectSameSurface(surfaceOf(parsed.second), c.lower, std::string(c.what) + " lower");
        EXPECT_FALSE(isCleanNativeRead(parsed)) << c.what;
    }
}

TEST(ReadAirfoil, FirstCountZeroGivesAnEmptyFirstListAndTheNextFieldIsTheSecondCount) {
    const char text[] = "W\n0\n3\n0,0\n0.5,-0.1\n1,0\n";
    ParsedAirfoil parsed = parseNativeAirfoil(text, kPreviousName, previousLists());
    EXPECT_TRUE(parsed.first.empty());
    expectSameSurface(surfaceOf(parsed.second), kLower, "lower");
    EXPECT_EQ(parsed.malformedFields, 0);

    // No section can be built from one surface: the caller keeps its own.
    Read r = readText(text);
    EXPECT_FALSE(r.result.ok);
    EXPECT_NE(r.result.reason.find("first surface has 0 points"), std::string::npos) << r.result.reason;
    expectUntouched(r.name, r.lists);
}

TEST(ReadAirfoil, UnreadableFilesLeaveTheCallersSectionAlone) {
    TempDir dir;
    struct Case {
        const char* what;
        std::string bytes;
        const char* reasonHas;
    };
    const char elf[] =
        "\x7f"
        "ELF\x02\x01\x01\0\0\0\0\0\x03\0>\0\x01\0\0\0\xff\xfe,\n\r,,\"";
    const std::string binary(elf, sizeof elf - 1);  // the embedded zeros included
    const Case cases[] = {
        {"empty", "", "empty"},
        {"blank lines only", "\r\n  \n\t\n", "empty"},
        {"binary", binary, "each needs at least 3"},
        {"two points a surface", "W\n2\n0,0\n1,0\n2\n0,0\n1,0\n", "first surface has 2 points"},
        {"three coinciding points", "W\n3\n0,0\n0,0\n0,0\n3\n0,0\n0.5,-0.1\n1,0\n",
         "first surface has 1 point "},
        {"absurd count swallows the file", "W\n1e9\n0,0\n0.5,0.1\n1,0\n3\n0,0\n0.5,-0.1\n1,0\n",
         "second 0 points"},
        {"name only", "Just a name\n", "each needs"},
        {"too large", std::string(kMaxAirfoilFileBytes + 1, '1'), "too large"},
    };
    auto expectRefused = [](const std::string& path, const std::string& reasonHas, const char* what) {
        Read r = readPath(path);
        EXPECT_FALSE(r.result.ok) << what;
        EXPECT_NE(r.result.reason.find(reasonHas), std::string::npos) << what << ": " << r.result.reason;
        expectUntouched(r.name, r.lists);
    };
    for (const Case& c : cases) {
        test::writeFile(dir.file("case.dat"), c.bytes);
        expectRefused(dir.file("case.dat"), c.reasonHas, c.what);
    }
    expectRefused(dir.file("no such file.dat"), "No such file", "missing");
    expectRefused(dir.path().string(), "folder", "folder");
}

TEST(ReadAirfoil, OtherLayoutsAreOnlyTakenWhenTheirShapeIsExact) {
    struct Case {
        const char* what;
        const char* text;
        AirfoilLayout layout;
    };
    const Case cases[] = {
        // Our own layout with space-separated pairs: the count lines hold one number.
        {"native, spaces", "W\n3\n1 0\n0.5 0.1\n0 0\n3\n0 0\n0.5 -0.1\n1 0\n", AirfoilLayout::Native},
        // The counts on pair-shaped lines still read cleanly in our own layout.
        {"native, count beside the name", "W, 3\n1 0\n0.5 0.1\n0 0\n3\n0 0\n0.5 -0.1\n1 0\n",
         AirfoilLayout::Native},
        {"selig with commas", "S\n1, 0\n0.5, 0.1\n0, 0\n0.5, -0.1\n1, 0\n", AirfoilLayout::Selig},
        // Lednicer counts that do not match the pairs: not taken for Selig either.
        {"lednicer, wrong counts", "L\n3. 3.\n0 0\n0.5 0.1\n1 0\n0 0\n0.5 -0.1\n", AirfoilLayout::Native},
    };
    for (const Case& c : cases) {
        Read r = readText(c.text);
        EXPECT_EQ(r.result.layout, c.layout) << c.what << ": " << r.result.reason;
    }
}

TEST(ParseNumberToken, AcceptsWholeNumbersOnly) {
    struct Case {
        const char* token;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"61.", true, 61.0},  {"-.5", true, -0.5},  {"+2", true, 2.0},  {"1.5D-3", true, 0.0015},
        {"2e+1", true, 20.0}, {"", false, 0},       {".", false, 0},    {"-", false, 0},
        {"1e", false, 0},     {"1.5abc", false, 0}, {"1e39", false, 0}, {"0x10", false, 0},
        {"1,5", false, 0},    {"\"1\"", false, 0},
    };
    for (const Case& c : cases) {
        double value = -99.0;
        EXPECT_EQ(parseNumberToken(c.token, value), c.ok) << c.token;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.token;
        }
    }
}

}  // namespace
}  // namespace aerolune
