#pragma once
// The rectangle of the section's plane a field view shows.

namespace aerolune {

/// A zoom window in chords.
struct FieldWindow {
    double xMin = -0.5;
    double xMax = 1.5;
    double yMin = -1.0;
    double yMax = 1.0;
    bool operator==(const FieldWindow&) const = default;
};

}  // namespace aerolune
