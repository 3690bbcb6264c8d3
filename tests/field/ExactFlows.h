#pragma once
// Exact potential flows for the field tests: the Karman-Trefftz section (a
// circle through zeta = b mapped by z = n b (1 + q) / (1 - q), q = ((zeta - b) /
// (zeta + b))^n, n = 2 - tau / pi for a trailing-edge angle tau) and, with
// n = 1 (the identity map), the circular cylinder. The flow in the circle
// plane is the uniform stream at angle alpha past the circle plus a vortex,
// F = (zeta' e^-ia + R^2 e^ia / zeta') + i G / 2 pi ln zeta', zeta' = zeta - c,
// with G from the Kutta condition at zeta = b or given.

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "tests/field/FieldSections.h"

namespace aerolune::test {

using Complex = std::complex<double>;

class ExactFlow {
public:
    /// \param n map exponent (1: cylinder), \param centre circle centre (b = 1)
    /// \param alphaDeg stream angle, \param kutta circulation from the Kutta
    ///        condition at zeta = 1, else none
    ExactFlow(double n, Complex centre, double alphaDeg, bool kutta)
        : n_(n), c_(centre), r_(std::abs(1.0 - centre)), alpha_(alphaDeg * std::numbers::pi / 180.0) {
        if (kutta) {
            const Complex t = 1.0 - c_;
            const Complex w0 =
                std::exp(Complex(0, -alpha_)) - r_ * r_ * std::exp(Complex(0, alpha_)) / (t * t);
            gamma_ = (-w0 * 2.0 * std::numbers::pi * t / Complex(0, 1)).real();
        }
    }

    Complex circlePoint(double phi) const { return c_ + r_ * std::exp(Complex(0, phi)); }
    double trailingAngle() const { return std::arg(1.0 - c_); }

    Complex z(Complex zeta) const {
        if (n_ == 1.0) return zeta;
        const Complex q = std::pow((zeta - 1.0) / (zeta + 1.0), n_);
        return n_ * (1.0 + q) / (1.0 - q);
    }
    Complex dz(Complex zeta) const {
        if (n_ == 1.0) return 1.0;
        const Complex q = std::pow((zeta - 1.0) / (zeta + 1.0), n_);
        const Complex dq = n_ * q * 2.0 / (zeta * zeta - 1.0);
        return n_ * 2.0 * dq / ((1.0 - q) * (1.0 - q));
    }
    // Physical velocity at the image of zeta.
    void velocity(Complex zeta, double& u, double& v) const {
        const Complex t = zeta - c_;
        const Complex w = std::exp(Complex(0, -alpha_)) - r_ * r_ * std::exp(Complex(0, alpha_)) / (t * t) +
                          Complex(0, 1) * gamma_ / (2.0 * std::numbers::pi * t);
        const Complex conjVel = w / dz(zeta);
        u = conjVel.real();
        v = -conjVel.imag();
    }
    // Stream function, zero on the section.
    double psi(Complex zeta) const {
        const Complex t = zeta - c_;
        const Complex f = t * std::exp(Complex(0, -alpha_)) + r_ * r_ * std::exp(Complex(0, alpha_)) / t +
                          Complex(0, 1) * gamma_ / (2.0 * std::numbers::pi) * std::log(t);
        return f.imag() - gamma_ / (2.0 * std::numbers::pi) * std::log(r_);
    }

    /// The section as Flow receives it: 2H + 1 nodes at even steps round the
    /// circle, clockwise from the trailing edge, and per panel the signed
    /// velocity ratio (panels 1..H count as lower surface) at the circle point
    /// halfway between the panel's ends.
    void section(int halfPoints, FieldSection& s, std::vector<float>& ratio) const {
        const int n = 2 * halfPoints;
        s.x.clear();
        s.y.clear();
        ratio.clear();
        auto phi = [&](double k) { return trailingAngle() - 2.0 * std::numbers::pi * k / n; };
        for (int k = 0; k <= n; ++k) {
            const Complex p = k == n ? z(circlePoint(phi(0))) : z(circlePoint(phi(k)));
            s.x.push_back(static_cast<float>(p.real()));
            s.y.push_back(static_cast<float>(p.imag()));
        }
        for (int k = 0; k < n; ++k) {
            double u, v;
            velocity(circlePoint(phi(k + 0.5)), u, v);
            const double dx = s.x[k + 1] - s.x[k], dy = s.y[k + 1] - s.y[k], len = std::hypot(dx, dy);
            const double along = (u * dx + v * dy) / len;
            ratio.push_back(static_cast<float>(k < halfPoints ? -along : along));
        }
        ratio.push_back(ratio.front());
    }

private:
    double n_;
    Complex c_;
    double r_, alpha_, gamma_ = 0.0;
};

}  // namespace aerolune::test
