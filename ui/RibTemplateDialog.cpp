#include "ui/RibTemplateDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/NumberText.h"
#include "ui/toolkit/Placement.h"
#include "ui/toolkit/Twips.h"

namespace aerolune::ui {

namespace {

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

QLineEdit* field(QWidget* frame, const char* name, const char* label, const char* text, int top) {
    auto* caption = new QLabel(label, frame);
    place(caption, 120, top + 30, 1740, 255);
    auto* edit = new QLineEdit(text, frame);
    edit->setObjectName(name);
    place(edit, 1920, top, 1215, 285);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, int top, int width) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    place(b, 4140, top, width, 375);
    return b;
}

}  // namespace

RibTemplateDialog::RibTemplateDialog(const QString& airfoil, QWidget* reference)
    : QDialog(reference, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), reference_(reference) {
    setObjectName("RibTemplateDialog");
    setWindowTitle("Print NACA " + airfoil + " Template");
    setModal(true);
    // The small font of every other dialog, for which the layout in twips is made.
    setFont(QFont("MS Sans Serif", 8));
    setFixedSize(toPixelsX(5445), toPixelsY(2730));

    auto* frame = new QGroupBox("Airfoil Dimensions", this);
    place(frame, 120, 120, 3855, 2475);
    rootChord_ = field(frame, "rootChordField", "Root Chord", "6", 360);
    tipChord_ = field(frame, "tipChordField", "Tip Chord", "6", 720);
    skin_ = field(frame, "skinThicknessField", "Skin Thickness", "0", 1080);
    sections_ = field(frame, "sectionCountField", "Number of Sections", "1", 1440);
    auto* unitsLabel = new QLabel("Units", frame);
    place(unitsLabel, 120, 1950, 1740, 255);
    auto* units = new QGroupBox(frame);
    place(units, 1920, 1800, 1575, 495);
    inches_ = new QRadioButton("in", units);
    inches_->setObjectName("inchesOption");
    place(inches_, 120, 150, 615, 285);
    centimetres_ = new QRadioButton("cm", units);
    centimetres_->setObjectName("centimetresOption");
    place(centimetres_, 840, 150, 615, 285);
    inches_->setChecked(true);

    QPushButton* ok = button(this, "ok", "OK", 240, 1200);
    ok->setDefault(true);
    QPushButton* cancel = button(this, "cancel", "Cancel", 720, 1200);
    QPushButton* help = button(this, "help", "Help ?", 1200, 1215);
    connect(ok, &QPushButton::clicked, this, [this] { printPressed(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });
    connect(sections_, &QLineEdit::textChanged, this, [this] { sectionCountChanged(); });
    sectionCountChanged();
}

print::TemplateFields RibTemplateDialog::fields() const {
    return {rootChord_->text().toStdString(), tipChord_->text().toStdString(), skin_->text().toStdString(),
            sections_->text().toStdString(), centimetres_->isChecked()};
}

void RibTemplateDialog::sectionCountChanged() {
    // A single rib has only the root chord.
    tipChord_->setEnabled(readLeadingNumber(sections_->text().toStdString()) != 1.0);
}

void RibTemplateDialog::printPressed() {
    if (!print_ || print_(fields())) accept();
}

void RibTemplateDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (reference_) CenterOverWindow(*this, *reference_);
}

}  // namespace aerolune::ui
