#pragma once
// One rule per quantity a user types (the angle of attack, the Reynolds
// number): the range in which the methods mean something, the whole text a
// plain decimal number in it, and one message for everything else. The
// window's fields and the command line's options read through the same rule.

#include <string>
#include <string_view>

namespace aerolune {

struct QuantityRule {
    double least;      ///< smallest value taken
    double most;       ///< largest value taken
    const char* what;  ///< what the number is, for the message ("the angle of attack")
    const char* unit;  ///< appended to the range in the message; may be empty
};

/// The angle of attack, degrees: the angle dialog's range, the polar sweep's
/// range too. Beyond it a section is stalled and neither the panel method
/// nor the separation models describe the flow.
inline constexpr QuantityRule kAngleRule{-20.0, 20.0, "the angle of attack", "degrees"};

/// The Reynolds number on the chord: below 1e3 no layer stays attached
/// anywhere; above 1e9 the correlations of both boundary-layer methods are
/// far beyond their data.
inline constexpr QuantityRule kReynoldsRule{1.0e3, 1.0e9, "the Reynolds number", ""};

/// Reads the whole text as a plain decimal number: blanks around it, an
/// optional sign, digits with at most one decimal point, an optional exponent
/// (e or E, optional sign, digits). Hexadecimal, "inf", "nan", a number too
/// large for a double and trailing characters are refused.
/// \return false when the text is no such number (`value` is then 0)
bool readDecimalNumber(std::string_view text, double& value);

/// "the angle of attack must be a number from -20 to 20 degrees".
std::string quantityRangeText(const QuantityRule& rule);

/// Reads `text` by the rule: empty with `value` set when it is a decimal
/// number in the range, else the message (naming the text as typed).
std::string quantityProblem(const QuantityRule& rule, std::string_view text, double& value);

}  // namespace aerolune
