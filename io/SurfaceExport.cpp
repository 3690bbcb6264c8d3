#include "io/SurfaceExport.h"

#include <string>

#include "common/FormatPicture.h"
#include "io/CoordinatesFile.h"

namespace aerolune {

ExportText surfaceExportText(SurfaceQuantity quantity, std::string_view name, std::string_view angle,
                             const Array1<float>& ctrlX, const Array1<float>& values, int32_t n) {
    ExportText out;
    out.error = contourCountProblem(n, ctrlX.size(), values.size());
    if (!out.ok()) return out;

    const bool cp = quantity == SurfaceQuantity::PressureCoefficient;
    const std::string title = cp ? "Surface Cp for: " : "Surface Velocity for: ";
    const std::string columns = cp ? " Cp (x,Cp) " : " Velocity (x,V) ";
    const int32_t half = n / 2;
    auto stationLine = [&](int32_t i) {
        appendLine(out.text,
                   zonedPair(formatPicture(ctrlX(i), "#0.000000"), formatPicture(values(i), "#0.000000")));
    };
    appendLine(out.text, title + std::string(name) + " at " + std::string(angle));
    appendLine(out.text, "Upper Surface" + columns + std::to_string(half) + " Points");
    for (int32_t i = half + 1; i <= n; ++i) stationLine(i);
    appendLine(out.text, "Lower Surface" + columns + std::to_string(half) + " Points");
    for (int32_t i = half; i >= 1; --i) stationLine(i);
    return out;
}

}  // namespace aerolune
