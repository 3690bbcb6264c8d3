#pragma once
// The one rule for which NACA designations the section builder can make,
// shared by the section dialogs and the command line.

#include <optional>
#include <string>
#include <string_view>

namespace aerolune {

/// A NACA designation taken apart. 4-digit: camber (per cent chord), its
/// position (tenths of chord), thickness. 5-digit: the design-lift digit, the
/// two camber-position digits (10..50 for the standard mean lines), thickness.
struct NacaDigits {
    int family = 4;      ///< 4 or 5
    int first = 0;       ///< camber (4-digit) or design-lift digit (5-digit)
    int position = 0;    ///< camber position: one digit (4-digit), two digits (5-digit)
    int thickness = 12;  ///< per cent chord
};

/// The digits of a designation typed as text ("2412", "23012"); nothing when
/// the text is not 4 or 5 decimal digits.
std::optional<NacaDigits> nacaDigits(std::string_view text);

/// Why the builder cannot make the section, as the end of a sentence ("the
/// thickness digits 31 must lie between 01 and 30."); empty when it can. The
/// 5-digit camber position must be 10, 20, 30, 40 or 50: the third digit 1
/// (23112) asks for a reflexed mean line, which the builder does not make.
std::string nacaDigitsProblem(const NacaDigits& digits);

}  // namespace aerolune
