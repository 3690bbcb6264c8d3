#include <gtest/gtest.h>

#include "common/Placement.h"

namespace aerolune {
namespace {

const TwipsSize kScreen{19200, 14400};  // 1280 x 960 pixels at 15 twips per pixel

TEST(Placement, CenterOnScreenMovesTheWindowToTheMiddle) {
    EXPECT_EQ(centerOnScreen({5, 5, 7635, 5730}, kScreen), (TwipsRect{5782, 4335, 7635, 5730}));
    // A window larger than the screen is centred too, with negative corners.
    EXPECT_EQ(centerOnScreen({0, 0, 20200, 15400}, kScreen), (TwipsRect{-500, -500, 20200, 15400}));
}

TEST(Placement, CenterOverWindowKeepsTheDialogOnTheScreen) {
    struct Case {
        TwipsRect reference;
        TwipsRect expected;
        const char* what;
    };
    const TwipsRect dialog{0, 0, 4000, 3000};
    const Case cases[] = {
        {{1000, 1000, 8000, 6000}, {3000, 2500, 4000, 3000}, "centred over the reference"},
        {{17000, 13000, 2000, 1000}, {15200, 11400, 4000, 3000}, "pushed back from the right and bottom"},
        {{-3000, -2000, 2000, 1000}, {0, 0, 4000, 3000}, "moved to 0 from the left and top"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(centerOverWindow(dialog, c.reference, kScreen), c.expected) << c.what;
    // Wider than the screen: the right-edge rule wins, as the order of the checks says.
    EXPECT_EQ(centerOverWindow({0, 0, 20000, 3000}, {10000, 0, 8000, 6000}, kScreen).left, -800);
}

}  // namespace
}  // namespace aerolune
