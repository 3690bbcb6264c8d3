#include "common/Placement.h"

namespace aerolune {

TwipsRect centerOnScreen(TwipsRect window, TwipsSize screen) {
    window.left = (screen.width - window.width) / 2;
    window.top = (screen.height - window.height) / 2;
    return window;
}

TwipsRect centerOverWindow(TwipsRect window, TwipsRect reference, TwipsSize screen) {
    window.left = reference.left + (reference.width - window.width) / 2;
    window.top = reference.top + (reference.height - window.height) / 2;
    if (window.left + window.width > screen.width) {
        window.left = screen.width - window.width;
    } else if (window.left < 0) {
        window.left = 0;
    }
    if (window.top + window.height > screen.height) {
        window.top = screen.height - window.height;
    } else if (window.top < 0) {
        window.top = 0;
    }
    return window;
}

}  // namespace aerolune
