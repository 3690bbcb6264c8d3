#pragma once
// The main window's side of the recomputation: the status caption, message
// boxes and, view by view, the drawing (which the plot layer will supply).

#include <set>
#include <string>

#include "analysis/PipelineSeam.h"

namespace aerolune {

namespace ui {
class MainWindow;
}

/// The status-bar title of a view, appended to the section's name.
std::string viewStatusTitle(int vflag);

/// The status bar's caption of the state's view: the section's name (a NACA
/// designation or a file section's name) and the view's title.
std::string viewStatusCaption(const AppState& state);

class WindowSeam : public ViewSeam {
public:
    WindowSeam(ui::MainWindow& form, AppState& state) : form_(form), state_(state) {}

    void drawView(AppState& state) override;
    void setStatus(const std::string& caption) override;
    void showMessage(const std::string& text) override;
    void showSeparationWarning(const std::string& caption) override;
    void slowSweepStarting(const std::string& caption) override;
    void slowSweepEnded() override;

private:
    ui::MainWindow& form_;
    AppState& state_;
    /// Messages whose box is open now: a recomputation started while one
    /// waits (a resize, a view change behind it) meets the same cause again.
    std::set<std::string> openMessages_;
};

}  // namespace aerolune
