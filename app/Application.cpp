#include "app/Application.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "analysis/Pipeline.h"
#include "app/Commands.h"
#include "app/Form1Load.h"
#include "app/Help.h"
#include "app/ViewDrawing.h"
#include "app/WindowSeam.h"
#include "app/ZoomCommands.h"
#include "app/ZoomCursor.h"
#include "plot/PlotBox.h"
#include "ui/Form1.h"
#include "ui/PlotArea.h"
#include "ui/Splash.h"
#include "ui/toolkit/BusyCursor.h"
#include "ui/toolkit/Placement.h"
#include "ui/toolkit/Twips.h"

namespace aerolune {

namespace {

// Picture-bar buttons by index and the menu item each one runs; button 3
// opens the Airfoils menu and button 5 the help of the view.
const char* const kBarCommands[6] = {"air1", "temp1", "AOT", nullptr, "flap1", nullptr};

}  // namespace

Application::Application(std::unique_ptr<CommandRegistry> registry) : registry_(std::move(registry)) {
    if (!registry_) {
        registry_ = std::make_unique<CommandRegistry>();
        registerCommands(*registry_);
    }
}

Application::~Application() = default;

void Application::StartUp() {
    ui::BusyCursor hourglass;
    splash_ = std::make_unique<ui::Splash>();
    ui::CenterOnScreen(*splash_);
    splash_->show();
    Form_Load();
}

CommandContext Application::context() {
    CommandContext ctx{state_, menus_, form1_.get()};
    ctx.recompute = [this] { Command1_Click(); };
    ctx.redraw = [this] {
        WindowSeam seam(*form1_, state_);
        seam.drawView(state_);
        showAll();
    };
    ctx.plotImage = [this] { return form1_ ? form1_->drawingArea()->grab().toImage() : QImage(); };
    return ctx;
}

void Application::Form_Load() {
    form1_ = std::make_unique<ui::Form1>(state_);
    ui::CenterOnScreen(*form1_);
    applyLoadDefaults(state_);
    form1_->PosPbox();
    const QWidget* area = form1_->drawingArea();
    if (area->width() > 0 && area->height() > 0)
        state_.priv.PlotAspect = double(area->height()) / area->width();
    state_.shared.PixelTwipsX = static_cast<int16_t>(ui::twipsPerPixelX());
    state_.shared.PixelTwipsY = static_cast<int16_t>(ui::twipsPerPixelY());
    // SetUpButtons ran when the bar was built; a button whose command does
    // not exist in this build is dimmed.
    for (int i = 0; i < 6; ++i)
        if (kBarCommands[i]) form1_->setBarButtonEnabled(i, commandAvailable(*registry_, kBarCommands[i]));

    form1_->onCommand = [this](const QString& item) { runCommand(item); };
    form1_->onBarClick = [this](int i) { barClick(i); };
    form1_->onSwatchClick = [this](int swatch) {
        menus_.colourMenuSwatch = swatch;
        runCommand("Label5_Click");
    };
    form1_->onColourChoice = [this](int swatch, const QString& item) {
        menus_.colourMenuSwatch = swatch;
        runCommand(item);
    };
    if (auto* plotArea = qobject_cast<ui::PlotArea*>(form1_->drawingArea())) {
        connectZoomDrag(*plotArea, state_, [this] { Command1_Click(); });
        // The status bar's read-out follows the mouse in the view's own units.
        if (auto* readout = form1_->findChild<QLabel*>("Label2"))
            connect(plotArea, &ui::PlotArea::mouseMoved, readout,
                    [readout](QPointF, QPointF world, Qt::MouseButtons) {
                        readout->setText(QString::fromStdString(plot::cursorReadout(world.x(), world.y())));
                    });
    }
    form1_->onResize = [this] { Form_Resize(); };
    // A plot area resized after its last drawing starts blank (the first show
    // resizes it after the first recomputation has drawn): draw it again.
    if (auto* area = qobject_cast<ui::PlotArea*>(form1_->drawingArea()))
        connect(area, &ui::PlotArea::resized, this, [this, area] {
            if (recomputeCount_ > 0) redrawPlotArea(state_, *area);
        });
    showAll();
    form1_->show();
}

void Application::Form_Resize() {
    if (state_.priv.FirstResizeDone == 0 && splash_) splash_->show();
    const QSize client = form1_->clientTwips();
    state_.priv.PlotAspect = plotAspectFor(client.width(), client.height(), ui::Form1::kStatusBarTwips,
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
    form1_->drawingArea()->setCursor(plotCursor(state_));
    menusBeforeRecompute(state_, menus_);
    // Keep the window tall enough to hold the read-out panel.
    if (!form1_->isMinimized() && ui::toTwipsY(form1_->height()) < 3500) {
        form1_->resize(form1_->width(), ui::toPixelsY(3500));
    }
    form1_->PosPbox();
    WindowSeam seam(*form1_, state_);
    recompute(state_, seam);
    menusAfterRecompute(state_, menus_);
    showAll();
}

void Application::showAll() {
    if (!form1_) return;
    std::map<std::string, bool> enabled;
    for (const std::string& item : menuCommandNames())
        enabled[item] = menus_.isEnabled(item) && commandAvailable(*registry_, item);
    form1_->showMenus(menus_.checked, enabled);
    form1_->setBarButtonEnabled(0, enabled["air1"]);
    form1_->setLegendVisible(surfaceLegendShown(state_.pub.VFlag.toInt()));
    form1_->showState();
}

bool Application::runCommand(const QString& item) {
    CommandContext ctx = context();
    if (!runMenuCommand(ctx, *registry_, item.toStdString())) return false;
    ++commandsRun_;
    showAll();
    return true;
}

void Application::barClick(int index) {
    if (index == 3) {
        QMenu* airfoils = form1_->menu("Edit1");
        airfoils->popup(QCursor::pos());
    } else if (index == 5) {
        ContextHelp();
    } else if (index >= 0 && index < 6) {
        runCommand(kBarCommands[index]);
    }
}

void Application::ContextHelp() { showHelp(form1_.get(), contextHelpFor(state_.pub.VFlag.toInt())); }

}  // namespace aerolune
