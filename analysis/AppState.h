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
#include "analysis/SettingKinds.h"
#include "analysis/ThinAirfoil.h"
#include "analysis/ZoomWindow.h"
#include "common/Array.h"
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

/// The flow the section is analysed in.
struct FlowCondition {
    double reynolds = 1.0e6;  ///< Reynolds number on the chord
    double roughness = 0.0;   ///< wall roughness height, chords (0: smooth wall)
    TransitionModel transitionModel = TransitionModel::Natural;
};

/// How the analysis is run.
struct AnalysisSettings {
    DragModel dragModel = DragModel::Linear;
    bool useEffectiveAngle = false;      ///< lift at the separation model's effective angle
    bool boundaryLayerRequested = true;  ///< cleared when the settings dialog is cancelled
    int32_t boundaryLayerPoints = 32;    ///< points across the finite-difference layer
    int32_t boundaryLayerHeight = 50;    ///< height of the layer's grid, in Blasius thicknesses
};

/// What the window shows and how.
struct ViewSettings {
    int16_t view = 1;  ///< the view drawn in the plot area
    AirfoilOverlay airfoilOverlay = AirfoilOverlay::Coordinates;
    BoundaryLayerPlot boundaryLayerPlot = BoundaryLayerPlot::UpperProfiles;
    PolarKind polarKind = PolarKind::LiftDrag;
    int32_t profileCount = 10;        ///< velocity profiles the boundary-layer view draws
    bool showBlasiusProfile = true;   ///< the Blasius profile beside each velocity profile
    int32_t polarCdLimit = 32;        ///< the lift-drag polar's Cd axis ends at this many counts x 0.001
    double pointRadius = 0.0;         ///< radius of the marked nodes, chords (0: nodes not marked)
    FieldWindow meshWindow;           ///< zoom window of the mesh view
    FieldWindow fieldWindow;          ///< zoom window of the streamline and pressure views
    int16_t foregroundColour = 0;     ///< palette index of lines and text
    int16_t lowerSurfaceColour = 0;   ///< palette index of the lower surface's curves
    int16_t upperSurfaceColour = 14;  ///< palette index of the upper surface's curves
};

/// The mesh the field views are computed on.
struct MeshSettings {
    int32_t pointsAround = 41;  ///< nodes round the section
    int32_t rings = 21;         ///< rings outward
    double outerRadius = 10.0;  ///< outer boundary, chords
    double clustering = 1.05;   ///< ratio of neighbouring rings' spacing
    bool rebuild = true;        ///< the next field view builds a new mesh
};

/// The main window's own layout memory.
struct WindowLayout {
    bool firstResizeDone = false;
    double plotAspect = 0.75;  ///< plot area height over width
};

/// The current section's definition and its inviscid solution.
struct SectionState {
    int32_t designationNumber = 12;  ///< the designation's digits as a number (0012: 12)
    bool fromFile = false;           ///< the section is the coordinate file's, not a NACA section
    float flapAngleRad = 0.0f;       ///< flap deflection, radians, trailing edge down positive
    float flapHingeX = 1.0f;         ///< flap hinge, chords from the leading edge (1: no flap)
    FileSection file;

    float angleDeg = 0.0f;  ///< angle of attack, degrees
    Array1<float> nodeX;    ///< 1..TotalPoints (+1 spare for the closing node)
    Array1<float> nodeY;
    Array1<float> controlX;        ///< 1..TotalPoints, lower surface first
    Array1<float> surfaceCp;       ///< pressure coefficient at each control point
    Array1<float> surfaceSpeed;    ///< surface speed over the free stream at each control point
    float cl = 0.0f;               ///< lift coefficient shown (the thin-airfoil figure once computed)
    float cmLeadingEdge = 0.0f;    ///< moment about the leading edge shown
    std::optional<float> panelCl;  ///< the panel solution's lift, once solved
    std::optional<float> panelCmLeadingEdge;  ///< the panel solution's moment about the leading edge
    std::optional<double> cmQuarterChord;     ///< thin-airfoil moment about the quarter chord
    std::optional<double> zeroLiftAngleDeg;   ///< thin-airfoil zero-lift angle, degrees
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
    int32_t stagnationIndex = 0;     ///< control point nearest the stagnation point (0: none found yet)
    float cpHigh = 1.0f;             ///< highest surface pressure coefficient of the last solution
    float cpLow = 0.0f;              ///< lowest surface pressure coefficient of the last solution
    std::optional<double> boundaryLayerCd;      ///< drag of the last boundary layer computed, once one is
    bool boundaryLayerPending = true;           ///< the next recomputation computes the boundary layer
    std::shared_ptr<LinAero> thinAirfoilModel;  ///< the thin-airfoil model of the last recomputation
    int16_t polarCount = 0;                     ///< polars kept; a lower count empties the rest of the store
    PolarStore polars;
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
    bool fromFile = false;
    float flapAngleRad = 0.0f;
    float flapHingeX = 1.0f;
    FileSection file;
};

/// Everything the program keeps for the length of a run.
struct AppState {
    SharedSettings shared;
    MainWindowTexts texts;
    FlowCondition flow;
    AnalysisSettings settings;
    ViewSettings display;
    MeshSettings mesh;
    WindowLayout layout;
    SectionState section;
    AnalysisResults analysis;
    KeptMesh keptMesh;
    BoundaryLayerSolution boundaryLayer;  ///< the finite-difference boundary layer (BoundaryLayer)
    std::optional<BuiltDefinition> lastBuilt;
};

}  // namespace aerolune
