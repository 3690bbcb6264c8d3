#include <gtest/gtest.h>

#include "common/NumberText.h"

namespace aerolune {
namespace {

TEST(ReadLeadingNumber, ReadsTheNumberAtTheStartAndIgnoresTheRest) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"3e6", 3000000.0}, {"1,000,000", 1.0}, {"abc", 0.0},   {"  -2.5x", -2.5},
        {"1D3", 1000.0},    {"", 0.0},          {"-", 0.0},     {".5", 0.5},
        {"12 Deg.", 12.0},  {"1e", 1.0},        {"1e+", 1.0},   {"2.5E-1", 0.25},
        {"+7", 7.0},        {"-.", 0.0},        {"1e999", 0.0}, {"0012", 12.0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(readLeadingNumber(c.text), c.expected) << c.text;
}

TEST(FormatGeneral, UsesAsFewDigitsAsNeeded) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {1000000.0, "1000000"}, {1.05, "1.05"},     {0.0, "0"},      {-2.5, "-2.5"},
        {120.0, "120"},         {0.1 + 0.2, "0.3"}, {1e20, "1E+20"}, {1.5e-7, "1.5E-07"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatGeneral(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace aerolune
