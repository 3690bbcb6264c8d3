#include "app/DialogProtocol.h"

#include <optional>

#include "geometry/SectionDefinition.h"
#include "ui/toolkit/BusyCursor.h"

namespace aerolune {

namespace {

void newSection(AppState& s) {
    s.section.fromFile = false;
    s.mesh.rebuild = true;
}

// angleReadout shows the angle the dialog left in angleText with its unit, as at start-up
// ("0 Deg."): a bare "4" beside "0.0 Deg." of the flap read like a different
// kind of value.
void showAngle(AppState& s) { s.texts.angleReadout = s.texts.angleText + " Deg."; }

void flapGeometry(AppState& s) {
    s.section.flapAngleRad = flapRadians(s.shared.FlapDeflection.toDouble());
    s.section.flapHingeX = flapHinge(s.shared.FlapLength.toDouble());
}

// New mesh settings need a new solution on the same section: a section read
// from a file stays the current one.
void newMesh(AppState& s) { s.mesh.rebuild = true; }

const DialogCommand kCommands[] = {
    {"naca4", "Naca4Dialog", nullptr, newSection},
    {"naca5", "Naca5Dialog", nullptr, newSection},
    {"changeAngle", "AngleDialog", showAngle, nullptr, false},
    {"configureFlap", "FlapDialog", flapGeometry, nullptr},
    {"pointCount", "PointCountDialog", nullptr, nullptr},
    {"aerodynamicsSettings", "AerodynamicsSettingsDialog", nullptr, nullptr},
    {"meshSettings", "MeshSettingsDialog", nullptr, newMesh},
};

}  // namespace

std::span<const DialogCommand> dialogCommands() { return kCommands; }

const DialogCommand* findDialogCommand(std::string_view command) {
    for (const DialogCommand& c : kCommands)
        if (command == c.command) return &c;
    return nullptr;
}

bool runDialogCommand(CommandContext& ctx, const DialogCommand& command, const DialogOpener& open) {
    AppState& s = ctx.state;
    s.shared.DialogCancelled = int16_t{0};
    const bool accepted = open && open(ctx);
    if (!accepted) s.shared.DialogCancelled = int16_t{1};
    if (command.followUp) command.followUp(s);
    if (s.shared.DialogCancelled.toInt() != 0) return false;
    if (command.onAccepted) command.onAccepted(s);
    std::optional<ui::BusyCursor> hourglass;
    if (command.busy) hourglass.emplace();
    if (ctx.recompute) ctx.recompute();
    return true;
}

}  // namespace aerolune
