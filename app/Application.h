#pragma once
// The running program: it owns the application state, the menu marks, the
// registry of dialogs and commands and the windows, and runs start-up, the
// main window's load and resize steps, the recompute-and-redraw entry and
// the menu, picture-bar and legend commands.

#include <QObject>
#include <memory>
#include <string>

#include "analysis/AppState.h"
#include "app/CommandContext.h"
#include "app/CommandRegistry.h"
#include "app/RunResources.h"

namespace aerolune::ui {
class MainWindow;
class Splash;
}  // namespace aerolune::ui

namespace aerolune {

class Application : public QObject {
    Q_OBJECT
public:
    /// \param registry the dialogs and commands; by default every one this build has
    explicit Application(std::unique_ptr<CommandRegistry> registry = {});
    ~Application() override;

    /// Hourglass, splash, main window loaded and shown, default pointer;
    /// then, once the window has drawn its first view, the coordinate file
    /// given (when one is) opens as General Airfoils would open it.
    /// \param sectionFile a coordinate file to open, or empty
    void StartUp(const std::string& sectionFile = {});

    /// Opens the coordinate file at path as General Airfoils does after its
    /// dialog: a file that cannot be read says why and the section stays.
    void openSectionFile(const std::string& path);

    AppState& state() { return state_; }
    MenuMarks& menus() { return menus_; }
    CommandRegistry& registry() { return *registry_; }
    RunResources& run() { return run_; }
    ui::MainWindow* mainWindow() const { return mainWindow_.get(); }
    ui::Splash* splash() const { return splash_.get(); }

    /// Recompute and redraw the current view.
    void recomputeAndRedraw();
    /// Runs a menu item's command and shows what it changed; false when the
    /// item has no command in this build.
    bool runCommand(const QString& item);
    /// A click on picture-bar button 0..5.
    void barClick(int index);
    /// showHelpForView: the help topic of the view shown.
    void showHelpForView();
    /// The context every command runs in.
    CommandContext context();
    /// Mirrors the state and the menu marks into the window.
    void showAll();

    int recomputeCount() const { return recomputeCount_; }
    int splashClosedCount() const { return splashClosedCount_; }
    int commandsRun() const { return commandsRun_; }

private:
    void loadMainWindow();
    void onMainWindowResized();
    void closeSplash();

    AppState state_;
    MenuMarks menus_;
    RunResources run_;  ///< outlives the windows, which are destroyed first
    std::unique_ptr<CommandRegistry> registry_;
    std::unique_ptr<ui::Splash> splash_;
    std::unique_ptr<ui::MainWindow> mainWindow_;
    int recomputeCount_ = 0;
    int splashClosedCount_ = 0;
    int commandsRun_ = 0;
};

}  // namespace aerolune
