#pragma once
// How numbers and items are laid out in a text file written without pictures:
// the free numeric print form (" .5 ", "-1.5E-07 ") and 14-character print
// zones, comma-separated items starting at columns 1, 15, 29, ...

#include <string>
#include <string_view>

namespace aerolune {

/// Free print form of a single-precision value: a space (or the minus sign),
/// the value rounded to 7 significant digits with no trailing zeros, no zero
/// before the point below 1 and no point for whole values, then one space:
/// 0 -> " 0 ", 0.5 -> " .5 ", -0.5 -> "-.5 ", 1234567 -> " 1234567 ".
/// The exponent form (mantissa, "E", sign, at least two exponent digits) is
/// used when the plain form would need more than 7 digits: 1E+07 and up, and
/// small values whose leading zeros after the point plus their significant
/// digits exceed 7 (1E-07 is " .0000001 ", 1.5E-07 is " 1.5E-07 ", 1E-08 is
/// " 1E-08 "). NaN and infinities are " NaN ", " Inf ", "-Inf ".
/// \param value the number as stored (single precision)
std::string freeFormSingle(float value);

/// The same with 15 significant digits for a double-precision value (plain
/// form up to 999999999999999 and down to 1E-15).
/// \param value the number as stored (double precision)
std::string freeFormDouble(double value);

/// Columns per print zone.
inline constexpr int kPrintZoneWidth = 14;

/// One line of items as a list of items separated by semicolons (directly
/// after the previous item) and commas (at the start of the next print zone).
/// A comma always moves on at least one column, so after an item that fills
/// its zone (14 or more characters from a zone start) the next item lands in
/// the zone after: "a", "b" with a of 13 characters puts b at column 15, of 14
/// or 15 characters at column 29.
class PrintLine {
public:
    /// Appends text where the line stands (a semicolon, or the first item).
    PrintLine& item(std::string_view text);
    /// Moves to the next zone, then appends text (a comma before the item).
    PrintLine& zoneItem(std::string_view text);
    /// Moves to the start of the next print zone (a bare comma).
    PrintLine& nextZone();
    /// The 1-based column where the next character goes.
    int column() const { return static_cast<int>(text_.size()) + 1; }
    /// The line as built, without a line end.
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

}  // namespace aerolune
