#pragma once
// What each view of the plot area is, in one table: its caption on the status
// line, the title of its Save ASCII File dialog, whether that command and the
// zoom commands act on it, whether the surface legend stands beside it and
// which help topic its help button opens. The commands, the status line, the
// file dialogs and the help read the view's row here.

#include <string>

namespace aerolune {

struct ViewFacts {
    int view = 0;                     ///< the view code the state holds
    const char* statusTitle = "";     ///< after the section name on the status line
    const char* saveTitle = nullptr;  ///< Save ASCII File's title, %s the section name; null: title kept
    bool savesData = false;           ///< Save ASCII File writes this view's data
    bool zooms = false;               ///< Zoom In, Zoom Out and a drag box act
    bool surfaceLegend = false;       ///< the upper/lower surface legend is shown
    int helpContext = 0;              ///< topic of the first help file; 0: its contents
};

/// The row of a view code; a code no view has gets the row of no view (no
/// caption, nothing saved, the help's contents).
const ViewFacts& viewFacts(int view);

/// Save ASCII File's title for the view, the section name inserted; the
/// current title for a view whose data has no title of its own.
std::string saveTitleFor(const ViewFacts& facts, const std::string& name, const std::string& currentTitle);

}  // namespace aerolune
