#include "analysis/FourierReport.h"

#include "common/FormatPicture.h"

namespace aerolune {

std::vector<std::string> fourierReportLines(const LinAero& aero) {
    const float A[9] = {aero.A0, aero.A1, aero.A2, aero.A3, aero.A4, aero.A5, aero.A6, aero.A7, aero.A8};
    std::vector<std::string> lines = {"   FOURIER COEFFICIENTS FOR", "   THIN AIRFOIL COMPUTATIONS", ""};
    for (int n = 0; n < 9; ++n)
        lines.push_back("   A" + std::to_string(n) + " = " + formatPicture(A[n], "#0.000000"));
    return lines;
}

}  // namespace aerolune
