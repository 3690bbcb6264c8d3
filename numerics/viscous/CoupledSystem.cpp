#include "numerics/viscous/CoupledSystem.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <utility>

namespace aerolune::viscous {

namespace {

constexpr double kLaminarShapeLimit = 3.8;  // the first march turns inverse above these
constexpr double kTurbulentShapeLimit = 2.5;
constexpr int kStagnationPasses = 5;
// Times the surfaces may be split anew at a moved stagnation point within
// one Newton iteration sequence.
constexpr int kMostSplits = 8;
// Nodes closer to the stagnation point than this many lengths of the panel
// holding it take their layer from the first station behind them.
constexpr double kStagnationZone = 0.6;

// In amplification exponents: a small part of the growth over one interval
// near the transition point.
constexpr double kTransitionHysteresis = 0.25;

double hiemenzTheta(double gradient, double re) { return 0.29234 / std::sqrt(re * std::max(gradient, 1e-6)); }

}  // namespace

CoupledSystem::CoupledSystem(const ContourPanels& contour, const WakePanels& wake,
                             const Eigen::VectorXd& gammaInviscid, const Eigen::MatrixXd& gammaResponse,
                             const WakeSpeeds& wakeSpeed, const CoupledLayerSettings& settings)
    : contour_(contour),
      wake_(wake),
      gammaInviscid_(gammaInviscid),
      gammaResponse_(gammaResponse),
      wakeSpeed_(wakeSpeed),
      settings_(settings) {}

// The stagnation point: where the sheet strength changes sign from the lower
// surface's (negative, flow against the contour's direction) to the upper
// one's, the change nearest the nose if there are several.
bool CoupledSystem::placeStations(const Eigen::VectorXd& gamma) {
    const int n = contour_.n;
    int k = -1;
    for (int j = 0; j < n; ++j)
        if (gamma(j) < 0.0 && gamma(j + 1) >= 0.0 && (k < 0 || contour_.x[j] < contour_.x[k])) k = j;
    if (k < 1 || k > n - 2) return false;
    const double frac = gamma(k) / (gamma(k) - gamma(k + 1));
    const double arc = contour_.arc[k] + frac * contour_.length[k];

    // Keep what the stations already solved for wherever a node stays on its side.
    const std::vector<Side> oldSide = side_;
    const std::vector<int> oldNode = node_;
    const std::vector<StationState> oldState = st_;
    const std::vector<char> oldTurbulent = turbulent_;
    stagNode_ = k;
    stagArc_ = arc;
    nUpper_ = n - k;
    nLower_ = k + 1;
    nWake_ = wake_.nodes();
    const int total = nUpper_ + nLower_ + nWake_;
    side_.assign(total, Side::Upper);
    node_.assign(total, 0);
    xi_.assign(total, 0.0);
    xc_.assign(total, 0.0);
    sign_.assign(total, 1.0);
    for (int i = 0; i < nUpper_; ++i) {
        node_[i] = k + 1 + i;
        xi_[i] = contour_.arc[node_[i]] - arc;
    }
    for (int i = 0; i < nLower_; ++i) {
        const int s = nUpper_ + i;
        side_[s] = Side::Lower;
        node_[s] = k - i;
        xi_[s] = arc - contour_.arc[node_[s]];
        sign_[s] = -1.0;
    }
    for (int i = 0; i < nWake_; ++i) {
        const int s = wakeFirst() + i;
        side_[s] = Side::Wake;
        node_[s] = i;
        xi_[s] = wake_.arc[i];
    }
    for (int i = 0; i < total; ++i) {
        xi_[i] = side_[i] == Side::Wake ? xi_[i] : std::max(xi_[i], 1e-7);
        xc_[i] = side_[i] == Side::Wake ? wake_.x[node_[i]] : contour_.x[node_[i]];
    }
    // Nodes closer to the stagnation point than kStagnationZone panel
    // lengths carry no layer equations of their own (see residual()).
    const double zone = kStagnationZone * contour_.length[k];
    firstUpper_ = 0;
    while (firstUpper_ + 1 < nUpper_ - 2 && xi_[firstUpper_] < zone) ++firstUpper_;
    firstLower_ = nUpper_;
    while (firstLower_ + 1 < nUpper_ + nLower_ - 2 && xi_[firstLower_] < zone) ++firstLower_;
    buildInfluence();

    st_.assign(total, StationState{});
    turbulent_.assign(total, 0);
    kind_.assign(total, IntervalKind::Laminar);
    bool kept = !oldState.empty();
    for (int i = 0; i < total && kept; ++i) {
        bool found = false;
        for (int o = 0; o < static_cast<int>(oldState.size()); ++o) {
            if (oldSide[o] == side_[i] && oldNode[o] == node_[i]) {
                st_[i] = oldState[o];
                turbulent_[i] = oldTurbulent[o];
                found = true;
                break;
            }
        }
        if (!found && i > 0 && side_[i - 1] == side_[i] && !isInert(i) && !isFirst(i)) {
            // A node that changed sides: start it as the layer next to it.
            st_[i] = st_[i - 1];
            turbulent_[i] = turbulent_[i - 1];
        } else if (!found) {
            // A station new to the layer: a stagnation-point layer of the
            // inviscid speed gradient on the stagnation panel.
            const double ue = std::max(ueInviscid_(i), 1e-4);
            const double gradient = (ueInviscid_(0) + ueInviscid_(nUpper_)) / contour_.length[stagNode_];
            const double theta = hiemenzTheta(gradient, settings_.re);
            st_[i] = {0.0, theta, 2.216 * theta * ue, ue};
        }
    }
    if (!kept) {
        march();
        return true;
    }
    // The states carried over near the new stagnation point belonged to
    // other distances from it (or to the other surface): the first station
    // and the nodes before it start again from Hiemenz's layer at the
    // present speeds.
    updateSpeeds();
    for (const auto& [start, first] : {std::pair{0, firstUpper_}, std::pair{nUpper_, firstLower_}}) {
        const double ue = std::max(st_[first].ue, 1e-4);
        const double theta = hiemenzTheta(ue / xi_[first], settings_.re);
        for (int i = start; i <= first; ++i) {
            const double u = ue * xi_[i] / xi_[first];
            st_[i] = {0.0, theta, 2.216 * theta * u, u};
            turbulent_[i] = 0;
            kind_[i] = IntervalKind::Laminar;
        }
    }
    updateSpeeds();
    return true;
}

// sigma on a surface panel is the growth of m along the flow over it; on the
// panel holding the stagnation point both surfaces' first m flow out of it.
void CoupledSystem::buildInfluence() {
    const int n = contour_.n;
    const int total = nUpper_ + nLower_ + nWake_;
    const int sources = n + nWake_ - 1;
    const auto upper = [&](int node) { return node - (stagNode_ + 1); };
    const auto lower = [&](int node) { return nUpper_ + (stagNode_ - node); };
    sourceOfMass_ = Eigen::MatrixXd::Zero(sources, total);
    for (int j = 0; j < n; ++j) {
        const double inv = 1.0 / contour_.length[j];
        if (j > stagNode_) {
            sourceOfMass_(j, upper(j + 1)) += inv;
            sourceOfMass_(j, upper(j)) -= inv;
        } else if (j < stagNode_) {
            sourceOfMass_(j, lower(j)) += inv;
            sourceOfMass_(j, lower(j + 1)) -= inv;
        } else {
            sourceOfMass_(j, upper(j + 1)) += inv;
            sourceOfMass_(j, lower(j)) += inv;
        }
    }
    for (int q = 0; q + 1 < nWake_; ++q) {
        const double inv = 1.0 / wake_.length[q];
        sourceOfMass_(n + q, wakeFirst() + q + 1) += inv;
        sourceOfMass_(n + q, wakeFirst() + q) -= inv;
    }
    Eigen::MatrixXd speedOfSource(total, sources);
    ueInviscid_.resize(total);
    for (int i = 0; i < total; ++i) {
        if (side_[i] == Side::Wake) {
            speedOfSource.row(i) = wakeSpeed_.response.row(node_[i]);
            ueInviscid_(i) = wakeSpeed_.inviscid(node_[i]);
        } else {
            speedOfSource.row(i) = sign_[i] * gammaResponse_.row(node_[i]);
            ueInviscid_(i) = sign_[i] * gammaInviscid_(node_[i]);
        }
    }
    // Every source is the difference of two mass defects (or, on the
    // stagnation panel, their sum): two entries per row, so the product is
    // taken over those only.
    speedOfMass_ = Eigen::MatrixXd::Zero(total, total);
    for (int q = 0; q < sources; ++q)
        for (int j = 0; j < total; ++j)
            if (const double v = sourceOfMass_(q, j); v != 0.0)
                speedOfMass_.col(j) += v * speedOfSource.col(q);
}

// The equations of station i.
//
// The first station of each surface is Hiemenz's plane stagnation-point
// layer for the speed gradient a = Ue / xi found there: theta = 0.29234 /
// sqrt(Re a), delta* = 2.216 theta, N = 0 (theta does not depend on the
// distance from the stagnation point). The nodes between it and the
// stagnation point share its theta and carry the mass defect of the same
// flow, m growing linearly with xi (Ue = a xi, delta* constant). This
// keeps every equation regular however close a node lies to the stagnation
// point, where its own speed tends to zero and a ratio of it to its
// distance would be indeterminate.
Residual CoupledSystem::residual(int i) const {
    if (isInert(i)) {
        const StationState& s = st_[i];
        const StationState& next = st_[i + 1];
        const double theta = std::max(s.theta, 1e-10);
        return {s.c, std::log(theta / std::max(next.theta, 1e-10)),
                (s.m - xi_[i] / xi_[i + 1] * next.m) / std::max(std::fabs(next.m), 1e-12)};
    }
    if (isFirst(i)) {
        // The speed gradient from this station to the next: Ue = a xi holds
        // near the stagnation point whatever its position, so the gradient
        // stays right while the point moves with the solution.
        const StationState& s = st_[i];
        const StationState& next = st_[i + 1];
        const double gradient = std::max((next.ue - s.ue) / (xi_[i + 1] - xi_[i]), 1e-3);
        const double theta = std::max(s.theta, 1e-10);
        const double speedScale = std::max(next.ue, 1e-3);
        return {std::log(theta) - std::log(hiemenzTheta(gradient, settings_.re)),
                (s.m - 2.216 * theta * s.ue) / (theta * speedScale), s.c};
    }
    if (i == wakeFirst())
        return wakeStartResidual(st_[upperEdge()], turbulent_[upperEdge()], st_[lowerEdge()],
                                 turbulent_[lowerEdge()], st_[i], settings_.re);
    return intervalResidual(kind_[i], st_[i - 1], st_[i], xi_[i - 1], xi_[i], isFirst(i - 1), settings_.re,
                            settings_.ncrit);
}

int CoupledSystem::dependencies(int i, int deps[3]) const {
    if (isInert(i)) {
        deps[0] = i;
        deps[1] = i + 1;
        return 2;
    }
    if (isFirst(i)) {
        deps[0] = i;
        deps[1] = i + 1;
        return 2;
    }
    if (i == wakeFirst()) {
        deps[0] = upperEdge();
        deps[1] = lowerEdge();
        deps[2] = i;
        return 3;
    }
    deps[0] = i - 1;
    deps[1] = i;
    return 2;
}

// Solves station i's three equations with its upstream neighbour held:
// directly for (c, theta, m) at the given edge speed, or inversely for
// (c, theta, Ue) with delta* = hkTarget theta.
bool CoupledSystem::solveStation(int i, bool inverse, double hkTarget) {
    StationState& s = st_[i];
    for (int it = 0; it < 40; ++it) {
        if (inverse) s.m = hkTarget * s.theta * s.ue;
        const Residual r0 = residual(i);
        Eigen::Matrix3d jac;
        double* vars[3] = {&s.c, &s.theta, inverse ? &s.ue : &s.m};
        for (int v = 0; v < 3; ++v) {
            const double keep = *vars[v];
            const double h = 1e-7 * std::max(std::fabs(keep), v == 0 ? 1e-3 : 1e-9);
            *vars[v] = keep + h;
            if (inverse) s.m = hkTarget * s.theta * s.ue;
            const Residual r1 = residual(i);
            for (int e = 0; e < 3; ++e) jac(e, v) = (r1[e] - r0[e]) / h;
            *vars[v] = keep;
        }
        if (inverse) s.m = hkTarget * s.theta * s.ue;
        const Eigen::Vector3d dx = jac.partialPivLu().solve(-Eigen::Vector3d(r0[0], r0[1], r0[2]));
        if (!dx.allFinite()) return false;
        double rlx = 1.0;
        for (int v = 1; v < 3; ++v)
            if (rlx * std::fabs(dx(v)) > 0.5 * std::fabs(*vars[v]))
                rlx = 0.5 * std::fabs(*vars[v]) / std::fabs(dx(v));
        const double cLimit = turbulent_[i] ? 0.5 * std::max(s.c, 1e-4) : 2.0;
        if (rlx * std::fabs(dx(0)) > cLimit) rlx = cLimit / std::fabs(dx(0));
        for (int v = 0; v < 3; ++v) *vars[v] += rlx * dx(v);
        if (inverse) s.m = hkTarget * s.theta * s.ue;
        const double change = std::max(std::fabs(dx(1)) / s.theta, std::fabs(dx(2)) / std::fabs(*vars[2]));
        if (rlx == 1.0 && change < 1e-9) return true;
    }
    return false;
}

void CoupledSystem::marchSurface(int zoneStart, int first, int last) {
    {
        const double ue = std::max(marchSpeed_(first), 1e-4);
        const double theta = hiemenzTheta(ue / xi_[first], settings_.re);
        for (int i = zoneStart; i <= first; ++i) {
            const double u = ue * xi_[i] / xi_[first];
            st_[i] = {0.0, theta, 2.216 * theta * u, u};
            turbulent_[i] = 0;
            kind_[i] = IntervalKind::Laminar;
        }
    }
    for (int i = first + 1; i <= last; ++i) {
        const StationState& prev = st_[i - 1];
        const double hk = std::max(shapeFactor(prev), 1.3);
        StationState& s = st_[i];
        s = prev;
        s.ue = std::max(marchSpeed_(i), 1e-4);
        s.m = hk * prev.theta * s.ue;
        turbulent_[i] = turbulent_[i - 1];
        kind_[i] = turbulent_[i] ? IntervalKind::Turbulent : IntervalKind::Laminar;
        bool ok = solveStation(i, false, 0.0);
        if (!turbulent_[i] && s.c >= settings_.ncrit) {
            turbulent_[i] = 1;
            kind_[i] = IntervalKind::Transition;
            s.c = transitionStartShear(prev, settings_.re);
            ok = solveStation(i, false, 0.0);
        }
        const double limit = turbulent_[i] ? kTurbulentShapeLimit : kLaminarShapeLimit;
        if (!ok || shapeFactor(s) > limit) {
            const StationState keep = s;
            s = prev;
            s.ue = std::max(std::min(marchSpeed_(i), prev.ue), 1e-4);
            if (turbulent_[i] && !turbulent_[i - 1]) s.c = transitionStartShear(prev, settings_.re);
            if (!solveStation(i, true, limit)) s = keep;
        }
        if (!std::isfinite(s.theta) || !std::isfinite(s.m) || !(s.theta > 0.0)) {
            s = prev;
            s.ue = std::max(marchSpeed_(i), 1e-4);
        }
    }
}

void CoupledSystem::marchWake() {
    const int w0 = wakeFirst();
    StationState& s = st_[w0];
    const StationState& u = st_[upperEdge()];
    const StationState& l = st_[lowerEdge()];
    // The inviscid speed dips to the trailing edge's value over the last
    // panels and rises at once behind it; the displaced flow has no such
    // dip, so the first guess starts the wake at the speed just behind it.
    s.ue = std::max(marchSpeed_(w0), 1e-4);
    s.theta = u.theta + l.theta;
    s.m = u.m + l.m;
    s.c = 0.0;
    const Residual r =
        wakeStartResidual(u, turbulent_[upperEdge()], l, turbulent_[lowerEdge()], s, settings_.re);
    s.c = -r[2];
    turbulent_[w0] = 1;
    for (int i = w0 + 1; i < size(); ++i) {
        st_[i] = st_[i - 1];
        st_[i].ue = std::max(marchSpeed_(i), 1e-4);
        turbulent_[i] = 1;
        kind_[i] = IntervalKind::Wake;
        if (!solveStation(i, false, 0.0)) {
            st_[i] = st_[i - 1];
            st_[i].ue = std::max(marchSpeed_(i), 1e-4);
        }
    }
}

void CoupledSystem::march() {
    // The inviscid speed dips over the last per cent or so of the chord to
    // the trailing edge's value and rises again at once behind it; the
    // displaced flow has no such dip, and a first layer marched into it
    // separates where the coupled one does not. The first guess holds the
    // speed from 0.97 chord on and starts the wake from the surfaces' held speeds.
    marchSpeed_ = ueInviscid_;
    double held[2] = {0.0, 0.0};
    for (int part = 0; part < 2; ++part) {
        const int first = part == 0 ? firstUpper_ : firstLower_, last = part == 0 ? upperEdge() : lowerEdge();
        int ref = last;
        while (ref > first + 1 && xc_[ref] > 0.97 * xc_[last]) --ref;
        held[part] = ueInviscid_(ref);
        for (int i = ref + 1; i <= last; ++i) marchSpeed_(i) = held[part];
    }
    for (int i = wakeFirst(); i < size(); ++i)
        marchSpeed_(i) = std::max(ueInviscid_(i), std::min(held[0], held[1]));
    marchSurface(0, firstUpper_, upperEdge());
    marchSurface(nUpper_, firstLower_, lowerEdge());
    marchWake();
}

// Laminar or turbulent from the current amplification: the first interval
// in which N, growing at the rate of its upstream (laminar) station, passes
// the critical value holds the transition point.
//
// The decision depends on laminar states only. When the transition point
// retreats past a station that was turbulent, that station turns laminar
// and the next interval holds the transition point for this iteration,
// whatever its N: the stations behind it carry turbulent states, whose low
// shape factors give no laminar growth, and judged by them the whole rest
// of the surface would turn laminar at once, separate, and stall the
// iteration. The transition point thus moves back by at most one station
// per iteration, as far as the amplification of the new laminar states takes it.
//
// An interval that holds the transition point keeps it while N at its end
// falls short of the critical value by less than kTransitionHysteresis (the
// point then sits at the interval's end). Without that margin a transition
// point that lies on a station flips between the two intervals beside it
// from one iteration to the next and the iteration never settles.
void CoupledSystem::classify() {
    for (int first : {firstUpper_, firstLower_}) {
        const int last = first == firstUpper_ ? upperEdge() : lowerEdge();
        turbulent_[first] = 0;
        bool retreated = false;
        for (int i = first + 1; i <= last; ++i) {
            const bool wasTurbulent = turbulent_[i];
            const StationState& a = st_[i - 1];
            const double dxi = xi_[i] - xi_[i - 1];
            if (turbulent_[i - 1]) {
                turbulent_[i] = 1;
                kind_[i] = IntervalKind::Turbulent;
                if (!wasTurbulent) st_[i].c = a.c;
                continue;
            }
            const bool wasTransition = wasTurbulent && kind_[i] == IntervalKind::Transition;
            const double nEnd = amplificationAt(a, a, dxi, settings_.re);
            const bool reached = a.c >= settings_.ncrit || nEnd > settings_.ncrit ||
                                 (wasTransition && nEnd > settings_.ncrit - kTransitionHysteresis);
            if (reached || retreated) {
                turbulent_[i] = 1;
                kind_[i] = IntervalKind::Transition;
                if (!wasTurbulent) st_[i].c = transitionStartShear(a, settings_.re);
            } else {
                turbulent_[i] = 0;
                kind_[i] = IntervalKind::Laminar;
                if (wasTurbulent) {
                    st_[i].c = amplificationAt(a, a, dxi, settings_.re);
                    retreated = true;
                }
            }
        }
    }
    for (int i = wakeFirst(); i < size(); ++i) {
        turbulent_[i] = 1;
        kind_[i] = IntervalKind::Wake;
    }
}

void CoupledSystem::updateSpeeds() {
    Eigen::VectorXd m(size());
    for (int i = 0; i < size(); ++i) m(i) = st_[i].m;
    const Eigen::VectorXd ue = ueInviscid_ + speedOfMass_ * m;
    for (int i = 0; i < size(); ++i) st_[i].ue = ue(i);
}

// The panel the stagnation point lies on for the sheet strengths gamma
// (-1 when there is none).
int CoupledSystem::stagnationPanel(const Eigen::VectorXd& gamma) const {
    const int n = contour_.n;
    int k = -1;
    for (int j = 0; j < n; ++j)
        if (gamma(j) < 0.0 && gamma(j + 1) >= 0.0 && (k < 0 || contour_.x[j] < contour_.x[k])) k = j;
    return k;
}

void CoupledSystem::assemble(BorderedBlockSystem& sys) {
    const int total = size();
    for (int i = 0; i < total; ++i) {
        const Residual r0 = residual(i);
        for (int e = 0; e < 3; ++e) sys.rhs(i, e) = -r0[e];
        int deps[3];
        const int count = dependencies(i, deps);
        for (int d = 0; d < count; ++d) {
            const int j = deps[d];
            StationState& s = st_[j];
            double* vars[4] = {&s.c, &s.theta, &s.m, &s.ue};
            const double floors[4] = {turbulent_[j] ? 1e-3 : 1.0, 1e-9, 1e-9, 1e-3};
            Eigen::Matrix<double, 3, 2> shape = Eigen::Matrix<double, 3, 2>::Zero();
            for (int v = 0; v < 4; ++v) {
                const double keep = *vars[v];
                const double h = 1e-7 * std::max(std::fabs(keep), floors[v]);
                *vars[v] = keep + h;
                const Residual r1 = residual(i);
                *vars[v] = keep;
                for (int e = 0; e < 3; ++e) {
                    const double g = (r1[e] - r0[e]) / h;
                    if (v < 2)
                        shape(e, v) = g;
                    else if (v == 2)
                        sys.massEntry(i, e, j) += g;
                    else if (g != 0.0)
                        sys.mass().row(3 * i + e) += g * speedOfMass_.row(j);
                }
            }
            sys.addShapeBlock(i, j, shape);
        }
    }
}

// The largest fraction of the Newton step that keeps every station's
// momentum thickness, displacement thickness and edge speed within a factor
// of their present values, and the amplification and shear within bounds
// (the step limits of Drela and Giles's scheme): the linearisation holds only
// for modest changes, and a full step past a separation can leave the
// closures' range.
double CoupledSystem::stepRelaxation(const Eigen::VectorXd& dx, const Eigen::VectorXd& dUe,
                                     double& change) const {
    const int total = size();
    double rlx = 1.0, sum = 0.0;
    const auto limit = [&rlx](double rel, double low, double high) {
        if (rel * rlx > high) rlx = high / rel;
        if (rel * rlx < low) rlx = low / rel;
    };
    for (int i = 0; i < total; ++i) {
        const StationState& s = st_[i];
        // Speeds are compared with at least a tenth of the free stream: next
        // to the stagnation point a large relative change is a small one.
        const double ue = std::max(std::fabs(s.ue), 0.1);
        const double dstar = std::max(std::fabs(s.m) / ue, 1e-12);
        const double relTheta = dx(3 * i + 1) / std::max(s.theta, 1e-12);
        const double relUe = dUe(i) / ue;
        const double relDstar = (dx(3 * i + 2) - dstar * dUe(i)) / std::max(std::fabs(s.m), s.theta * ue);
        limit(relTheta, -0.5, 1.5);
        limit(relDstar, -0.5, 1.5);
        if (!isInert(i)) limit(relUe, -0.2, 0.2);
        double relC;
        if (turbulent_[i]) {
            relC = dx(3 * i) / std::max(s.c, 1e-4);
            limit(relC, -0.5, 1.0);
        } else {
            relC = dx(3 * i) / 10.0;
            limit(relC, -0.5, 0.5);
        }
        sum += relTheta * relTheta + relDstar * relDstar + relUe * relUe + relC * relC;
    }
    change = std::sqrt(sum / (4.0 * total));
    return rlx;
}

void CoupledSystem::applyStep(const Eigen::VectorXd& dx, double rlx) {
    for (int i = 0; i < size(); ++i) {
        StationState& s = st_[i];
        s.c += rlx * dx(3 * i);
        s.theta = std::max(s.theta + rlx * dx(3 * i + 1), 1e-10);
        s.m += rlx * dx(3 * i + 2);
        s.c = std::max(s.c, turbulent_[i] ? 1e-5 : 0.0);
    }
}

double CoupledSystem::residualNorm() const {
    double sum = 0.0;
    for (int i = 0; i < size(); ++i) {
        const Residual r = residual(i);
        sum += r[0] * r[0] + r[1] * r[1] + r[2] * r[2];
    }
    return std::isfinite(sum) ? std::sqrt(sum) : 1e300;
}

bool CoupledSystem::newton(int& iterations) {
    Eigen::VectorXd dx;
    int splits = 0;
    for (int it = 0; it < settings_.maxIterations; ++it) {
        ++iterations;
        updateSpeeds();
        // The stagnation point moves with the solution (the viscous flow
        // carries less circulation): once it has left its panel the surfaces
        // are split anew there, a few times at most.
        if (it > 0 && splits < kMostSplits) {
            const Eigen::VectorXd gamma = edgeGamma();
            const int k = stagnationPanel(gamma);
            if (k != stagNode_) {
                if (!placeStations(gamma)) return false;
                ++splits;
                updateSpeeds();
            }
        }
        classify();
        const int total = size();
        // One system for the whole iteration, re-made when the stations change.
        if (!system_ || system_->stations() != total) system_ = std::make_unique<BorderedBlockSystem>(total);
        BorderedBlockSystem& sys = *system_;
        sys.clear();
        assemble(sys);
        if (!sys.mass().allFinite()) return false;
        if (!sys.solve(dx) || !dx.allFinite()) return false;
        Eigen::VectorXd dm(total);
        for (int i = 0; i < total; ++i) dm(i) = dx(3 * i + 2);
        const Eigen::VectorXd dUe = speedOfMass_ * dm;
        double change = 0.0;
        const double rlx = stepRelaxation(dx, dUe, change);
        // Backtracking: a step that raises the residuals' norm is halved (a
        // few times at most); Newton's step is a descent direction for it.
        const std::vector<StationState> before = st_;
        const double startNorm = residualNorm();
        double stepRlx = rlx;
        for (int trial = 0; trial < 5; ++trial) {
            st_ = before;
            applyStep(dx, stepRlx);
            updateSpeeds();
            if (residualNorm() < startNorm || trial == 4) break;
            stepRlx *= 0.5;
        }
        // No layer has a shape factor below 1 (the far wake's limit) or a
        // little above it at a wall; the closures hold above these only, and
        // a step that undershoots is held at them.
        updateSpeeds();
        for (int i = 0; i < total; ++i) {
            if (isInert(i)) continue;
            StationState& s = st_[i];
            const double least = side_[i] == Side::Wake ? 1.0005 : 1.05;
            if (s.ue > 0.0 && shapeFactor(s) < least) s.m = least * s.theta * s.ue;
        }
        if (stepRlx == 1.0 && change < settings_.tolerance) {
            updateSpeeds();
            return true;
        }
    }
    return false;
}

// The surfaces are split at the inviscid stagnation point and solved; when
// the viscous solution has moved the stagnation point onto another panel
// they are split there and solved again from the solution so far. Should
// that not settle (the point on a node, moving to and fro), the last
// converged solution stands: the two differ only in the first stations.
bool CoupledSystem::solve(CoupledLayerResult& result,
                          const std::function<void(CoupledLayerResult&)>& record) {
    if (!placeStations(gammaInviscid_)) {
        result.reason = "no stagnation point on the section";
        return false;
    }
    for (int pass = 0; pass < kStagnationPasses; ++pass) {
        if (!newton(result.iterations)) {
            if (result.converged) return true;
            result.reason = "the coupled boundary layer does not converge";
            return false;
        }
        classify();
        result.converged = true;
        record(result);
        const int oldNode = stagNode_;
        if (!placeStations(edgeGamma()) || stagNode_ == oldNode) return true;
    }
    return true;
}

void CoupledSystem::seed(const CoupledLayerStart& start) {
    side_.clear();
    for (int s : start.side) side_.push_back(static_cast<Side>(s));
    node_ = start.node;
    st_ = start.states;
    turbulent_ = start.turbulent;
}

void CoupledSystem::keep(CoupledLayerStart& out) const {
    out.side.clear();
    for (Side s : side_) out.side.push_back(static_cast<int>(s));
    out.node = node_;
    out.states = st_;
    out.turbulent = turbulent_;
}

Eigen::VectorXd CoupledSystem::edgeGamma() const {
    Eigen::VectorXd m(size());
    for (int i = 0; i < size(); ++i) m(i) = st_[i].m;
    const Eigen::VectorXd sigma = sourceOfMass_ * m;
    return gammaInviscid_.head(contour_.n + 1) + gammaResponse_.topRows(contour_.n + 1) * sigma;
}

double CoupledSystem::transitionX(int first, int last) const {
    for (int i = first + 1; i <= last; ++i) {
        if (kind_[i] == IntervalKind::Transition) {
            const double f =
                transitionFraction(st_[i - 1], xi_[i] - xi_[i - 1], settings_.re, settings_.ncrit);
            return xc_[i - 1] + f * (xc_[i] - xc_[i - 1]);
        }
    }
    return xc_[last];
}

void CoupledSystem::dragAndTransition(CoupledLayerResult& result) const {
    const StationState& end = st_[size() - 1];
    const double ue = std::max(end.ue, 1e-5);
    const double H = shapeFactor(end);
    result.cd = 2.0 * end.theta * std::pow(ue, 0.5 * (H + 5.0));
    result.xtrUpper = transitionX(firstUpper_, upperEdge());
    result.xtrLower = transitionX(firstLower_, lowerEdge());
}

}  // namespace aerolune::viscous
