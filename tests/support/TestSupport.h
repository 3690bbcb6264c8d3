#pragma once
// Shared by the test executables: where the reference data lives and the one
// tolerance check every numerical test uses.

#include <cmath>
#include <string>

namespace aerolune::test {

inline std::string dataPath(const std::string& relative) {
    return std::string(AEROLUNE_TEST_DATA) + "/" + relative;
}

// |actual - expected| <= abs + rel * |expected|
inline bool nearlyEqual(double actual, double expected, double abs, double rel = 0.0) {
    return std::isfinite(actual) && std::fabs(actual - expected) <= abs + rel * std::fabs(expected);
}

}  // namespace aerolune::test
