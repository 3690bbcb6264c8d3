#include "cli/CliSeam.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/CliCommand.h"

namespace aerolune::cli {

void CliSeam::throwIfMessage() const {
    if (!messages_.empty()) throw AnalysisError(messages_.front());
}

void CliSeam::notePolarRows(const std::string& rows) {
    std::istringstream lines(rows);
    for (std::string line; std::getline(lines, line);) std::cerr << "aerolune-cli: " << line << '\n';
}

std::string plainDecimal(double value) {
    // The last guard: whatever the cause, nothing that is not a number is printed.
    if (!std::isfinite(value))
        throw AnalysisError("a result is not a finite number; nothing more is printed");
    if (value == 0.0) return "0";
    constexpr int kSignificant = 9;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, kSignificant - 1 - magnitude);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

}  // namespace aerolune::cli
