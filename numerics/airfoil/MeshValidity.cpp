#include "numerics/airfoil/MeshValidity.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace aerolune {

namespace {

double triangle(const double* qx, const double* qy, int a, int b, int c) {
    return (qx[b] - qx[a]) * (qy[c] - qy[a]) - (qy[b] - qy[a]) * (qx[c] - qx[a]);
}

double quadMeasure(const double* qx, const double* qy) {
    return std::max(std::min(triangle(qx, qy, 0, 1, 2), triangle(qx, qy, 0, 2, 3)),
                    std::min(triangle(qx, qy, 1, 2, 3), triangle(qx, qy, 1, 3, 0)));
}

// Folding of the four cells about node (i, j), i in 1..NI-1: the sum of their
// negative measures, and which of them are unfolded.
struct Neighbourhood {
    double folding = 0.0;
    bool unfolded[4] = {};
};

Neighbourhood around(const Array2<double>& x, const Array2<double>& y, std::ptrdiff_t i, std::ptrdiff_t j) {
    const std::ptrdiff_t im = i == 1 ? x.rows() - 1 : i - 1;
    const std::ptrdiff_t cells[4][2] = {{im, j - 1}, {i, j - 1}, {im, j}, {i, j}};
    Neighbourhood n;
    for (int c = 0; c < 4; ++c) {
        const double m = cellMeasure(x, y, cells[c][0], cells[c][1]);
        n.unfolded[c] = m > 0.0;
        n.folding += std::min(m, 0.0);
    }
    return n;
}

void setNode(Array2<double>& x, Array2<double>& y, std::ptrdiff_t i, std::ptrdiff_t j, double px, double py) {
    x(i, j) = px;
    y(i, j) = py;
    if (i == 1) {
        x(x.rows(), j) = px;
        y(y.rows(), j) = py;
    }
}

// Try the candidate positions for node (i, j); keep the best that lowers the
// folding about it without folding an unfolded cell. True when it moved.
bool improveNode(Array2<double>& x, Array2<double>& y, std::ptrdiff_t i, std::ptrdiff_t j) {
    const std::ptrdiff_t ip = i + 1, im = i == 1 ? x.rows() - 1 : i - 1;
    const double px = x(i, j), py = y(i, j);
    const double ex = x(ip, j), ey = y(ip, j), wx = x(im, j), wy = y(im, j);
    const double nx = x(i, j + 1), ny = y(i, j + 1), sx = x(i, j - 1), sy = y(i, j - 1);
    // Weighted by the inverse squared distance, the mean keeps thin cells thin.
    double tx = 0.0, ty = 0.0, tw = 0.0;
    for (const auto& [qx, qy] :
         {std::pair{ex, ey}, std::pair{wx, wy}, std::pair{nx, ny}, std::pair{sx, sy}}) {
        const double w = 1.0 / std::max((qx - px) * (qx - px) + (qy - py) * (qy - py), 1e-300);
        tx += w * qx;
        ty += w * qy;
        tw += w;
    }
    const double targets[4][2] = {{tx / tw, ty / tw},
                                  {0.25 * (ex + wx + nx + sx), 0.25 * (ey + wy + ny + sy)},
                                  {0.5 * (nx + sx), 0.5 * (ny + sy)},
                                  {0.5 * (ex + wx), 0.5 * (ey + wy)}};
    const Neighbourhood before = around(x, y, i, j);
    double bestFolding = before.folding, bestX = px, bestY = py;
    for (const auto& t : targets)
        for (double step : {1.0, 0.5, 0.25, 0.125}) {
            // In float, as the caller receives the mesh.
            const float cx = static_cast<float>(px + step * (t[0] - px));
            const float cy = static_cast<float>(py + step * (t[1] - py));
            setNode(x, y, i, j, cx, cy);
            const Neighbourhood after = around(x, y, i, j);
            bool keeps = true;
            for (int c = 0; c < 4; ++c) keeps = keeps && (after.unfolded[c] || !before.unfolded[c]);
            if (keeps && after.folding > bestFolding) {
                bestFolding = after.folding;
                bestX = x(i, j);
                bestY = y(i, j);
            }
        }
    setNode(x, y, i, j, bestX, bestY);
    return bestX != px || bestY != py;
}

}  // namespace

bool cellUnfolded(const double* qx, const double* qy) { return quadMeasure(qx, qy) > 0.0; }

double cellMeasure(const Array2<double>& x, const Array2<double>& y, std::ptrdiff_t i, std::ptrdiff_t j) {
    const double qx[4] = {x(i, j), x(i + 1, j), x(i + 1, j + 1), x(i, j + 1)};
    const double qy[4] = {y(i, j), y(i + 1, j), y(i + 1, j + 1), y(i, j + 1)};
    return quadMeasure(qx, qy);
}

std::ptrdiff_t foldedCellCount(const Array2<double>& x, const Array2<double>& y) {
    std::ptrdiff_t count = 0;
    for (std::ptrdiff_t j = 1; j < x.cols(); ++j)
        for (std::ptrdiff_t i = 1; i < x.rows(); ++i) count += cellMeasure(x, y, i, j) > 0.0 ? 0 : 1;
    return count;
}

bool untangleMesh(Array2<double>& x, Array2<double>& y, int32_t firstFree, int passes) {
    const std::ptrdiff_t ni = x.rows(), nj = x.cols();
    for (std::ptrdiff_t j = 1; j <= nj; ++j)
        for (std::ptrdiff_t i = 1; i <= ni; ++i) {
            x(i, j) = static_cast<float>(x(i, j));
            y(i, j) = static_cast<float>(y(i, j));
        }
    for (int pass = 0;; ++pass) {
        std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> nodes;
        for (std::ptrdiff_t j = 1; j < nj; ++j)
            for (std::ptrdiff_t i = 1; i < ni; ++i) {
                if (cellMeasure(x, y, i, j) > 0.0) continue;
                for (std::ptrdiff_t jj : {j, j + 1})
                    for (std::ptrdiff_t ii : {i, i + 1})
                        if (jj >= firstFree && jj < nj) nodes.emplace_back(ii == ni ? 1 : ii, jj);
            }
        if (nodes.empty()) return foldedCellCount(x, y) == 0;
        if (pass == passes) return false;
        std::sort(nodes.begin(), nodes.end());
        nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
        bool moved = false;
        for (const auto& [i, j] : nodes) moved = improveNode(x, y, i, j) || moved;
        if (!moved) return false;
    }
}

}  // namespace aerolune
