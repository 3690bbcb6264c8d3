#include "app/Application.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "analysis/Pipeline.h"
#include "app/Commands.h"
#include "app/Help.h"
#include "app/SettingsCommands.h"
#include "app/StartupDefaults.h"
#include "app/ViewDrawing.h"
#include "app/WindowSeam.h"
#include "app/ZoomCommands.h"
#include "app/ZoomCursor.h"
#include "plot/PlotBox.h"
#include "ui/MainWindow.h"
#include "ui/PlotArea.h"
#include "ui/Splash.h"
#include "ui/toolkit/BusyCursor.h"
#include "ui/toolkit/Placement.h"
#include "ui/toolkit/Twips.h"

namespace aerolune {

namespace {

// Picture-bar buttons by index and the menu item each one runs; button 3
// opens the Airfoils menu and button 5 the help of the view.
const char* const kBarCommands[6] = {"saveViewData", "printRibTemplates", "changeAngle",
                                     nullptr,        "configureFlap",     nullptr};

}  // namespace

Application::Application(std::unique_ptr<CommandRegistry> registry) : registry_(std::move(registry)) {
    if (!registry_) {
        registry_ = std::make_unique<CommandRegistry>();
        registerCommands(*registry_);
    }
}

Application::~Application() = default;

void Application::StartUp(const std::string& sectionFile) {
    {
        ui::BusyCursor hourglass;
        splash_ = std::make_unique<ui::Splash>();
        ui::CenterOnScreen(*splash_);
        splash_->show();
        loadMainWindow();
    }
    // After the start-up events: a refused file's message then stands over
    // the window showing the default section.
    if (!sectionFile.empty())
        QMetaObject::invokeMethod(
            this, [this, sectionFile] { openSectionFile(sectionFile); }, Qt::QueuedConnection);
}

void Application::openSectionFile(const std::string& path) {
    CommandContext ctx = context();
    openSectionFileFromOutside(ctx, path);
    showAll();
}

CommandContext Application::context() {
    CommandContext ctx{state_, menus_, mainWindow_.get(), {}, {}, {}, &run_};
    ctx.recompute = [this] { recomputeAndRedraw(); };
    ctx.redraw = [this] {
        WindowSeam seam(*mainWindow_, state_);
        seam.drawView(state_);
        showAll();
    };
    ctx.plotImage = [this] { return mainWindow_ ? mainWindow_->drawingArea()->grab().toImage() : QImage(); };
    return ctx;
}

void Application::loadMainWindow() {
    mainWindow_ = std::make_unique<ui::MainWindow>(state_);
    ui::CenterOnScreen(*mainWindow_);
    applyLoadDefaults(state_);
    mainWindow_->placePlotArea();
    const QWidget* area = mainWindow_->drawingArea();
    if (area->width() > 0 && area->height() > 0)
        state_.layout.plotAspect = double(area->height()) / area->width();
    // SetUpButtons ran when the bar was built; a button whose command does
    // not exist in this build is dimmed.
    for (int i = 0; i < 6; ++i)
        if (kBarCommands[i])
            mainWindow_->setBarButtonEnabled(i, commandAvailable(*registry_, kBarCommands[i]));

    mainWindow_->onCommand = [this](const QString& item) { runCommand(item); };
    mainWindow_->onBarClick = [this](int i) { barClick(i); };
    mainWindow_->onSwatchClick = [this](int swatch) {
        menus_.colourMenuSwatch = swatch;
        runCommand("stepSwatchColour");
    };
    mainWindow_->onColourChoice = [this](int swatch, const QString& item) {
        menus_.colourMenuSwatch = swatch;
        runCommand(item);
    };
    if (auto* plotArea = qobject_cast<ui::PlotArea*>(mainWindow_->drawingArea())) {
        connectZoomDrag(*plotArea, state_, [this] { recomputeAndRedraw(); });
        // The status bar's read-out follows the mouse in the view's own units.
        if (auto* readout = mainWindow_->findChild<QLabel*>("cursorReadout"))
            connect(plotArea, &ui::PlotArea::mouseMoved, readout,
                    [readout](QPointF, QPointF world, Qt::MouseButtons) {
                        readout->setText(QString::fromStdString(plot::cursorReadout(world.x(), world.y())));
                    });
    }
    mainWindow_->onResize = [this] { onMainWindowResized(); };
    mainWindow_->onFileDropped = [this](const std::string& path) { openSectionFile(path); };
    // A plot area resized after its last drawing starts blank (the first show
    // resizes it after the first recomputation has drawn): draw it again.
    if (auto* resizedArea = qobject_cast<ui::PlotArea*>(mainWindow_->drawingArea()))
        connect(resizedArea, &ui::PlotArea::resized, this, [this, resizedArea] {
            if (recomputeCount_ > 0) redrawPlotArea(state_, *resizedArea);
        });
    showAll();
    mainWindow_->show();
}

void Application::onMainWindowResized() {
    if (!state_.layout.firstResizeDone && splash_) splash_->show();
    const QSize client = mainWindow_->clientTwips();
    state_.layout.plotAspect = plotAspectFor(client.width(), client.height(), mainWindow_->statusBarTwips(),
                                             ui::MainWindow::kPictureBarTwips, state_.layout.plotAspect);
    recomputeAndRedraw();
    if (!state_.layout.firstResizeDone) closeSplash();
    state_.layout.firstResizeDone = true;
}

void Application::closeSplash() {
    if (!splash_) return;
    splash_->close();
    splash_.reset();
    ++splashClosedCount_;
}

void Application::recomputeAndRedraw() {
    ui::BusyCursor hourglass;
    ++recomputeCount_;
    mainWindow_->drawingArea()->setCursor(plotCursor(state_));
    menusBeforeRecompute(state_, menus_);
    // Keep the window tall enough to hold the read-out panel.
    if (!mainWindow_->isMinimized() && ui::toTwipsY(mainWindow_->height()) < 3500) {
        mainWindow_->resize(mainWindow_->width(), ui::toPixelsY(3500));
    }
    mainWindow_->placePlotArea();
    WindowSeam seam(*mainWindow_, state_);
    recompute(state_, seam);
    menusAfterRecompute(state_, menus_);
    showAll();
}

void Application::showAll() {
    if (!mainWindow_) return;
    std::map<std::string, bool> enabled;
    for (const std::string& item : menuCommandNames())
        enabled[item] = menus_.isEnabled(item) && commandAvailable(*registry_, item);
    mainWindow_->showMenus(menus_.checked, enabled);
    mainWindow_->setBarButtonEnabled(0, enabled["saveViewData"]);
    mainWindow_->setLegendVisible(surfaceLegendShown(state_.display.view));
    mainWindow_->showState();
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
        QMenu* airfoils = mainWindow_->menu("airfoilsMenu");
        airfoils->popup(QCursor::pos());
    } else if (index == 5) {
        showHelpForView();
    } else if (index >= 0 && index < 6) {
        runCommand(kBarCommands[index]);
    }
}

void Application::showHelpForView() {
    showHelp(run_, mainWindow_.get(), contextHelpFor(state_.display.view));
}

}  // namespace aerolune
