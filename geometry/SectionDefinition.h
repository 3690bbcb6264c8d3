#pragma once
// The values that define the current section, as the section commands derive
// them from what the user chose: the designation text, the number handed to
// the section builder, the flap in the builder's units and the points per
// surface.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Variant.h"

namespace aerolune {

/// NACA 4-digit designation: camber, then position, then the thickness with
/// two digits ("0" in front below 10). Each number in its general form, so the
/// dialogs' values 2, 4, 9 give "2409" and 0, 0, 12 give "0012". An empty value
/// contributes no text.
/// \param camber maximum camber, per cent chord (0..9)
/// \param position position of maximum camber, tenths of chord (0..9)
/// \param thickness thickness, per cent chord (1..30)
std::string naca4Designation(const Variant& camber, const Variant& position, const Variant& thickness);

/// NACA 5-digit designation: design-lift digit, the two-digit camber-position
/// value, then the thickness padded to two digits: 2, 30, 12 give "23012".
/// \param liftDigit 20/3 of the design lift coefficient (0..9)
/// \param camberPos twice the position of maximum camber, per cent chord (10..50)
/// \param thickness thickness, per cent chord (1..30)
std::string naca5Designation(const Variant& liftDigit, const Variant& camberPos, const Variant& thickness);

/// SectionNumber: the integer value of the designation text (its leading
/// number, truncated towards zero). A text with no number, as a file section's
/// name usually is, gives 0; so does a number that does not fit a Long, rather
/// than an arbitrary value.
/// \param text1 the designation or section name
int32_t sectionNumberFromText(std::string_view text1);

/// FlapRad: deflection / 180 x 3.14159265, in single precision; a non-finite
/// deflection gives 0 (no flap).
/// \param deflectionDeg flap deflection, degrees (positive trailing edge down)
/// \return radians
float flapRadians(double deflectionDeg);

/// FlapHinge: (100 - length) / 100, the hinge as a fraction of chord from the
/// leading edge; a non-finite length gives 1 (no flap).
/// \param lengthPct flap length, per cent chord
float flapHinge(double lengthPct);

/// Points per surface the section builder is asked for at most and at least.
inline constexpr int32_t kMinHalfPoints = 2;
inline constexpr int32_t kMaxHalfPoints = 1000;

/// HalfPoints from a total number of points about the section: total / 2 to
/// the nearest integer, halves to even (121 gives 60, 123 gives 62). Totals
/// 4..2000 pass through; anything outside, a non-number included, is held to
/// kMinHalfPoints..kMaxHalfPoints so no node array is sized from garbage.
/// \param total points about the section
int32_t halfPointsFromTotal(double total);

}  // namespace aerolune
