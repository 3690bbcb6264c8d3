#pragma once
// The section builder called with the current section's definition: the one
// place where the state's section values are handed to Airfoil.

#include <cstdint>

#include "analysis/AppState.h"
#include "common/Array.h"

namespace aerolune {

/// The outputs of one Airfoil call, sized for the closed contour (the spare
/// last element of the node arrays repeats node 1).
struct SectionSolution {
    int32_t halfPoints = 0;
    Array1<float> NodeX, NodeY, CtrlX, SurfCp, SurfVel;
    float cl = 0.0f;    ///< lift coefficient of the panel solution
    float cmLe = 0.0f;  ///< moment about the leading edge of the panel solution
};

/// Sizes a solution's arrays (nodes, control points, Cp, speed) for
/// 2 x halfPoints panels plus the closing node, keeping their contents when
/// the size is already right: a cancelled dialog redraws from them.
void sizeSolutionArrays(Array1<float>& nodeX, Array1<float>& nodeY, Array1<float>& controlX,
                        Array1<float>& cp, Array1<float>& speed, int32_t halfPoints);

inline void sizeSectionArrays(SectionSolution& s, int32_t halfPoints) {
    sizeSolutionArrays(s.NodeX, s.NodeY, s.CtrlX, s.SurfCp, s.SurfVel, halfPoints);
}

inline void sizeSectionArrays(SectionState& s, int32_t halfPoints) {
    sizeSolutionArrays(s.nodeX, s.nodeY, s.controlX, s.surfaceCp, s.surfaceSpeed, halfPoints);
}

/// Builds the section and solves it at one angle (Airfoil mode 0).
/// \param section the section's definition (designation, flap, file lists, whether from a file)
/// \param halfPoints points per surface
/// \param alphaDeg angle of attack, degrees
/// \param out receives nodes, control points, Cp, velocity, Cl and Cm
void solveSection(SectionState& section, int32_t halfPoints, float alphaDeg, SectionSolution& out);

/// Re-solves the section on a displaced contour (Airfoil mode 1): the node
/// abscissae stay, the ordinates are `displacedY`. Writes the velocities, Cl
/// and Cm into `sol`; its ordinates become the displaced ones.
/// \param section the section's definition
/// \param sol the solution whose contour is displaced
/// \param displacedY displaced node ordinates 1..2H, chords
/// \param alphaDeg angle of attack, degrees
void resolveDisplaced(SectionState& section, SectionSolution& sol, const Array1<float>& displacedY,
                      float alphaDeg);

/// Airfoil's modes: build the section and solve it, or solve the displaced
/// contour the node ordinates hold.
inline constexpr int32_t kBuildAndSolve = 0;
inline constexpr int32_t kSolveDisplaced = 1;

/// Calls Airfoil with the section's definition on caller-owned arrays of at
/// least 2 x halfPoints elements.
void callAirfoil(SectionState& section, int32_t halfPoints, float alphaDeg, int32_t mode, float* nodeX,
                 float* ctrlX, float* nodeY, float* cp, float* velocity, float& cl, float& cmLe);

}  // namespace aerolune
