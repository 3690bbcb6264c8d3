#pragma once
// A polar from elsewhere, drawn beside ours for comparison: a polar file of
// another solver, or wind-tunnel measurements. It is never computed, only
// shown, so it keeps just what the polar views plot.

#include <optional>
#include <string>
#include <vector>

namespace aerolune {

/// One measured or computed point.
struct ReferencePoint {
    double alpha = 0.0;            ///< angle of attack, degrees
    double cl = 0.0;               ///< lift coefficient
    double cd = 0.0;               ///< drag coefficient
    double cm = 0.0;               ///< moment coefficient about the quarter chord (when hasCm)
    double upperTransition = 0.0;  ///< upper-surface transition, fraction of chord (when hasTransition)
    double lowerTransition = 0.0;  ///< lower-surface transition, fraction of chord (when hasTransition)
};

struct ReferencePolar {
    std::string title;                   ///< the legend's text: the polar's own title, else its file name
    std::optional<double> reynolds;      ///< when the file states it
    bool hasCm = false;                  ///< the file has a moment column
    bool hasTransition = false;          ///< the file has both transition columns
    std::vector<ReferencePoint> points;  ///< in the file's order; at least one
    std::string source;                  ///< the file it was read from, when read from one
};

}  // namespace aerolune
