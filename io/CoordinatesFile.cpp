#include "io/CoordinatesFile.h"

#include <algorithm>
#include <string>

#include "common/FormatPicture.h"

namespace aerolune {

std::string contourCountProblem(int32_t n, std::ptrdiff_t xSize, std::ptrdiff_t ySize) {
    if (n < 2 || n % 2 != 0)
        return "the section has " + std::to_string(n) + " points, not an even number of at least 2";
    if (n > xSize || n > ySize) {
        return "the section has " + std::to_string(n) + " points but only " +
               std::to_string(std::min(xSize, ySize)) + " are stored";
    }
    return {};
}

ExportText coordinatesFileText(std::string_view name, const Array1<float>& nodeX, const Array1<float>& nodeY,
                               int32_t n) {
    ExportText out;
    out.error = contourCountProblem(n, nodeX.size(), nodeY.size());
    if (!out.ok()) return out;

    const int32_t half = n / 2;
    auto pointLine = [&](int32_t i) {
        appendLine(out.text,
                   zonedPair(formatPicture(nodeX(i), "#0.000000"), formatPicture(nodeY(i), "#0.000000")));
    };
    appendLine(out.text, "Coordinates for " + std::string(name));
    appendLine(out.text, "Upper Surface Coordinates (x,y) " + std::to_string(half) + " Points");
    for (int32_t i = half + 1; i <= n; ++i) pointLine(i);
    appendLine(out.text, "Lower Surface Coordinates (x,y) " + std::to_string(half) + " Points");
    for (int32_t i = half; i >= 1; --i) pointLine(i);
    return out;
}

}  // namespace aerolune
