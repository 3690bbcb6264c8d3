#pragma once
// The two boundary rings of the O-mesh and the radial distribution between
// them: ring 1 on the section contour, resampled by arc length with points
// gathered at the leading and trailing edges, and the outer ring on a circle
// about mid-chord. Node NI of every ring repeats node 1 (the seam lies on the
// trailing edge), and both rings run the same way as the contour: trailing
// edge, lower surface, leading edge, upper surface.

#include <cstdint>
#include <vector>

#include "common/Array.h"

namespace aerolune {

/// The distinct points of a closed section contour, point 0 on the trailing edge.
struct SectionContour {
    std::vector<double> x;
    std::vector<double> y;
    std::size_t size() const { return x.size(); }
};

/// Where the mesh sits: its centre at mid-chord, the section size and the
/// direction of the trailing edge seen from the centre.
struct MeshFrame {
    double centreX = 0.0;
    double centreY = 0.0;
    double sectionSize = 0.0;      ///< twice the largest distance of a contour point from the centre
    double trailingAngle = 0.0;    ///< radians
    std::size_t leadingIndex = 0;  ///< contour point farthest from the trailing edge
};

/// Copy the caller's contour, dropping non-finite points, repeated points (or
/// nearly: 1e-7 of its extent) and the closing point, and cutting off any
/// small loop where the contour crosses itself (the shorter side of the
/// crossing, the crossing point kept; a turned flap's surface can dip into the
/// fixed part at the hinge). Returns false when fewer than 3 distinct points
/// remain.
bool readSectionContour(const float* x, const float* y, int32_t n, SectionContour& contour);

MeshFrame meshFrameOf(const SectionContour& contour);

/// Angle of each ring node 1..NI on the circle the section maps to: even
/// steps on each surface, the leading edge at the contour's leading point.
/// \param contourAngles circulationMap().angle of the contour
Array1<double> ringAngles(int32_t ni, const std::vector<double>& contourAngles, const MeshFrame& frame);

/// Ring j = 1 on the contour: node i where the contour reaches angle(i).
void placeWallRing(const SectionContour& contour, const std::vector<double>& contourAngles,
                   const Array1<double>& angle, Array2<double>& x, Array2<double>& y);

/// Ring j = NJ on the circle of the given radius about the mesh centre, node i
/// in the direction farAngle - angle(i) (radians anticlockwise from the x axis).
/// \param farAngle circulationMap().farAngle
void placeOuterRing(const MeshFrame& frame, double radius, const Array1<double>& angle, double farAngle,
                    Array2<double>& x, Array2<double>& y);

/// Radial parameter s(1..nj): s(1) = 0, s(nj) = 1, intervals growing by ratio q.
Array1<double> radialDistribution(int32_t nj, double q);

}  // namespace aerolune
