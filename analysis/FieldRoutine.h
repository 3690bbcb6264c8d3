#pragma once
// The grid-and-flow routine of the field views (mesh 6, streamlines 4,
// pressure contours 5), without the drawing: close the section contour, bring
// the view's mesh up to date with FoilGrid, and for views 4 and 5 evaluate
// the flow on it with Flow and cut the view's iso-lines out of it with Contr.
// The recomputation keeps what computeFieldView returns with the results
// (AnalysisResults::field), and the drawing reads it from there: a redraw
// never builds a mesh or evaluates the flow.
//
// Mesh sizes: the mesh view uses the mesh settings (points around x rings,
// outer radius, clustering); the streamline and pressure views always use their own
// 61 x 31 mesh of radius 6 chords and clustering 1.02, built afresh on every
// recomputation of those views. The mesh view keeps its mesh in the state
// (AppState::keptMesh) and builds a new one when the settings ask for a rebuild, and also when
// the kept one was built for another contour, size, radius or clustering: the
// flap and point-count dialogs change the section without asking for a new
// mesh, and a mesh of the old section would cut through the new one. Copying
// a new mesh into the state clears the rebuild request.

#include <cstdint>

#include "analysis/AppState.h"
#include "analysis/FieldData.h"
#include "analysis/FieldLevels.h"
#include "common/Array.h"

namespace aerolune {

inline constexpr int kStreamlineView = 4;
inline constexpr int kPressureView = 5;
inline constexpr int kMeshView = 6;

/// The mesh a view asks FoilGrid for.
struct FieldMeshSize {
    int32_t ni = 61;        ///< nodes round the section (working range of MeshLimits.h)
    int32_t nj = 31;        ///< rings outward (working range of MeshLimits.h)
    double radius = 6.0;    ///< outer radius asked for, chords (FoilGrid limits it)
    double cluster = 1.02;  ///< radial clustering ratio asked for (FoilGrid limits it)
};

/// The closed contour handed to FoilGrid and Flow: points 1..2 HalfPoints of
/// the section and point 2 HalfPoints + 1 equal to point 1; the velocity ratio
/// per panel with its last entry repeating the first.
struct ClosedContour {
    int32_t n = 0;  ///< 2 HalfPoints + 1; 0 when the state holds no solved section
    Array1<float> x, y, velocity;
};

/// The mesh size of a field view: the mesh settings (each count limited to the
/// working range) for view 6; 61 x 31, 6 and 1.02 else.
FieldMeshSize fieldMeshSize(const AppState& state, int view);

/// The state's section as a closed contour (see ClosedContour).
ClosedContour closedContour(const AppState& state);

/// FoilGrid on the contour with the given size.
/// \param contour closed contour with n >= 4
/// \param size mesh size, radius and clustering asked for
FieldMesh buildFieldMesh(const ClosedContour& contour, const FieldMeshSize& size);

/// Flow on a mesh of the contour.
/// \param contour the closed contour the mesh was built on
/// \param mesh the mesh
/// \param stagPoint stagnation-point index (stagnationIndex)
FlowField computeFlowField(const ClosedContour& contour, const FieldMesh& mesh, int32_t stagPoint);

/// Contr over one nodal field of the mesh.
/// \param mesh the mesh
/// \param field nodal values, I x J
/// \param levels level values 1..L
FieldSegments contourSegments(const FieldMesh& mesh, const Array2<float>& field, const Array1<float>& levels);

/// The grid-and-flow routine for view 4, 5 or 6 on the state's current
/// solution, with the mesh rules in the header comment. Reads HalfPoints,
/// the section's nodes and surface speeds, stagnationIndex, cpHigh, cpLow and,
/// for view 6, the mesh settings; writes only keptMesh and the mesh settings'
/// rebuild request (view 6). Returns view 0 when the state holds no
/// solved section or the view is not a field view.
/// \param state the application state
/// \param view 4, 5 or 6
FieldViewData computeFieldView(AppState& state, int view);

/// Gives the streamline view's levels the colours of the current foreground
/// (the wall's streamline is drawn in it), after a change of background that
/// redraws without recomputing. Other views are left as they are.
void recolourLevels(FieldViewData& field, int foregroundIndex);

}  // namespace aerolune
