#pragma once
// The decimal digits of a binary floating-point value, as the user reads them:
// first rounded to the significant digits the type holds (7 for single, 15 for
// double), then rounded again, halves away from zero, to what a picture or a
// print form shows. Doing the second rounding on these digits rather than on the
// binary value is what makes 2.675 show as 2.68 with two decimals.

#include <string>

namespace aerolune {

/// A finite value as sign, significant digits and the position of the point:
/// value = (negative ? -1 : 1) x 0.d1 d2 d3 ... x 10^pointPos.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  ///< significant digits, no leading or trailing zeros; empty for zero
    int pointPos = 0;    ///< digits before the decimal point (negative: zeros after it)

    bool isZero() const { return digits.empty(); }
    /// The index-th significant digit (0-based), '0' before or after the stored ones.
    char digitAt(int index) const {
        return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
    }
};

/// Digits of a finite value rounded (correctly, from its exact binary value) to
/// `significant` significant digits (1..17). The sign of zero is dropped.
DecimalDigits decimalDigits(double value, int significant);

/// Keep only the first `keep` digits (counted from the first significant
/// digit), rounding halves away from zero; a carry may add a leading digit
/// (9.96 kept to 2 digits is 10, pointPos one higher). keep <= 0 keeps none:
/// the value becomes zero or, when the first dropped digit rounds up, a 1 in
/// the place just above the dropped ones.
void roundToDigits(DecimalDigits& number, int keep);

/// Round to `decimals` digits after the decimal point, halves away from zero.
inline void roundToDecimals(DecimalDigits& number, int decimals) {
    roundToDigits(number, number.pointPos + decimals);
}

}  // namespace aerolune
