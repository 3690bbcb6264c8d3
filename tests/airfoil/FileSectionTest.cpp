// File sections: whatever the order, orientation, scale or repetition of the
// points in the two lists, the same section comes out.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "AirfoilRun.h"

namespace aerolune::test {
namespace {

void reverseList(Array1<float>& x, Array1<float>& y, int32_t n) {
    std::reverse(x.data(), x.data() + n);
    std::reverse(y.data(), y.data() + n);
}

TEST(FileSection, ListOrderScaleAndRepeatsDoNotChangeTheSection) {
    const AirfoilCall clean = karmanTrefftzCall("KT_cambered.txt", 5.0f, 120);
    ASSERT_EQ(clean.file.FileNU, 101);
    const AirfoilResult expected = runAirfoil(clean);
    struct Case {
        const char* what;
        void (*change)(FileSection&);
    };
    const Case cases[] = {
        {"upper list reversed", [](FileSection& f) { reverseList(f.FileXU, f.FileYU, f.FileNU); }},
        {"both lists reversed",
         [](FileSection& f) {
             reverseList(f.FileXU, f.FileYU, f.FileNU);
             reverseList(f.FileXL, f.FileYL, f.FileNL);
         }},
        {"lists swapped",
         [](FileSection& f) {
             std::swap(f.FileXU, f.FileXL);
             std::swap(f.FileYU, f.FileYL);
             std::swap(f.FileNU, f.FileNL);
         }},
        {"points repeated",
         [](FileSection& f) {
             // every point of the lower list twice, the last one three times
             for (int i = f.FileNL; i >= 1; --i) {
                 f.FileXL(2 * i) = f.FileXL(2 * i - 1) = f.FileXL(i);
                 f.FileYL(2 * i) = f.FileYL(2 * i - 1) = f.FileYL(i);
             }
             f.FileNL *= 2;
             f.FileXL(f.FileNL + 1) = f.FileXL(f.FileNL);
             f.FileYL(f.FileNL + 1) = f.FileYL(f.FileNL);
             f.FileNL += 1;
         }},
        {"millimetres, shifted",
         [](FileSection& f) {
             for (int i = 1; i <= f.FileNU; ++i) {
                 f.FileXU(i) = 250.0f * f.FileXU(i) + 40.0f;
                 f.FileYU(i) = 250.0f * f.FileYU(i) - 12.0f;
             }
             for (int i = 1; i <= f.FileNL; ++i) {
                 f.FileXL(i) = 250.0f * f.FileXL(i) + 40.0f;
                 f.FileYL(i) = 250.0f * f.FileYL(i) - 12.0f;
             }
         }},
    };
    for (const Case& c : cases) {
        AirfoilCall call = clean;
        c.change(call.file);
        AirfoilResult r = runAirfoil(call);
        ASSERT_TRUE(r.guardsIntact()) << c.what;
        // identical lists give identical numbers; rescaled single-precision
        // input moves the points by up to 1e-7 chord, so 1e-5 on the lift
        EXPECT_NEAR(r.cl, expected.cl, 1e-5) << c.what;
        EXPECT_NEAR(r.cmLe, expected.cmLe, 1e-5) << c.what;
        for (int i = 0; i < r.panels(); ++i) {
            ASSERT_NEAR(r.nodeX[i], expected.nodeX[i], 1e-6) << c.what << " node " << i + 1;
            ASSERT_NEAR(r.nodeY[i], expected.nodeY[i], 1e-6) << c.what << " node " << i + 1;
        }
    }
}

// A blunt (open) trailing edge is closed at the midpoint of its base, over
// the last ten base widths of the chord. Opening the Karman-Trefftz section by
// +0.003 x on the upper and -0.001 x on the lower surface (a base 0.004 wide,
// closed over the last 4 %) must keep the opened section as it is ahead of
// x = 0.96 and its mean line everywhere; the sharp section opened by +0.001 x
// on both surfaces has that same mean line. 1e-5: single-precision input.
TEST(FileSection, OpenTrailingEdgeIsClosedAtTheMiddleOfItsBase) {
    auto opened = [](double upper, double lower) {
        AirfoilCall call = karmanTrefftzCall("KT_cambered.txt", 0.0f, 120);
        for (int i = 1; i <= call.file.FileNU; ++i)
            call.file.FileYU(i) += static_cast<float>(upper) * call.file.FileXU(i);
        for (int i = 1; i <= call.file.FileNL; ++i)
            call.file.FileYL(i) += static_cast<float>(lower) * call.file.FileXL(i);
        return runAirfoil(call);
    };
    const AirfoilResult blunt = opened(0.003, -0.001);
    const AirfoilResult sharp = opened(0.001, 0.001);
    EXPECT_NEAR(blunt.nodeX[0], 1.0, 1e-6);
    EXPECT_NEAR(blunt.nodeY[0], 0.001, 1e-5);
    EXPECT_TRUE(contourIsSimple(blunt));
    const int h = blunt.halfPoints;
    for (int k = 1; k < h; ++k) {
        const float x = blunt.nodeX[h + k];
        const float meanBlunt = 0.5f * (blunt.nodeY[h + k] + blunt.nodeY[h - k]);
        const float meanSharp = 0.5f * (sharp.nodeY[h + k] + sharp.nodeY[h - k]);
        EXPECT_NEAR(meanBlunt, meanSharp, 1e-5) << "station " << k;
        if (x >= 0.96f) continue;
        EXPECT_NEAR(blunt.nodeY[h + k] - sharp.nodeY[h + k], 0.002 * x, 1e-5) << "upper, station " << k;
        EXPECT_NEAR(blunt.nodeY[h - k] - sharp.nodeY[h - k], -0.002 * x, 1e-5) << "lower, station " << k;
    }
}

}  // namespace
}  // namespace aerolune::test
