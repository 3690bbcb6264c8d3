#pragma once
// Thin-airfoil theory: the Fourier coefficients of the camber-line slope.
//
// With the chord position written through the Glauert angle,
// x = (1 - cos theta) / 2, the vortex sheet of a thin cambered section at angle
// alpha has the coefficients
//   A0 = alpha - (1/pi) * integral(0..pi) dz/dx dtheta
//   An = (2/pi) * integral(0..pi) dz/dx cos(n theta) dtheta,   n = 1..8,
// from which lift, moment and zero-lift angle follow (analysis/ThinAirfoil.h).

#include <array>
#include <cstdint>
#include <vector>

namespace aerolune {

/// Quadrature intervals used at most; a larger order costs time, not accuracy.
inline constexpr int32_t kLinaeroMaxOrder = 20000;

/// The numerical entry, called with every argument by address and the camber
/// line in 1-based single-precision arrays.
///
/// The slope dz/dx comes from a not-a-knot cubic spline through the camber
/// points; the integrals are composite 4-point Gauss-Legendre rules on `order`
/// equal intervals of theta.
///
/// Hostile input never crashes and never gives a non-finite output:
/// - NH < 2 (or a null camber array) is a flat plate: A0 = alpha, A1..A8 = 0;
/// - order is held to 1..kLinaeroMaxOrder;
/// - camber points with a non-finite coordinate are ignored; stations out of
///   order are sorted, coincident stations merged into their mean ordinate;
/// - a non-finite angle counts as 0; results beyond single range saturate.
/// Null output pointers are skipped. The arrays must hold NH elements.
///
/// \param alphaRad angle of attack, radians
/// \param z camber-line ordinates z(1..NH), chords
/// \param x camber-line stations x(1..NH), chords, x(1) = 0 and x(NH) = 1
/// \param nh number of camber stations NH
/// \param order number of quadrature intervals over theta in [0, pi]
/// \param A0,A1,A2,A3,A4,A5,A6,A7,A8 Fourier coefficients (A0 includes the
///        angle), radians
void linaero(float* alphaRad, float* z, float* x, int32_t* nh, int32_t* order, float* A0, float* A1,
             float* A2, float* A3, float* A4, float* A5, float* A6, float* A7, float* A8);

/// The same computation in double precision on ordinary containers, for
/// callers inside the numerical layer and for tests. Same guards as linaero.
/// \param alphaRad angle of attack, radians
/// \param z camber ordinates, chords
/// \param x camber stations, chords
/// \param order number of quadrature intervals over theta in [0, pi]
/// \return A0..A8
std::array<double, 9> glauertCoefficients(double alphaRad, const std::vector<double>& z,
                                          const std::vector<double>& x, int32_t order);

}  // namespace aerolune
