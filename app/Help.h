#pragma once
// The help calls: which help file, and which topic or the contents, each
// command opens. Every call goes to the program's help window over its owner.

#include <QString>
#include <string>

class QWidget;

namespace aerolune {

class RunResources;

inline constexpr int kHelpShowContext = 1;
inline constexpr int kHelpContents = 3;

struct HelpCall {
    const char* file;  ///< "aerolune1.hlp" or "aerolune2.hlp", beside the program
    int command;       ///< kHelpShowContext or kHelpContents
    int data;          ///< context number (the contents ignore it)
};

/// Help > Contents.
HelpCall tutorialHelp();

/// The picture bar's help button: the topic of the view shown, or the contents.
HelpCall contextHelpFor(int vflag);

/// Opens the run's help window at the call's topic, with the file from the
/// run's help folder. A missing or unreadable file is reported in the help
/// window itself; the caller goes on either way.
void showHelp(RunResources& run, QWidget* owner, const HelpCall& call);

}  // namespace aerolune
