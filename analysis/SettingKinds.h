#pragma once
// The choices the settings dialogs, the menus and the command line offer,
// each one enum. The numbers are the codes the dialogs' option order and the
// command line's tables have always used, so a choice converts to and from
// its code with a cast.

#include <cstdint>

namespace aerolune {

/// How the boundary layer goes from laminar to turbulent.
enum class TransitionModel : int16_t {
    AlwaysLaminar = 1,        ///< laminar to the trailing edge (or separation)
    OnLaminarSeparation = 2,  ///< turbulent where the laminar layer separates
    Natural = 3,              ///< natural (or roughness-triggered) transition
};

/// Which model gives the drag (and, for the semi-empirical one, the angle the
/// lift is computed at).
enum class DragModel : int16_t {
    Linear = 1,         ///< linear aerodynamics
    SemiEmpirical = 2,  ///< separation model with an effective angle
    CoupledLayer = 3,   ///< boundary layer and wake coupled to the panel solution
};

/// What the airfoil view draws over the section.
enum class AirfoilOverlay : int16_t {
    SurfaceVelocity = 0,  ///< velocity ratio bands
    SurfacePressure = 1,  ///< pressure coefficient bands
    Coordinates = 2,      ///< the contour on a chord grid
    BoundaryLayer = 3,    ///< the displaced surface
};

/// What the boundary-layer view plots.
enum class BoundaryLayerPlot : int16_t {
    UpperProfiles = 1,
    LowerProfiles = 2,
    UpperThickness = 3,
    LowerThickness = 4,
    UpperFriction = 5,
    LowerFriction = 6,
};

/// What the polar view plots.
enum class PolarKind : int16_t {
    LiftDrag = 1,          ///< Cl against Cd
    LiftMomentAngle = 2,   ///< Cl and Cm against the angle
    TransitionPoints = 3,  ///< transition points against the angle
};

}  // namespace aerolune
