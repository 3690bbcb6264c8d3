#include "numerics/blayer/Blayer2.h"

#include <algorithm>
#include <cmath>

#include "common/Array.h"
#include "numerics/blayer/SurfaceMarch.h"

namespace aerolune {

namespace {

bool finite(double v) { return std::isfinite(v); }

// The settings, or false when one of them is outside what the solver can use.
bool readSettings(double reynolds, int32_t points, double roughness, int32_t model, double limit,
                  blayer::MarchSettings& out) {
    if (!finite(reynolds) || reynolds < BlayerLimits::minReynolds) return false;
    if (points < BlayerLimits::minPoints || points > BlayerLimits::maxPoints) return false;
    if (!finite(limit) || limit < BlayerLimits::minLimit || limit > BlayerLimits::maxLimit) return false;
    if (!finite(roughness) || model < 0 || model > 2) return false;
    out.points = points;
    out.etaMax = limit;
    out.reynolds = reynolds;
    out.roughness = std::max(roughness, 0.0);
    out.model = static_cast<blayer::TransitionModel>(model);
    return true;
}

// How many leading stations the march may use: 0 when the input as a whole
// is unusable (NaN, s not increasing, negative Ue(1));
// otherwise up to the station before the first non-positive edge velocity.
int usableStations(const View1<double>& s, const View1<double>& ue) {
    const auto n = s.size();
    for (std::ptrdiff_t i = 1; i <= n; ++i)
        if (!finite(s(i)) || !finite(ue(i))) return 0;
    if (ue(1) < 0.0) return 0;
    for (std::ptrdiff_t i = 2; i <= n; ++i)
        if (!(s(i) > s(i - 1))) return 0;
    std::ptrdiff_t usable = 1;
    while (usable < n && ue(usable + 1) > 0.0) ++usable;
    return static_cast<int>(usable);
}

void writeResults(const blayer::MarchResult& r, const BlayerLayout& layout, const View1<double>& s,
                  const View2<double>& profileU, const View2<double>& profileY,
                  const View1<double>& stationOut, const View2<double>& table) {
    const std::ptrdiff_t points = layout.pointsAcross;
    for (std::size_t k = 0; k < r.rows.size(); ++k) {
        const auto i = static_cast<std::ptrdiff_t>(k) + 1;
        const blayer::StationRow& row = r.rows[k];
        table(i, BlayerArcLength) = s(i);
        table(i, BlayerDisplacement) = row.displacement;
        table(i, BlayerMomentum) = row.momentum;
        table(i, BlayerFriction) = row.cfFreeStream;
        table(i, BlayerDelta99) = row.delta99;
        table(i, BlayerShape) = row.shape;
        table(i, BlayerTurbulent) = row.turbulent ? 1.0 : 0.0;
        table(i, BlayerIntermittency) = row.gamma;
        table(i, BlayerReTheta) = row.reTheta;
        stationOut(i) = row.wallShear;
        for (std::ptrdiff_t j = 1; j <= points; ++j) {
            profileU(j, i) = r.profileU[k * points + (j - 1)];
            profileY(j, i) = r.profileY[k * points + (j - 1)];
        }
    }
}

// A last guard: a station whose numbers are not all finite is cut with
// everything after it, as a separation would be.
std::size_t finiteRows(const blayer::MarchResult& r, std::size_t points) {
    for (std::size_t k = 0; k < r.rows.size(); ++k) {
        const blayer::StationRow& row = r.rows[k];
        const double values[] = {row.displacement, row.momentum, row.cfFreeStream, row.delta99,
                                 row.shape,        row.gamma,    row.reTheta,      row.wallShear};
        bool ok = std::all_of(std::begin(values), std::end(values), finite);
        for (std::size_t j = 0; j < points && ok; ++j)
            ok = finite(r.profileU[k * points + j]) && finite(r.profileY[k * points + j]);
        if (!ok) return k;
    }
    return r.rows.size();
}

}  // namespace

void Blayer2(double* s, double* ue, double* reynolds, double* profileU, double* profileY, double* stationOut,
             double* table, int32_t* stationCount, int32_t* resultCount, double* roughness, int32_t* model,
             double* limit) {
    if (!resultCount) return;
    const int32_t points = *resultCount;
    *resultCount = 0;
    if (!s || !ue || !reynolds || !profileU || !profileY || !stationOut || !table || !stationCount ||
        !roughness || !model || !limit)
        return;
    const int32_t n = *stationCount;
    // Without sane dimensions the extent of the caller's arrays is unknown:
    // write nothing at all.
    if (n < 1 || points < 1) return;

    const BlayerLayout layout = blayerLayout(n, points);
    std::fill_n(profileU, layout.profileSize(), 0.0);
    std::fill_n(profileY, layout.profileSize(), 0.0);
    std::fill_n(stationOut, layout.stationOutSize(), 0.0);
    std::fill_n(table, layout.tableSize(), 0.0);

    blayer::MarchSettings settings;
    if (n < 2 || n > BlayerLimits::maxStations ||
        !readSettings(*reynolds, points, *roughness, *model, *limit, settings))
        return;
    const View1<double> sView(s, n), ueView(ue, n);
    const int usable = usableStations(sView, ueView);
    if (usable < 2) return;

    blayer::MarchResult r = blayer::marchSurface(s, ue, usable, settings);
    r.rows.resize(finiteRows(r, static_cast<std::size_t>(points)));
    if (r.rows.size() < 2) return;
    writeResults(r, layout, sView, View2<double>(profileU, points, n), View2<double>(profileY, points, n),
                 View1<double>(stationOut, n), View2<double>(table, n, BlayerLayout::tableColumns));
    *resultCount = static_cast<int32_t>(r.rows.size());
}

}  // namespace aerolune
