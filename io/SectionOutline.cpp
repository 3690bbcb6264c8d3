#include "io/SectionOutline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <optional>
#include <vector>

namespace aerolune {

namespace {

// A shortfall along the chord below this share of the chord is rounding in
// the file, not a surface that stops short: the chord from the midpoint of
// the two ends is then within 0.01 % of the true one.
constexpr double kShortfall = 2e-4;
// Enclosed area, in chords squared, below which a contour has no thickness
// (a section 0.01 % thick encloses about 7e-5).
constexpr double kLeastArea = 1e-6;
// Crossings aft of this chordwise place are the rounding of a sharp trailing
// edge written to few decimals (the surfaces swap by a digit in the last
// point or two); the builder closes such an edge as a blunt one.
constexpr double kTrailingEdgeZone = 0.995;

struct Vec {
    double x = 0.0, y = 0.0;
    bool operator==(const Vec&) const = default;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
Vec vec(const FilePoint& p) { return {p.x, p.y}; }

// The section builder takes a surface to run from the leading edge when its
// first point has the smaller x; so do the checks here.
bool runsBackwards(const FileSurface& s) { return s.front().x > s.back().x; }
FilePoint trailingEnd(const FileSurface& s) { return runsBackwards(s) ? s.front() : s.back(); }

// Chordwise coordinates: the leading edge at 0, the trailing edge at 1.
struct Frame {
    Vec le, u;
    double chord = 0.0;
    double x(Vec p) const { return dot(p - le, u) / chord; }
};

Vec leadingEdge(const FileSurface& first, const FileSurface& second) {
    FilePoint le = first.front();
    for (const FileSurface* s : {&first, &second})
        for (const FilePoint& p : *s)
            if (p.x < le.x) le = p;
    return vec(le);
}

std::optional<Frame> frameOf(const FileSurface& first, const FileSurface& second) {
    Frame f;
    f.le = leadingEdge(first, second);
    const Vec a = vec(trailingEnd(first)) - f.le;
    const Vec b = vec(trailingEnd(second)) - f.le;
    const Vec edge = dot(a, a) >= dot(b, b) ? a : b;
    f.chord = std::hypot(edge.x, edge.y);
    if (!(f.chord > 0.0)) return std::nullopt;
    f.u = {edge.x / f.chord, edge.y / f.chord};
    return f;
}

bool hasNoChord(const FileSurface& first, const FileSurface& second) {
    float xmin = first.front().x, xmax = xmin;
    for (const FileSurface* s : {&first, &second}) {
        for (const FilePoint& p : *s) xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
    }
    const double width = double(xmax) - xmin;
    return !(width > 1e-9 * std::max({1.0, std::fabs(double(xmin)), std::fabs(double(xmax))}));
}

// The closed contour as the builder joins it: the first surface from the
// trailing edge to the leading edge, then the second back, without repeats.
std::vector<Vec> contourOf(const FileSurface& first, const FileSurface& second) {
    std::vector<Vec> points;
    auto add = [&points](const FilePoint& p) {
        if (points.empty() || !(points.back() == vec(p))) points.push_back(vec(p));
    };
    if (runsBackwards(first)) {
        std::for_each(first.begin(), first.end(), add);
    } else {
        std::for_each(first.rbegin(), first.rend(), add);
    }
    if (runsBackwards(second)) {
        std::for_each(second.rbegin(), second.rend(), add);
    } else {
        std::for_each(second.begin(), second.end(), add);
    }
    if (points.size() > 1 && points.front() == points.back()) points.pop_back();
    return points;
}

// Positive when the contour runs counter-clockwise, that is when the first
// surface (run from the trailing edge forward) is the upper one.
double signedArea(const std::vector<Vec>& p) {
    double twice = 0.0;
    for (std::size_t i = 0; i < p.size(); ++i) twice += cross(p[i], p[(i + 1) % p.size()]);
    return 0.5 * twice;
}

std::string chordPlace(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", x);
    return text;
}

// A surface that stops short of the trailing edge is joined to it by a
// straight segment from its last point. What the file leaves out is unknown;
// the aft part of a section is close to straight, a straight join invents the
// least shape, and the builder's spline rounds the corner it leaves.
std::string joinShortSurface(FileSurface& first, FileSurface& second, const Frame& f, bool firstIsUpper) {
    const FilePoint a = trailingEnd(first), b = trailingEnd(second);
    const bool edgeOnFirst = dot(vec(a) - f.le, vec(a) - f.le) >= dot(vec(b) - f.le, vec(b) - f.le);
    FileSurface& shortSurface = edgeOnFirst ? second : first;
    const FilePoint edge = edgeOnFirst ? a : b;
    const FilePoint end = edgeOnFirst ? b : a;
    const Vec gap = vec(edge) - vec(end);
    const double along = dot(gap, f.u) / f.chord;
    const double beside = std::fabs(cross(f.u, gap)) / f.chord;
    if (!(along > kShortfall && along > beside)) return {};
    if (runsBackwards(shortSurface)) {
        shortSurface.insert(shortSurface.begin(), edge);
    } else {
        shortSurface.push_back(edge);
    }
    const bool shortIsUpper = edgeOnFirst != firstIsUpper;
    return std::string(shortIsUpper ? "upper" : "lower") + " surface ends at x = " + chordPlace(end.x) +
           "; joined to the trailing edge";
}

// Keeps `capacity` points spread evenly over the file's order, both ends
// included: the file's own spacing (close at the nose) survives, only coarser.
std::string thinSurface(FileSurface& s, std::size_t capacity, bool upper) {
    const std::size_t m = s.size();
    if (m <= capacity || capacity < 2) return {};
    FileSurface kept;
    kept.reserve(capacity);
    for (std::size_t k = 0; k < capacity; ++k)
        kept.push_back(s[(2 * k * (m - 1) + capacity - 1) / (2 * (capacity - 1))]);
    s = std::move(kept);
    return std::string(upper ? "upper" : "lower") + " surface thinned evenly from " + std::to_string(m) +
           " to " + std::to_string(capacity) + " points";
}

struct Crossing {
    bool found = false;
    bool proper = false;  ///< the segments cross, rather than touch or overlap
    Vec at;
};

bool within(Vec a, Vec b, Vec p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

Crossing segmentsMeet(Vec a, Vec b, Vec c, Vec d) {
    const double o1 = cross(b - a, c - a), o2 = cross(b - a, d - a);
    const double o3 = cross(d - c, a - c), o4 = cross(d - c, b - c);
    if (((o1 > 0 && o2 < 0) || (o1 < 0 && o2 > 0)) && ((o3 > 0 && o4 < 0) || (o3 < 0 && o4 > 0))) {
        const double t = o3 / (o3 - o4);
        return {true, true, {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}};
    }
    if (o1 == 0 && within(a, b, c)) return {true, false, c};
    if (o2 == 0 && within(a, b, d)) return {true, false, d};
    if (o3 == 0 && within(c, d, a)) return {true, false, a};
    if (o4 == 0 && within(c, d, b)) return {true, false, b};
    return {};
}

// The first place (in order of x) where two segments of the closed contour
// cross, touch or fold back on each other, outside the trailing-edge zone.
// Segments are swept in order of their least x, so only those whose x ranges
// overlap are compared.
Crossing firstCrossing(const std::vector<Vec>& p, const Frame& f) {
    const std::size_t n = p.size();
    Crossing found;
    auto keep = [&found, &f](const Crossing& c) {
        if (c.found && f.x(c.at) < kTrailingEdgeZone && (!found.found || c.at.x < found.at.x)) found = c;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const Vec in = p[(i + 1) % n] - p[i], out = p[(i + 2) % n] - p[(i + 1) % n];
        if (cross(in, out) == 0.0 && dot(in, out) < 0.0) keep({true, false, p[(i + 1) % n]});
    }
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    auto xmin = [&p, n](std::size_t i) { return std::min(p[i].x, p[(i + 1) % n].x); };
    auto xmax = [&p, n](std::size_t i) { return std::max(p[i].x, p[(i + 1) % n].x); };
    std::sort(order.begin(), order.end(),
              [&xmin](std::size_t a, std::size_t b) { return xmin(a) < xmin(b); });
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = order[k];
        for (std::size_t m = k + 1; m < n && xmin(order[m]) <= xmax(i); ++m) {
            const std::size_t j = order[m];
            const std::size_t gap = i > j ? i - j : j - i;
            if (gap <= 1 || gap == n - 1) continue;  // neighbours share a point
            keep(segmentsMeet(p[i], p[(i + 1) % n], p[j], p[(j + 1) % n]));
        }
    }
    return found;
}

std::string shapeProblem(const FileSurface& first, const FileSurface& second) {
    const std::optional<Frame> f = frameOf(first, second);
    if (!f) return "the section has no chord: its ends lie at the leading edge";
    const std::vector<Vec> contour = contourOf(first, second);
    const bool thin = std::fabs(signedArea(contour)) < kLeastArea * f->chord * f->chord;
    const Crossing crossing = firstCrossing(contour, *f);
    if (thin && !(crossing.found && crossing.proper)) return "the section has no thickness";
    if (crossing.found) return "the contour crosses itself near x = " + chordPlace(crossing.at.x);
    return {};
}

std::string joined(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + "; " + b;
}

}  // namespace

OutlineResult settleOutline(FileSurface& first, FileSurface& second, std::size_t capacity) {
    OutlineResult result;
    if (hasNoChord(first, second)) {
        result.reason = "the section has no chord: all its points have the same x";
        return result;
    }
    const std::optional<Frame> frame = frameOf(first, second);
    if (!frame) {
        result.reason = "the section has no chord: its ends lie at the leading edge";
        return result;
    }
    const bool firstIsUpper = signedArea(contourOf(first, second)) >= 0.0;
    std::string notice = joinShortSurface(first, second, *frame, firstIsUpper);
    notice = joined(notice, thinSurface(first, capacity, firstIsUpper));
    notice = joined(notice, thinSurface(second, capacity, !firstIsUpper));
    result.reason = shapeProblem(first, second);
    if (result.reason.empty()) result.notice = std::move(notice);
    return result;
}

}  // namespace aerolune
