#include "app/Help.h"

#include <QApplication>
#include <QDir>

#include "app/RunResources.h"
#include "ui/HelpViewer.h"

namespace aerolune {

HelpCall tutorialHelp() { return {"aerolune1.hlp", kHelpContents, 10}; }

HelpCall contextHelpFor(int vflag) {
    switch (vflag) {
        case 1:
        case 2:
        case 3:
            return {"aerolune1.hlp", kHelpShowContext, 60};
        case 4:
            return {"aerolune1.hlp", kHelpShowContext, 190};
        case 5:
            return {"aerolune1.hlp", kHelpShowContext, 200};
        case 6:
            return {"aerolune1.hlp", kHelpShowContext, 160};
        case 7:
            return {"aerolune1.hlp", kHelpShowContext, 170};
        case 10:
            return {"aerolune1.hlp", kHelpShowContext, 150};
        default:
            return {"aerolune1.hlp", kHelpContents, 1};
    }
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
