#include "ui/AboutDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/Placement.h"
#include "ui/toolkit/Twips.h"

namespace aerolune::ui {

namespace {

QRect twipsRect(int left, int top, int width, int height) {
    return {toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height)};
}

}  // namespace

QString AboutDialog::aboutText() {
    const QStringList lines = {
        " Aerolune Version 2.0",
        "",
        "Design and analysis of two-dimensional wing sections: panel method, thin-airfoil theory, "
        "boundary layer and drag, polars, mesh and flow field.",
        "",
        "Copyright Tarnby Labs. All rights reserved.",
        "The results are estimates; check them before you build or fly."};
    return lines.join(QChar(13));
}

AboutDialog::AboutDialog(QWidget* reference) : QDialog(reference), reference_(reference) {
    setObjectName("AboutDialog");
    setWindowTitle("About Tarnby Labs' Aerolune");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(toPixelsX(5910), toPixelsY(2550));

    auto* picture = new QLabel(this);
    picture->setObjectName("picture");
    picture->setPixmap(QPixmap(":/art/about.svg"));
    picture->setScaledContents(true);
    picture->setGeometry(twipsRect(60, 0, 1755, 1515));

    auto* text = new QLabel(this);
    text->setObjectName("aboutText");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(twipsRect(1860, 120, 3855, 1875));
    QFont font("MS Sans Serif");
    font.setPointSizeF(9.75);
    text->setFont(fontFittingHeight(font, aboutText().replace(QChar(13), '\n'), text->size()));
    // A carriage return ends a line on the screen as it does in the text.
    text->setText(aboutText().replace(QChar(13), '\n'));

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setGeometry(twipsRect(4320, 2040, 1200, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (reference_) CenterOverWindow(*this, *reference_);
}

}  // namespace aerolune::ui
