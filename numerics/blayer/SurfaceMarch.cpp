#include "numerics/blayer/SurfaceMarch.h"

#include <algorithm>
#include <cmath>

#include "numerics/blayer/EddyViscosity.h"
#include "numerics/blayer/KellerBox.h"
#include "numerics/blayer/NormalGrid.h"
#include "numerics/blayer/Transition.h"

namespace aerolune::blayer {

namespace {

// m = (x / Ue) dUe/dx at every station. Interior stations use the
// three-point derivative for uneven steps, the last one the backward
// difference. At x = 0 the first station takes the exponent of the power law
// Ue ~ x^m through stations 2 and 3 (1 for plane stagnation flow, 0 for a flat
// plate), kept within [0, 1]: a decelerating start is treated as a sharp edge.
std::vector<double> pressureGradientParameter(const double* x, const double* ue, int n) {
    std::vector<double> m(n, 0.0);
    if (n >= 3 && ue[1] > 0.0 && ue[2] > 0.0)
        m[0] = std::clamp(std::log(ue[2] / ue[1]) / std::log(x[2] / x[1]), 0.0, 1.0);
    else if (n == 2)
        m[0] = ue[0] < 0.1 * ue[1] ? 1.0 : 0.0;
    for (int k = 1; k < n; ++k) {
        double dUe;
        if (k + 1 < n) {
            const double h1 = x[k] - x[k - 1], h2 = x[k + 1] - x[k];
            dUe = (h1 * h1 * ue[k + 1] - h2 * h2 * ue[k - 1] - (h1 * h1 - h2 * h2) * ue[k]) /
                  (h1 * h2 * (h1 + h2));
        } else {
            dUe = (ue[k] - ue[k - 1]) / (x[k] - x[k - 1]);
        }
        m[k] = x[k] / ue[k] * dUe;
    }
    return m;
}

// A turbulent layer started from a laminar profile relaxes to its turbulent
// shape within about ten thicknesses (at Re 3e6 behind a bubble, H from 2.9
// to 1.6 within 0.02 chord, four to eight station steps), and the bubble's
// recovery brings the edge speed down over 3 l1, a few station steps too.
// Both are marched in sub-steps of at most a quarter of delta99 (of the last
// laminar station), over kRelaxLength delta99 behind such a start and over
// the recovery, so that what they give does not hang on the stations'
// spacing. (Halving kRelaxStep changes CdCFD of the 15 validation cases by
// under 0.1 %.)
constexpr double kRelaxLength = 10.0, kRelaxStep = 0.25;

class SurfaceMarch {
public:
    SurfaceMarch(const double* s, const double* ue, int n, const MarchSettings& settings);
    MarchResult run();

private:
    bool solveFirstStation();
    bool solveStation(int k);
    void accept(int k, const Profile& p, double gamma);
    bool restartTurbulent(int k);
    bool marchTurbulentFrom(int start, int k, double xStart = 0.0);
    struct Checkpoint;
    Checkpoint checkpoint() const;
    void restore(const Checkpoint& c);
    bool openBubble(int k);
    bool trySolve(int k, Profile& p, StepScheme scheme, double gamma) const;
    struct Site {
        double x = 0.0, ue = 0.0, m = 0.0;
    };
    Site site(int k) const { return {x_[k], ue_[k], m_[k]}; }
    bool stepBetween(const Site& from, const Site& to, Profile& p, StepScheme scheme, double gamma) const;
    bool solveAt(const Site& from, const Site& to, const Profile& before, Profile& p, StepScheme scheme,
                 double gamma) const;
    void switchToTurbulentGrid();
    void beginTransition(int k, double xTr, bool forced);
    double intermittency(int k) const;
    double lengthScale(int k) const;
    void record(int k, const Profile& p, double gamma);
    void checkNaturalTransition(int k, const Profile& p);

    std::vector<double> ue_;
    int n_;
    MarchSettings set_;
    std::vector<double> x_, m_;
    NormalGrid laminar_, turbulentGrid_;
    const NormalGrid* grid_;
    Profile previous_;
    std::vector<Profile> history_;  // the solution at every station solved so far
    bool gridChanged_ = false;

