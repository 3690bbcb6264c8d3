#pragma once
// Calling the Airfoil entry the way the application does, with guard elements
// past 2H in every array so a test can see a write beyond the contract.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "geometry/FileSection.h"
#include "io/AirfoilFileReader.h"
#include "numerics/airfoil/Airfoil.h"
#include "support/TestSupport.h"

namespace aerolune::test {

inline constexpr float kGuard = -12345.0f;
inline constexpr int kGuardCount = 4;

struct AirfoilCall {
    int32_t designation = 12;
    float alphaDeg = 0.0f;
    float flapRad = 0.0f;
    float flapHinge = 1.0f;
    int32_t halfPoints = 60;
    int32_t source = 0;
    int32_t mode = 0;
    FileSection file;
};

struct AirfoilResult {
    int halfPoints = 0;
    std::vector<float> nodeX, ctrlX, nodeY, cp, velocity;  // 1-based content at [0..2H-1], guards after
    float cl = kGuard;
    float cmLe = kGuard;

    int panels() const { return 2 * halfPoints; }
    /// Every written element, the lift and the moment finite.
    bool finiteOutputs() const {
        for (const auto* a : {&nodeX, &ctrlX, &nodeY, &cp, &velocity})
            for (int i = 0; i < panels(); ++i)
                if (!std::isfinite((*a)[i])) return false;
        return std::isfinite(cl) && std::isfinite(cmLe);
    }
    bool guardsIntact() const {
        for (const auto* a : {&nodeX, &ctrlX, &nodeY, &cp, &velocity})
            for (std::size_t i = a->size() - kGuardCount; i < a->size(); ++i)
                if ((*a)[i] != kGuard) return false;
        return true;
    }
};

inline std::vector<float> guarded(int32_t halfPoints) {
    std::size_t n = halfPoints > 0 ? static_cast<std::size_t>(2 * halfPoints) : 0;
    return std::vector<float>(n + kGuardCount, kGuard);
}

/// One call in mode 0 (or mode 1 with `result` holding the arrays to pass).
inline void callAirfoil(AirfoilCall& call, AirfoilResult& result) {
    int32_t reserved = 0;
    Airfoil(&call.designation, &call.alphaDeg, result.nodeX.data(), result.ctrlX.data(), result.nodeY.data(),
            result.cp.data(), result.velocity.data(), &result.cl, &result.cmLe, &call.flapRad,
            &call.flapHinge, &call.halfPoints, &reserved, call.file.FileYU.data(), call.file.FileYL.data(),
            call.file.FileXU.data(), call.file.FileXL.data(), &call.file.FileNU, &call.file.FileNL,
            &call.source, &call.mode);
}

inline AirfoilResult runAirfoil(AirfoilCall call) {
    AirfoilResult result;
    result.halfPoints = call.halfPoints;
    for (auto* a : {&result.nodeX, &result.ctrlX, &result.nodeY, &result.cp, &result.velocity})
        *a = guarded(call.halfPoints);
    callAirfoil(call, result);
    return result;
}

inline AirfoilCall nacaCall(int32_t designation, float alphaDeg, int32_t totalPoints) {
    AirfoilCall call;
    call.designation = designation;
    call.alphaDeg = alphaDeg;
    call.halfPoints = totalPoints / 2;
    return call;
}

/// A plain flap of lengthPercent of the chord, deflected deflectionDeg (trailing edge down positive).
inline AirfoilCall withFlap(AirfoilCall call, double lengthPercent, double deflectionDeg) {
    call.flapRad = static_cast<float>(deflectionDeg * std::numbers::pi / 180.0);
    call.flapHinge = static_cast<float>((100.0 - lengthPercent) / 100.0);
    return call;
}

/// The Karman-Trefftz test section read through the program's own reader.
inline AirfoilCall karmanTrefftzCall(const std::string& file, float alphaDeg, int32_t totalPoints) {
    AirfoilCall call;
    call.alphaDeg = alphaDeg;
    call.halfPoints = totalPoints / 2;
    call.source = 1;
    call.designation = 0;
    std::string name;
    ReadAirfoilResult read = ReadAirfoil(dataPath("reference/karman_trefftz/" + file), name, call.file);
    if (!read.ok) call.file.FileNU = call.file.FileNL = 0;
    return call;
}

/// Panel-direction velocity (positive along the node order), from the
/// surface-relative sign of the contract.
inline double panelVelocity(const AirfoilResult& r, int i) {
    return i < r.halfPoints ? -r.velocity[i] : r.velocity[i];
}

/// Segments (a, b) and (c, d) cross at interior points of both.
inline bool segmentsCross(double ax, double ay, double bx, double by, double cx, double cy, double dx,
                          double dy) {
    auto orient = [](double px, double py, double qx, double qy, double rx, double ry) {
        return (qx - px) * (ry - py) - (qy - py) * (rx - px);
    };
    double d1 = orient(cx, cy, dx, dy, ax, ay), d2 = orient(cx, cy, dx, dy, bx, by);
    double d3 = orient(ax, ay, bx, by, cx, cy), d4 = orient(ax, ay, bx, by, dx, dy);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

/// The closed contour 1..2H, 1 has no two panels crossing.
inline bool contourIsSimple(const AirfoilResult& r) {
    const int n = r.panels();
    for (int i = 0; i < n; ++i) {
        int i1 = (i + 1) % n;
        for (int j = i + 2; j < n; ++j) {
            int j1 = (j + 1) % n;
            if (j1 == i) continue;
            if (segmentsCross(r.nodeX[i], r.nodeY[i], r.nodeX[i1], r.nodeY[i1], r.nodeX[j], r.nodeY[j],
                              r.nodeX[j1], r.nodeY[j1]))
                return false;
        }
    }
    return true;
}

}  // namespace aerolune::test
