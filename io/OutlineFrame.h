#pragma once
// Plane geometry of the point lists a coordinate file gives, shared by the
// steps that settle them into a section: vectors, the surface ends and the
// chordwise frame in which the checks measure.

#include <cmath>
#include <optional>

#include "io/ParsedAirfoil.h"

namespace aerolune::outline {

struct Vec {
    double x = 0.0, y = 0.0;
    bool operator==(const Vec&) const = default;
};
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator*(double s, Vec a) { return {s * a.x, s * a.y}; }
inline double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
inline double length(Vec a) { return std::hypot(a.x, a.y); }
inline Vec vec(const FilePoint& p) { return {p.x, p.y}; }

/// The section builder takes a surface to run from the leading edge when its
/// first point has the smaller x; so do the checks here.
inline bool runsBackwards(const FileSurface& s) { return s.front().x > s.back().x; }
inline FilePoint trailingEnd(const FileSurface& s) { return runsBackwards(s) ? s.front() : s.back(); }

/// Chordwise coordinates: the leading edge at x = 0, the trailing edge at
/// x = 1, y across the chord (positive to the left of the chord line), both
/// in chords.
struct Frame {
    Vec le, u;
    double chord = 0.0;
    double x(Vec p) const { return dot(p - le, u) / chord; }
    double y(Vec p) const { return cross(u, p - le) / chord; }
    /// The file point at chordwise coordinates (x, y).
    Vec at(double x, double y) const { return le + chord * Vec{x * u.x - y * u.y, x * u.y + y * u.x}; }
};

/// The frame from the point of least x to the surface end farthest from it.
std::optional<Frame> frameOf(const FileSurface& first, const FileSurface& second);

}  // namespace aerolune::outline
