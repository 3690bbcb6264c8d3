#include "numerics/airfoil/FileSection.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "numerics/airfoil/CubicSpline.h"

namespace aerolune {

namespace {

// A list running from the leading edge to the trailing edge, without
// non-finite or repeated points.
std::vector<Point> cleanSurface(std::vector<Point> points) {
    std::erase_if(points, [](const Point& p) { return !std::isfinite(p.x) || !std::isfinite(p.y); });
    if (points.size() >= 2 && points.front().x > points.back().x) std::reverse(points.begin(), points.end());
    return points;
}

double extent(const std::vector<Point>& points) {
    double xmin = points.front().x, xmax = xmin, ymin = points.front().y, ymax = ymin;
    for (const Point& p : points) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    return std::max(xmax - xmin, ymax - ymin);
}

void dropRepeats(std::vector<Point>& points, double tolerance) {
    std::vector<Point> kept;
    kept.reserve(points.size());
    for (const Point& p : points) {
        if (kept.empty() || std::hypot(p.x - kept.back().x, p.y - kept.back().y) > tolerance)
            kept.push_back(p);
    }
    points = std::move(kept);
}

// The whole contour splined against its arc length, from the trailing end of
// the upper list round the nose to the trailing end of the lower one.
struct ContourSpline {
    CubicSpline x, y;
    double length = 0.0;
    Point at(double s) const { return {x(s), y(s)}; }
};

std::shared_ptr<ContourSpline> splineContour(const std::vector<Point>& contour) {
    std::vector<double> s(contour.size()), xs(contour.size()), ys(contour.size());
    for (std::size_t i = 0; i < contour.size(); ++i) {
        s[i] = i == 0
                   ? 0.0
                   : s[i - 1] + std::hypot(contour[i].x - contour[i - 1].x, contour[i].y - contour[i - 1].y);
        xs[i] = contour[i].x;
        ys[i] = contour[i].y;
    }
    auto spline = std::make_shared<ContourSpline>();
    spline->length = s.back();
    spline->x = CubicSpline(s, xs);
    spline->y = CubicSpline(std::move(s), ys);
    return spline;
}

// Arc length of the smallest x: golden-section search about the data point
// of smallest x (the nose of a sensible section is one smooth bump).
double leadingEdgeArc(const ContourSpline& spline, const std::vector<Point>& contour) {
    std::size_t imin = 0;
    for (std::size_t i = 1; i < contour.size(); ++i)
        if (contour[i].x < contour[imin].x) imin = i;
    double arc = 0.0;
    std::vector<double> s(contour.size(), 0.0);
    for (std::size_t i = 1; i < contour.size(); ++i)
        s[i] = s[i - 1] + std::hypot(contour[i].x - contour[i - 1].x, contour[i].y - contour[i - 1].y);
    double a = s[imin == 0 ? 0 : imin - 1];
    double b = s[std::min(imin + 1, contour.size() - 1)];
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    for (int i = 0; i < 100 && b - a > 1e-15 * spline.length; ++i) {
        double c = b - g * (b - a);
        double d = a + g * (b - a);
        if (spline.x(c) < spline.x(d)) {
            b = d;
        } else {
            a = c;
        }
    }
    arc = 0.5 * (a + b);
    return arc;
}

double thicknessSum(const SectionShape& shape, double& largest) {
    double sum = 0.0;
    largest = -1.0;
    for (int k = 1; k < 40; ++k) {
        double x = cosineStation(k, 40, 0.0, 1.0);
        double t = shape.upperY(x) - shape.lowerY(x);
        sum += t;
        largest = std::max(largest, std::fabs(t));
    }
    return sum;
}

}  // namespace

double trailingEdgeBlendLength(double baseWidth) {
    return std::clamp(kBlendPerBaseWidth * baseWidth, kLeastBlendLength, 1.0);
}

Point closeBase(Point p, Point end, Point edge, double blend) {
    const double into = blend > 0.0 ? std::clamp((p.x - (end.x - blend)) / blend, 0.0, 1.0) : 1.0;
    const double share = into * into;
    return {p.x - (end.x - edge.x) * share, p.y - (end.y - edge.y) * share};
}

std::optional<SectionCurves> fileSectionCurves(const std::vector<Point>& upperIn,
                                               const std::vector<Point>& lowerIn) {
    std::vector<Point> upper = cleanSurface(upperIn);
    std::vector<Point> lower = cleanSurface(lowerIn);
    if (upper.size() < 3 || lower.size() < 3) return std::nullopt;
    double scale = std::max(extent(upper), extent(lower));
    if (!(scale > 0.0) || !std::isfinite(scale)) return std::nullopt;
    double tolerance = 1e-9 * scale;
    dropRepeats(upper, tolerance);
    dropRepeats(lower, tolerance);
    if (upper.size() < 3 || lower.size() < 3) return std::nullopt;

    std::vector<Point> contour(upper.rbegin(), upper.rend());
    contour.insert(contour.end(), lower.begin(), lower.end());
    dropRepeats(contour, tolerance);
    auto spline = splineContour(contour);
    double sLe = leadingEdgeArc(*spline, contour);
    if (!(sLe > 0.0 && sLe < spline->length)) return std::nullopt;

    Point le = spline->at(sLe);
    Point upperEnd = contour.front();
    Point lowerEnd = contour.back();
    double chord = 0.5 * (upperEnd.x + lowerEnd.x) - le.x;
    if (!(chord > 1e-6 * scale)) return std::nullopt;
    auto normalised = [le, chord](Point p) { return Point{(p.x - le.x) / chord, (p.y - le.y) / chord}; };

    // An open (blunt) trailing edge is closed at the midpoint of its base (see
    // closeBase): the mean line keeps its shape everywhere and the thickness
    // changes only over the last part of the chord.
    Point u = normalised(upperEnd);
    Point l = normalised(lowerEnd);
    Point edge{0.5 * (u.x + l.x), 0.5 * (u.y + l.y)};
    const double blend = trailingEdgeBlendLength(std::hypot(u.x - l.x, u.y - l.y));
    auto closed = [blend](Point p, Point end, Point baseMid) { return closeBase(p, end, baseMid, blend); };
    SectionCurves curves;
    double total = spline->length;
    curves.upper = {[=](double t) { return closed(normalised(spline->at(sLe * (1.0 - t))), u, edge); }, 0.0,
                    1.0};
    curves.lower = {
        [=](double t) { return closed(normalised(spline->at(sLe + (total - sLe) * t)), l, edge); }, 0.0, 1.0};
    curves.leadingEdge = {0.0, 0.0};
    curves.trailingEdge = edge;

    double largest = 0.0;
    if (thicknessSum(plainShape(curves), largest) < 0.0) std::swap(curves.upper, curves.lower);
    if (!(largest > 1e-6)) return std::nullopt;
    return curves;
}

}  // namespace aerolune
