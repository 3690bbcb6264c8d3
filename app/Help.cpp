#include "app/Help.h"

#include <QApplication>
#include <QDir>

#include "analysis/ViewFacts.h"
#include "app/RunResources.h"
#include "ui/HelpViewer.h"

namespace aerolune {

HelpCall tutorialHelp() { return {"aerolune1.hlp", kHelpContents, 10}; }

HelpCall contextHelpFor(int vflag) {
    const int context = viewFacts(vflag).helpContext;
    if (context == 0) return {"aerolune1.hlp", kHelpContents, 1};
    return {"aerolune1.hlp", kHelpShowContext, context};
}

void showHelp(RunResources& run, QWidget* owner, const HelpCall& call) {
    // A help window opened from a dialog that waits for its answer belongs to
    // that dialog: owned by the main window, the dialog would block it and the
    // user could not scroll or follow a link until the dialog was closed.
    if (QWidget* waiting = QApplication::activeModalWidget()) owner = waiting;
    const QString path = QDir(run.helpFolder()).filePath(QString::fromLatin1(call.file));
    run.helpWindow(owner).open(path, call.data, call.command == kHelpContents);
}

}  // namespace aerolune
