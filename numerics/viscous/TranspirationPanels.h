#pragma once
// The inviscid flow about a section and its wake with the boundary layer's
// displacement represented by transpiration: a source sheet on the contour
// and along the wake whose strength is the streamwise growth of the mass
// defect m = Ue delta* (Lighthill's equivalent source, J. Fluid Mech. 4, 1958).
//
// The contour carries a linear-vorticity sheet held, with the sources, at one
// stream-function constant at every node (the flow inside the contour at
// rest), so the outer edge speed at a node equals the sheet strength there.
// The sharp trailing edge leaves with equal speed on both surfaces (the sum
// of the two edge values vanishes) and the two surfaces' speeds have the
// same second difference over their last three nodes there; unlike a rear
// stagnation point this gives the boundary layer a finite edge speed to run
// into the wake with.
//
// Everything here is linear in the source strengths: the edge speeds are
//   gamma = gamma_inviscid + G sigma      on the contour nodes,
//   Ue_wake = Ue_wake_inviscid + W sigma  at the wake nodes,
// and the coupled boundary layer reads G and W as its source influence.

#include <Eigen/Dense>
#include <vector>

namespace aerolune::viscous {

/// A closed contour: nodes 0..n-1 (node 0 the trailing edge, running along
/// the lower surface to the nose and back along the upper one), node n
/// repeating node 0.
struct ContourPanels {
    int n = 0;
    std::vector<double> x, y;            ///< n + 1 nodes
    std::vector<double> length, tx, ty;  ///< per panel j (node j to j + 1)
    std::vector<double> arc;             ///< arc length at node j, 0 at node 0
};

ContourPanels contourPanels(const std::vector<double>& x, const std::vector<double>& y);

/// The wake's straight source panels, nodes 0..nw-1, node 0 at the trailing edge.
struct WakePanels {
    std::vector<double> x, y;            ///< nodes
    std::vector<double> length, tx, ty;  ///< per panel k (node k to k + 1)
    std::vector<double> arc;             ///< distance along the wake from the trailing edge
    int nodes() const { return static_cast<int>(x.size()); }
};

/// The section's vortex system, factorised once and kept for every angle.
class SectionVortexSystem {
public:
    explicit SectionVortexSystem(const ContourPanels& contour);
    const ContourPanels& contour() const { return contour_; }
    /// Sheet strengths gamma_0..gamma_n at angle alpha (radians) without sources.
    Eigen::VectorXd inviscid(double alpha) const;
    /// d gamma_0..n / d sigma of the contour's own source panels.
    const Eigen::MatrixXd& contourSourceResponse() const { return contourSources_; }
    /// d gamma_0..n / d sigma of the wake's source panels.
    Eigen::MatrixXd wakeSourceResponse(const WakePanels& wake) const;
    /// Velocity (u, v) at a field point of the vortex sheet gamma plus the free stream.
    void velocity(const Eigen::VectorXd& gamma, double alpha, double px, double py, double& u,
                  double& v) const;
    /// d(u, v) / d gamma_j at a field point.
    void velocityResponse(double px, double py, Eigen::VectorXd& du, Eigen::VectorXd& dv) const;

private:
    Eigen::VectorXd solve(const Eigen::VectorXd& rhs) const;
    ContourPanels contour_;
    Eigen::PartialPivLU<Eigen::MatrixXd> lu_;
    Eigen::MatrixXd contourSources_;
};

/// A wake of `nodes` nodes and `length` chords traced from the trailing edge
/// along the inviscid flow, its panels growing geometrically from about the
/// trailing-edge panels' length.
WakePanels traceWake(const SectionVortexSystem& system, const Eigen::VectorXd& gamma, double alpha, int nodes,
                     double length);

/// The wake nodes' edge speed (along the wake): the inviscid part and its
/// response to the contour's and the wake's source panels (columns: contour
/// panels, then wake panels). Node 0 is the trailing edge, whose speed is
/// the upper surface's last value there.
struct WakeSpeeds {
    Eigen::VectorXd inviscid;
    Eigen::MatrixXd response;
};
WakeSpeeds wakeSpeeds(const SectionVortexSystem& system, const WakePanels& wake, const Eigen::VectorXd& gamma,
                      const Eigen::MatrixXd& gammaResponse, double alpha);

}  // namespace aerolune::viscous
