#pragma once
// The results panel's texts and the surface extremes a recomputation leaves
// behind: the figures as the user reads them, each through its picture.

#include <cstdint>
#include <string>

#include "analysis/AppState.h"
#include "analysis/ThinAirfoil.h"

namespace aerolune {

/// Fills cl (Cl), cmLeadingEdge (Cm about the leading edge), cmQuarterChord (Cm about the
/// quarter chord), zeroLiftAngle (zero-lift angle, " Deg.") and centreOfPressure (centre of
/// pressure, " %c", or "N/A" when |Cl| <= 0.01).
/// \param texts the main window's texts
/// \param thin the thin-airfoil coefficients of this recomputation
void fillResultsPanel(MainWindowTexts& texts, const ThinAirfoilResult& thin);

/// The flap read-outs flapDeflection (" Deg.") and flapLength (" %c") from the values the
/// analysis takes, in the start-up's "0.0" form: the same text whether the
/// flap came from start-up, the flap dialog or the command line, never the raw
/// typed text ("1e1" or "5abc" would show what was not analysed).
/// \param deflectionDeg flap deflection, degrees
/// \param lengthPct flap length, per cent chord
void setFlapReadouts(MainWindowTexts& texts, double deflectionDeg, double lengthPct);

/// The drag coefficient as cd shows it ("##0.000000").
std::string dragText(double cd);

/// Extremes of one surface solution, found with greater-or-equal and
/// less-or-equal comparisons so that on a tie the last index wins.
struct SurfaceExtremes {
    double yMax = -1000.0, yMin = 1000.0;    ///< contour ordinates, chords
    double cpMax = -1000.0, cpMin = 1000.0;  ///< pressure coefficient
    double vMax = -1000.0;                   ///< velocity ratio
    double vAbsMin = 1000.0;                 ///< smallest |velocity ratio|
    int32_t vAbsMinIndex = 0;                ///< where it lies (0 when no point was looked at)
};

/// Scans points 1..count of the node ordinates and the surface solution.
/// \param NodeY node ordinates, chords
/// \param SurfCp pressure coefficient per panel
/// \param SurfVel velocity ratio per panel
/// \param count points to scan (the caller holds it to the arrays' sizes)
SurfaceExtremes surfaceExtremes(const Array1<float>& NodeY, const Array1<float>& SurfCp,
                                const Array1<float>& SurfVel, int32_t count);

/// The surface extremes of a recomputation on the state: stagnationIndex (updated only while DialogCancelled
/// is 0, then moved from TotalPoints/2 + 1 to TotalPoints/2), cpHigh and cpLow. Points beyond what the arrays
/// hold (no solution yet at this point count) are not read.
void updateExtremes(AppState& state);

}  // namespace aerolune
