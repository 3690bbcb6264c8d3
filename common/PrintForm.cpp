#include "common/PrintForm.h"

#include <cmath>
#include <cstdlib>

#include "common/DecimalDigits.h"

namespace aerolune {

namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// The digits of |value| without sign or surrounding spaces.
std::string unsignedFreeForm(const DecimalDigits& number, int significant) {
    if (number.isZero()) return "0";
    const std::string& digits = number.digits;
    const int count = static_cast<int>(digits.size());
    const int pointPos = number.pointPos;

    if (pointPos > 0 && pointPos <= significant) {  // at least one integer digit
        if (count <= pointPos) return digits + std::string(static_cast<std::size_t>(pointPos - count), '0');
        return digits.substr(0, static_cast<std::size_t>(pointPos)) + '.' +
               digits.substr(static_cast<std::size_t>(pointPos));
    }
    if (pointPos <= 0 && count - pointPos <= significant)  // zeros after the point, then the digits
        return '.' + std::string(static_cast<std::size_t>(-pointPos), '0') + digits;

    const int exponent = pointPos - 1;
    std::string text(1, digits[0]);
    if (count > 1) text += '.' + digits.substr(1);
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return text;
}

std::string freeForm(double value, int significant) {
    if (std::isnan(value)) return " NaN ";
    if (std::isinf(value)) return value < 0.0 ? "-Inf " : " Inf ";
    const DecimalDigits number = decimalDigits(value, significant);
    return (number.negative ? "-" : " ") + unsignedFreeForm(number, significant) + ' ';
}

}  // namespace

std::string freeFormSingle(float value) { return freeForm(value, kSingleDigits); }

std::string freeFormDouble(double value) { return freeForm(value, kDoubleDigits); }

PrintLine& PrintLine::item(std::string_view text) {
    text_ += text;
    return *this;
}

PrintLine& PrintLine::zoneItem(std::string_view text) { return nextZone().item(text); }

PrintLine& PrintLine::nextZone() {
    const int used = static_cast<int>(text_.size());
    const int nextStart = (used / kPrintZoneWidth + 1) * kPrintZoneWidth;
    text_.append(static_cast<std::size_t>(nextStart - used), ' ');
    return *this;
}

}  // namespace aerolune
