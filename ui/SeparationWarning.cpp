#include "ui/SeparationWarning.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/toolkit/Placement.h"
#include "ui/toolkit/Twips.h"

namespace aerolune::ui {

namespace {

struct WarningLine {
    int indent;      ///< twips from the text's left edge
    bool gapBefore;  ///< a new paragraph
    const char* text;
};

const WarningLine kLines[] = {
    {0, false, "Aerolune is predicting seperation of the boundary layer.  The following are possible:"},
    {60, true, "1.  There are numerical errors."},
    {60, false, "2.  The boundary layer has separated and the airfoil has stalled."},
    {60, true,
     "If there are numerical errors then do the following to increase the accuracy (this will decrease the "
     "performance of the computations):"},
    {120, true, "1.  Increase the number of points in the simulation."},
    {120, false, "2.  Adjust the boundary layer options, e.g.:"},
    {360, false, "a.  Reynolds Number"},
    {360, false, "b.  The number of points in the boundary layer."},
};

// Characters of the widest line the dialog is made for, at any font.
constexpr int kLineCharacters = 62;

}  // namespace

SeparationWarning::SeparationWarning(const QString& caption, QWidget* reference)
    : QDialog(reference, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), reference_(reference) {
    setObjectName("SeparationWarning");
    setWindowTitle(caption);
    setModal(true);

    // The lines one under another, each wrapped within the dialog's width, so
    // that none is clipped or drawn over another whatever the font.
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetNoConstraint);
    column->setContentsMargins(toPixelsX(300), toPixelsY(180), toPixelsX(240), toPixelsY(120));
    column->setSpacing(toPixelsY(30));
    for (const WarningLine& line : kLines) {
        if (line.gapBefore) column->addSpacing(toPixelsY(120));
        auto* label = new QLabel(line.text, this);
        label->setWordWrap(true);
        label->setContentsMargins(toPixelsX(line.indent), 0, 0, 0);
        column->addWidget(label);
    }
    column->addSpacing(toPixelsY(120));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setMinimumSize(toPixelsX(1155), toPixelsY(435));
    ok->setDefault(true);
    buttons->addWidget(ok);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    fitToFont();
}

void SeparationWarning::fitToFont() {
    const int width = std::max(toPixelsX(4635), fontMetrics().averageCharWidth() * kLineCharacters);
    setFixedSize(width, layout()->heightForWidth(width));
}

void SeparationWarning::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToFont();
}

void SeparationWarning::showEvent(QShowEvent* event) {
    fitToFont();
    QDialog::showEvent(event);
    if (reference_) CenterOverWindow(*this, *reference_);
}

}  // namespace aerolune::ui
