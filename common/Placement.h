#pragma once
// Window placement arithmetic in twips, free of any toolkit so it can be
// checked on plain rectangles.

namespace aerolune {

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect&) const = default;
};

struct TwipsSize {
    int width = 0;
    int height = 0;
};

/// Centres a window on the screen: one move, no clamping.
TwipsRect centerOnScreen(TwipsRect window, TwipsSize screen);

/// Centres a window over a reference window, then keeps it on the screen: a
/// window that would run off the right or bottom edge is pushed back, and
/// otherwise one left of or above the screen is moved to 0.
TwipsRect centerOverWindow(TwipsRect window, TwipsRect reference, TwipsSize screen);

}  // namespace aerolune
