#pragma once
// One Blayer2 call with owned, exactly sized output arrays (plus a guard band
// after each, to catch writes past the documented dimensions), and the
// marching arrays of the classical test flows and of the reference solver's
// NACA surfaces.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "numerics/blayer/Blayer2.h"
#include "support/TestSupport.h"

namespace aerolune::test {

struct BlayerSettings {
    double reynolds = 1e6;
    int32_t points = 32;
    double limit = 50.0;
    int32_t model = 2;
    double roughness = 0.0;
};

constexpr double guardValue = -12345.0;
constexpr std::size_t guardBand = 64;

struct BlayerRun {
    std::vector<double> s, ue;
    BlayerSettings set;
    std::vector<double> profileU, profileY, stationOut, table;
    int32_t rows = -1;

    int32_t n() const { return static_cast<int32_t>(s.size()); }
    double t(int i, int column) const {
        return table[(i - 1) + static_cast<std::size_t>(n()) * (column - 1)];
    }
    double u(int j, int i) const {
        return profileU[(j - 1) + static_cast<std::size_t>(set.points) * (i - 1)];
    }
    double y(int j, int i) const {
        return profileY[(j - 1) + static_cast<std::size_t>(set.points) * (i - 1)];
    }
    double wallShear(int i) const { return stationOut[i - 1]; }

    /// No element of the guard bands changed.
    bool guardsIntact(std::size_t profileSize, std::size_t tableSize) const {
        auto intact = [](const std::vector<double>& v, std::size_t from) {
            for (std::size_t k = from; k < v.size(); ++k)
                if (v[k] != guardValue) return false;
            return true;
        };
        return intact(profileU, profileSize) && intact(profileY, profileSize) &&
               intact(stationOut, static_cast<std::size_t>(n())) && intact(table, tableSize);
    }
};

inline BlayerRun runBlayer(std::vector<double> s, std::vector<double> ue, const BlayerSettings& set) {
    BlayerRun r{std::move(s), std::move(ue), set, {}, {}, {}, {}, -1};
    int32_t n = r.n();
    const BlayerLayout layout = blayerLayout(n, set.points);
    const std::size_t profile = set.points > 0 && n > 0 ? layout.profileSize() : 0;
    const std::size_t table = n > 0 ? layout.tableSize() : 0;
    r.profileU.assign(profile + guardBand, guardValue);
    r.profileY.assign(profile + guardBand, guardValue);
    r.stationOut.assign((n > 0 ? n : 0) + guardBand, guardValue);
    r.table.assign(table + guardBand, guardValue);
    double re = set.reynolds, rough = set.roughness, limit = set.limit;
    int32_t model = set.model;
    r.rows = set.points;
    Blayer2(r.s.data(), r.ue.data(), &re, r.profileU.data(), r.profileY.data(), r.stationOut.data(),
            r.table.data(), &n, &r.rows, &rough, &model, &limit);
    return r;
}

/// Stations s = 0, .., length with edge velocity ue(s).
inline std::pair<std::vector<double>, std::vector<double>> stations(int n, double length,
                                                                    const std::function<double(double)>& ue) {
    std::vector<double> s(n), u(n);
    for (int i = 0; i < n; ++i) {
        s[i] = length * i / (n - 1);
        u[i] = ue(s[i]);
    }
    return {s, u};
}

/// One surface of a reference boundary-layer dump (xfoil_bl/*.csv): arc
/// length from the stagnation point (where the tabulated Ue changes sign),
/// |Ue| and the chordwise position of each station.
struct ReferenceSurface {
    std::vector<double> s, ue, x, dstar, theta;
};

/// Row (station, from 1) whose chordwise position lies nearest x.
inline int rowNear(const ReferenceSurface& surf, double x) {
    std::size_t k = 0;
    for (std::size_t i = 0; i < surf.x.size(); ++i)
        if (std::fabs(surf.x[i] - x) < std::fabs(surf.x[k] - x)) k = i;
    return static_cast<int>(k) + 1;
}

inline std::pair<ReferenceSurface, ReferenceSurface> readReferenceSurfaces(const std::string& relative) {
    std::ifstream in(dataPath(relative));
    std::string line;
    std::getline(in, line);
    std::vector<std::vector<double>> rows;  // s, x, ue, dstar, theta
    while (std::getline(in, line)) {
        std::stringstream ss(line);
        std::vector<std::string> c;
        for (std::string field; std::getline(ss, field, ',');) c.push_back(field);
        if (c.size() < 10 || c[9] == "wake") continue;
        rows.push_back({std::stod(c[0]), std::stod(c[1]), std::stod(c[3]), std::stod(c[4]), std::stod(c[5])});
    }
    std::size_t k = 0;
    while (k + 1 < rows.size() && !(rows[k][2] > 0.0 && rows[k + 1][2] <= 0.0)) ++k;
    const double t = rows[k][2] / (rows[k][2] - rows[k + 1][2]);
    const double sStag = rows[k][0] + t * (rows[k + 1][0] - rows[k][0]);
    ReferenceSurface upper{{0.0}, {0.0}, {0.0}, {0.0}, {0.0}}, lower = upper;
    auto add = [&](ReferenceSurface& surf, const std::vector<double>& r) {
        surf.s.push_back(std::fabs(r[0] - sStag));
        surf.ue.push_back(std::fabs(r[2]));
        surf.x.push_back(r[1]);
        surf.dstar.push_back(r[3]);
        surf.theta.push_back(r[4]);
    };
    for (std::size_t i = k + 1; i-- > 0;) add(upper, rows[i]);
    for (std::size_t i = k + 1; i < rows.size(); ++i) add(lower, rows[i]);
    return {upper, lower};
}

}  // namespace aerolune::test
