#pragma once
// What the running program keeps beside its state for the length of a run:
// the folder its help files are read from, its one help window, what the file
// dialog remembers from use to use and the printer the templates go to. The
// application owns one and hands it to the commands in their context.

#include <QPointer>
#include <QString>
#include <memory>

#include "app/FileCommands.h"

class QPrinter;

namespace aerolune::ui {
class HelpViewer;
}

namespace aerolune {

class RunResources {
public:
    RunResources();
    ~RunResources();
    RunResources(const RunResources&) = delete;
    RunResources& operator=(const RunResources&) = delete;

    /// The folder the help files are read from: the program's own unless
    /// another was set.
    QString helpFolder() const;
    void setHelpFolder(const QString& folder) { helpFolder_ = folder; }

    /// The one help window, created over the owner on first use and handed
    /// to a new owner when asked for by another one (a dialog that waits).
    ui::HelpViewer& helpWindow(QWidget* owner);

    /// What the main window's file dialog keeps: its title and file names.
    FileDialogMemory& fileDialog() { return fileDialog_; }

    /// The printer the templates go to, so the page setup chosen once is used
    /// by every later print: high resolution, paper of the desktop's
    /// measurement system until the user chooses another.
    QPrinter& templatePrinter();

private:
    QString helpFolder_;
    QPointer<ui::HelpViewer> helpWindow_;
    FileDialogMemory fileDialog_;
    std::unique_ptr<QPrinter> templatePrinter_;
};

}  // namespace aerolune
