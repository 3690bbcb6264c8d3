#pragma once
// The stations, unknowns and Newton iteration behind solveCoupledLayer.

#include <Eigen/Dense>
#include <functional>
#include <memory>
#include <vector>

#include "numerics/viscous/BorderedBlockSolve.h"
#include "numerics/viscous/CoupledLayer.h"
#include "numerics/viscous/IntegralIntervals.h"
#include "numerics/viscous/TranspirationPanels.h"

namespace aerolune::viscous {

class CoupledSystem {
public:
    CoupledSystem(const ContourPanels& contour, const WakePanels& wake, const Eigen::VectorXd& gammaInviscid,
                  const Eigen::MatrixXd& gammaResponse, const WakeSpeeds& wakeSpeed,
                  const CoupledLayerSettings& settings);

    /// Marches a first layer, then iterates to convergence, placing the
    /// stagnation point again until it stays on its panel; `record` takes
    /// the figures of every converged solution. False when none converged.
    bool solve(CoupledLayerResult& result, const std::function<void(CoupledLayerResult&)>& record);

    /// Starts from a converged layer of the same section instead of a march.
    void seed(const CoupledLayerStart& start);
    /// The present layer, for a neighbouring angle to start from.
    void keep(CoupledLayerStart& out) const;

    /// The contour's sheet strengths gamma_0..gamma_n with the layer's sources.
    Eigen::VectorXd edgeGamma() const;

    /// Drag (Squire-Young at the wake's last station) and both transition points.
    void dragAndTransition(CoupledLayerResult& result) const;

private:
    enum class Side { Upper, Lower, Wake };

    bool placeStations(const Eigen::VectorXd& gamma);
    void buildInfluence();
    void march();
    void marchSurface(int zoneStart, int first, int last);
    void marchWake();
    bool solveStation(int i, bool inverse, double hkTarget);
    void classify();
    void updateSpeeds();
    Residual residual(int i) const;
    int dependencies(int i, int deps[3]) const;
    bool newton(int& iterations);
    void applyStep(const Eigen::VectorXd& dx, double rlx);
    double residualNorm() const;
    int stagnationPanel(const Eigen::VectorXd& gamma) const;
    /// Fills a cleared system with the Newton equations at the present states.
    void assemble(BorderedBlockSystem& sys);
    double stepRelaxation(const Eigen::VectorXd& dx, const Eigen::VectorXd& dUe, double& change) const;
    double transitionX(int first, int last) const;

    bool isFirst(int i) const { return i == firstUpper_ || i == firstLower_; }
    bool isInert(int i) const { return i < firstUpper_ || (i >= nUpper_ && i < firstLower_); }
    int upperEdge() const { return nUpper_ - 1; }
    int lowerEdge() const { return nUpper_ + nLower_ - 1; }
    int wakeFirst() const { return nUpper_ + nLower_; }
    int size() const { return static_cast<int>(st_.size()); }

    const ContourPanels& contour_;
    const WakePanels& wake_;
    const Eigen::VectorXd& gammaInviscid_;
    const Eigen::MatrixXd& gammaResponse_;
    const WakeSpeeds& wakeSpeed_;
    CoupledLayerSettings settings_;

    int stagNode_ = -1;     ///< the stagnation point lies on panel stagNode_
    double stagArc_ = 0.0;  ///< its arc position
    int nUpper_ = 0, nLower_ = 0, nWake_ = 0;
    int firstUpper_ = 0, firstLower_ = 0;  ///< each surface's first station with layer equations
    std::vector<Side> side_;
    std::vector<int> node_;  ///< contour node, or wake node
    std::vector<double> xi_, xc_, sign_;
    std::vector<StationState> st_;
    std::vector<char> turbulent_;
    std::vector<IntervalKind> kind_;
    Eigen::MatrixXd sourceOfMass_;  ///< sigma per source panel from m per station
    Eigen::MatrixXd speedOfMass_;   ///< D: Ue per station from m per station
    Eigen::VectorXd ueInviscid_;
    Eigen::VectorXd marchSpeed_;                   ///< the speeds the first march runs on
    std::unique_ptr<BorderedBlockSystem> system_;  ///< the Newton system, kept between iterations
};

}  // namespace aerolune::viscous
