#include "io/TrailingEdgeOutline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "numerics/airfoil/FileSection.h"

namespace aerolune::outline {

namespace {

// Surfaces that swap in the last half per cent of the chord are a sharp edge
// written to few decimals; the builder closes it.
constexpr double kSharpEdgeZone = 0.995;
// A base narrower than this (chords) is a sharp edge written to few decimals.
constexpr double kLeastBase = 1e-4;
// Longest chordwise step from a base's edge to a closing point at its middle.
constexpr double kBaseStep = 0.005;

std::string fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

FilePoint beforeTrailingEnd(const FileSurface& s) { return runsBackwards(s) ? s[1] : s[s.size() - 2]; }

void dropTrailingEnd(FileSurface& s) {
    if (runsBackwards(s)) {
        s.erase(s.begin());
    } else {
        s.pop_back();
    }
}

bool isBaseMidpoint(const FileSurface& s, const FileSurface& other, const Frame& f) {
    if (s.size() < 4) return false;
    const Vec end = vec(trailingEnd(s)), before = vec(beforeTrailingEnd(s)),
              otherEnd = vec(trailingEnd(other));
    const double along = std::fabs(f.x(end) - f.x(before));
    const double across = std::fabs(f.y(end) - f.y(before));
    const bool between = (f.y(before) - f.y(end)) * (f.y(otherEnd) - f.y(end)) < 0.0;
    const bool sameStation = std::fabs(f.x(otherEnd) - f.x(before)) <= kBaseStep;
    return along <= kBaseStep && 2.0 * along <= across && between && sameStation;
}

// One surface in chordwise coordinates, from the leading edge.
struct Run {
    std::vector<double> x, y;
};

Run runOf(const FileSurface& s, const Frame& f) {
    Run r;
    for (const FilePoint& p : s) r.x.push_back(f.x(vec(p))), r.y.push_back(f.y(vec(p)));
    if (runsBackwards(s)) std::reverse(r.x.begin(), r.x.end()), std::reverse(r.y.begin(), r.y.end());
    return r;
}

bool runsForwardFrom(const Run& r, double from) {
    for (std::size_t i = 1; i < r.x.size(); ++i)
        if (r.x[i] > from && !(r.x[i] > r.x[i - 1])) return false;
    return true;
}

// y of the run at x by straight lines between its points; its end value past its end.
double yAt(const Run& r, double x) {
    if (x >= r.x.back()) return r.y.back();
    const auto k = static_cast<std::size_t>(std::upper_bound(r.x.begin(), r.x.end(), x) - r.x.begin());
    if (k == 0) return r.y.front();
    const double s = (x - r.x[k - 1]) / (r.x[k] - r.x[k - 1]);
    return r.y[k - 1] + s * (r.y[k] - r.y[k - 1]);
}

// Thickness at every point of either surface from `from` on, in order of x.
struct Station {
    double x, thickness;
};
std::vector<Station> thicknessFrom(const Run& upper, const Run& lower, double from) {
    std::vector<Station> stations;
    for (std::size_t i = 0; i < upper.x.size(); ++i)
        if (upper.x[i] >= from) stations.push_back({upper.x[i], upper.y[i] - yAt(lower, upper.x[i])});
    for (std::size_t i = 0; i < lower.x.size(); ++i)
        if (lower.x[i] >= from) stations.push_back({lower.x[i], yAt(upper, lower.x[i]) - lower.y[i]});
    std::sort(stations.begin(), stations.end(), [](const Station& a, const Station& b) { return a.x < b.x; });
    return stations;
}

// A stretch where the surfaces cross, between the nearest stations where they
// stand apart (the trailing edge, thickness zero, when none follows).
struct Crossed {
    Station before, after;
    double most = 0.0;  ///< largest overlap, chords
    double firstX = 0.0;
};

std::vector<Crossed> crossedStretches(const std::vector<Station>& stations) {
    std::vector<Crossed> stretches;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        if (!(stations[i].thickness < 0.0) || stations[i].x >= kSharpEdgeZone) continue;
        if (i == 0) return {};  // crossed from the first station: nothing to mend from
        Crossed c;
        c.before = stations[i - 1];
        c.firstX = stations[i].x;
        c.after = {1.0, 0.0};
        for (; i < stations.size(); ++i) {
            if (stations[i].thickness > 0.0) {
                c.after = stations[i];
                break;
            }
            c.most = std::max(c.most, -stations[i].thickness);
        }
        stretches.push_back(c);
    }
    return stretches;
}

// Moves the surface's points inside the stretch to the mean line -/+ half the
// thickness interpolated across it.
void mend(FileSurface& s, const Run& own, const Run& other, const Frame& f, const Crossed& c, double side) {
    const bool backwards = runsBackwards(s);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::size_t k = backwards ? s.size() - 1 - i : i;
        const double x = own.x[k];
        if (!(x > c.before.x && x < c.after.x) && !(c.after.x >= 1.0 && x >= c.after.x)) continue;
        const double mean = 0.5 * (own.y[k] + yAt(other, x));
        const double share = std::clamp((x - c.before.x) / (c.after.x - c.before.x), 0.0, 1.0);
        const double thickness = c.before.thickness + share * (c.after.thickness - c.before.thickness);
        const Vec p = f.at(x, mean + side * 0.5 * thickness);
        s[i] = {static_cast<float>(p.x), static_cast<float>(p.y)};
    }
}

}  // namespace

