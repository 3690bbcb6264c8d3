#pragma once
// The linear-aerodynamics object: the inputs of the thin-airfoil step and the
// Fourier coefficients it returns. The main window makes a fresh one for every
// recomputation and reads the coefficients by member name.

#include <cstdint>

#include "common/Array.h"

namespace aerolune {

class LinAero {
public:
    int32_t pointCount = 0;         ///< points about the section (2 x HalfPoints; 0: as many as given)
    int32_t quadratureOrder = 100;  ///< quadrature order handed to linaero
    double angleDeg = 0.0;          ///< angle of attack, degrees
    float A0 = 0.0f;                ///< Fourier coefficients of the camber slope
    float A1 = 0.0f;
    float A2 = 0.0f;
    float A3 = 0.0f;
    float A4 = 0.0f;
    float A5 = 0.0f;
    float A6 = 0.0f;
    float A7 = 0.0f;
    float A8 = 0.0f;

    /// Extracts the camber line from the section nodes and computes A0..A8
    /// through linaero.
    ///
    /// The two surfaces are paired node for node about the leading edge node
    /// NH = pointCount / 2 + 1: station i of the camber line is the upper
    /// node NH + i - 1, its ordinate the mean of that node and the lower node
    /// NH - i + 1; the last station is the trailing edge (node 1). The end
    /// stations are forced to x = 0 and x = 1. Where the end nodes are not a
    /// pair at those stations the camber line is continued to them instead:
    /// at the leading edge from the midpoints behind it (a cambered NACA nose
    /// lies off the midpoint line). When a deflected flap has moved the
    /// trailing-edge node ahead of x = 1, the camber line is taken over the
    /// section's projected chord (leading edge to that node), stretched to
    /// unit length with its slopes kept, and A0..A8 are scaled back to the
    /// unit reference chord.
    ///
    /// Nodes 1 .. pointCount are read. When pointCount asks for more
    /// nodes than the arrays hold, the camber line is shortened to the nodes
    /// present rather than read past the arrays; with no usable nodes the
    /// result is that of a flat plate.
    /// \param z node ordinates NodeY(1..), chords
    /// \param x node abscissae NodeX(1..), chords
    void AeroCoeff(const Array1<float>& z, const Array1<float>& x);

    /// Camber stations of the last AeroCoeff call (1..NH), projected chords.
    const Array1<float>& camberStations() const { return xc_; }
    /// Camber ordinates of the last AeroCoeff call (1..NH), projected chords.
    const Array1<float>& camberOrdinates() const { return zc_; }

private:
    int32_t NH_ = 0;      // camber stations
    int32_t order_ = 0;   // quadrature order
    float alpha_ = 0.0f;  // angle of attack, radians
    Array1<float> zc_;    // camber ordinates 1..NH
    Array1<float> xc_;    // camber stations 1..NH
};

}  // namespace aerolune
