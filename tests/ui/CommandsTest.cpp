// The command layer on the state, without a window: view commands and their
// check marks, the menu states around a recomputation, the help calls.

#include <gtest/gtest.h>

#include <set>

#include "app/Commands.h"
#include "app/Help.h"
#include "app/WindowSeam.h"

namespace aerolune {
namespace {

struct Harness {
    AppState state;
    MenuMarks menus;
    CommandRegistry registry;
    int recomputes = 0;
    int polarCountAtRecompute = -1;
    CommandContext ctx{state, menus, nullptr, [this] {
                           ++recomputes;
                           polarCountAtRecompute = state.analysis.polarCount;
                       }};
    void run(const char* item) { ASSERT_TRUE(runMenuCommand(ctx, registry, item)) << item; }
    std::set<std::string> checkedGroup() const {
        std::set<std::string> on;
        for (const char* g : kViewCheckGroup)
            if (menus.isChecked(g)) on.insert(g);
        return on;
    }
};

TEST(ViewCommands, EachSetsItsViewAndRedrawsOnce) {
    struct Case {
        const char* item;
        int vflag, xchoice, blOption, polarKind;
    };
    const Case cases[] = {
        {"coordinatesView", 1, 2, 1, 1},
        {"airfoilVelocityView", 1, 0, 1, 1},
        {"airfoilPressureView", 1, 1, 1, 1},
        {"airfoilBoundaryLayerView", 1, 3, 1, 1},
        {"boundaryLayerAirfoilView", 1, 3, 1, 1},
        {"surfaceCpView", 2, 9, 1, 1},
        {"surfaceVelocityView", 3, 9, 1, 1},
        {"boundaryLayerView", 7, 9, 1, 1},
        {"streamLinesView", 4, 9, 1, 1},
        {"pressureFieldView", 5, 9, 1, 1},
        {"meshView", 6, 9, 1, 1},
        {"polarView", 10, 9, 1, 1},
        {"liftMomentView", 10, 9, 1, 2},
        {"transitionPointView", 10, 9, 1, 3},
        {"upperProfilesView", 7, 9, 1, 1},
        {"lowerProfilesView", 7, 9, 2, 1},
        {"upperThicknessView", 7, 9, 3, 1},
        {"lowerThicknessView", 7, 9, 4, 1},
        {"upperFrictionView", 7, 9, 5, 1},
        {"lowerFrictionView", 7, 9, 6, 1},
        {"coefficientsReport", 8, 9, 1, 1},
        {"fourierReport", 9, 9, 1, 1},
    };
    for (const Case& c : cases) {
        Harness h;
        h.state.display.airfoilOverlay = AirfoilOverlay{9};  // a value no command sets: untouched stays 9
        h.run(c.item);
        SCOPED_TRACE(c.item);
        EXPECT_EQ(h.state.display.view, c.vflag);
        EXPECT_EQ(static_cast<int>(h.state.display.airfoilOverlay), c.xchoice);
        EXPECT_EQ(static_cast<int>(h.state.display.boundaryLayerPlot), c.blOption);
        EXPECT_EQ(static_cast<int>(h.state.display.polarKind), c.polarKind);
        EXPECT_EQ(h.recomputes, 1);
    }
}

// Sequences of commands and the view marks they leave.
TEST(ViewCommands, CheckMarkGroupFollowsTheLastView) {
    struct Case {
        std::vector<const char*> items;
        std::set<std::string> checked;
    };
    const Case cases[] = {
        {{"surfaceCpView", "streamLinesView"}, {"streamLinesView"}},
        {{"surfaceCpView", "streamLinesView", "coordinatesView"}, {}},
        {{"meshView", "boundaryLayerView", "boundaryLayerAirfoilView"},
         {"boundaryLayerView"}},  // the airfoil view keeps the boundary-layer mark
        {{"meshView", "boundaryLayerView", "airfoilPressureView"}, {}},
        {{"surfaceVelocityView", "polarView", "coefficientsReport", "upperFrictionView"},
         {"surfaceVelocityView"}},  // these leave the marks
    };
    for (const Case& c : cases) {
        Harness h;
        for (const char* item : c.items) h.run(item);
        EXPECT_EQ(h.checkedGroup(), c.checked) << c.items.back();
    }
}

TEST(ViewCommands, ResetPolarEmptiesTheStoreAndThePolarViewAtOnceAndKeepsThePlotKind) {
    Harness h;
    int redraws = 0;
    h.ctx.redraw = [&redraws] { ++redraws; };
    h.run("transitionPointView");
    h.state.analysis.polars.add({"0012", "0.0 Deg.", "0.0 %c", 1e6});
    h.state.analysis.polarCount = 1;
    h.state.analysis.referencePolars.emplace_back().title = "a tunnel";
    h.state.display.view = 2;
    h.run("resetPolars");
    EXPECT_EQ(h.state.analysis.polarCount, 0);
    EXPECT_EQ(h.state.analysis.polars.count(), 0);
    EXPECT_TRUE(h.state.analysis.referencePolars.empty());
    EXPECT_EQ(h.recomputes, 1) << "drawn without sweeping the current section again";
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(h.state.display.view, 10);
    EXPECT_EQ(h.state.display.polarKind, PolarKind::TransitionPoints);
    EXPECT_FALSE(h.menus.isEnabled("saveViewData"));
}

TEST(ViewCommands, UpdateAsksForABoundaryLayerAndUnknownItemsDoNothing) {
    Harness h;
    h.state.analysis.boundaryLayerPending = false;
    h.run("updateBoundaryLayer");
    EXPECT_EQ(h.state.analysis.boundaryLayerPending, 1);
    // A supplied command or dialog that is not registered is unavailable.
    for (const char* item :
         {"saveViewData", "naca4", "printRibTemplates", "copy", "fileMenu", "mnuNothing"}) {
        EXPECT_FALSE(commandAvailable(h.registry, item)) << item;
        EXPECT_FALSE(runMenuCommand(h.ctx, h.registry, item)) << item;
    }
    EXPECT_EQ(h.recomputes, 1);
}

TEST(MenuStates, AroundTheRecomputation) {
    struct Case {
        int vflag;
        bool blSolved;
        int family;
        bool saveViewData, airBl, digit4;
        bool fromFile = false;
        const char* caption = "";  ///< the status caption of this view of section "S"
    };
    const Case cases[] = {
        {1, false, 4, true, false, true, false, "S Distribution"},
        {4, false, 4, false, false, true},
        {5, true, 5, false, true, false},
        {6, true, 4, true, true, true},
        {8, false, 4, false, false, true},
        {9, false, 4, false, false, true},
        {10, true, 4, false, true, true},  // no polar in the store yet: nothing to save
        {3, false, 4, true, false, true, false, " NACA S:  Velocity v.s. Chord Position"},
        // A section read from a file: General Airfoils checked, no "NACA".
        {3, false, 4, true, false, false, true, " S:  Velocity v.s. Chord Position"},
        {1, false, 5, true, false, false, true, "S Distribution"},
    };
    for (const Case& c : cases) {
        AppState state;
        MenuMarks menus;
        for (const char* item : kFileItems) menus.enabled[item] = false;
        state.display.view = c.vflag;
        state.shared.SectionFamily = int16_t(c.family);
        state.boundaryLayer.airfoilBoundaryLayerViewEnabled = c.blSolved;
        state.section.fromFile = c.fromFile ? 1 : 0;
        state.texts.sectionName = "S";
        menusBeforeRecompute(state, menus);
        for (const char* item : kFileItems) EXPECT_TRUE(menus.isEnabled(item)) << item;
        menusAfterRecompute(state, menus);
        SCOPED_TRACE(c.vflag);
        EXPECT_EQ(menus.isEnabled("saveViewData"), c.saveViewData);
        EXPECT_EQ(menus.isEnabled("showPoints"), c.vflag < 4 || c.vflag == 7 || c.vflag == 10);
        EXPECT_TRUE(menus.isEnabled("exportDxf"));
        EXPECT_EQ(menus.isEnabled("airfoilBoundaryLayerView"), c.airBl);
        EXPECT_FALSE(menus.isEnabled("boundaryLayerView"));
        EXPECT_FALSE(menus.isEnabled("updateBoundaryLayer"));
        EXPECT_EQ(menus.isChecked("naca4"), c.digit4);
        EXPECT_EQ(menus.isChecked("naca5"), !c.digit4 && !c.fromFile);
        EXPECT_EQ(menus.isChecked("openCoordinateFile"), c.fromFile);
        if (*c.caption) {
            EXPECT_EQ(viewStatusCaption(state), c.caption);
        }
        EXPECT_EQ(surfaceLegendShown(c.vflag), c.vflag == 2 || c.vflag == 3);
    }
}

TEST(Help, ContextOfEachView) {
    const struct {
        int vflag, command, data;
    } cases[] = {{1, kHelpShowContext, 60},   {2, kHelpShowContext, 60},  {3, kHelpShowContext, 60},
                 {4, kHelpShowContext, 190},  {5, kHelpShowContext, 200}, {6, kHelpShowContext, 160},
                 {7, kHelpShowContext, 170},  {8, kHelpContents, 1},      {9, kHelpContents, 1},
                 {10, kHelpShowContext, 150}, {0, kHelpContents, 1}};
    for (const auto& c : cases) {
        const HelpCall call = contextHelpFor(c.vflag);
        EXPECT_STREQ(call.file, "aerolune1.hlp");
        EXPECT_EQ(call.command, c.command) << c.vflag;
        EXPECT_EQ(call.data, c.data) << c.vflag;
    }
    EXPECT_EQ(tutorialHelp().command, kHelpContents);
}

}  // namespace
}  // namespace aerolune
