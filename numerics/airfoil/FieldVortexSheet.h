#pragma once
// The flow about the section seen as a vortex sheet on the contour plus a
// uniform stream. A potential flow about a closed body is the same outside
// the body as a vortex sheet on its surface whose strength is the surface
// velocity, with the fluid inside at rest; the uniform stream follows from
// that rest condition (the contour is then a streamline). The sheet is made
// of straight panels with strength varying linearly along each (continuous at
// the nodes), whose stream function and velocity have closed forms.
//
// Strength g is counted positive anticlockwise (a point vortex of strength G
// has psi = -G ln r / 2 pi): on a contour run clockwise (trailing edge, lower
// surface, leading edge, upper surface) the outside is on the left of each
// panel and g = -(velocity along the panel direction just outside).

#include <vector>

namespace aerolune {

struct FieldValue {
    double psi = 0.0;  ///< stream function of the sheet alone
    double u = 0.0;    ///< velocity induced by the sheet
    double v = 0.0;
};

class VortexSheet {
public:
    /// \param x, y contour nodes 0..n-1; panel k joins node k to node k + 1
    /// \param g strength at the start and at the end of each panel
    VortexSheet(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>& gStart,
                const std::vector<double>& gEnd);

    /// Stream function and velocity induced at (px, py).
    FieldValue at(double px, double py) const;

    /// Velocity induced at the midpoint of panel k, the panel's own jump left
    /// out (the mean of the two sides).
    FieldValue atMidpoint(std::size_t k) const;

    std::size_t size() const { return panels_.size(); }

private:
    struct Panel {
        double x0, y0, cosT, sinT, length, g0, g1;
        double gaussX[2], gaussY[2], gaussG[2];  // far-field quadrature points
    };
    static void addExact(const Panel& p, double px, double py, bool ownMidpoint, FieldValue& f);
    static void addQuadrature(const Panel& p, double px, double py, FieldValue& f);
    /// One panel's part: Gauss quadrature far from it, the exact integral near it.
    static void addPanel(const Panel& p, double px, double py, FieldValue& f);

    std::vector<Panel> panels_;
};

}  // namespace aerolune
