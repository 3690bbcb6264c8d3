#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "common/PrintForm.h"

namespace aerolune {
namespace {

// Expected texts worked by hand: the value rounded to 7 (single) or 15 (double)
// significant digits, plain form while it needs no more digits than that.
TEST(FreeForm, SingleValues) {
    struct Case {
        float value;
        const char* expected;
    };
    const Case cases[] = {
        {0.0f, " 0 "},
        {0.5f, " .5 "},
        {-0.5f, "-.5 "},
        {1.0f, " 1 "},
        {-1.0f, "-1 "},
        {0.9f, " .9 "},
        {0.05f, " .05 "},
        {-123.25f, "-123.25 "},
        {2.675f, " 2.675 "},
        {0.3f, " .3 "},
        {-0.0f, " 0 "},
        {0.1234567f, " .1234567 "},
        {1234567.0f, " 1234567 "},
        {9999999.0f, " 9999999 "},
        {1e7f, " 1E+07 "},
        {12345678.0f, " 1.234568E+07 "},
        {1e20f, " 1E+20 "},
        {-2.5e10f, "-2.5E+10 "},
        {0.001f, " .001 "},
        {1e-7f, " .0000001 "},
        {1.5e-7f, " 1.5E-07 "},
        {1e-8f, " 1E-08 "},
        {0.01234567f, " 1.234567E-02 "},
        {std::numeric_limits<float>::max(), " 3.402823E+38 "},
    };
    for (const Case& c : cases) EXPECT_EQ(freeFormSingle(c.value), c.expected) << c.value;
}

TEST(FreeForm, DoubleValues) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0.0, " 0 "},
        {0.1 + 0.2, " .3 "},
        {-0.5, "-.5 "},
        {1000000.0, " 1000000 "},
        {123456.789, " 123456.789 "},
        {1.0 / 3.0, " .333333333333333 "},
        {2.0 / 3.0, " .666666666666667 "},
        {999999999999999.0, " 999999999999999 "},
        {1e15, " 1E+15 "},
        {1e-15, " .000000000000001 "},
        {1.5e-15, " 1.5E-15 "},
        {1e-16, " 1E-16 "},
        {1.5e-7, " .00000015 "},
        {1e100, " 1E+100 "},
        {-1e-300, "-1E-300 "},
    };
    for (const Case& c : cases) EXPECT_EQ(freeFormDouble(c.value), c.expected) << c.value;
}

TEST(FreeForm, NonFiniteValuesKeepTheSpaces) {
    EXPECT_EQ(freeFormSingle(std::numeric_limits<float>::quiet_NaN()), " NaN ");
    EXPECT_EQ(freeFormDouble(std::numeric_limits<double>::infinity()), " Inf ");
    EXPECT_EQ(freeFormDouble(-std::numeric_limits<double>::infinity()), "-Inf ");
}

// Where the item after a comma starts, by the length of the line before it.
TEST(PrintLine, CommaMovesToTheNextZoneAndAFullZonePushesOn) {
    struct Case {
        std::size_t before;
        int column;
    };
    const Case cases[] = {{0, 15}, {1, 15}, {13, 15}, {14, 29}, {15, 29}, {27, 29}, {28, 43}, {29, 43}};
    for (const Case& c : cases) {
        PrintLine line;
        line.item(std::string(c.before, 'x')).zoneItem("y");
        EXPECT_EQ(line.str().find('y') + 1, static_cast<std::size_t>(c.column)) << c.before;
        EXPECT_EQ(line.str().size(), static_cast<std::size_t>(c.column)) << "only spaces are added";
    }
}

TEST(PrintLine, SemicolonsJoinAndBareCommasSkipZones) {
    PrintLine joined;
    joined.item("a").item(" b").item("");
    EXPECT_EQ(joined.str(), "a b");

    PrintLine skipped;
    skipped.nextZone().item("x").nextZone().nextZone();
    EXPECT_EQ(skipped.str(), std::string(14, ' ') + "x" + std::string(27, ' '));
    EXPECT_EQ(skipped.column(), 43);
}

TEST(PrintLine, FileLinesComeOutByteForByte) {
    // A point line of the coordinates file: x at column 1, y at column 15.
    EXPECT_EQ(PrintLine().item("0.500000").zoneItem("0.250000").str(), "0.500000      0.250000");
    // A negative second column starts with its minus sign at column 15.
    EXPECT_EQ(PrintLine().item("1.000000").zoneItem("-0.250000").str().substr(14), "-0.250000");
    // The polar header: every item padded to its 14-column zone.
    PrintLine header;
    header.item("Angle(Deg)").zoneItem("Cl      ").zoneItem("Cd      ").zoneItem("Cm      ");
    header.zoneItem("Up Tran(%c) ").zoneItem("Lo Tran(%c)");
    EXPECT_EQ(header.str(),
              "Angle(Deg)    Cl            Cd            Cm            Up Tran(%c)   Lo Tran(%c)");
    // The mesh size line: two free-form numbers.
    EXPECT_EQ(PrintLine().item(freeFormSingle(40)).zoneItem(freeFormSingle(20)).str(), " 40            20 ");
}

}  // namespace
}  // namespace aerolune
