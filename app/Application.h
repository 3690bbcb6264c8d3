#pragma once
// The running program: it owns the application state and the windows, and
// runs start-up, the main window's load and resize steps and the
// recompute-and-redraw entry.

#include <QObject>
#include <memory>

#include "analysis/AppState.h"

namespace aerolune::ui {
class Form1;
class Splash;
}  // namespace aerolune::ui

namespace aerolune {

class Application : public QObject {
    Q_OBJECT
public:
    Application();
    ~Application() override;

    /// Hourglass, splash, main window loaded and shown, default pointer.
    void StartUp();

    AppState& state() { return state_; }
    ui::Form1* form1() const { return form1_.get(); }
    ui::Splash* splash() const { return splash_.get(); }

    /// Recompute and redraw the current view.
    void Command1_Click();

    int recomputeCount() const { return recomputeCount_; }
    int splashClosedCount() const { return splashClosedCount_; }

private:
    void Form_Load();
    void Form_Resize();
    void closeSplash();

    AppState state_;
    std::unique_ptr<ui::Splash> splash_;
    std::unique_ptr<ui::Form1> form1_;
    int recomputeCount_ = 0;
    int splashClosedCount_ = 0;
};

}  // namespace aerolune
