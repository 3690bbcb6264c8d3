#include "numerics/airfoil/MeshSmoother.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace aerolune {

namespace {

// Thomas algorithm: a(k) x(k-1) + b(k) x(k) + c(k) x(k+1) = r(k), k = 0..n-1,
// a(0) and c(n-1) unused. Solves for two right-hand sides at once.
void solveTridiagonal(const std::vector<double>& a, std::vector<double> b, const std::vector<double>& c,
                      std::vector<double>& r1, std::vector<double>& r2) {
    const std::size_t n = b.size();
    for (std::size_t k = 1; k < n; ++k) {
        const double m = a[k] / b[k - 1];
        b[k] -= m * c[k - 1];
        r1[k] -= m * r1[k - 1];
        r2[k] -= m * r2[k - 1];
    }
    r1[n - 1] /= b[n - 1];
    r2[n - 1] /= b[n - 1];
    for (std::size_t k = n - 1; k-- > 0;) {
        r1[k] = (r1[k] - c[k] * r1[k + 1]) / b[k];
        r2[k] = (r2[k] - c[k] * r2[k + 1]) / b[k];
    }
}

// Periodic tridiagonal system (a(0) couples to x(n-1), c(n-1) to x(0)) by the
// Sherman-Morrison correction of the plain one.
void solvePeriodicTridiagonal(const std::vector<double>& a, const std::vector<double>& b,
                              const std::vector<double>& c, std::vector<double>& r1,
                              std::vector<double>& r2) {
    const std::size_t n = b.size();
    const double g = -b[0];
    std::vector<double> bb = b;
    bb[0] -= g;
    bb[n - 1] -= a[0] * c[n - 1] / g;
    std::vector<double> u(n, 0.0), unused(n, 0.0);
    u[0] = g;
    u[n - 1] = c[n - 1];
    solveTridiagonal(a, bb, c, r1, r2);
    solveTridiagonal(a, bb, c, u, unused);
    const double vu = 1.0 + u[0] + a[0] * u[n - 1] / g;
    const double f1 = (r1[0] + a[0] * r1[n - 1] / g) / vu;
    const double f2 = (r2[0] + a[0] * r2[n - 1] / g) / vu;
    for (std::size_t k = 0; k < n; ++k) {
        r1[k] -= f1 * u[k];
        r2[k] -= f2 * u[k];
    }
}

// -t''/t' of a one-dimensional distribution with intervals before and after a node.
double stretchingControl(double before, double after) {
    const double sum = before + after;
    return sum > 0.0 ? -2.0 * (after - before) / sum : 0.0;
}

class WinslowSmoother {
public:
    WinslowSmoother(Array2<double>& x, Array2<double>& y, const Array1<double>& angle,
                    const Array1<double>& rho, int32_t firstFree)
        : x_(x),
          y_(y),
          ni_(static_cast<int32_t>(x.rows())),
          nj_(static_cast<int32_t>(x.cols())),
          first_(firstFree),
          p_(ni_),
          q_(nj_) {
        for (int32_t j = 2; j < nj_; ++j)
            q_(j) = stretchingControl(std::log(rho(j) / rho(j - 1)), std::log(rho(j + 1) / rho(j)));
        const double turn = angle(ni_) - angle(1);
        for (int32_t i = 1; i < ni_; ++i) {
            const double before = i == 1 ? angle(ni_) - angle(ni_ - 1) : angle(i) - angle(i - 1);
            p_(i) = stretchingControl(before / turn, (angle(i + 1) - angle(i)) / turn);
        }
    }

    // One sweep of radial lines followed by one sweep of rings; the largest
    // node movement of the sweep.
    double sweep() {
        double moved = 0.0;
        // Radial lines from the same old mesh (block Jacobi), so that a mesh
        // about a symmetric section stays symmetric.
        std::vector<double> lineX, lineY;
        Array2<double> newX = x_, newY = y_;
        for (int32_t i = 1; i < ni_; ++i) {
            relaxRadialLine(i, lineX, lineY);
            for (int32_t j = first_; j < nj_; ++j) {
                newX(i, j) = lineX[j - first_];
                newY(i, j) = lineY[j - first_];
            }
        }
        for (int32_t j = first_; j < nj_; ++j)
            for (int32_t i = 1; i < ni_; ++i) moved = std::max(moved, update(i, j, newX(i, j), newY(i, j)));
        for (int32_t j = first_; j < nj_; ++j) {
            x_(ni_, j) = x_(1, j);
            y_(ni_, j) = y_(1, j);
        }
        for (int32_t j = first_; j < nj_; ++j) moved = std::max(moved, relaxRing(j));
        return moved;
    }

private:
    int32_t prev(int32_t i) const { return i == 1 ? ni_ - 1 : i - 1; }
    int32_t next(int32_t i) const { return i == ni_ - 1 ? 1 : i + 1; }

