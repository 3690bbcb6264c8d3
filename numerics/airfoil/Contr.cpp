#include "numerics/airfoil/Contr.h"

#include <cmath>

#include "common/Array.h"
#include "numerics/airfoil/MeshLimits.h"

namespace aerolune {

namespace {

struct Point {
    float x, y;
};

// Corners of cell (i, j) counter-clockwise: 0 = (i, j), 1 = (i+1, j),
// 2 = (i+1, j+1), 3 = (i, j+1). Edges: 0 = corners 0-1, 1 = 1-2, 2 = 3-2,
// 3 = 0-3, each from its lower-numbered node (ring first, then round).
constexpr int kEdgeFrom[4] = {0, 1, 3, 0};
constexpr int kEdgeTo[4] = {1, 2, 2, 3};

// Edge pairs joined for each corner pattern (bit k set: corner k above);
// saddles (5 and 10) are resolved separately. -1 ends a list.
constexpr int kJoins[16][4] = {{-1, -1, -1, -1}, {3, 0, -1, -1},   {0, 1, -1, -1},   {3, 1, -1, -1},
                               {1, 2, -1, -1},   {-1, -1, -1, -1}, {0, 2, -1, -1},   {3, 2, -1, -1},
                               {2, 3, -1, -1},   {0, 2, -1, -1},   {-1, -1, -1, -1}, {1, 2, -1, -1},
                               {3, 1, -1, -1},   {0, 1, -1, -1},   {3, 0, -1, -1},   {-1, -1, -1, -1}};
// Saddles: when the cell's mean is above, the two corners below are cut off;
// otherwise the two corners above.
constexpr int kSaddle5MeanAbove[4] = {0, 1, 2, 3};
constexpr int kSaddle5MeanBelow[4] = {3, 0, 1, 2};
constexpr int kSaddle10MeanAbove[4] = {3, 0, 1, 2};
constexpr int kSaddle10MeanBelow[4] = {0, 1, 2, 3};

class LevelTracer {
public:
    LevelTracer(const View2<float>& x, const View2<float>& y, const View2<float>& f) : x_(x), y_(y), f_(f) {}

    // Segments of one level into column k of the outputs; returns the count.
    int32_t trace(double level, std::ptrdiff_t niWork, std::ptrdiff_t njWork, const View2<float>& x1,
                  const View2<float>& y1, const View2<float>& x2, const View2<float>& y2) const {
        const std::ptrdiff_t capacity = x1.rows();
        std::ptrdiff_t count = 0;
        for (std::ptrdiff_t j = 1; j < njWork; ++j)
            for (std::ptrdiff_t i = 1; i < niWork; ++i) {
                const std::ptrdiff_t ci[4] = {i, i + 1, i + 1, i}, cj[4] = {j, j, j + 1, j + 1};
                double v[4];
                int pattern = 0;
                bool finite = true;
                for (int k = 0; k < 4; ++k) {
                    v[k] = f_(ci[k], cj[k]);
                    finite = finite && std::isfinite(v[k]);
                    if (v[k] >= level) pattern |= 1 << k;
                }
                if (!finite || pattern == 0 || pattern == 15) continue;
                const int* joins = kJoins[pattern];
                if (pattern == 5 || pattern == 10) {
                    const bool meanAbove = 0.25 * (v[0] + v[1] + v[2] + v[3]) >= level;
                    joins = pattern == 5 ? (meanAbove ? kSaddle5MeanAbove : kSaddle5MeanBelow)
                                         : (meanAbove ? kSaddle10MeanAbove : kSaddle10MeanBelow);
                }
                for (int s = 0; s < 4 && joins[s] >= 0 && count < capacity; s += 2) {
                    const Point a = cut(joins[s], ci, cj, v, level), b = cut(joins[s + 1], ci, cj, v, level);
                    ++count;
                    x1(count, 1) = a.x;
                    y1(count, 1) = a.y;
                    x2(count, 1) = b.x;
                    y2(count, 1) = b.y;
                }
            }
        return static_cast<int32_t>(count);
    }

private:
    Point cut(int edge, const std::ptrdiff_t* ci, const std::ptrdiff_t* cj, const double* v,
              double level) const {
        const int a = kEdgeFrom[edge], b = kEdgeTo[edge];
        const double t = (level - v[a]) / (v[b] - v[a]);
        const double xa = x_(ci[a], cj[a]), ya = y_(ci[a], cj[a]);
        const double xb = x_(ci[b], cj[b]), yb = y_(ci[b], cj[b]);
        return {static_cast<float>(xa + t * (xb - xa)), static_cast<float>(ya + t * (yb - ya))};
    }

    const View2<float>& x_;
    const View2<float>& y_;
    const View2<float>& f_;
};

}  // namespace

int32_t ContrCapacity(int32_t ni, int32_t nj) {
    if (ni < kMinMeshDimension || nj < kMinMeshDimension) return 0;
    return 2 * (workingMeshDimension(ni) - 1) * (workingMeshDimension(nj) - 1);
}

void Contr(float* meshX, float* meshY, float* field, float* levels, int32_t* ni, int32_t* nj,
           int32_t* levelCount, float* x1, float* y1, float* x2, float* y2, int32_t* count) {
    if (*levelCount < 1) return;
    const std::ptrdiff_t capacity = ContrCapacity(*ni, *nj);
    for (int32_t k = 0; k < *levelCount; ++k) count[k] = 0;
    if (capacity == 0) return;
    const std::ptrdiff_t rows = *ni, cols = *nj;
    const View2<float> mx(meshX, rows, cols), my(meshY, rows, cols), f(field, rows, cols);
    const LevelTracer tracer(mx, my, f);
    const std::ptrdiff_t niWork = workingMeshDimension(*ni), njWork = workingMeshDimension(*nj);
    for (int32_t k = 0; k < *levelCount; ++k) {
        if (!std::isfinite(levels[k])) continue;
        const std::ptrdiff_t offset = capacity * k;
        const View2<float> ox1(x1 + offset, capacity, 1), oy1(y1 + offset, capacity, 1);
        const View2<float> ox2(x2 + offset, capacity, 1), oy2(y2 + offset, capacity, 1);
        count[k] = tracer.trace(levels[k], niWork, njWork, ox1, oy1, ox2, oy2);
    }
}

}  // namespace aerolune
