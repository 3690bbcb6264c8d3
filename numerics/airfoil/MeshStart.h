#pragma once
// The mesh the smoother starts from. The smoothed mesh is close to the
// conformal one (MeshConformal.h), so the start imitates that map: ring j sits
// at radius rho(j) on the circle the section maps to. Near the wall the map is
// a stretch along the wall normal by the local scale factor |dz/dw| (wall arc
// per unit of circle arc); far away it is the circle itself about mid-chord.
// The two are blended over the first circle radius out from the wall.

#include "common/Array.h"
#include "numerics/airfoil/MeshRings.h"

namespace aerolune {

/// Radii rho(1..NJ) of the rings on the circle: rho(1) = the section's circle
/// radius, rho(NJ) = the outer radius, in between by the radial distribution s.
Array1<double> ringRadii(const Array1<double>& s, double circleRadius, double outerRadius);

/// Fill rings 2..NJ-1 of the mesh; rings 1 and NJ must be in place.
/// \param angle ring angles (ringAngles())
/// \param rho ring radii (ringRadii())
/// \param farAngle circulationMap().farAngle
void fillConformalStart(const MeshFrame& frame, const Array1<double>& angle, const Array1<double>& rho,
                        double farAngle, Array2<double>& x, Array2<double>& y);

}  // namespace aerolune