    // Transition state: the station index where it happened, its position,
    // edge velocity and Re_x, the running integral of dx / Ue from it, and
    // whether the intermittency jumps straight to 1 (separation-induced).
    int transitionRow_ = -1;
    double xTr_ = 0.0, ueTr_ = 0.0, reXtr_ = 0.0;
    std::vector<double> dxOverUe_;
    bool forcedTurbulent_ = false;
    // The envelope's amplification exponent N and its rate dN/dx at the
    // last laminar station.
    double amplification_ = 0.0, amplificationRate_ = 0.0;
    // The laminar separation bubble, once one has opened: where its laminar
    // part ends.
    bool bubble_ = false;
    double bubbleStart_ = 0.0, bubbleEnd_ = 0.0, bubbleN_ = 0.0, bubbleRate_ = 0.0;
    // Steps from x > fineFrom_ up to fineUntil_ are split into sub-steps no
    // longer than fineStep_ (see solveStation).
    double fineFrom_ = -1.0, fineUntil_ = -1.0, fineStep_ = 1.0;

    MarchResult result_;
    mutable StationWorkspace work_;  // the station solve's storage, reused
};

// What a trial march may change, to go back to when it fails.
struct SurfaceMarch::Checkpoint {
    MarchResult result;
    std::vector<Profile> history;
    Profile previous;
    bool turbulentGrid, gridChanged, forced;
    int transitionRow;
    double xTr, ueTr, reXtr, fineFrom, fineUntil, fineStep;
};

SurfaceMarch::Checkpoint SurfaceMarch::checkpoint() const {
    return {result_,      history_,         previous_,      grid_ == &turbulentGrid_,
            gridChanged_, forcedTurbulent_, transitionRow_, xTr_,
            ueTr_,        reXtr_,           fineFrom_,      fineUntil_,
            fineStep_};
}

void SurfaceMarch::restore(const Checkpoint& c) {
    result_ = c.result;
    history_ = c.history;
    previous_ = c.previous;
    grid_ = c.turbulentGrid ? &turbulentGrid_ : &laminar_;
    gridChanged_ = c.gridChanged;
    forcedTurbulent_ = c.forced;
    transitionRow_ = c.transitionRow;
    xTr_ = c.xTr;
    ueTr_ = c.ueTr;
    reXtr_ = c.reXtr;
    fineFrom_ = c.fineFrom;
    fineUntil_ = c.fineUntil;
    fineStep_ = c.fineStep;
}

SurfaceMarch::SurfaceMarch(const double* s, const double* ue, int n, const MarchSettings& settings)
    : ue_(ue, ue + n), n_(n), set_(settings), x_(n), dxOverUe_(n, 0.0) {
    for (int k = 0; k < n; ++k) x_[k] = s[k] - s[0];
    m_ = pressureGradientParameter(x_.data(), ue_.data(), n);
    laminar_ = laminarGrid(set_.points, set_.etaMax);
    turbulentGrid_ = turbulentGrid(set_.points, set_.etaMax, set_.reynolds);
    grid_ = &laminar_;
    result_.rows.reserve(n);
    result_.profileU.reserve(static_cast<std::size_t>(n) * set_.points);
    result_.profileY.reserve(static_cast<std::size_t>(n) * set_.points);
}

MarchResult SurfaceMarch::run() {
    if (!solveFirstStation()) return {};
    for (int k = 1; k < n_; ++k)
        if (!solveStation(k)) break;
    return std::move(result_);
}

bool SurfaceMarch::solveFirstStation() {
    Profile p = startingProfile(laminar_);
    if (!trySolve(0, p, StepScheme::Similarity, 0.0)) return false;
    accept(0, p, 0.0);
    return true;
}

// One station downstream. A laminar failure becomes the transition point
// when the model allows it; a turbulent one is separation.
//
// A transitional station that fails is first tried again in sub-steps (a
// step too long for the young turbulent layer is no separation). If it still
// fails, the layer, still nearly laminar (the intermittency a few per cent),
// cannot carry the adverse gradient: typically just behind a short bubble,
// in its recovery. In Horton's model of the bubble (openBubble) the layer
// that reattaches is turbulent from the transition point on, and so it is
// taken here: fully turbulent from x_tr itself (the laminar profile carried
// on to x_tr, then gamma = 1), the same x whatever the marching step. Going
// turbulent at the failing station, or some stations upstream when that
// failed too, made the result depend on the step (NACA 0012 at 4 degrees,
// Re 3e6, lower surface: delta* at 0.9 chord 3.1 % apart between the step
// and half of it, now 0.8 %). Only where that fails as well does the layer
// jump to full turbulence at the failing station, and then restart upstream.
bool SurfaceMarch::solveStation(int k) {
    // Running integral of dx / Ue for the intermittency. Only differences
    // from the transition station (never station 1) are used, so the first
    // step, where Ue may start from 0, is left out.
    dxOverUe_[k] =
        k < 2 ? 0.0 : dxOverUe_[k - 1] + 0.5 * (1.0 / ue_[k - 1] + 1.0 / ue_[k]) * (x_[k] - x_[k - 1]);
    double gamma = intermittency(k);
    const StepScheme scheme = gridChanged_ ? StepScheme::BackwardEuler : StepScheme::CrankNicolson;
    Profile p = previous_;
    bool ok = trySolve(k, p, scheme, gamma);
    if (!ok && transitionRow_ < 0 && set_.model == TransitionModel::Natural && openBubble(k)) {
        p = previous_;
        ok = trySolve(k, p, scheme, gamma);
    }
    if (!ok && transitionRow_ >= 0 && !forcedTurbulent_ && !(x_[k - 1] < fineUntil_ && x_[k] > fineFrom_)) {
        const double from = fineFrom_, until = fineUntil_, step = fineStep_;
        fineFrom_ = x_[k - 1];
        fineUntil_ = x_[k];
        fineStep_ = kRelaxStep * result_.rows.back().delta99;
        p = previous_;
        ok = trySolve(k, p, scheme, gamma);
        fineFrom_ = from;
        fineUntil_ = until;
        fineStep_ = step;
    }
    if (!ok && set_.model != TransitionModel::Laminar && !forcedTurbulent_) {
        if (transitionRow_ < 0) return restartTurbulent(k);
        const Checkpoint saved = checkpoint();
        if (marchTurbulentFrom(transitionRow_, k, xTr_)) return true;
        restore(saved);
        forcedTurbulent_ = true;
        gamma = 1.0;
        p = previous_;
        ok = trySolve(k, p, StepScheme::BackwardEuler, gamma);
        if (!ok) return restartTurbulent(k);
    }
    if (!ok) return false;
    accept(k, p, gamma);
    if (transitionRow_ < 0 && set_.model == TransitionModel::Natural) checkNaturalTransition(k, p);
    return true;
}

void SurfaceMarch::accept(int k, const Profile& p, double gamma) {
    gridChanged_ = false;
    record(k, p, gamma);
    previous_ = p;
    history_.push_back(p);
}

// The laminar layer separates before station k. Where it separates the
// profile has almost no shear left at the wall, and a turbulent layer started
// from it separates at once; in the flow itself transition happens in the
// short bubble that forms there. So the turbulent layer is started a little
// upstream instead: from the nearest laminar station, within the last 15 %
// of the run, from which it carries past station k (tried 1, 2, 4, ...
// stations back). The rows from there on are replaced.
bool SurfaceMarch::restartTurbulent(int k) {
    const MarchResult saved = result_;
    for (int back = 1; k - back >= 1 && x_[k - back] >= 0.85 * x_[k]; back *= 2)
        if (marchTurbulentFrom(k - back + 1, k)) return true;
    // Separated for good: the march ends with the laminar rows as they were.
    result_ = saved;
    return false;
}

// Replaces the rows from station `start` on by a fully turbulent march from
// the laminar profile at start - 1 through station k. With xStart between
// stations start - 1 and start, the laminar profile is first carried on to
// xStart and the turbulent layer starts there, its relaxation marched in
// sub-steps.
bool SurfaceMarch::marchTurbulentFrom(int start, int k, double xStart) {
    const std::size_t points = static_cast<std::size_t>(set_.points);
    result_.rows.resize(start);
    result_.profileU.resize(start * points);
    result_.profileY.resize(start * points);
    history_.resize(start);
    previous_ = history_.back();
    grid_ = &laminar_;
    Site from = site(start - 1);
    if (xStart > from.x && xStart < x_[start]) {
        const double t = (xStart - from.x) / (x_[start] - from.x);
        const Site at{xStart, from.ue + t * (ue_[start] - from.ue), from.m + t * (m_[start] - from.m)};
        Profile p = previous_;
        if (!solveAt(from, at, previous_, p, StepScheme::CrankNicolson, 0.0)) return false;
        previous_ = p;
        from = at;
    }
    const double d99 = result_.rows.back().delta99;
    beginTransition(start, from.x, true);
    if (xStart > 0.0) {
        fineFrom_ = from.x;
        fineUntil_ = from.x + kRelaxLength * d99;
        fineStep_ = kRelaxStep * d99;
    }
    Profile p = previous_;
    if (!stepBetween(from, site(start), p, StepScheme::BackwardEuler, 1.0)) return false;
    accept(start, p, 1.0);
    for (int j = start + 1; j <= k; ++j) {
        p = previous_;
        if (!trySolve(j, p, StepScheme::CrankNicolson, 1.0)) return false;
        accept(j, p, 1.0);
    }
    return true;
}

// The laminar layer separates before station k, ahead of natural
// transition. In the flow a short separation bubble forms: the separated
// laminar shear layer runs on at an almost constant pressure until it turns
// turbulent, and the turbulent layer reattaches and recovers the pressure.
// The bubble follows Horton's model of the short bubble (Horton, Laminar
// separation bubbles in two and three dimensional incompressible flow, PhD
// thesis, London, 1968): a pressure plateau over the laminar part, then a
// turbulent recovery. Here the edge velocity is held at its value at
// separation over the laminar part and returns linearly to the given one
// over a further kRecovery x l1, with Horton's laminar length l1 (Ue l1 / nu
// = 4 x 10^4) as the bubble's scale (3 l1 for the recovery is the length
// that brings the drag and the thickness at 0.9 chord of the NACA sections
// closest to the reference solver's at Re 1e6).
//
// Where the laminar part ends is the envelope method's answer, not Horton's
// fixed Reynolds number: the waves go on growing in the separated shear
// layer, and Drela and Giles fitted their envelope correlation (Transition.h)
// over the Falkner-Skan profiles up to and past separation. So N is carried
// on from the separation point at the envelope's rate for the separating
// profile, H = kSeparationShape (3.55, the shape factor at laminar separation
// in Thwaites' method, lambda = -0.09, with Cebeci and Bradshaw's fit
// H = 2.088 + 0.0731 / (lambda + 0.14)) and theta held at its value there (on
// a plateau with no wall shear the momentum integral leaves theta unchanged),
// and transition is where N reaches 9. Horton's length put transition with
// N between 4 and 7 on the NACA sections at Re 1e6, up to 0.065 chord ahead
// of the reference solver's; the layer marched laminar along the plateau
// relaxes towards an attached profile and amplifies at half the separated
// rate, which puts it as far behind.
//
// A bubble whose Horton length l1 exceeds a tenth of the run to separation
// is a long bubble, which this model does not describe: the layer is then
// restarted turbulent as in the transition-at-separation model.
constexpr double kShortBubble = 0.1;
constexpr double kRecovery = 3.0;
constexpr double kSeparationShape = 3.55;
bool SurfaceMarch::openBubble(int k) {
    if (bubble_ || k < 2) return false;
    // Separation where the wall shear, extrapolated linearly from the last
    // two laminar stations, reaches zero (within the failed step).
    double xs = x_[k - 1];
    const std::size_t rows = result_.rows.size();
    if (rows >= 2) {
        const double c1 = result_.rows[rows - 1].cfFreeStream, c2 = result_.rows[rows - 2].cfFreeStream;
        if (c2 > c1 && c1 > 0.0) xs = std::min(x_[k], x_[k - 1] + c1 * (x_[k - 1] - x_[k - 2]) / (c2 - c1));
    }
    const double us = ue_[k - 1] + (xs - x_[k - 1]) / (x_[k] - x_[k - 1]) * (ue_[k] - ue_[k - 1]);
    const double l1 = 4.0e4 / (us * set_.reynolds);
    if (l1 > kShortBubble * xs) return false;
    // N at separation (the last rate carried on to xs) and the separated
    // shear layer's rate from there on; without one, Horton's length.
    const StationRow& last = result_.rows.back();
    const double nSep = amplification_ + amplificationRate_ * (xs - x_[k - 1]);
    bubbleRate_ = amplificationRate(kSeparationShape, last.momentum, last.reTheta);
    const double laminarPart =
        bubbleRate_ > 0.0 ? std::max(0.0, criticalAmplification - nSep) / bubbleRate_ : l1;
    bubble_ = true;
    bubbleStart_ = xs;
    bubbleN_ = nSep;
    bubbleEnd_ = xs + laminarPart;
    for (int j = k; j < n_; ++j) {
        if (x_[j] >= bubbleEnd_ + kRecovery * l1) break;
        const double t = std::max(0.0, (x_[j] - bubbleEnd_) / (kRecovery * l1));
        ue_[j] = us + t * (ue_[j] - us);
    }
    m_ = pressureGradientParameter(x_.data(), ue_.data(), n_);
    fineFrom_ = bubbleEnd_;
    fineUntil_ = bubbleEnd_ + kRecovery * l1;
    fineStep_ = kRelaxStep * last.delta99;
    return true;
}

bool SurfaceMarch::trySolve(int k, Profile& p, StepScheme scheme, double gamma) const {
    if (k == 0) return solveAt(Site{}, site(0), previous_, p, scheme, gamma);
    return stepBetween(site(k - 1), site(k), p, scheme, gamma);
}

// From `from` (the profile in previous_) to `to`, in sub-steps within
// fineFrom_ .. fineUntil_ (the edge speed and m linear in between): the first
// in the given scheme, the others Crank-Nicolson.
bool SurfaceMarch::stepBetween(const Site& from, const Site& to, Profile& p, StepScheme scheme,
                               double gamma) const {
    const int parts = from.x < fineUntil_ && to.x > fineFrom_
                          ? std::max(1, static_cast<int>(std::ceil((to.x - from.x) / fineStep_ - 1e-9)))
                          : 1;
    Profile before = previous_;
    Site at = from;
    for (int i = 1; i <= parts; ++i) {
        const double t = static_cast<double>(i) / parts;
        const Site next = i == parts ? to
                                     : Site{from.x + t * (to.x - from.x), from.ue + t * (to.ue - from.ue),
                                            from.m + t * (to.m - from.m)};
        p = before;
        if (!solveAt(at, next, before, p, i == 1 ? scheme : StepScheme::CrankNicolson, gamma)) return false;
        if (i < parts) before = p;
        at = next;
    }
    return true;
}

// One step from `from`, where the profile is `before`, to `to`; neither is
// used by the similarity solution.
bool SurfaceMarch::solveAt(const Site& from, const Site& to, const Profile& before, Profile& p,
                           StepScheme scheme, double gamma) const {
    StationProblem pr;
    pr.grid = grid_;
    pr.previous = &before;
    pr.m = to.m;
    pr.scheme = scheme;
    if (scheme != StepScheme::Similarity) {
        pr.mPrevious = from.m;
        pr.alpha = (scheme == StepScheme::BackwardEuler ? to.x : 0.5 * (to.x + from.x)) / (to.x - from.x);
    }
    pr.eddy = EddyStation{to.ue * to.x * set_.reynolds, to.m, gamma};
    if (!blayer::solveStation(pr, p, work_)) return false;
    // Attached flow only: the direct problem has no meaning past a zero of
    // the wall shear, and a profile far outside 0..1 is a diverged iterate.
    if (!(p.v[0] > 0.0)) return false;
    for (double u : p.u)
        if (!(u > -1e-6 && u < 1.5)) return false;
    return true;
}

void SurfaceMarch::switchToTurbulentGrid() {
    if (grid_ == &turbulentGrid_) return;
    previous_ = transferProfile(previous_, laminar_, turbulentGrid_);
    grid_ = &turbulentGrid_;
    gridChanged_ = true;
}

void SurfaceMarch::beginTransition(int k, double xTr, bool forced) {
    transitionRow_ = k;
    xTr_ = xTr;
    ueTr_ = ue_[k];
    reXtr_ = ueTr_ * xTr * set_.reynolds;
    forcedTurbulent_ = forced;
    switchToTurbulentGrid();
}

double SurfaceMarch::intermittency(int k) const {
    if (transitionRow_ < 0) return 0.0;
    if (forcedTurbulent_) return 1.0;
    const double integral = dxOverUe_[k] - dxOverUe_[transitionRow_];
    return chenThysonGamma(x_[k] - xTr_, integral, ueTr_, reXtr_, set_.reynolds);
}

// y = scale x eta. At x = 0 only plane stagnation flow has a finite layer,
// of scale sqrt(nu / a) with a = Ue(2) / x(2); a sharp edge starts from zero.
double SurfaceMarch::lengthScale(int k) const {
    if (k > 0) return std::sqrt(x_[k] / (ue_[k] * set_.reynolds));
    if (m_[0] < 0.999 || n_ < 2) return 0.0;
    return std::sqrt(x_[1] / (ue_[1] * set_.reynolds));
}

void SurfaceMarch::record(int k, const Profile& p, double gamma) {
    const ProfileThickness t = profileThickness(p, *grid_);
    const double scale = lengthScale(k);
    StationRow r;
    r.displacement = scale * t.displacement;
    r.momentum = scale * t.momentum;
    r.delta99 = scale * t.eta99;
    r.shape = t.momentum > 0.0 ? t.displacement / t.momentum : 0.0;
    r.turbulent = transitionRow_ >= 0 && k >= transitionRow_;
    r.gamma = gamma;
    r.reTheta = ue_[k] * r.momentum * set_.reynolds;
    r.wallShear = p.v[0];
    // Cf = 2 f''(0) / sqrt(Re_x) on Ue, times Ue^2 for the free stream. At
    // x = 0 the stagnation-point shear is zero, and the sharp-edge value,
    // infinite in theory, is given as zero too.
    const double reX = ue_[k] * x_[k] * set_.reynolds;
    r.cfFreeStream = reX > 0.0 ? 2.0 * p.v[0] / std::sqrt(reX) * ue_[k] * ue_[k] : 0.0;
    result_.rows.push_back(r);
    for (int j = 0; j <= grid_->lastNode(); ++j) {
        result_.profileU.push_back(p.u[j]);
        result_.profileY.push_back(scale * grid_->eta[j]);
    }
}

// The envelope's N integrated along the arc length by the trapezoidal rule;
// transition where it reaches 9, placed by linear interpolation within the
// step, or where the roughness trips the layer first. Past a laminar
// separation N grows at the bubble's rate (openBubble) and transition is at
// the end of the bubble's laminar part.
void SurfaceMarch::checkNaturalTransition(int k, const Profile& p) {
    const StationRow& row = result_.rows.back();
    const double rate = amplificationRate(row.shape, row.momentum, row.reTheta);
    const double previousN = amplification_;
    const double dx = x_[k] - x_[k - 1];
    if (bubble_) {
        amplification_ = bubbleN_ + bubbleRate_ * std::max(0.0, x_[k] - bubbleStart_);
    } else if (amplificationRate_ > 0.0 || rate == 0.0) {
        amplification_ += 0.5 * (amplificationRate_ + rate) * dx;
    } else {
        // Onset within this step: amplified only past the point where
        // Re_theta crossed the critical value (linear in between).
        const double previousReTheta = result_.rows[result_.rows.size() - 2].reTheta;
        const double excess = row.reTheta - criticalReTheta(row.shape);
        const double f = std::clamp(excess / std::max(row.reTheta - previousReTheta, 1e-12), 0.0, 1.0);
        amplification_ += rate * f * dx;
    }
    amplificationRate_ = rate;
    const double reK = roughnessReynolds(p, *grid_, lengthScale(k), ue_[k], set_.roughness, set_.reynolds);
    double xTr = x_[k];
    if (bubble_ && x_[k] >= bubbleEnd_) {
        xTr = bubbleEnd_;
    } else if (amplification_ >= criticalAmplification) {
        const double f = (criticalAmplification - previousN) / (amplification_ - previousN);
        xTr = x_[k - 1] + std::clamp(f, 0.0, 1.0) * (x_[k] - x_[k - 1]);
    } else if (reK < criticalRoughnessReynolds) {
        return;
    }
    beginTransition(k, xTr, false);
    result_.rows.back().turbulent = true;
}

}  // namespace

MarchResult marchSurface(const double* s, const double* ue, int n, const MarchSettings& settings) {
    if (n < 1) return {};
    SurfaceMarch march(s, ue, n, settings);
    return march.run();
}

}  // namespace aerolune::blayer
