#include "print/SkinLine.h"

#include <algorithm>
#include <cmath>

namespace aerolune::print {

namespace {

double distanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0.0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// Even-odd rule against the closed outline.
bool inside(double px, double py, const std::vector<double>& X, const std::vector<double>& Y) {
    bool in = false;
    for (std::size_t i = 0; i + 1 < X.size(); ++i) {
        const double y0 = Y[i], y1 = Y[i + 1];
        if ((y0 > py) != (y1 > py)) {
            const double xCross = X[i] + (py - y0) / (y1 - y0) * (X[i + 1] - X[i]);
            if (px < xCross) in = !in;
        }
    }
    return in;
}

double nearestOutline(double px, double py, const std::vector<double>& X, const std::vector<double>& Y) {
    double d = INFINITY;
    for (std::size_t i = 0; i + 1 < X.size(); ++i)
        d = std::min(d, distanceToSegment(px, py, X[i], Y[i], X[i + 1], Y[i + 1]));
    return d;
}

}  // namespace

Polyline skinLine(const std::vector<double>& X, const std::vector<double>& Y, double skin) {
    Polyline line;
    const std::size_t n = std::min(X.size(), Y.size());
    if (n < 2) return line;
    if (!(skin > 0.0)) {
        for (std::size_t i = 0; i + 1 < n; ++i) {
            line.x.push_back(0.5 * (X[i] + X[i + 1]));
            line.y.push_back(0.5 * (Y[i] + Y[i + 1]));
        }
        line.x.push_back(line.x.front());
        line.y.push_back(line.y.front());
        return line;
    }

    // The inside lies to the right of the direction of travel for a clockwise
    // outline (negative area), to the left for an anticlockwise one.
    double twiceArea = 0.0;
    for (std::size_t i = 0; i + 1 < n; ++i) twiceArea += X[i] * Y[i + 1] - X[i + 1] * Y[i];
    const double side = twiceArea < 0.0 ? 1.0 : -1.0;

    // A point exactly the skin from its own segment must not be dropped for
    // the rounding of that distance.
    const double least = skin * (1.0 - 1e-9);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double dx = X[i + 1] - X[i], dy = Y[i + 1] - Y[i];
        const double d = std::hypot(dx, dy);
        if (!(d > 0.0)) continue;
        const double px = 0.5 * (X[i] + X[i + 1]) + side * skin * dy / d;
        const double py = 0.5 * (Y[i] + Y[i + 1]) - side * skin * dx / d;
        if (!inside(px, py, X, Y) || nearestOutline(px, py, X, Y) < least) continue;
        line.x.push_back(px);
        line.y.push_back(py);
    }
    if (line.x.size() < 3) return {};
    line.x.push_back(line.x.front());
    line.y.push_back(line.y.front());
    return line;
}

}  // namespace aerolune::print
