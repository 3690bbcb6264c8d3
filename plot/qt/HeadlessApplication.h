#pragma once
// A Qt application for a process without a window (the command-line
// companion): fonts and painting need one.

namespace aerolune::plot {

/// Starts a GUI application on the offscreen platform when the process has
/// none, for the rest of the process. Qt keeps a runtime folder named by
/// XDG_RUNTIME_DIR and, without the variable, warns on standard error and
/// falls back to a fixed name under the shared temporary folder; a process
/// started without it (cron, ssh) gets a private folder of its own, made
/// with an unguessable name and removed when the process ends.
void ensureHeadlessApplication();

}  // namespace aerolune::plot
