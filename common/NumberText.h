#pragma once
// Reading a number from the start of a text, and the general number form used
// where a number is shown without a picture.

#include <string>
#include <string_view>

namespace aerolune {

/// The leading decimal number of a text: leading blanks skipped, then an
/// optional sign, digits, a decimal point, and an exponent introduced by E or D.
/// Whatever follows is ignored; a text with no number reads as 0.
double readLeadingNumber(std::string_view text);

/// General form: as few digits as needed, at most 15 significant digits,
/// exponent form (1E+20) only for very large or very small magnitudes.
std::string formatGeneral(double value);

}  // namespace aerolune
