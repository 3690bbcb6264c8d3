// The plot area's display commands on the state, and the plot area widget.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>

#include "app/DisplayCommands.h"
#include "app/ExportPlotCommand.h"
#include "plot/PlotBox.h"
#include "ui/PlotArea.h"

namespace aerolune {
namespace {

AppState onBackground(bool white) {
    AppState state;
    if (white)
        useWhiteBackground(state);
    else
        useBlackBackground(state);
    return state;
}

TEST(DisplayCommands, SwatchClicksCycleByBackground) {
    struct Case {
        bool white;
        int16_t from;
        std::vector<int16_t> next;
    };
    const Case cases[] = {
        {true, 8, {0, 14, 13}},  // white: .. 9, 8, 0, 14 ..
        {false, 8, {15, 14}},    // black: .. 9, 8, 15, 14 ..
        {false, 0, {15}},        // black from a colour outside the cycle
        // A whole turn comes back to where it started, past the wrap.
        {true, 0, {14, 13, 12, 11, 10, 9, 8, 0}},
        {false, 15, {14, 13, 12, 11, 10, 9, 8, 15}},
    };
    for (const Case& c : cases) {
        AppState state = onBackground(c.white);
        state.display.upperSurfaceColour = c.from;
        for (int16_t expected : c.next) {
            swatchClick(state, 1);
            EXPECT_EQ(state.display.upperSurfaceColour, expected) << c.white << " from " << c.from;
        }
        EXPECT_EQ(state.display.lowerSurfaceColour, c.white ? 0 : 15);  // the other swatch stays
    }
}

TEST(DisplayCommands, BackgroundKeepsCurvesVisible) {
    struct Case {
        bool toWhite;
        int16_t lower, upper, lowerAfter, upperAfter;
    };
    for (const Case& c : {Case{true, 15, 14, 0, 14}, Case{false, 0, 9, 15, 9}, Case{true, 12, 15, 12, 0}}) {
        AppState state = onBackground(!c.toWhite);
        state.display.lowerSurfaceColour = c.lower;
        state.display.upperSurfaceColour = c.upper;
        if (c.toWhite)
            useWhiteBackground(state);
        else
            useBlackBackground(state);
        EXPECT_EQ(state.display.lowerSurfaceColour, c.lowerAfter);
        EXPECT_EQ(state.display.upperSurfaceColour, c.upperAfter);
        EXPECT_EQ(state.display.foregroundColour, c.toWhite ? 0 : 15);
        EXPECT_EQ(state.texts.whiteBackgroundChecked, c.toWhite);
        EXPECT_EQ(state.texts.blackBackgroundChecked, !c.toWhite);
    }
}

TEST(DisplayCommands, ColourMenuPointsAndReadout) {
    AppState state = onBackground(false);
    const std::pair<ColourMenuItem, int> items[] = {{ColourMenuItem::WhiteBlack, 15},
                                                    {ColourMenuItem::Yellow, 14},
                                                    {ColourMenuItem::Blue, 9},
                                                    {ColourMenuItem::Gray, 8}};
    for (const auto& [item, value] : items) {
        colourMenuChoice(state, 0, item);
        EXPECT_EQ(state.display.lowerSurfaceColour, value);
    }
    toggleShowPoints(state);
    EXPECT_EQ(state.display.pointRadius, 0.007);
    EXPECT_EQ(state.texts.ShowPointsCaption, "Hide Points");
    toggleShowPoints(state);
    EXPECT_EQ(state.display.pointRadius, 0.0);
    EXPECT_EQ(state.texts.ShowPointsCaption, "Show Points");
    EXPECT_EQ(plot::cursorReadout(0.125, -0.0625), "0.13  x   -0.063");
}

TEST(PlotArea, ResizeRecreatesTheImageAndCopyPutsItOnTheClipboard) {
    ui::PlotArea area;
    area.resize(300, 200);
    area.show();  // the resize reaches a widget once it is shown
    area.surface().setScale(-0.2, 0.5, 1.0, -0.5);
    area.surface().setBackColor(plot::kWhite);
    area.surface().clear();
    area.surface().line(0, 0, 1, 0, plot::kRed);
    const QImage image = area.image();
    EXPECT_EQ(image.size(), QSize(300, 200) * area.devicePixelRatioF());
    const QPointF world = area.toWorld(QPointF(150, 100));
    EXPECT_NEAR(world.x(), 0.4, 1e-9);  // the middle of -0.2..1.0; rounding only
    EXPECT_NEAR(world.y(), 0.0, 1e-9);
    copyPlot(image);
    EXPECT_EQ(QApplication::clipboard()->image().size(), image.size());
}

TEST(ExportPlot, WritesTheViewOrSaysWhyNot) {
    AppState state;  // no solution yet: the view still draws its frame
    state.display.view = 2;
    const std::string dir = testing::TempDir();
    EXPECT_EQ(exportPlot(state, dir + "export.svg", QSize(300, 200)), "");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(dir + "export.svg")).size() > 0);
    const std::string problem = exportPlot(state, dir + "missing-folder/export.png", QSize(300, 200));
    EXPECT_NE(problem.find("missing-folder"), std::string::npos) << problem;
}

}  // namespace
}  // namespace aerolune
