#pragma once
// Shared by the test executables: where the reference data lives, how its
// tables are read, and the one tolerance check every numerical test uses.

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace aerolune::test {

inline std::string dataPath(const std::string& relative) {
    return std::string(AEROLUNE_TEST_DATA) + "/" + relative;
}

// The rows of a comma-separated file under the test data, each split into its
// fields; the header line is left out.
inline std::vector<std::vector<std::string>> readCsv(const std::string& relative) {
    std::ifstream in(dataPath(relative));
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::stringstream fields(line);
        rows.emplace_back();
        for (std::string field; std::getline(fields, field, ',');) rows.back().push_back(field);
    }
    return rows;
}

// |actual - expected| <= abs + rel * |expected|
inline bool nearlyEqual(double actual, double expected, double abs, double rel = 0.0) {
    return std::isfinite(actual) && std::fabs(actual - expected) <= abs + rel * std::fabs(expected);
}

}  // namespace aerolune::test