bool setAsideBaseMidpoint(FileSurface& first, FileSurface& second, const Frame& f) {
    for (FileSurface* s : {&first, &second}) {
        const FileSurface& other = s == &first ? second : first;
        if (!isBaseMidpoint(*s, other, f)) continue;
        dropTrailingEnd(*s);
        return true;
    }
    return false;
}

std::string mendHairlineCrossings(FileSurface& first, FileSurface& second, const Frame& f,
                                  bool firstIsUpper) {
    FileSurface& upperList = firstIsUpper ? first : second;
    FileSurface& lowerList = firstIsUpper ? second : first;
    const Run upper = runOf(upperList, f), lower = runOf(lowerList, f);
    if (!runsForwardFrom(upper, kMendFrom) || !runsForwardFrom(lower, kMendFrom)) return {};
    const std::vector<Crossed> stretches = crossedStretches(thicknessFrom(upper, lower, kMendFrom));
    if (stretches.empty()) return {};
    double most = 0.0;
    for (const Crossed& c : stretches) most = std::max(most, c.most);
    if (!(most > 0.0 && most <= kMostCrossing)) return {};
    for (const Crossed& c : stretches) {
        mend(upperList, upper, lower, f, c, 1.0);
        mend(lowerList, lower, upper, f, c, -1.0);
    }
    const Crossed& last = stretches.back();
    const std::string to =
        last.after.x >= 1.0 ? "the trailing edge" : "x = " + fixed(f.at(last.after.x, 0.0).x, 3);
    return "the surfaces cross by up to " + fixed(100.0 * most, 3) +
           " % of the chord from x = " + fixed(f.at(stretches.front().firstX, 0.0).x, 3) +
           "; the thickness from x = " + fixed(f.at(stretches.front().before.x, 0.0).x, 3) + " to " + to +
           " is interpolated where they stand apart";
}

double baseWidth(const FileSurface& first, const FileSurface& second, const Frame& f) {
    return length(vec(trailingEnd(first)) - vec(trailingEnd(second))) / f.chord;
}

std::string baseNotice(double width, bool midpointSetAside) {
    if (!(width >= kLeastBase)) return {};
    std::string notice = "blunt trailing edge " + fixed(100.0 * width, 2) + " % of the chord wide";
    if (midpointSetAside) notice += " (the file's point at the middle of its base set aside)";
    return notice + ": both surfaces run into the middle of its base over the last " +
           fixed(100.0 * trailingEdgeBlendLength(width), 1) + " % of the chord";
}

}  // namespace aerolune::outline
