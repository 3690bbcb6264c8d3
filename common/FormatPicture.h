#pragma once
// Numbers shown to the user or written to files through a format picture such
// as "#0.000000", "##0.0#", "0.0###" or "0.00e+".

#include <concepts>
#include <string>
#include <string_view>

namespace aerolune {

/// Formats `value` with a picture.
///
/// Integer part: as many digits as the value needs, at least as many as there
/// are placeholders from the first "0" before the point ("#0" one, "00" two,
/// "#.00" none, so 0.5 shows ".50"); leading "#" never pad.
/// Decimals: rounded, halves away from zero, to the number of placeholders
/// after the point; trailing zeros are then dropped down to the last "0"
/// placeholder ("##0.0#": 2 -> "2.0", 0.25 -> "0.25"; "0.0###": 0.123456 -> "0.1235");
/// the point itself always stands ("0.##": 2 -> "2.").
/// Exponent ("0.00e+", "0.00E-00"): the mantissa has as many integer digits as
/// "0" placeholders before the point (at least one) and the decimals as above;
/// "e+" always writes the exponent's sign, "e-" only a minus; the exponent has
/// at least as many digits as "0"s follow the sign and otherwise no leading
/// zeros ("0.00e+": 12345 -> "1.23e+4", 0.00123 -> "1.23e-3", 0 -> "0.00e+0").
/// A negative value gets a leading minus sign unless it shows as zero
/// (-0.0001 with "0.00" is "0.00": a minus in front of a zero is only
/// floating-point residue on an axis label or in a file column). Nothing else
/// is added; characters other than the placeholders, the point and the
/// exponent mark are copied as they stand before or after the number.
/// Rounding works on the value's decimal digits at double precision (15
/// significant digits), so a value shown as 2.675 rounds to "2.68" with "0.00".
/// NaN and infinities come out as "NaN", "Inf" and "-Inf".
/// \param value   the number, in whatever unit the caller shows
/// \param picture the format picture
std::string formatPicture(double value, std::string_view picture);

/// As above for a single-precision value, whose decimal digits are the 7 a
/// single holds: 2.675f shows "2.68" with "0.00" as the user typed it.
std::string formatPicture(float value, std::string_view picture);

/// Whole numbers (loop counters, point counts) format as their double.
template <std::integral T>
std::string formatPicture(T value, std::string_view picture) {
    return formatPicture(static_cast<double>(value), picture);
}

}  // namespace aerolune
