#include <gtest/gtest.h>

#include "analysis/FourierReport.h"

namespace aerolune {
namespace {

// The view's lines character for character: a three-blank indent, the
// coefficients with six decimals, a minus sign only where the value does not
// show as zero.
TEST(FourierReport, LinesOfTheView) {
    LinAero aero;
    aero.A0 = -0.00449289f;
    aero.A1 = 0.0814951f;
    aero.A2 = 0.01386128f;
    aero.A3 = 0.0027722553f;
    aero.A4 = 1.2345675f;  // rounds half away from zero at the sixth decimal
    aero.A5 = -12.5f;
    aero.A6 = -4e-8f;
    aero.A7 = 0.0000005f;
    const std::vector<std::string> expected = {
        "   FOURIER COEFFICIENTS FOR",
        "   THIN AIRFOIL COMPUTATIONS",
        "",
        "   A0 = -0.004493",
        "   A1 = 0.081495",
        "   A2 = 0.013861",
        "   A3 = 0.002772",
        "   A4 = 1.234568",
        "   A5 = -12.500000",
        "   A6 = 0.000000",
        "   A7 = 0.000001",
        "   A8 = 0.000000",
    };
    EXPECT_EQ(fourierReportLines(aero), expected);
}

}  // namespace
}  // namespace aerolune
