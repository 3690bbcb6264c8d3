#include "numerics/airfoil/PanelInfluence.h"

#include <cmath>
#include <numbers>

namespace aerolune {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

}  // namespace

PanelGeometry panelGeometry(const Contour& contour) {
    PanelGeometry g;
    g.n = static_cast<int>(contour.x.size());
    g.x = contour.x;
    g.y = contour.y;
    g.x.push_back(contour.x[0]);
    g.y.push_back(contour.y[0]);
    g.length.resize(g.n);
    g.tx.resize(g.n);
    g.ty.resize(g.n);
    for (int j = 0; j < g.n; ++j) {
        double dx = g.x[j + 1] - g.x[j];
        double dy = g.y[j + 1] - g.y[j];
        double l = std::hypot(dx, dy);
        g.length[j] = l;
        g.tx[j] = l > 0.0 ? dx / l : 1.0;
        g.ty[j] = l > 0.0 ? dy / l : 0.0;
    }
    return g;
}

namespace {

// r ln r and r^2 ln r vanish at r = 0; so does every factor ln r is used with.
double logOrZero(double r) { return r > 1e-300 ? std::log(r) : 0.0; }

// The direction from node i to node k, given the one from k to i.
double reversed(double direction) {
    return direction > 0.0 ? direction - std::numbers::pi : direction + std::numbers::pi;
}

// An angle difference brought into (-pi, pi].
double wrapped(double angle) {
    if (angle > std::numbers::pi) return angle - kTwoPi;
    if (angle <= -std::numbers::pi) return angle + kTwoPi;
    return angle;
}

// Every pair of nodes meets twice in the influence matrix, once with either
// node as the field point: the logarithm of their distance is the same both
// times and their direction differs by half a turn, so each pair's log and
// arctangent are taken once and kept (for node pairs i < k, packed by rows)
// until the row of the other node reads them.
class NodePairs {
public:
    explicit NodePairs(const PanelGeometry& g) : g_(g), lnr_(packedSize(g.n)), direction_(packedSize(g.n)) {}

    // Squared distance, log distance and direction (from the node to the
    // field point) of every node k = 0..n as seen from node i; node n is
    // node 0 again.
    void row(int i, std::vector<double>& r2, std::vector<double>& lnr, std::vector<double>& direction) {
        const int n = g_.n;
        const double px = g_.x[i], py = g_.y[i];
        for (int k = 0; k < n; ++k) {
            const double dx = px - g_.x[k], dy = py - g_.y[k];
            r2[k] = dx * dx + dy * dy;
        }
        // Pairs with an earlier node: kept when that node's row was filled.
        for (int k = 0; k < i; ++k) {
            const std::size_t at = index(k, i);
            lnr[k] = lnr_[at];
            direction[k] = reversed(direction_[at]);
        }
        lnr[i] = 0.0;
        direction[i] = 0.0;
        // Pairs with a later node: evaluated now and kept for its row.
        double* keptLnr = lnr_.data() + (i + 1 < n ? index(i, i + 1) : 0);
        double* keptDirection = direction_.data() + (i + 1 < n ? index(i, i + 1) : 0);
        for (int k = i + 1; k < n; ++k) {
            lnr[k] = *keptLnr++ = 0.5 * logOrZero(r2[k]);
            direction[k] = *keptDirection++ = std::atan2(py - g_.y[k], px - g_.x[k]);
        }
        r2[n] = r2[0];
        lnr[n] = lnr[0];
        direction[n] = direction[0];
    }

private:
    static std::size_t packedSize(int n) {
        const auto m = static_cast<std::size_t>(n);
        return m * (m - 1) / 2;
    }
    // Pair (i, k), i < k: rows 0..i-1 hold n-1, n-2, ... pairs before row i.
    std::size_t index(int i, int k) const {
        const auto a = static_cast<std::size_t>(i), b = static_cast<std::size_t>(k);
        const auto m = static_cast<std::size_t>(g_.n);
        return a * m - a * (a + 1) / 2 + (b - a - 1);
    }

    const PanelGeometry& g_;
    std::vector<double> lnr_, direction_;
};

// Stream function at node i of panel j carrying the sheet strength
// gamma(s) = gA (1 - s/L) + gB s/L, as psi = aA gA + aB gB. In panel axes
// (x along the panel from its first node, y to its left) with r1, r2 the
// distances to the end nodes,
//   I0 = int_0^L ln r ds = x ln r1 - (x - L) ln r2 - L + y (theta2 - theta1)
//   I1 = int_0^L s ln r ds = x I0 - (r1^2 ln r1 - r2^2 ln r2)/2 + (2 x L - L^2)/4
// and psi = (1 / 2 pi) int gamma ln r ds for a sheet whose strength is the
// jump in tangential velocity from its right (inner) to its left (outer) side.
// theta2 - theta1 is taken as nothing on the two panels that end at node i,
// where y vanishes.
// Adds row i's coefficients to `row` (n + 2 entries).
void addStreamInfluence(const PanelGeometry& g, int i, const std::vector<double>& r2,
                        const std::vector<double>& lnr, const std::vector<double>& direction, double* row) {
    const int n = g.n;
    const double px = g.x[i], py = g.y[i];
    const int before = i == 0 ? n - 1 : i - 1;  // the panel that ends at node i
    for (int j = 0; j < n; ++j) {
        const double l = g.length[j];
        if (l <= 0.0) continue;
        const double dx = px - g.x[j];
        const double dy = py - g.y[j];
        const double x = dx * g.tx[j] + dy * g.ty[j];
        const double y = -dx * g.ty[j] + dy * g.tx[j];
        const double r1sq = r2[j], r2sq = r2[j + 1];
        const double lnr1 = lnr[j], lnr2 = lnr[j + 1];
        const double dTheta = j == i || j == before ? 0.0 : wrapped(direction[j + 1] - direction[j]);
        const double i0 = x * lnr1 - (x - l) * lnr2 - l + y * dTheta;
        const double i1 = x * i0 - 0.5 * (r1sq * lnr1 - r2sq * lnr2) + 0.25 * (2.0 * x * l - l * l);
        row[j] += (i0 - i1 / l) / kTwoPi;
        row[j + 1] += (i1 / l) / kTwoPi;
    }
}

// Unknowns: gamma_0..gamma_n (gamma_n the upper-surface value at the closing
// node) and the stream-function constant psi0. Rows: psi(node i) - psi0 =
// -psi_freestream(node i) at the n distinct nodes, then the trailing edge.
}  // namespace

Eigen::MatrixXd influenceMatrix(const PanelGeometry& g) {
    const int n = g.n;
    // Filled row by row, so stored by rows while it is filled.
    Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor> a =
        Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>::Zero(n + 2, n + 2);
    NodePairs pairs(g);
    std::vector<double> r2(n + 1), lnr(n + 1), direction(n + 1);
    for (int i = 0; i < n; ++i) {
        pairs.row(i, r2, lnr, direction);
        addStreamInfluence(g, i, r2, lnr, direction, &a(i, 0));
        a(i, n + 1) = -1.0;
    }
    // The sharp trailing edge is the rear stagnation point: both surfaces'
    // values vanish there, which also makes them leave with equal speed.
    a(n, 0) = 1.0;
    a(n + 1, n) = 1.0;
    return a;
}

}  // namespace aerolune
