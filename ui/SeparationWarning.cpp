#include "ui/SeparationWarning.h"

#include <QLabel>
#include <QPushButton>

#include "ui/toolkit/Placement.h"
#include "ui/toolkit/Twips.h"

namespace aerolune::ui {

namespace {

struct WarningLine {
    int left, top, width, height;
    const char* text;
};

const WarningLine kLines[] = {
    {180, 60, 4095, 555,
     "Aerolune is predicting seperation of the boundary layer.  The following are possible:"},
    {240, 540, 4095, 285, "1.  There are numerical errors."},
    {240, 840, 4095, 435, "2.  The boundary layer has separated and the airfoil has stalled."},
    {240, 1320, 3615, 675,
     "If there are numerical errors then do the following to increase the accuracy (this will decrease the "
     "performance of the computations):"},
    {300, 1980, 4000, 285, "1.  Increase the number of points in the simulation."},
    {300, 2280, 4000, 285, "2.  Adjust the boundary layer options, e.g.:"},
    {540, 2520, 3800, 285, "a.  Reynolds Number"},
    {540, 2760, 3800, 285, "b.  The number of points in the boundary layer."},
};

}  // namespace

SeparationWarning::SeparationWarning(const QString& caption, QWidget* reference)
    : QDialog(reference, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), reference_(reference) {
    setObjectName("SeparationWarning");
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(toPixelsX(4635), toPixelsY(4020));

    auto* area = new QWidget(this);
    area->setGeometry(toPixelsX(120), toPixelsY(120), toPixelsX(4395), toPixelsY(3255));
    for (const WarningLine& line : kLines) {
        auto* label = new QLabel(line.text, area);
        label->setWordWrap(true);
        label->setGeometry(toPixelsX(line.left), toPixelsY(line.top), toPixelsX(line.width), toPixelsY(line.height));
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setGeometry(toPixelsX(3240), toPixelsY(3480), toPixelsX(1155), toPixelsY(435));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void SeparationWarning::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (reference_) CenterOverWindow(*this, *reference_);
}

}  // namespace aerolune::ui
