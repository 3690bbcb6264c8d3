#pragma once
// Reference polars in the polar views: File > Add Reference Polar... reads a
// polar from elsewhere (another solver's saved polar file, or a wind-tunnel
// table) and shows it beside ours until RESET POLAR. A file that cannot be
// used says why on which line, and nothing changes.

#include <string>

#include "analysis/AppState.h"
#include "app/FileCommands.h"

namespace aerolune {

/// Reference polars shown at once: one per marker colour, so that each
/// reads apart from the others.
inline constexpr std::size_t kMaxShownReferencePolars = 4;

/// Title of the Add Reference Polar dialog.
inline constexpr const char* kAddReferencePolarTitle = "Add Reference Polar";

/// The dialog's file types: polar files and tables, then anything.
inline constexpr const char* kReferencePolarFilter =
    "Polar files (*.txt *.dat *.pol *.csv)|*.txt *.dat *.pol *.csv | All files (*)|*";

/// Reads the polar file at path and shows it beside ours: a file already
/// shown is read again in its place; one that cannot be read, or one more
/// than kMaxShownReferencePolars, is refused with the reason.
/// \return true when the polars shown changed (the caller redraws)
bool addReferencePolarFile(AppState& state, const FileCommandContext& context, const std::string& path);

/// The menu command: the open dialog, then addReferencePolarFile, then the
/// polar view drawn again.
void addReferencePolar(AppState& state, FileDialogMemory& memory, const FileCommandContext& context);

/// RESET POLAR's share: no reference polar is shown any more.
void clearReferencePolars(AppState& state);

}  // namespace aerolune
