#include "app/Application.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

#include "analysis/Pipeline.h"
#include "app/Form1Load.h"
#include "app/WindowSeam.h"
#include "common/Placement.h"
#include "ui/Form1.h"
#include "ui/Splash.h"
#include "ui/toolkit/BusyCursor.h"
#include "ui/toolkit/Placement.h"
#include "ui/toolkit/Twips.h"

namespace aerolune {

Application::Application() = default;
Application::~Application() = default;

void Application::StartUp() {
    ui::BusyCursor hourglass;
    splash_ = std::make_unique<ui::Splash>();
    ui::CenterOnScreen(*splash_);
    splash_->show();
    Form_Load();
}

void Application::Form_Load() {
    form1_ = std::make_unique<ui::Form1>(state_);
    ui::CenterOnScreen(*form1_);
    applyLoadDefaults(state_);
    state_.shared.PixelTwipsX = static_cast<int16_t>(ui::twipsPerPixelX());
    state_.shared.PixelTwipsY = static_cast<int16_t>(ui::twipsPerPixelY());
    const QWidget* area = form1_->drawingArea();
    if (area->width() > 0 && area->height() > 0) {
        state_.priv.PlotAspect = double(area->height()) / double(area->width());
    }
    form1_->showState();
    form1_->onResize = [this] { Form_Resize(); };
    form1_->show();
}

void Application::Form_Resize() {
    if (state_.priv.FirstResizeDone == 0 && splash_) splash_->show();
    const QSize client = form1_->centralWidget() ? form1_->centralWidget()->size() : form1_->size();
    state_.priv.PlotAspect =
        plotAspectFor(ui::toTwipsX(client.width()), ui::toTwipsY(client.height()), ui::Form1::kStatusBarTwips,
                      ui::Form1::kPictureBarTwips, state_.priv.PlotAspect);
    Command1_Click();
    if (state_.priv.FirstResizeDone == 0) closeSplash();
    state_.priv.FirstResizeDone = 1;
}

void Application::closeSplash() {
    if (!splash_) return;
    splash_->close();
    splash_.reset();
    ++splashClosedCount_;
}

void Application::Command1_Click() {
    ui::BusyCursor hourglass;
    ++recomputeCount_;
    // Keep the window tall enough to hold the read-out panel.
    if (!form1_->isMinimized() && ui::toTwipsY(form1_->height()) < 3500) {
        form1_->resize(form1_->width(), ui::toPixelsY(3500));
    }
    const bool naca5 = state_.shared.SectionFamily.toInt() == 5;
    form1_->action("Digit4")->setChecked(!naca5);
    form1_->action("Digit5")->setChecked(naca5);
    WindowSeam seam(*form1_, state_);
    recompute(state_, seam);
    form1_->showState();
}

}  // namespace aerolune
