#include "io/ImplausibleContour.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "io/OutlineFrame.h"

namespace aerolune {

namespace {

using outline::Vec;

// Points in the order the file lists them, with the number of the first.
struct Run {
    std::vector<Vec> points;
    int32_t firstNumber = 1;
};

// A Selig file is one run round the section; the first list is its upper part
// reversed (leading edge first) and the second starts at the same point.
std::vector<Run> runsOf(const ParsedAirfoil& parsed) {
    std::vector<Run> runs;
    if (parsed.layout == AirfoilLayout::Selig) {
        Run run;
        for (auto p = parsed.first.rbegin(); p != parsed.first.rend(); ++p)
            run.points.push_back(outline::vec(*p));
        for (std::size_t i = 1; i < parsed.second.size(); ++i)
            run.points.push_back(outline::vec(parsed.second[i]));
        runs.push_back(std::move(run));
        return runs;
    }
    int32_t number = 1;
    for (const FileSurface* s : {&parsed.first, &parsed.second}) {
        Run run;
        run.firstNumber = number;
        for (const FilePoint& p : *s) run.points.push_back(outline::vec(p));
        number += static_cast<int32_t>(s->size());
        runs.push_back(std::move(run));
    }
    return runs;
}

double distanceToSegment(Vec p, Vec a, Vec b) {
    const Vec ab = b - a;
    const double span = outline::dot(ab, ab);
    const double t = span > 0.0 ? std::clamp(outline::dot(p - a, ab) / span, 0.0, 1.0) : 0.0;
    return outline::length(p - (a + t * ab));
}

// The extent of every point but one, in x and in y: the size of the section
// the others make, which a stray point must not set.
struct Extent {
    std::vector<double> xs, ys;
    explicit Extent(const std::vector<Run>& runs) {
        for (const Run& r : runs)
            for (const Vec& p : r.points) xs.push_back(p.x), ys.push_back(p.y);
        std::sort(xs.begin(), xs.end());
        std::sort(ys.begin(), ys.end());
    }
    static double without(const std::vector<double>& v, double value) {
        const double low = v.front() == value ? v[1] : v.front();
        const double high = v.back() == value ? v[v.size() - 2] : v.back();
        return high - low;
    }
    double chordWithout(Vec p) const { return without(xs, p.x); }
    double sizeWithout(Vec p) const { return std::max(without(xs, p.x), without(ys, p.y)); }
};

struct Stray {
    double ratio = 0.0;  // distance over what the rule allows; above 1 is stray
    double distance = 0.0;
    int32_t number = 0;
    Vec at;
};

double spacing(const std::vector<Vec>& p, std::size_t i, std::size_t j) {
    return i < p.size() && j < p.size() ? outline::length(p[i] - p[j]) : 0.0;
}

Stray worstStray(const Run& run, const Extent& extent) {
    const std::vector<Vec>& p = run.points;
    const std::size_t n = p.size();
    Stray worst;
    auto consider = [&](std::size_t i, double distance, double allowed) {
        if (!(allowed > 0.0)) return;
        const double ratio = distance / allowed;
        if (ratio > worst.ratio) worst = {ratio, distance, run.firstNumber + static_cast<int32_t>(i), p[i]};
    };
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double local = std::max(
            {spacing(p, i - 1, i + 1), i >= 2 ? spacing(p, i - 2, i - 1) : 0.0, spacing(p, i + 1, i + 2)});
        consider(i, distanceToSegment(p[i], p[i - 1], p[i + 1]), kStrayPerSpacing * local);
    }
    // An end has one neighbour: it strays when it lies far from it against
    // both the spacing beyond and the size of the rest of the section.
    for (const auto& [end, next, beyond] : {std::array<std::size_t, 3>{0, 1, 2}, {n - 1, n - 2, n - 3}}) {
        if (n < 4) break;
        const double local = std::max(spacing(p, next, beyond), spacing(p, beyond, end == 0 ? 3 : n - 4));
        const double allowed = std::max(kStrayEndPerSpacing * local, 0.5 * extent.sizeWithout(p[end]));
        consider(end, spacing(p, end, next), allowed);
    }
    return worst;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value >= 100.0 ? "%.0f" : "%.2g", value);
    return text;
}

std::string strayPointProblem(const std::vector<Run>& runs) {
    const Extent extent(runs);
    Stray worst;
    for (const Run& run : runs) {
        const Stray s = worstStray(run, extent);
        if (s.ratio > worst.ratio) worst = s;
    }
    if (!(worst.ratio > 1.0)) return {};
    const double chord = extent.chordWithout(worst.at);
    char place[64];
    std::snprintf(place, sizeof place, " (x = %g, y = %g)", worst.at.x, worst.at.y);
    const std::string far = chord > 0.0 ? number(worst.distance / chord) + " chords" : "far";
    return "point " + std::to_string(worst.number) + place + " lies " + far +
           " from its neighbours, off the curve they follow";
}

// Turns of y along the surface, each counted once the surface has come back
// by more than `height` from its last extreme.
int turnsOf(const FileSurface& s, double height) {
    int turns = 0;
    int direction = 0;  // 0 until the surface has first risen or fallen by `height`
    double high = s.front().y, low = high;
    for (const FilePoint& p : s) {
        const double y = p.y;
        if (direction == 0) {
            high = std::max(high, y);
            low = std::min(low, y);
            if (y < high - height) direction = -1, low = y;
            if (y > low + height) direction = 1, high = y;
        } else if (direction > 0) {
            high = std::max(high, y);
            if (y < high - height) ++turns, direction = -1, low = y;
        } else {
            low = std::min(low, y);
            if (y > low + height) ++turns, direction = 1, high = y;
        }
    }
    return turns;
}

std::string sawToothProblem(const ParsedAirfoil& parsed, double chord) {
    const FileSurface* surfaces[] = {&parsed.first, &parsed.second};
    for (int k = 0; k < 2; ++k) {
        if (surfaces[k]->size() < 3) continue;
        const int turns = turnsOf(*surfaces[k], kTurnHeight * chord);
        if (turns > kMostTurns) {
            return std::string("its ") + (k == 0 ? "upper" : "lower") + " surface turns up and down " +
                   std::to_string(turns) + " times, a saw-tooth rather than a section's surface";
        }
    }
    return {};
}

}  // namespace

std::string implausibleContour(const ParsedAirfoil& parsed) {
    std::vector<Run> runs = runsOf(parsed);
    std::erase_if(runs, [](const Run& r) { return r.points.size() < 3; });
    if (runs.empty()) return {};
    if (std::string stray = strayPointProblem(runs); !stray.empty()) return stray;
    const Extent extent(runs);
    return sawToothProblem(parsed, extent.xs.back() - extent.xs.front());
}

}  // namespace aerolune
