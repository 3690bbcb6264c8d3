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

/// Sizes a solution's arrays (the state's section or a SectionSolution) for
/// 2 x halfPoints panels plus the closing node, keeping their contents when
/// the size is already right: a cancelled dialog redraws from them.
template <typename Solution>
void sizeSectionArrays(Solution& s, int32_t halfPoints) {
    const auto panels = static_cast<std::size_t>(2 * halfPoints);
    if (s.NodeX.size() != static_cast<std::ptrdiff_t>(panels + 1)) {
        s.NodeX.resize(panels + 1);
        s.NodeY.resize(panels + 1);
    }
    if (s.CtrlX.size() != static_cast<std::ptrdiff_t>(panels)) {
        s.CtrlX.resize(panels);
        s.SurfCp.resize(panels);
        s.SurfVel.resize(panels);
    }
}

/// Builds the section and solves it at one angle (Airfoil mode 0).
/// \param section the section's definition (designation, flap, file lists, FromFile)
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

/// Calls Airfoil with the section's definition on caller-owned arrays of at
/// least 2 x halfPoints elements.
void callAirfoil(SectionState& section, int32_t halfPoints, float alphaDeg, int32_t mode, float* nodeX,
                 float* ctrlX, float* nodeY, float* cp, float* velocity, float& cl, float& cmLe);

}  // namespace aerolune
