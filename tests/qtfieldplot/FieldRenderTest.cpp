// The field views rendered on the screen image: no streamline crosses the
// section, the pressure view shows both ends of its ramp, and the rubber
// band leaves the picture exactly as it found it.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <vector>

#include "app/ZoomCommands.h"
#include "plot/FieldPlots.h"
#include "plot/qt/PainterSurface.h"
#include "support/FieldDrawing.h"
#include "support/NullSeam.h"

namespace aerolune {
namespace {

using plot::ImageSurface;

AppState solvedState(const char* angle) {
    AppState state;
    state.texts.angleText = angle;
    state.analysis.boundaryLayerPending = false;
    return test::recomputed(state);
}

// The view drawn on a white 1200 x 800 image.
QImage render(AppState& state, int view, ImageSurface& surface) {
    surface.setBackColor(plot::kWhite);
    surface.setForeColor(plot::kBlack);
    surface.clear();
    test::computeAndDrawField(surface, state, view);
    return surface.image();
}

// Lowest and highest y of the closed contour where it crosses x.
std::pair<double, double> sectionSpan(const AppState& state, double x) {
    const SectionState& s = state.section;
    const int n = 2 * state.shared.HalfPoints;
    double lo = 1e9, hi = -1e9;
    for (int i = 1; i <= n; ++i) {
        const int j = i == n ? 1 : i + 1;
        const double x1 = s.nodeX(i), x2 = s.nodeX(j);
        if ((x1 - x) * (x2 - x) > 0 || x1 == x2) continue;
        const double y = s.nodeY(i) + (x - x1) / (x2 - x1) * (s.nodeY(j) - s.nodeY(i));
        lo = std::min(lo, y);
        hi = std::max(hi, y);
    }
    return {lo, hi};
}

TEST(FieldRender, StreamlinesStayOutsideTheSection) {
    for (const char* angle : {"0", "5"}) {
        AppState state = solvedState(angle);
        ImageSurface surface(1200, 800);
        const QImage image = render(state, 4, surface);
        int streamlinePixels = 0;
        for (int px = 0; px < image.width(); ++px)
            streamlinePixels += image.pixelColor(px, image.height() / 4) != QColor(Qt::white) ? 1 : 0;
        EXPECT_GT(streamlinePixels, 5) << "nothing drawn at " << angle;

        // The inner half of the thickness, kept clear of the outline's own
        // pixels (the section is about 70 pixels thick at this scale).
        for (const double x : {0.1, 0.3, 0.5, 0.7}) {
            const auto [lo, hi] = sectionSpan(state, x);
            const int px = static_cast<int>(surface.deviceX(x));
            const int top = static_cast<int>(surface.deviceY(hi - 0.25 * (hi - lo))) + 1;
            const int bottom = static_cast<int>(surface.deviceY(lo + 0.25 * (hi - lo)));
            ASSERT_LT(top, bottom) << x;
            for (int py = top; py <= bottom; ++py)
                EXPECT_EQ(image.pixelColor(px, py), QColor(Qt::white))
                    << angle << " deg, x " << x << ", row " << py;
        }
    }
}

// Whether a pixel within radius (chords) of (x, y) passes the test.
template <typename Test>
bool anyPixelNear(const QImage& image, const ImageSurface& s, double x, double y, double radius, Test test) {
    const int r = static_cast<int>(s.deviceX(x + radius) - s.deviceX(x));
    const int cx = static_cast<int>(s.deviceX(x)), cy = static_cast<int>(s.deviceY(y));
    for (int py = std::max(cy - r, 0); py <= std::min(cy + r, image.height() - 1); ++py)
        for (int px = std::max(cx - r, 0); px <= std::min(cx + r, image.width() - 1); ++px)
            if (test(image.pixelColor(px, py))) return true;
    return false;
}

TEST(FieldRender, PressureViewShowsBothEndsOfTheRamp) {
    AppState state = solvedState("5");
    ImageSurface surface(1200, 800);
    const QImage image = render(state, 5, surface);
    const SectionState& s = state.section;
    const int stag = state.analysis.stagnationIndex;
    int peak = 1;
    for (int i = 1; i <= 2 * state.shared.HalfPoints; ++i)
        if (s.surfaceCp(i) < s.surfaceCp(peak)) peak = i;
    ASSERT_GT(s.nodeY(peak), 0.0) << "suction peak on the upper surface at 5 degrees";

    auto red = [](const QColor& c) { return c.red() >= 200 && c.green() <= 120 && c.blue() <= 60; };
    auto blue = [](const QColor& c) { return c.blue() >= 200 && c.red() <= 60 && c.green() <= 120; };
    const double near = 0.05;  // chords round each point
    EXPECT_TRUE(anyPixelNear(image, surface, s.nodeX(stag), s.nodeY(stag), near, red));
    EXPECT_TRUE(anyPixelNear(image, surface, s.nodeX(peak), s.nodeY(peak), near, blue));
}

TEST(FieldRender, RubberBandRestoresThePictureAndZooms) {
    AppState state = solvedState("0");
    state.display.view = 6;
    ImageSurface surface(600, 400);
    const QImage before = render(state, 6, surface);
    ZoomDrag drag;
    drag.press(state, surface, 0.0, 0.2);
    drag.move(surface, 0.3, -0.1);
    EXPECT_NE(surface.image(), before);
    drag.move(surface, 0.5, -0.2);
    ASSERT_TRUE(drag.release(state, surface));
    EXPECT_EQ(surface.image(), before);
    EXPECT_EQ(plot::viewWindow(state, 6), (plot::FieldWindow{0.0, 0.5, -0.2, 0.2}));
    EXPECT_EQ(state.display.fieldWindow.xMax, 1.5);
}

}  // namespace
}  // namespace aerolune
