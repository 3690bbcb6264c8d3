// The command layer on the state, without a window: view commands and their
// check marks, the menu states around a recomputation, the help calls.

#include <gtest/gtest.h>

#include <set>

#include "app/Commands.h"
#include "app/Help.h"

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
                           polarCountAtRecompute = state.priv.PolarCount;
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
        {"mnuCoordinates", 1, 2, 1, 1}, {"mnuAirVel", 1, 0, 1, 1},
        {"MnuAirPres", 1, 1, 1, 1},     {"mnuAirBl", 1, 3, 1, 1},
        {"mnuAirView", 1, 3, 1, 1},     {"cp22", 2, 9, 1, 1},
        {"Velocity1", 3, 9, 1, 1},      {"mnuBlayer", 7, 9, 1, 1},
        {"mnuFlowField", 4, 9, 1, 1},   {"mnuCp", 5, 9, 1, 1},
        {"mnuMesh", 6, 9, 1, 1},        {"mnuPolar", 10, 9, 1, 1},
        {"mnuClvsAoA", 10, 9, 1, 2},    {"mnuTransitionPoint", 10, 9, 1, 3},
        {"mnuUpSurfProf", 7, 9, 1, 1},  {"mnuLowerSurfProf", 7, 9, 2, 1},
        {"mnuUpSurfThick", 7, 9, 3, 1}, {"mnuLowSurfThick", 7, 9, 4, 1},
        {"mnuUpStress", 7, 9, 5, 1},    {"mnuLowSurfStress", 7, 9, 6, 1},
        {"mnuReportAero", 8, 9, 1, 1},  {"mnuReportFourier", 9, 9, 1, 1},
    };
    for (const Case& c : cases) {
        Harness h;
        h.state.pub.XChoice = int16_t{9};  // a value no command sets: untouched stays 9
        h.run(c.item);
        SCOPED_TRACE(c.item);
        EXPECT_EQ(h.state.pub.VFlag.toInt(), c.vflag);
        EXPECT_EQ(h.state.pub.XChoice.toInt(), c.xchoice);
        EXPECT_EQ(h.state.pub.BlDisplayOpt.toInt(), c.blOption);
        EXPECT_EQ(h.state.priv.PolarPlotKind, c.polarKind);
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
        {{"cp22", "mnuFlowField"}, {"mnuFlowField"}},
        {{"cp22", "mnuFlowField", "mnuCoordinates"}, {}},
        {{"mnuMesh", "mnuBlayer", "mnuAirView"},
         {"mnuBlayer"}},  // the airfoil view keeps the boundary-layer mark
        {{"mnuMesh", "mnuBlayer", "MnuAirPres"}, {}},
        {{"Velocity1", "mnuPolar", "mnuReportAero", "mnuUpStress"}, {"Velocity1"}},  // these leave the marks
    };
    for (const Case& c : cases) {
        Harness h;
        for (const char* item : c.items) h.run(item);
        EXPECT_EQ(h.checkedGroup(), c.checked) << c.items.back();
    }
}

TEST(ViewCommands, ResetPolarEmptiesTheStoreAndKeepsThePlotKind) {
    Harness h;
    h.run("mnuTransitionPoint");
    h.state.priv.PolarCount = 3;
    h.state.pub.VFlag = int16_t{2};
    h.run("mnuClrPolar");
    EXPECT_EQ(h.polarCountAtRecompute, 0);
    EXPECT_EQ(h.state.pub.VFlag.toInt(), 10);
    EXPECT_EQ(h.state.priv.PolarPlotKind, 3);
}

TEST(ViewCommands, UpdateAsksForABoundaryLayerAndUnknownItemsDoNothing) {
    Harness h;
    h.state.priv.BlUpdatePending = 0;
    h.run("MnuUpdate");
    EXPECT_EQ(h.state.priv.BlUpdatePending, 1);
    // A supplied command or dialog that is not registered is unavailable.
    for (const char* item : {"air1", "Digit4", "temp1", "mnuCopy", "file1", "mnuNothing"}) {
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
        bool air1, airBl, digit4;
    };
    const Case cases[] = {
        {1, false, 4, true, false, true},  {4, false, 4, false, false, true},
        {5, true, 5, false, true, false},  {6, true, 4, true, true, true},
        {8, false, 4, false, false, true}, {9, false, 4, false, false, true},
        {10, true, 4, true, true, true},
    };
    for (const Case& c : cases) {
        AppState state;
        MenuMarks menus;
        for (const char* item : kFileItems) menus.enabled[item] = false;
        state.pub.VFlag = int16_t(c.vflag);
        state.shared.SectionFamily = int16_t(c.family);
        state.boundaryLayer.mnuAirBlEnabled = c.blSolved;
        menusBeforeRecompute(state, menus);
        for (const char* item : kFileItems) EXPECT_TRUE(menus.isEnabled(item)) << item;
        menusAfterRecompute(state, menus);
        SCOPED_TRACE(c.vflag);
        EXPECT_EQ(menus.isEnabled("air1"), c.air1);
        EXPECT_TRUE(menus.isEnabled("mnuDXF"));
        EXPECT_EQ(menus.isEnabled("mnuAirBl"), c.airBl);
        EXPECT_FALSE(menus.isEnabled("mnuBlayer"));
        EXPECT_FALSE(menus.isEnabled("MnuUpdate"));
        EXPECT_EQ(menus.isChecked("Digit4"), c.digit4);
        EXPECT_EQ(menus.isChecked("Digit5"), !c.digit4);
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
