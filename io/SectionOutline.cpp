#include "io/SectionOutline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <optional>
#include <vector>

#include "io/OutlineFrame.h"
#include "io/TrailingEdgeOutline.h"

namespace aerolune {

namespace {

using namespace outline;

// A shortfall along the chord below this share of the chord is rounding in
// the file, not a surface that stops short: the chord from the midpoint of
// the two ends is then within 0.01 % of the true one.
constexpr double kShortfall = 2e-4;
// A surface end this much farther along the chord than across it from the
// trailing edge stops short; nearer, the two ends make a (slanting) base.
constexpr double kBaseSlant = 0.5;
// Most points laid along the join of a surface that stops short.
constexpr int kMostJoinSteps = 50;
// A last step this many times longer than the one before it is a straight line.
constexpr double kLongStep = 3.0;
// Enclosed area, in chords squared, below which a contour has no thickness
// (a section 0.01 % thick encloses about 7e-5).
constexpr double kLeastArea = 1e-6;
// Crossings aft of this chordwise place are the rounding of a sharp trailing
// edge written to few decimals (the surfaces swap by a digit in the last
// point or two); the builder closes such an edge as a blunt one.
constexpr double kTrailingEdgeZone = 0.995;

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
// the aft part of a section is close to straight, and a straight join invents
// the least shape. The segment is laid with points at the surface's last
// spacing: the builder's spline through a single long step after short ones
// would bow across the other surface (the lower surface of the Boeing-Vertol
// VR-8, which stops at x = 0.965, rose 0.002 chord above the upper one).
// Points along the straight line from `from` to `to` (excluded, included),
// about `spacing` apart.
FileSurface straightSteps(FilePoint from, FilePoint to, double spacing) {
    const Vec gap = vec(to) - vec(from);
    const double steps = spacing > 0.0 ? std::ceil(length(gap) / spacing) : 1.0;
    const int count = static_cast<int>(std::clamp(steps, 1.0, double(kMostJoinSteps)));
    FileSurface points;
    for (int k = 1; k < count; ++k) {
        const Vec p = vec(from) + (double(k) / count) * gap;
        points.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
    }
    points.push_back(to);
    return points;
}

FilePoint beforeTrailingEnd(const FileSurface& s) { return runsBackwards(s) ? s[1] : s[s.size() - 2]; }

// Appends points at the trailing end of s, given from its present end onwards.
void extendAtTrailingEnd(FileSurface& s, const FileSurface& points) {
    if (runsBackwards(s)) {
        s.insert(s.begin(), points.rbegin(), points.rend());
    } else {
        s.insert(s.end(), points.begin(), points.end());
    }
}

std::string joinShortSurface(FileSurface& first, FileSurface& second, const Frame& f, bool firstIsUpper) {
    const FilePoint a = trailingEnd(first), b = trailingEnd(second);
    const bool edgeOnFirst = dot(vec(a) - f.le, vec(a) - f.le) >= dot(vec(b) - f.le, vec(b) - f.le);
    FileSurface& shortSurface = edgeOnFirst ? second : first;
    const FilePoint edge = edgeOnFirst ? a : b;
    const FilePoint end = edgeOnFirst ? b : a;
    const Vec gap = vec(edge) - vec(end);
    const double along = dot(gap, f.u) / f.chord;
    const double beside = std::fabs(cross(f.u, gap)) / f.chord;
    // A base stands across the chord: its ends lie at about one chordwise
    // place, at most half as far apart along the chord as across it.
    if (!(along > kShortfall && along > kBaseSlant * beside)) return {};
    const double lastStep = length(vec(end) - vec(beforeTrailingEnd(shortSurface)));
    extendAtTrailingEnd(shortSurface, straightSteps(end, edge, lastStep));
    const bool shortIsUpper = edgeOnFirst != firstIsUpper;
    return std::string(shortIsUpper ? "upper" : "lower") + " surface ends at x = " + chordPlace(end.x) +
           "; joined to the trailing edge";
}

// The last step of a sparse file into the trailing edge may be several times
// longer than the one before it (the Boeing 707's upper surface runs from
// x = 0.599 straight to the edge). Like a join, it is read as the straight
// line it is, laid with points at the spacing before it: the builder's spline
// would swing it far below the chord. A step across the chord is an edge,
// not a surface, and is left alone.
std::string straightenLongLastStep(FileSurface& s, const Frame& f, bool upper) {
    if (s.size() < 3) return {};
    const bool backwards = runsBackwards(s);
    const FilePoint end = trailingEnd(s), before = beforeTrailingEnd(s);
    const FilePoint twoBefore = backwards ? s[2] : s[s.size() - 3];
    const double last = length(vec(end) - vec(before)), previous = length(vec(before) - vec(twoBefore));
    const Vec step = vec(end) - vec(before);
    const bool alongChord = std::fabs(dot(step, f.u)) > std::fabs(cross(f.u, step));
    if (!(last > kLongStep * previous) || !alongChord) return {};
    if (backwards) {
        s.erase(s.begin());
    } else {
        s.pop_back();
    }
    extendAtTrailingEnd(s, straightSteps(before, end, previous));
    return std::string(upper ? "upper" : "lower") +
           " surface read as straight from x = " + chordPlace(before.x) + " to the trailing edge";
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
    std::optional<Frame> frame = frameOf(first, second);
    if (!frame) {
        result.reason = "the section has no chord: its ends lie at the leading edge";
        return result;
    }
    const bool firstIsUpper = signedArea(contourOf(first, second)) >= 0.0;
    const bool midpointSetAside = setAsideBaseMidpoint(first, second, *frame);
    if (midpointSetAside) frame = frameOf(first, second);
    if (!frame) {
        result.reason = "the section has no chord: its ends lie at the leading edge";
        return result;
    }
    std::string notice = straightenLongLastStep(first, *frame, firstIsUpper);
    notice = joined(notice, straightenLongLastStep(second, *frame, !firstIsUpper));
    notice = joined(notice, joinShortSurface(first, second, *frame, firstIsUpper));
    notice = joined(notice, thinSurface(first, capacity, firstIsUpper));
    notice = joined(notice, thinSurface(second, capacity, !firstIsUpper));
    if (const std::optional<Frame> f = frameOf(first, second)) {
        notice = joined(notice, mendHairlineCrossings(first, second, *f, firstIsUpper));
        notice = joined(notice, baseNotice(baseWidth(first, second, *f), midpointSetAside));
    }
    result.reason = shapeProblem(first, second);
    if (result.reason.empty()) result.notice = std::move(notice);
    return result;
}

}  // namespace aerolune
