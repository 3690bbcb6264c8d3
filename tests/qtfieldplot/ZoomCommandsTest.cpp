// The zoom commands and the plot area's pointer, view by view.

#include <gtest/gtest.h>

#include <QCursor>
#include <QPixmap>

#include "app/ZoomCommands.h"
#include "app/ZoomCursor.h"
#include "plot/FieldWindow.h"

namespace aerolune {
namespace {

TEST(ZoomCommands, OnlyTheFieldViewsZoomEachInItsOwnWindow) {
    for (int view = 1; view <= 10; ++view) {
        AppState state;
        state.display.view = view;
        const bool zooms = view >= 4 && view <= 6;
        EXPECT_EQ(zoomIn(state), zooms) << view;
        const plot::FieldWindow mesh = plot::viewWindow(state, 6), field = plot::viewWindow(state, 4);
        EXPECT_EQ(mesh.xMin, view == 6 ? 0.0 : -0.5) << view;
        EXPECT_EQ(field.xMin, view == 4 || view == 5 ? 0.0 : -0.5) << view;
        EXPECT_EQ(zoomOut(state), zooms);
        EXPECT_EQ(zoomOut(state), zooms);
        EXPECT_EQ(resetZoom(state), zooms);
        EXPECT_EQ(plot::viewWindow(state, view), plot::viewWindow(AppState{}, view)) << view;
    }
}

TEST(ZoomCommands, FieldViewsShowTheZoomCursorForTheirBackground) {
    AppState state;
    const QImage light = zoomCursor(false).pixmap().toImage(), dark = zoomCursor(true).pixmap().toImage();
    ASSERT_FALSE(light.isNull());
    ASSERT_FALSE(dark.isNull());
    EXPECT_NE(light, dark);
    // Dark glass at the lens rim on white, light glass on black.
    EXPECT_LT(light.pixelColor(12, 4).lightness(), 100);
    EXPECT_GT(dark.pixelColor(12, 4).lightness(), 150);
    for (int view = 1; view <= 10; ++view) {
        state.display.view = view;
        const QCursor cursor = plotCursor(state);
        EXPECT_EQ(cursor.shape(), view >= 4 && view <= 6 ? Qt::BitmapCursor : Qt::CrossCursor) << view;
    }
    EXPECT_EQ(zoomCursor(false).hotSpot(), QPoint(12, 12));
}

}  // namespace
}  // namespace aerolune
