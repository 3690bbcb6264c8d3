#include "analysis/PipelineSolve.h"

#include "numerics/airfoil/Airfoil.h"

namespace aerolune {

void callAirfoil(SectionState& section, int32_t halfPoints, float alphaDeg, int32_t mode, float* nodeX,
                 float* ctrlX, float* nodeY, float* cp, float* velocity, float& cl, float& cmLe) {
    int32_t designation = section.designationNumber;
    int32_t half = halfPoints;
    int32_t reserved = 0;
    int32_t source = section.fromFile ? 1 : 0;
    FileSection& file = section.file;
    Airfoil(&designation, &alphaDeg, nodeX, ctrlX, nodeY, cp, velocity, &cl, &cmLe, &section.flapAngleRad,
            &section.flapHingeX, &half, &reserved, file.FileYU.data(), file.FileYL.data(), file.FileXU.data(),
            file.FileXL.data(), &file.FileNU, &file.FileNL, &source, &mode);
}

void sizeSolutionArrays(Array1<float>& nodeX, Array1<float>& nodeY, Array1<float>& controlX,
                        Array1<float>& cp, Array1<float>& speed, int32_t halfPoints) {
    const auto panels = static_cast<std::size_t>(2 * halfPoints);
    if (nodeX.size() != static_cast<std::ptrdiff_t>(panels + 1)) {
        nodeX.resize(panels + 1);
        nodeY.resize(panels + 1);
    }
    if (controlX.size() != static_cast<std::ptrdiff_t>(panels)) {
        controlX.resize(panels);
        cp.resize(panels);
        speed.resize(panels);
    }
}

void solveSection(SectionState& section, int32_t halfPoints, float alphaDeg, SectionSolution& out) {
    out.halfPoints = halfPoints;
    sizeSectionArrays(out, halfPoints);
    callAirfoil(section, halfPoints, alphaDeg, kBuildAndSolve, out.NodeX.data(), out.CtrlX.data(),
                out.NodeY.data(), out.SurfCp.data(), out.SurfVel.data(), out.cl, out.cmLe);
    const int32_t n = 2 * halfPoints;
    out.NodeX(n + 1) = out.NodeX(1);
    out.NodeY(n + 1) = out.NodeY(1);
}

void resolveDisplaced(SectionState& section, SectionSolution& sol, const Array1<float>& displacedY,
                      float alphaDeg) {
    const int32_t n = 2 * sol.halfPoints;
    // Argument 6 carries the undisplaced ordinates, argument 5 the displaced ones.
    Array1<float> undisplaced = sol.NodeY;
    for (int32_t j = 1; j <= n; ++j) sol.NodeY(j) = displacedY(j);
    sol.NodeY(n + 1) = sol.NodeY(1);
    callAirfoil(section, sol.halfPoints, alphaDeg, kSolveDisplaced, sol.NodeX.data(), sol.CtrlX.data(),
                sol.NodeY.data(), undisplaced.data(), sol.SurfVel.data(), sol.cl, sol.cmLe);
}

}  // namespace aerolune
