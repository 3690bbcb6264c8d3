#pragma once
// The effective angle of attack of a section whose boundary layer separates
// ahead of the trailing edge: the separated region takes away part of the
// lift, as if the section met the stream at a smaller angle.

#include <cstdint>

namespace aerolune {

/// The effective angle from the geometric angle, the section's zero-lift
/// angle and the separation correction (c_l + c_u of the drag estimate).
///
/// Lift follows the angle's excess over the zero-lift angle,
/// e = angle - zeroLift. A correction that shrinks |e| by d >= 0 gives
///   e_eff = e |e| / (|e| + d),
/// which is e - d sign(e) to first order when d is small against |e| (the
/// correction as it stands), and tends to no lift as the separated length
/// grows, never past it: a separated section loses lift, it does not lift
/// the other way. The plain sum e - d outgrew the angle when the separated
/// length was large and turned lift curves upside down (lift falling by up to
/// 1.9 within 2 degrees). A correction that would enlarge |e| is not taken:
/// separation never adds lift.
/// \param angleDeg geometric angle of attack, degrees
/// \param zeroLiftDeg the section's zero-lift angle, degrees
/// \param correctionDeg the summed separation correction, degrees
/// \return the effective angle, degrees: between zeroLiftDeg and angleDeg
double effectiveAngle(double angleDeg, double zeroLiftDeg, double correctionDeg);

/// The thin-airfoil zero-lift angle of a contour, degrees, from the camber
/// line between its surfaces (nodes 1..panelCount, node 1 the trailing edge).
/// \param nodeX,nodeY contour nodes, chords
/// \param panelCount points about the section
double contourZeroLiftAngle(const float* nodeX, const float* nodeY, int32_t panelCount);

}  // namespace aerolune
