#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "common/FormatPicture.h"
#include "common/NumberText.h"

namespace aerolune {
namespace {

struct Case {
    const char* picture;
    double value;
    const char* expected;
};

void expectAll(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(formatPicture(c.value, c.picture), c.expected) << c.picture << " of " << c.value;
}

// Byte-exact; expected texts worked by hand from the picture rules. Values marked
// "binary below" are stored just under the written half (2.675 is
// 2.67499999999999982...), so rounding the binary value would go the other way.
TEST(FormatPicture, FixedPicturesOfTheDataFiles) {
    expectAll({
        {"#0.000000", 0.5, "0.500000"},
        {"#0.000000", -0.25, "-0.250000"},
        {"#0.000000", 0.0, "0.000000"},
        {"#0.000000", 1.0000005, "1.000001"},
        {"#0.000000", -1.0000005, "-1.000001"},
        {"#0.000000", 0.9999996, "1.000000"},
        {"#0.000000", 123456.7, "123456.700000"},
        {"#0.000000", 5e-7, "0.000001"},    // binary below
        {"#0.00000", 0.123455, "0.12346"},  // binary below
        {"#0.00000", -3.5, "-3.50000"},
        {"#0.00000", 0.0, "0.00000"},
        {"##0.00000", 0.0085, "0.00850"},
        {"##0.00000", 123.456789, "123.45679"},
        {"##0.00000", -0.000005, "-0.00001"},
        {"##0.00000", 1000.0, "1000.00000"},
        {"0.000000", 8.5 / 1000.0, "0.008500"},
        {"0.000000", 0.0, "0.000000"},
        {"0.000000", -0.0123456, "-0.012346"},
        {"0.000000", 12.3456785, "12.345679"},
        {"##0.000000", 0.0085, "0.008500"},
        {"##0.000000", -0.0000015, "-0.000002"},
        {"#0.00", 2.675, "2.68"},  // binary below
        {"#0.00", -2.675, "-2.68"},
        {"#0.00", 0.125, "0.13"},
        {"#0.00", 99.995, "100.00"},
        {"#0.00", 12.0, "12.00"},
        {"#0.00", -20.0, "-20.00"},
    });
}

TEST(FormatPicture, FixedPicturesOfTheScreen) {
    expectAll({
        {"0.00", 0.125, "0.13"},
        {"0.00", 1.005, "1.01"},  // binary below
        {"0.00", 0.5, "0.50"},
        {"0.00", 1234.5, "1234.50"},
        {"0.00", -0.375, "-0.38"},
        {"0.000", 0.1234, "0.123"},
        {"0.000", -0.0005, "-0.001"},
        {"0.00000", 0.123455, "0.12346"},  // binary below
        {"#0.0", 0.85, "0.9"},             // binary below
        {"#0.0", -1.25, "-1.3"},
        {"#0.0", 0.0, "0.0"},
        {"##0.0", 12.25, "12.3"},
        {"##0.0", -12.25, "-12.3"},
        {"##0.0", 0.05, "0.1"},
        {"##0.0", 100.0, "100.0"},
        {"##0.00", -2.5, "-2.50"},
        {"##0.00", -0.125, "-0.13"},
        {"##0.000", 0.1 + 0.2, "0.300"},
        {"##0.000", 1.0005, "1.001"},  // binary below
        {"##0.000", 1.5, "1.500"},
        {"##0.000", -0.8765, "-0.877"},
        {"###0.00", 250.0, "250.00"},
        {"###0.00", 12345.678, "12345.68"},
        {"###0.00", 0.0, "0.00"},
        {"##0.0000", -0.45, "-0.4500"},
        {"##0.0000", 0.00005, "0.0001"},
        {"##0", 20.0, "20"},
        {"##0", 0.0, "0"},
        {"##0", 0.5, "1"},
        {"##0", -0.5, "-1"},
        {"##0", 1234.0, "1234"},
        {"##0", 0.49, "0"},
        {"00", 5.0, "05"},
        {"00", 25.0, "25"},
        {"00", 125.0, "125"},
        {"00", 4.5, "05"},
        {"00", -5.0, "-05"},
        {"00", 0.0, "00"},
        {"00", 99.5, "100"},
        {"00", -24.5, "-25"},
    });
}

// Optional decimals: "#" places after the last "0" show only when not zero.
TEST(FormatPicture, OptionalDecimalsDropTrailingZeros) {
    expectAll({
        {"##0.0#", 0.5, "0.5"},
        {"##0.0#", 0.25, "0.25"},
        {"##0.0#", 2.0, "2.0"},
        {"##0.0#", -0.4, "-0.4"},
        {"##0.0#", 0.125, "0.13"},
        {"##0.0#", 0.996, "1.0"},
        {"##0.0#", -1.6, "-1.6"},
        {"##0.0#", 0.0, "0.0"},
        {"##0.0#", 240.0, "240.0"},
        {"0.0###", 0.25, "0.25"},
        {"0.0###", 0.5, "0.5"},
        {"0.0###", 0.123456, "0.1235"},
        {"0.0###", 0.12345, "0.1235"},
        {"0.0###", -1.23456, "-1.2346"},
        {"0.0###", 10.0, "10.0"},
        {"0.0###", 0.00005, "0.0001"},
        {"0.0#####", 0.0085, "0.0085"},
        {"0.0#####", 0.1234565, "0.123457"},  // binary below
        {"0.0#####", 3.0, "3.0"},
        {"0.0#####", -0.00000049, "0.0"},
        {"#.00", 0.5, ".50"},
        {"#.00", -0.5, "-.50"},
        {"0.##", 2.0, "2."},
        {"0.##", 2.5, "2.5"},
    });
}

// A value that rounds to zero shows no minus sign: tick labels computed as
// ymin + k dy land on -2.8e-17 instead of 0 and must still read "0.0".
TEST(FormatPicture, ValuesShownAsZeroHaveNoMinusSign) {
    expectAll({
        {"0.00", -0.0001, "0.00"},
        {"##0.0#", -2.7755575615628914e-17, "0.0"},
        {"#0.000000", -0.0000004, "0.000000"},
        {"00", -0.4, "00"},
        {"##0", -0.0, "0"},
        {"0.00e+", -0.0, "0.00e+0"},
        {"0.00", -0.005, "-0.01"},
    });
}

TEST(FormatPicture, ScientificPictures) {
    expectAll({
        {"0.00e+", 12345.0, "1.23e+4"},
        {"0.00e+", 1000000.0, "1.00e+6"},
        {"0.00e+", 3e6, "3.00e+6"},
        {"0.00e+", 0.00123, "1.23e-3"},
        {"0.00e+", 0.0, "0.00e+0"},
        {"0.00e+", -12345.0, "-1.23e+4"},
        {"0.00e+", 99950.0, "1.00e+5"},
        {"0.00e+", 1.125e6, "1.13e+6"},
        {"0.00e+", 5.0, "5.00e+0"},
        {"0.00e+", 1e20, "1.00e+20"},
        {"0.00e+", 1e-300, "1.00e-300"},
        {"0.00E+00", 12345.0, "1.23E+04"},
        {"0.00E+00", 1.5e-7, "1.50E-07"},
        {"0.0e-", 12345.0, "1.2e4"},
        {"0.0e-", 0.0012, "1.2e-3"},
        {"0.0#e+", 15000.0, "1.5e+4"},
        {"0.0#e+", 15600.0, "1.56e+4"},
    });
}

TEST(FormatPicture, LargeValuesKeepEveryIntegerDigit) {
    // Digits beyond the 15 a double shows reliably come out as zeros.
    expectAll({
        {"#0.00", 1e20, "100000000000000000000.00"},
        {"0", 123456789012345678.0, "123456789012346000"},
        {"##0.0#", -98765.4321, "-98765.43"},
    });
}

TEST(FormatPicture, SingleValuesRoundOnTheirSevenDigits) {
    // 2.675f is 2.67499995...: as a single it reads 2.675 and rounds up; the
    // same bits widened to double show their 15 digits and round down.
    EXPECT_EQ(formatPicture(2.675f, "0.00"), "2.68");
    EXPECT_EQ(formatPicture(static_cast<double>(2.675f), "0.00"), "2.67");
    EXPECT_EQ(formatPicture(0.1f, "#0.000000"), "0.100000");
    EXPECT_EQ(formatPicture(-0.05f, "#0.000000"), "-0.050000");
    EXPECT_EQ(formatPicture(5, "00"), "05");
    EXPECT_EQ(formatPicture(-3L, "#0.0"), "-3.0");
}

// Whatever the value, the text read back is the value to within half a unit of
// the last decimal (plus the 15-digit representation error), and the number of
// decimals is the picture's. Catches carries and lost digits the tables miss.
TEST(FormatPicture, TextReadsBackWithinHalfTheLastDecimal) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> scale(-8, 8);
    for (int k = 0; k < 20000; ++k) {
        const double value = mantissa(random) * std::pow(10.0, scale(random));
        for (const auto& [picture, decimals] : {std::pair{"#0.000000", 6}, std::pair{"##0.00", 2}}) {
            const std::string text = formatPicture(value, picture);
            const double halfUnit = 0.5 * std::pow(10.0, -decimals);
            EXPECT_LE(std::fabs(readLeadingNumber(text) - value),
                      halfUnit * (1 + 1e-9) + 1e-14 * std::fabs(value))
                << picture << " of " << value << " gave " << text;
            EXPECT_EQ(text.size() - text.find('.') - 1, static_cast<std::size_t>(decimals)) << text;
        }
    }
}

TEST(FormatPicture, NonFiniteValuesAndAnEmptyPictureStayVisible) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatPicture(std::numeric_limits<double>::quiet_NaN(), "#0.00"), "NaN");
    EXPECT_EQ(formatPicture(inf, "0.00e+"), "Inf");
    EXPECT_EQ(formatPicture(-inf, "##0.0#"), "-Inf");
    EXPECT_EQ(formatPicture(std::numeric_limits<float>::quiet_NaN(), "0.00"), "NaN");
    EXPECT_EQ(formatPicture(1.05, ""), "1.05");
}

}  // namespace
}  // namespace aerolune
