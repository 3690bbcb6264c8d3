#include "app/WindowSeam.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <set>

#include "analysis/AppState.h"
#include "analysis/ViewFacts.h"
#include "app/ViewDrawing.h"
#include "ui/MainWindow.h"
#include "ui/PlotArea.h"
#include "ui/SeparationWarning.h"

namespace aerolune {

std::string viewStatusTitle(int vflag) { return viewFacts(vflag).statusTitle; }

void WindowSeam::drawView(AppState& state) {
    const int vflag = state.display.view;
    if (auto* area = qobject_cast<ui::PlotArea*>(form_.drawingArea())) redrawPlotArea(state, *area);
    if (vflag == 10) return;  // the polar view's caption was set before its sweep
    state.texts.StatusCaption = viewStatusCaption(state);
}

std::string viewStatusCaption(const AppState& state) {
    const int vflag = state.display.view;
    std::string name = state.texts.sectionName;
    // A section read from a file has its own name, not a NACA designation.
    if (vflag == 3) name = (state.section.fromFile ? " " : " NACA ") + name;
    return name + viewStatusTitle(vflag);
}

void WindowSeam::setStatus(const std::string& caption) {
    // The window mirrors the state's texts when the recomputation ends.
    state_.texts.StatusCaption = caption;
}

void WindowSeam::slowSweepStarting(const std::string& caption) {
    // The sweep runs on this thread: the caption is painted now, as no event
    // loop turns before it ends.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    form_.showBusyCaption(QString::fromStdString(caption));
}

void WindowSeam::slowSweepEnded() { QGuiApplication::restoreOverrideCursor(); }

void WindowSeam::showMessage(const std::string& text) {
    // The box already open for the same cause says it.
    if (!openMessages_.insert(text).second) return;
    QMessageBox::information(&form_, form_.windowTitle(), QString::fromStdString(text));
    openMessages_.erase(text);
}

}  // namespace aerolune

namespace aerolune {

void WindowSeam::showSeparationWarning(const std::string& caption) {
    ui::SeparationWarning warning(QString::fromStdString(caption), &form_);
    warning.exec();
}

}  // namespace aerolune
