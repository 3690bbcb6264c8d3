#pragma once
// The current solution as the line plots read it: the contour and the surface
// values as plain lists, and the ranges every redraw finds over them.

#include <vector>

namespace aerolune {
struct AppState;
}

namespace aerolune::plot {

struct SurfaceData {
    std::vector<double> x, y;             ///< contour points 1..N (index 0 is point 1), chords
    std::vector<double> ctrlX, cp, vel;   ///< per station 1..N, lower surface first
    int stagPoint = 0;                    ///< 1-based; N/2 + 1 moved to N/2
    double yMax = -1000, yMin = 1000;     ///< contour ordinates
    double cpMax = -1000, cpMin = 1000;   ///< pressure coefficient
    double vMax = -1000, absVMin = 1000;  ///< velocity ratio; smallest |V|

    int count() const { return static_cast<int>(x.size()); }
};

/// The state's contour (N = 2 x HalfPoints points, fewer when the arrays are
/// shorter) and surface solution, with the ranges over all N points. Values
/// that are not finite stay in the lists (the plots leave them out) but not
/// in the ranges.
SurfaceData surfaceData(const AppState& state);

}  // namespace aerolune::plot
