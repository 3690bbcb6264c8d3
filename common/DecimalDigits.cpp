#include "common/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace aerolune {

namespace {

void stripTrailingZeros(DecimalDigits& number) {
    while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
    if (number.digits.empty()) number.pointPos = 0;
}

}  // namespace

DecimalDigits decimalDigits(double value, int significant) {
    DecimalDigits number;
    if (value == 0.0 || !std::isfinite(value)) return number;
    significant = std::clamp(significant, 1, 17);

    // to_chars is exact and, unlike printf, never looks at the C locale (a
    // German desktop would otherwise give us a decimal comma).
    char buffer[48];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, significant - 1);
    if (error != std::errc()) return number;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');

    number.negative = value < 0.0;
    for (char c : text.substr(0, e))
        if (c != '.') number.digits += c;
    int exponent = 0;
    const char* exponentStart = buffer + e + 1;
    if (*exponentStart == '+') ++exponentStart;  // from_chars takes a minus only
    std::from_chars(exponentStart, end, exponent);
    number.pointPos = exponent + 1;
    stripTrailingZeros(number);
    return number;
}

void roundToDigits(DecimalDigits& number, int keep) {
    const int size = static_cast<int>(number.digits.size());
    if (number.isZero() || keep >= size) return;
    if (keep < 0) {
        number = DecimalDigits{};
        return;
    }
    const bool roundUp = number.digits[keep] >= '5';
    number.digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int k = keep - 1;
        while (k >= 0 && number.digits[k] == '9') number.digits[k--] = '0';
        if (k >= 0) {
            ++number.digits[k];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.pointPos;
        }
    }
    const bool negative = number.negative;
    stripTrailingZeros(number);
    number.negative = negative && !number.isZero();
}

}  // namespace aerolune
