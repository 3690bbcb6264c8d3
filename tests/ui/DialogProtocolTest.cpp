#include <gtest/gtest.h>

#include "app/DialogProtocol.h"

namespace aerolune {
namespace {

struct Harness {
    AppState state;
    MenuMarks menus;
    int recomputes = 0;
    CommandContext ctx{state, menus, nullptr, [this] { ++recomputes; }, {}};
};

// Every dialog command, accepted and cancelled: a cancelled dialog changes no
// flag and does not redraw; an accepted one sets its flags and redraws once.
TEST(DialogProtocol, EachCommandSetsItsFlagsOnlyWhenAccepted) {
    struct Case {
        const char* command;
        bool rebuildMesh, fromFile;  // after OK, from no rebuild and a section from a file
    };
    const Case cases[] = {
        {"naca4", true, false},         {"naca5", true, false},      {"changeAngle", false, true},
        {"configureFlap", false, true}, {"pointCount", false, true}, {"aerodynamicsSettings", false, true},
        {"meshSettings", true, true},  // a section read from a file stays current
    };
    EXPECT_EQ(dialogCommands().size(), std::size(cases));
    for (const Case& c : cases) {
        for (const bool ok : {true, false}) {
            Harness r;
            r.state.mesh.rebuild = false;
            r.state.section.fromFile = true;
            r.state.shared.DialogCancelled = int16_t{1};
            bool opened = false;
            const DialogCommand* command = findDialogCommand(c.command);
            ASSERT_NE(command, nullptr) << c.command;
            const bool ran = runDialogCommand(r.ctx, *command, [&](CommandContext& ctx) {
                opened = true;
                EXPECT_EQ(ctx.state.shared.DialogCancelled.toInt(), 0);  // cleared before the dialog opens
                return ok;
            });
            SCOPED_TRACE(std::string(c.command) + (ok ? " OK" : " Cancel"));
            EXPECT_TRUE(opened);
            EXPECT_EQ(ran, ok);
            EXPECT_EQ(r.recomputes, ok ? 1 : 0);
            EXPECT_EQ(r.state.shared.DialogCancelled.toInt(), ok ? 0 : 1);
            EXPECT_EQ(r.state.mesh.rebuild, ok && c.rebuildMesh);
            EXPECT_EQ(r.state.section.fromFile, !ok || c.fromFile);
        }
    }
}

// The follow-up of the angle and flap commands runs after Cancel too, from
// the values the dialog restored.
TEST(DialogProtocol, FollowUpRunsWhetherOrNotCancelled) {
    for (const bool ok : {true, false}) {
        Harness r;
        r.state.texts.angleText = "4.5";
        runDialogCommand(r.ctx, *findDialogCommand("changeAngle"), [&](CommandContext&) { return ok; });
        EXPECT_EQ(r.state.texts.angleReadout, "4.5 Deg.");

        r.state.shared.FlapDeflection = int16_t{30};
        r.state.shared.FlapLength = int16_t{25};
        runDialogCommand(r.ctx, *findDialogCommand("configureFlap"), [&](CommandContext&) { return ok; });
        EXPECT_NEAR(r.state.section.flapAngleRad, 30.0 / 180.0 * 3.14159265, 1e-6);  // float storage
        EXPECT_FLOAT_EQ(r.state.section.flapHingeX, 0.75f);
    }
}

// A dialog that flags its own cancellation, and a missing opener, both end
// the command without a recomputation.
TEST(DialogProtocol, DialogThatCancelsItselfOrIsMissingDoesNotRecompute) {
    Harness r;
    runDialogCommand(r.ctx, *findDialogCommand("naca4"), [](CommandContext& ctx) {
        ctx.state.shared.DialogCancelled = int16_t{1};
        return true;
    });
    runDialogCommand(r.ctx, *findDialogCommand("naca5"), DialogOpener{});
    EXPECT_EQ(r.recomputes, 0);
    EXPECT_EQ(findDialogCommand("saveViewData"), nullptr);
}

}  // namespace
}  // namespace aerolune
