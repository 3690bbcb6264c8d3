#include "app/ExportPlotCommand.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/ViewDrawing.h"
#include "plot/qt/PlotFile.h"

namespace aerolune {

std::string exportPlot(AppState& state, const std::string& path, QSize size) {
    // The drawing works on a copy: a view that records what it drew (the
    // stagnation marker flag) must not change the state behind the window.
    AppState copy = state;
    const WriteResult written = plot::writePlotFile(path, size.width(), size.height(),
                                                    [&copy](plot::Surface& s) { drawCurrentView(copy, s); });
    return written.ok ? std::string() : written.reason;
}

void askAndExportPlot(AppState& state, QWidget* parent, QSize plotSize) {
    const QString png = "PNG image (*.png)", svg = "SVG drawing (*.svg)", pdf = "PDF document (*.pdf)";
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(parent, "Export Plot", QString(),
                                                png + ";;" + svg + ";;" + pdf, &filter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == svg ? ".svg" : (filter == pdf ? ".pdf" : ".png");
    const QSize size = plotSize.isValid() && !plotSize.isEmpty() ? plotSize : QSize(1200, 800);
    const std::string problem = exportPlot(state, path.toStdString(), size);
    if (!problem.empty()) QMessageBox::warning(parent, "Export Plot", QString::fromStdString(problem));
}

}  // namespace aerolune
