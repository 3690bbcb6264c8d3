#include "numerics/airfoil/Flap.h"

#include <cmath>

namespace aerolune {

namespace {

struct Hinge {
    Point centre;
    double cosD, sinD;
    // Clockwise turn by the deflection: a positive deflection lowers the trailing edge.
    Point turn(Point p) const {
        double dx = p.x - centre.x;
        double dy = p.y - centre.y;
        return {centre.x + dx * cosD + dy * sinD, centre.y - dx * sinD + dy * cosD};
    }
};

// The part of a surface aft of the hinge, turned with the flap.
SurfaceCurve turnedPart(const SurfaceCurve& surface, const Hinge& hinge) {
    SurfaceCurve turned = surface;
    turned.tBegin = parameterAtX(surface, hinge.centre.x);
    turned.at = [surface, hinge](double t) { return hinge.turn(surface.at(t)); };
    return turned;
}

// The side that opens: fixed surface, an arc about the hinge across the gap,
// then the turned surface. `outward` is +1 for the upper surface, -1 for the lower.
std::function<double(double)> openingSide(const SurfaceCurve& surface, const Hinge& hinge, double outward) {
    Point corner{hinge.centre.x, ordinateAtX(surface, hinge.centre.x)};
    double radius = std::fabs(corner.y - hinge.centre.y);
    double arcEnd = hinge.turn(corner).x;
    SurfaceCurve turned = turnedPart(surface, hinge);
    return [surface, hinge, outward, radius, arcEnd, turned](double x) {
        if (x <= hinge.centre.x) return ordinateAtX(surface, x);
        if (x <= arcEnd) {
            double dx = x - hinge.centre.x;
            return hinge.centre.y + outward * std::sqrt(std::max(0.0, radius * radius - dx * dx));
        }
        return ordinateAtX(turned, x);
    };
}

// The side that closes: the turned surface starts inside the fixed part and the
// fixed corner lies inside the turned flap, so the two cross once between the
// turned corner and the hinge; the contour switches from one to the other there.
std::function<double(double)> closingSide(const SurfaceCurve& surface, const Hinge& hinge, double outward) {
    Point corner{hinge.centre.x, ordinateAtX(surface, hinge.centre.x)};
    SurfaceCurve turned = turnedPart(surface, hinge);
    double a = hinge.turn(corner).x;
    double b = hinge.centre.x;
    auto outside = [&](double x) { return outward * (ordinateAtX(surface, x) - ordinateAtX(turned, x)); };
    if (outside(a) > 0.0 && outside(b) < 0.0) {
        for (int i = 0; i < 60; ++i) {
            double c = 0.5 * (a + b);
            (outside(c) > 0.0 ? a : b) = c;
        }
    }
    double crossing = 0.5 * (a + b);
    return [surface, turned, crossing](double x) {
        return x <= crossing ? ordinateAtX(surface, x) : ordinateAtX(turned, x);
    };
}

Hinge hingeOf(const SectionCurves& curves, double hinge, double deflection) {
    const double yUpper = ordinateAtX(curves.upper, hinge);
    const double yLower = ordinateAtX(curves.lower, hinge);
    return {{hinge, 0.5 * (yUpper + yLower)}, std::cos(deflection), std::sin(deflection)};
}

}  // namespace

bool flapTurnsBack(const SectionCurves& curves, double hinge, double deflection, double slack) {
    const Hinge h = hingeOf(curves, hinge, deflection);
    for (const SurfaceCurve* surface : {&curves.upper, &curves.lower}) {
        const SurfaceCurve turned = turnedPart(*surface, h);
        if (furthestX(turned, turned.tBegin) > turned.at(turned.tEnd).x + slack) return true;
    }
    return false;
}

SectionShape flappedShape(const SectionCurves& curves, double hinge, double deflection) {
    const Hinge h = hingeOf(curves, hinge, deflection);
    SectionShape shape;
    if (deflection > 0.0) {
        shape.upperY = openingSide(curves.upper, h, 1.0);
        shape.lowerY = closingSide(curves.lower, h, -1.0);
    } else {
        shape.upperY = closingSide(curves.upper, h, 1.0);
        shape.lowerY = openingSide(curves.lower, h, -1.0);
    }
    shape.leadingEdge = curves.leadingEdge;
    shape.trailingEdge = h.turn(curves.trailingEdge);
    return shape;
}

}  // namespace aerolune
