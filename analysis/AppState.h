#pragma once
// The application state owned by the main window, kept outside the widgets so
// the analysis, the reports and the exports run and are tested without a
// window. The texts other code reads from controls live here as strings and
// the window mirrors them into its widgets.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/BoundaryLayerSolution.h"
#include "analysis/Drag.h"
#include "analysis/FieldData.h"
#include "analysis/PolarStore.h"
#include "analysis/ReferencePolar.h"
#include "analysis/ThinAirfoil.h"
#include "common/Array.h"
#include "common/Variant.h"
#include "geometry/FileSection.h"
#include "geometry/SharedSettings.h"

namespace aerolune {

class LinAero;

/// Texts of the main window's controls that other code reads or writes.
struct MainWindowTexts {
    std::string sectionName = "0012";               ///< section designation or file name field
    std::string angleText = "0";                    ///< hidden angle of attack, degrees
    std::string cl;                                 ///< lift coefficient
    std::string cmLeadingEdge;                      ///< moment about the leading edge
    std::string angleReadout = "0 Deg.";            ///< angle read-out
    std::string cmQuarterChord;                     ///< moment about the quarter chord
    std::string zeroLiftAngle;                      ///< zero-lift angle
    std::string centreOfPressure;                   ///< centre of pressure
    std::string flapDeflection = "0.0 Deg.";        ///< flap deflection read-out
    std::string flapLength = "0.0 %c";              ///< flap length read-out
    std::string cd;                                 ///< drag coefficient
    bool stalledShown = false;                      ///< "Airfoil Stalled"
    std::string StatusCaption;                      ///< status bar
    std::string ShowPointsCaption = "Show Points";  ///< menu showPoints
    bool blackBackgroundChecked = false;
    bool whiteBackgroundChecked = true;
};

/// Public variables of the main window, in their declaration order.
struct MainWindowPublic {
    Variant PointRadius = int16_t{0};
    Variant stagnationIndex;
    Variant NewFlag = int16_t{1};
    Variant airfoilOverlay = int16_t{2};
    Variant view = int16_t{1};
    Variant MeshMax = 1.5;
    Variant MeshMin = -0.5;
    Variant MeshMinY = int16_t{-1};
    Variant MeshMaxY = int16_t{1};
    Variant MeshX = int16_t{41};
    Variant MeshY = int16_t{21};
    Variant OuterRadius = int16_t{10};
    Variant GridCluster = 1.05;
    Variant NewGrid = int16_t{1};
    Variant ContMaxX = 1.5;
    Variant ContMinX = -0.5;
    Variant ContMinY = int16_t{-1};
    Variant ContMaxY = int16_t{1};
    Variant CpHigh = int16_t{1};
    Variant CpLow = int16_t{0};
    Variant reynolds = int32_t{1000000};
    Variant BlPoints = int16_t{32};
    Variant BlLimit = int16_t{50};
    Variant transitionModel = int16_t{3};
    Variant roughness = int16_t{0};
    Variant boundaryLayerPlot = int16_t{1};
    Variant DisplayBlasius = int16_t{1};
    Variant boundaryLayerRequested = int16_t{1};
    Variant DragCoeff;
    Variant BlVelView = int16_t{10};
    Variant dragModel = int16_t{1};
    Variant useEffectiveAngle = int16_t{0};
    Variant MaxCdSetting = int16_t{32};
    Variant boundaryLayerCd;
    Variant TransitionPoint;
};

/// Private state of the main window that other parts of it rely on.
struct MainWindowPrivate {
    int16_t FirstResizeDone = 0;
    double PlotAspect = 0.75;
    std::shared_ptr<LinAero> AeroObject;
    int16_t LowerSurfaceColor = 0;
    int16_t UpperSurfaceColor = 14;
    int16_t ForegroundIndex = 0;
    int16_t PolarCount = 0;
    int16_t BlUpdatePending = 1;
    int16_t polarKind = 1;  ///< polar view: 1 Cl-Cd polar, 2 Cl and Cm against angle, 3 transition points
};

/// The current section's definition and its inviscid solution.
struct SectionState {
    int32_t SectionNumber = 12;
    int32_t FromFile = 0;
    int32_t SolveMode = 0;
    float FlapRad = 0.0f;
    float FlapHinge = 1.0f;
    FileSection file;

    float AlphaDeg = 0.0f;
    Array1<float> NodeX;  ///< 1..TotalPoints (+1 spare for the closing node)
    Array1<float> NodeY;
    Array1<float> CtrlX;  ///< 1..TotalPoints, lower surface first
    Array1<float> SurfCp;
    Array1<float> SurfVel;
    float ClValue = 0.0f;
    float CmLeValue = 0.0f;
    Variant PanelCl;
    Variant PanelCm;
    Variant CmQuarter;
    Variant AlphaZeroLift;
};

/// What the recomputation and the polar sweep leave behind beyond the
/// section's own results: the drag estimate with both surfaces' layers, the
/// effective angle and stall flag it returned, the thin-airfoil figures as
/// computed (the panel shows them rounded), and the polar store.
struct AnalysisResults {
    float effectiveAngleDeg = 0.0f;  ///< degrees, from the last drag estimate
    int16_t stalled = 0;             ///< 1 when the last drag estimate found the section stalled
    DragResult drag;                 ///< the last drag estimate, both surfaces
    ThinAirfoilResult thin;          ///< the last thin-airfoil coefficients
    PolarStore polars;               ///< PolarCount (priv) polars; a lower PolarCount empties the rest
    /// Polars read from files, shown beside ours in the polar views until RESET POLAR.
    std::vector<ReferencePolar> referencePolars;
    FieldViewData field;  ///< the field view's mesh, flow and iso-lines (view 0: none)
};

/// The mesh the mesh view keeps between redraws: the grid-and-flow routine
/// copies each new mesh of that view here, and the mesh export reads it. What
/// it was built from stays beside it, so that a redraw reuses it only while
/// the section and the mesh settings are unchanged.
struct KeptMesh {
    int32_t I = 0;           ///< nodes round the section (0: no mesh yet)
    int32_t J = 0;           ///< rings outward
    Array2<float> GridX;     ///< node x, I x J column-major, chords
    Array2<float> GridY;     ///< node y, I x J column-major, chords
    Array1<float> ContourX;  ///< closed contour it was built on, 1..2 HalfPoints + 1, chords
    Array1<float> ContourY;
    double Radius = 0.0;   ///< outer radius asked for, chords
    double Cluster = 0.0;  ///< radial clustering ratio asked for
};

/// The definition of the last section the builder could make, put back when
/// a changed definition asks for one it cannot make.
struct BuiltDefinition {
    std::string sectionName, flapDeflection, flapLength;
    SharedSettings shared;  ///< its family, digits, flap and point counts
    int32_t FromFile = 0;
    float FlapRad = 0.0f;
    float FlapHinge = 1.0f;
    FileSection file;
};

/// Everything the program keeps for the length of a run.
struct AppState {
    SharedSettings shared;
    MainWindowTexts texts;
    MainWindowPublic pub;
    MainWindowPrivate priv;
    SectionState section;
    AnalysisResults analysis;
    KeptMesh keptMesh;
    BoundaryLayerSolution boundaryLayer;  ///< the finite-difference boundary layer (BoundaryLayer)
    std::optional<BuiltDefinition> lastBuilt;
};

}  // namespace aerolune
