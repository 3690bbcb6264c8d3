#include "common/QuantityRule.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "common/NumberText.h"

namespace aerolune {

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the plain decimal number at the start of `t`, 0 when there is none.
std::size_t decimalLength(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        const std::size_t start = j;
        while (j < t.size() && isDigit(t[j])) ++j;
        if (j == start) return 0;
        i = j;
    }
    return i;
}

}  // namespace

bool readDecimalNumber(std::string_view text, double& value) {
    value = 0.0;
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string_view number = text.substr(begin, end - begin);
    if (number.empty() || decimalLength(number) != number.size()) return false;
    const std::string copy(number);
    errno = 0;
    const double v = std::strtod(copy.c_str(), nullptr);
    if (errno == ERANGE && std::fabs(v) > 1.0) return false;  // too large; an underflow reads as 0
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

std::string quantityRangeText(const QuantityRule& rule) {
    const std::string unit = rule.unit[0] ? std::string(" ") + rule.unit : std::string();
    return std::string(rule.what) + " must be a number from " + formatGeneral(rule.least) + " to " +
           formatGeneral(rule.most) + unit;
}

std::string quantityProblem(const QuantityRule& rule, std::string_view text, double& value) {
    double v = 0.0;
    if (readDecimalNumber(text, v) && v >= rule.least && v <= rule.most) {
        value = v;
        return {};
    }
    return quantityRangeText(rule) + " (not \"" + std::string(text) + "\")";
}

}  // namespace aerolune
