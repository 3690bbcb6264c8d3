#pragma once
// The section builder called for a NACA section as the application calls it
// (mode 0, no coordinate file), for tests that need a real section's nodes.

#include <cstdint>

#include "common/Array.h"
#include "numerics/airfoil/Airfoil.h"

namespace aerolune::test {

/// Every output of the call: the lists 1..2H+1, the lift and the leading-edge moment.
struct NacaBuild {
    Array1<float> nodeX, ctrlX, nodeY, cp, velocity;
    float cl = 0.0f, cmLe = 0.0f;
};

inline NacaBuild buildNaca(int32_t designation, float alphaDeg, int32_t halfPoints, float flapRad = 0.0f,
                           float flapHinge = 1.0f) {
    const std::size_t n = static_cast<std::size_t>(2 * halfPoints + 1);
    NacaBuild b{Array1<float>(n), Array1<float>(n), Array1<float>(n), Array1<float>(n), Array1<float>(n)};
    Array1<float> fileList(1);
    int32_t reserved = 0, counts = 0, source = 0, mode = 0;
    Airfoil(&designation, &alphaDeg, b.nodeX.data(), b.ctrlX.data(), b.nodeY.data(), b.cp.data(),
            b.velocity.data(), &b.cl, &b.cmLe, &flapRad, &flapHinge, &halfPoints, &reserved, fileList.data(),
            fileList.data(), fileList.data(), fileList.data(), &counts, &counts, &source, &mode);
    return b;
}

}  // namespace aerolune::test
