#pragma once
// Stream function and pressure coefficient on the mesh from the surface
// solution. No angle of attack is passed: the flow is rebuilt as a vortex
// sheet on the contour whose strength is the surface velocity, plus the
// uniform stream that leaves the fluid inside the section at rest (the
// contour is then a streamline); see FieldVortexSheet.h and FieldSurface.h.
// The sheet's nodal strengths are recovered from the per-panel ratios by the
// rules the section builder's panel solution reports them with, and the
// stream from the condition that solution meets (one stream-function value at
// every node), so a solution from the section builder is rebuilt as it was
// solved: its angle of attack comes back to the float rounding of the arrays.
// Velocities are in units of the free-stream speed, as the surface ratios are.
//
// psi is zero on the section (its mean over the panel midpoints) and grows
// upwards (u = d psi / dy); on ring 1 it is the sheet's own value there, so
// its spread along ring 1 shows how well the surface solution and the
// recovered stream agree. Cp = 1 - |V|^2 at every node off the wall; ring 1
// takes the surface values 1 - v^2, interpolated along the contour between
// the panel midpoints. Node NI of every ring repeats node 1.
//
// Hostile sizes: MeshLimits.h (nodes outside the working block repeat the
// nearest node's values). With fewer than 3 usable panels both fields are
// set to 0.

#include <cstdint>

namespace aerolune {

/// Evaluate the flow on the mesh.
/// \param velocity surface velocity ratio V/Vinf per panel, v(1..N-1) (v(N) unused)
/// \param x, y closed section contour, nodes 1..N, chords
/// \param n N, number of contour nodes (2 HalfPoints + 1)
/// \param meshX, meshY mesh from FoilGrid, NI x NJ column-major, chords
/// \param stagPoint stagnation panel (index of the smallest |v|); unused: the
///        signs of the ratios already tell the flow direction on every panel,
///        and the index can be stale (it is not updated when a dialog is
///        cancelled) or ambiguous (ties at a finite-angle trailing edge)
/// \param cpField pressure coefficient, NI x NJ (out)
/// \param psiField stream function, NI x NJ, Vinf x chord (out)
/// \param ni NI, \param nj NJ
void Flow(float* velocity, float* x, float* y, int32_t* n, float* meshX, float* meshY, int32_t* stagPoint,
          float* cpField, float* psiField, int32_t* ni, int32_t* nj);

/// The free-stream angle, degrees, that Flow recovers from a surface solution
/// (for checks and diagnostics); NaN when the solution is unusable.
double recoveredStreamAngleDeg(const float* velocity, const float* x, const float* y, int32_t n);

}  // namespace aerolune
