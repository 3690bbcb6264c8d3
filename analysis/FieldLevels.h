#pragma once
// The iso-line levels of the streamline and pressure views and the colour
// each level is drawn in, as plain data for the field drawing: the level
// values go to Contr, the colours to the iso-line drawing and the legend.
//
// Streamlines: levels from 1.5 down towards -1.5 in equal steps, coloured
// by which side of the wall's stream-function value s0 they lie on (palette 9
// above, 0 equal, 12 below), and a last level s0 itself in the foreground
// colour, so the dividing streamline shows whatever the background.
//
// Pressure: levels from cpHigh down to cpLow in equal steps, coloured from a
// red-to-blue ramp of 4n + 1 entries (red for the highest Cp, blue for the
// lowest). Whole-number reductions (ramp intensities, the level's ramp entry)
// go to the nearest whole number.

#include <cstdint>
#include <vector>

#include "common/Array.h"

namespace aerolune {

inline constexpr int32_t kStreamlineLevelCount = 51;
inline constexpr int32_t kPressureLevelCount = 33;
inline constexpr int32_t kPressureRampBands = 21;  ///< n of the pressure view's ramp

/// A 24-bit colour.
struct RgbColour {
    int32_t red = 0;    ///< 0..255
    int32_t green = 0;  ///< 0..255
    int32_t blue = 0;   ///< 0..255
    bool operator==(const RgbColour&) const = default;
};

/// A level's colour: a palette index (streamline view) or a 24-bit colour
/// (pressure view).
struct LevelColour {
    bool isPalette = true;
    int16_t palette = 0;  ///< 0..15 when isPalette
    RgbColour rgb;        ///< when !isPalette
    bool operator==(const LevelColour&) const = default;
};

/// Level values and their colours, both 1..count.
struct FieldLevelSet {
    Array1<float> levels;
    Array1<LevelColour> colours;
    int32_t count() const { return static_cast<int32_t>(levels.size()); }
};

/// The colour ramp of 4n + 1 entries, index 0 (red) .. 4n (blue): blue to
/// cyan, cyan to green, green to yellow and yellow to red in bands of n steps.
/// \param bands n, steps per band (at least 1; smaller values count as 1)
std::vector<RgbColour> colourRamp(int32_t bands = kPressureRampBands);

/// The streamline view's levels.
/// \param s0 stream function at mesh node (1, 1), on the wall, Vinf x chord
/// \param foregroundIndex palette index of the foreground (0 on white, 15 on black)
/// \param count number of levels (the view uses 51): count - 1 levels from
///        1.5 down in steps of 3 / (count - 1), then s0; at least 1 (s0 alone)
FieldLevelSet streamlineLevels(float s0, int16_t foregroundIndex, int32_t count = kStreamlineLevelCount);

/// The pressure view's levels.
/// \param cpHigh largest surface pressure coefficient
/// \param cpLow smallest surface pressure coefficient
/// \param count number of levels (the view uses 33), at least 1
FieldLevelSet pressureLevels(double cpHigh, double cpLow, int32_t count = kPressureLevelCount);

/// Ramp entry of pressure level k of count: m - 1 with m = k x 4n / count to
/// the nearest whole number, kept inside the ramp for counts the view never
/// uses.
int32_t pressureRampEntry(int32_t k, int32_t count, int32_t bands = kPressureRampBands);

}  // namespace aerolune