    // Metric coefficients of Winslow's equations at node (i, j) and the cross
    // derivative terms, from the current nodes.
    struct Metrics {
        double alpha, beta, gamma, crossX, crossY;
    };
    Metrics metrics(int32_t i, int32_t j) const {
        const int32_t ip = next(i), im = prev(i);
        const double xi = 0.5 * (x_(ip, j) - x_(im, j)), yi = 0.5 * (y_(ip, j) - y_(im, j));
        const double xj = 0.5 * (x_(i, j + 1) - x_(i, j - 1)), yj = 0.5 * (y_(i, j + 1) - y_(i, j - 1));
        const double xij = 0.25 * (x_(ip, j + 1) - x_(ip, j - 1) - x_(im, j + 1) + x_(im, j - 1));
        const double yij = 0.25 * (y_(ip, j + 1) - y_(ip, j - 1) - y_(im, j + 1) + y_(im, j - 1));
        const double alpha = xj * xj + yj * yj, beta = xi * xj + yi * yj, gamma = xi * xi + yi * yi;
        return {alpha, beta, gamma, -2.0 * beta * xij, -2.0 * beta * yij};
    }

    void relaxRadialLine(int32_t i, std::vector<double>& rx, std::vector<double>& ry) const {
        const int32_t n = nj_ - first_, ip = next(i), im = prev(i);
        std::vector<double> a(n), b(n), c(n);
        rx.assign(n, 0.0);
        ry.assign(n, 0.0);
        for (int32_t k = 0; k < n; ++k) {
            const int32_t j = k + first_;
            const Metrics m = metrics(i, j);
            const double pij = p_(i);
            a[k] = m.gamma * (1.0 - 0.5 * q_(j));
            b[k] = -2.0 * (m.alpha + m.gamma);
            c[k] = m.gamma * (1.0 + 0.5 * q_(j));
            rx[k] = -(m.alpha * (x_(ip, j) + x_(im, j) + 0.5 * pij * (x_(ip, j) - x_(im, j))) + m.crossX);
            ry[k] = -(m.alpha * (y_(ip, j) + y_(im, j) + 0.5 * pij * (y_(ip, j) - y_(im, j))) + m.crossY);
        }
        rx[0] -= a[0] * x_(i, first_ - 1);
        ry[0] -= a[0] * y_(i, first_ - 1);
        rx[n - 1] -= c[n - 1] * x_(i, nj_);
        ry[n - 1] -= c[n - 1] * y_(i, nj_);
        solveTridiagonal(a, b, c, rx, ry);
    }

    double relaxRing(int32_t j) {
        const int32_t n = ni_ - 1;
        std::vector<double> a(n), b(n), c(n), rx(n), ry(n);
        for (int32_t k = 0; k < n; ++k) {
            const int32_t i = k + 1;
            const Metrics m = metrics(i, j);
            const double pij = p_(i);
            a[k] = m.alpha * (1.0 - 0.5 * pij);
            b[k] = -2.0 * (m.alpha + m.gamma);
            c[k] = m.alpha * (1.0 + 0.5 * pij);
            const double qx = 0.5 * q_(j) * (x_(i, j + 1) - x_(i, j - 1));
            const double qy = 0.5 * q_(j) * (y_(i, j + 1) - y_(i, j - 1));
            rx[k] = -(m.gamma * (x_(i, j + 1) + x_(i, j - 1) + qx) + m.crossX);
            ry[k] = -(m.gamma * (y_(i, j + 1) + y_(i, j - 1) + qy) + m.crossY);
        }
        solvePeriodicTridiagonal(a, b, c, rx, ry);
        double moved = 0.0;
        for (int32_t k = 0; k < n; ++k) moved = std::max(moved, update(k + 1, j, rx[k], ry[k]));
        x_(ni_, j) = x_(1, j);
        y_(ni_, j) = y_(1, j);
        return moved;
    }

    double update(int32_t i, int32_t j, double xNew, double yNew) {
        const double moved = std::hypot(xNew - x_(i, j), yNew - y_(i, j));
        x_(i, j) = xNew;
        y_(i, j) = yNew;
        return moved;
    }

    Array2<double>& x_;
    Array2<double>& y_;
    int32_t ni_, nj_, first_;
    Array1<double> p_, q_;
};

}  // namespace

void smoothMesh(Array2<double>& x, Array2<double>& y, const Array1<double>& angle, const Array1<double>& rho,
                int32_t firstFree, int maxSweeps) {
    if (x.rows() < 3 || x.cols() < firstFree + 2) return;
    WinslowSmoother smoother(x, y, angle, rho, firstFree);
    for (int k = 0; k < maxSweeps; ++k) smoother.sweep();
}

}  // namespace aerolune
