#pragma once
// Blayer2: the finite-difference boundary layer of one surface, called with
// the 1-based, column-major argument list of the boundary-layer library.
//
// The layer is marched from the stagnation point (station 1, s = 0) along the
// given arc lengths with the given edge velocities: Keller's box scheme in the
// Falkner-Skan variables eta = y sqrt(Ue / (nu x)), f = psi / sqrt(Ue nu x),
// laminar from a similarity start, then transitional and turbulent with the
// Cebeci-Smith eddy viscosity and Chen-Thyson intermittency when the
// transition model says so. The march ends at the first station where the
// layer separates (the direct problem has no attached solution there).
//
// Station 1 is solved as a similarity flow Ue ~ x^m, m taken from stations 2
// and 3 and kept within [0, 1]: plane stagnation flow (m = 1) when Ue grows
// linearly from it, as at a stagnation point, a sharp leading edge (m = 0)
// when it is constant.
//
// Array layouts (n = *stationCount on entry, P = *resultCount on entry, the
// number of points across the layer; R = *resultCount on return):
//
//   s(1..n), ue(1..n)         inputs, Double[n]
//   profileU(1..P, 1..n)      u / Ue at point j of station i, column-major P x n
//                             (u / V_inf = profileU(j, i) x ue(i))
//   profileY(1..P, 1..n)      distance of point j from the wall at station i,
//                             chords; profileY(1, i) = 0 (the wall)
//   stationOut(1..n)          f''(0) at station i, the wall shear in the
//                             transformed variables (0.332 for Blasius, 1.2326
//                             for plane stagnation flow; grows with Re_x when
//                             turbulent)
//   table(1..n, 1..9)         one row per station, column-major n x 9, columns
//                             as in BlayerColumn below
//
// Rows and profile columns 1..R hold results; everything else up to the
// dimensions above is set to 0. Nothing is written beyond them, and no output
// is ever NaN or infinite.

#include <cstddef>
#include <cstdint>

namespace aerolune {

/// Columns of the result table (argument 7), 1-based.
enum BlayerColumn : int32_t {
    BlayerArcLength = 1,      ///< s, chords (a copy of the input)
    BlayerDisplacement = 2,   ///< delta*, chords
    BlayerMomentum = 3,       ///< theta, chords (H = column 2 / column 3)
    BlayerFriction = 4,       ///< skin friction tau_w / (rho V_inf^2 / 2), on the free stream
    BlayerDelta99 = 5,        ///< height where u = 0.99 Ue, chords
    BlayerShape = 6,          ///< H = delta* / theta
    BlayerTurbulent = 7,      ///< 1 at and after the transition station, else 0
    BlayerIntermittency = 8,  ///< streamwise intermittency gamma, 0 laminar .. 1 fully turbulent
    BlayerReTheta = 9,        ///< Ue theta / nu
};

/// Sizes of the output arrays for a call with `stations` stations and
/// `pointsAcross` points across the layer; callers allocate with these.
struct BlayerLayout {
    static constexpr int32_t tableColumns = 9;

    int32_t stations = 0;
    int32_t pointsAcross = 0;

    std::size_t profileRows() const { return static_cast<std::size_t>(pointsAcross); }
    std::size_t profileColumns() const { return static_cast<std::size_t>(stations); }
    /// Elements of profileU, and of profileY.
    std::size_t profileSize() const { return profileRows() * profileColumns(); }
    std::size_t tableRows() const { return static_cast<std::size_t>(stations); }
    std::size_t tableSize() const { return tableRows() * tableColumns; }
    std::size_t stationOutSize() const { return static_cast<std::size_t>(stations); }
};

inline BlayerLayout blayerLayout(int32_t stations, int32_t pointsAcross) {
    return BlayerLayout{stations, pointsAcross};
}

/// Limits of the arguments; outside them the call reports failure.
struct BlayerLimits {
    static constexpr int32_t minPoints = 8;
    static constexpr int32_t maxPoints = 4096;
    static constexpr int32_t maxStations = 1000000;
    /// Below this chord Reynolds number the layer is as thick as a sizeable
    /// part of the section and thin-layer theory says nothing useful.
    static constexpr double minReynolds = 1000.0;
    static constexpr double minLimit = 2.0;
    static constexpr double maxLimit = 10000.0;
};

/// Boundary layer along one surface.
/// \param s            arc length from the stagnation point, chords, s(1) = 0, strictly increasing [n]
/// \param ue           edge velocity over the free stream [n]; ue(1) >= 0 (0 at a true
///                     stagnation point), ue(i) > 0 after it
/// \param reynolds     chord Reynolds number (nu = 1 / reynolds in chord and free-stream units)
/// \param profileU     out: u / Ue, P x n (see the layout above)
/// \param profileY     out: distance from the wall, chords, P x n
/// \param stationOut   out: transformed wall shear f''(0) per station [n]
/// \param table        out: n x 9 result table (BlayerColumn)
/// \param stationCount n, the number of stations
/// \param resultCount  in: P, the number of points across the layer (BlPoints);
///                     out: R, the number of result rows, one per station solved before
///                     the layer separates (R <= n). R = n means attached to the last
///                     station; R < n means the layer separated between station R and
///                     R + 1; R = 0 reports a failure (arguments outside BlayerLimits,
///                     fewer than 2 stations, s not increasing, NaN or negative input,
///                     or no attached solution past the first station).
/// \param roughness    roughness height, chords; 0 (or less) for a smooth wall. Used by
///                     model 2: transition where u(k) k / nu first reaches 600.
/// \param model        0 always laminar (laminar separation ends the march); 1 transition
///                     where the laminar layer separates: the turbulent layer (full
///                     intermittency at once) starts from the nearest laminar station,
///                     within the last 15 % of the arc length, from which it carries past
///                     the separation; 2 natural transition by the e^N envelope
///                     method with N = 9 (Transition.h) or roughness, with the
///                     Chen-Thyson intermittency ramp; a laminar layer that separates
///                     first forms a short bubble whose laminar part ends where N,
///                     carried on at the separated layer's rate, reaches 9, or turns
///                     turbulent as in model 1 where the bubble would be a long one
/// \param limit        grid height in eta = y sqrt(Ue / (nu x)) (BlLimit, 10..100 in the dialog)
///
/// A non-positive edge velocity after station 1 ends the march before that
/// station as a separation does: the edge flow has stopped or reversed.
void Blayer2(double* s, double* ue, double* reynolds, double* profileU, double* profileY, double* stationOut,
             double* table, int32_t* stationCount, int32_t* resultCount, double* roughness, int32_t* model,
             double* limit);

}  // namespace aerolune
