// The shared reading of a typed quantity: a plain decimal number in the
// quantity's range, anything else refused with one message.

#include <gtest/gtest.h>

#include <string>

#include "common/QuantityRule.h"

namespace aerolune {
namespace {

TEST(QuantityRule, OnlyPlainDecimalNumbersAreRead) {
    struct Case {
        const char* text;
        bool read;
        double value;
    };
    const Case cases[] = {
        {"16", true, 16.0},     {" -5.5\t", true, -5.5}, {"+2", true, 2.0},      {".5", true, 0.5},
        {"1.", true, 1.0},      {"1e3", true, 1000.0},   {"2.5E-1", true, 0.25}, {"1e-400", true, 0.0},
        {"0x10", false, 0.0},   {"nan", false, 0.0},     {"inf", false, 0.0},    {"1e400", false, 0.0},
        {"-1e400", false, 0.0}, {"5abc", false, 0.0},    {"1e", false, 0.0},     {"1e+", false, 0.0},
        {"", false, 0.0},       {"  ", false, 0.0},      {".", false, 0.0},      {"1 2", false, 0.0},
        {"1,5", false, 0.0},    {"--1", false, 0.0},
    };
    for (const Case& c : cases) {
        double v = -99.0;
        EXPECT_EQ(readDecimalNumber(c.text, v), c.read) << '"' << c.text << '"';
        EXPECT_EQ(v, c.value) << '"' << c.text << '"';
    }
}

TEST(QuantityRule, RangeEndsAreTakenAndOneMessageRefusesTheRest) {
    struct Case {
        const QuantityRule* rule;
        const char* text;
        bool taken;
    };
    const Case cases[] = {
        {&kAngleRule, "-20", true},     {&kAngleRule, "20", true},
        {&kAngleRule, "20.001", false}, {&kAngleRule, "-20.001", false},
        {&kAngleRule, "1e9", false},    {&kAngleRule, "abc", false},
        {&kReynoldsRule, "1e3", true},  {&kReynoldsRule, "1e9", true},
        {&kReynoldsRule, "999", false}, {&kReynoldsRule, "1.000001e9", false},
        {&kReynoldsRule, "0.5", false}, {&kReynoldsRule, "1e308", false},
        {&kReynoldsRule, "-5", false},  {&kReynoldsRule, "nan", false},
    };
    for (const Case& c : cases) {
        double v = 0.0;
        const std::string problem = quantityProblem(*c.rule, c.text, v);
        EXPECT_EQ(problem.empty(), c.taken) << c.text << ": " << problem;
        if (!c.taken) {
            EXPECT_EQ(problem, quantityRangeText(*c.rule) + " (not \"" + c.text + "\")");
        }
    }
    EXPECT_EQ(quantityRangeText(kAngleRule), "the angle of attack must be a number from -20 to 20 degrees");
    EXPECT_EQ(quantityRangeText(kReynoldsRule),
              "the Reynolds number must be a number from 1000 to 1000000000");
}

}  // namespace
}  // namespace aerolune
