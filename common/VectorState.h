#pragma once
// Numerical work after drawing: the toolkit's raster routines may leave the
// upper halves of the 256-bit vector registers in use when they return, and
// on some processors every 128-bit floating-point instruction that follows
// (the maths library's log and atan2 among them) then runs many times slower
// until the state is cleared. The mesh, flow and pipeline computations call
// this first; it is cheap and does nothing where it does not apply.

namespace aerolune {

/// Marks the upper halves of the vector registers as unused (vzeroupper)
/// on x86-64 processors with AVX; nothing elsewhere.
void clearUpperVectorState();

}  // namespace aerolune
