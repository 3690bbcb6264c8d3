#include "ui/Form3.h"

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

Form3::Form3(const QString& airfoil, QWidget* reference)
    : QDialog(reference, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), reference_(reference) {
    setObjectName("Form3");
    setWindowTitle("Print NACA " + airfoil + " Template");
    setModal(true);
    setFixedSize(toPixelsX(5445), toPixelsY(2730));

    auto* frame = new QGroupBox("Airfoil Dimensions", this);
    place(frame, 120, 120, 3855, 2475);
    Text5_ = field(frame, "Text5", "Root Chord", "6", 360);
    Text1_ = field(frame, "Text1", "Tip Chord", "6", 720);
    Text3_ = field(frame, "Text3", "Skin Thickness", "0", 1080);
    Text2_ = field(frame, "Text2", "Number of Sections", "1", 1440);
    auto* unitsLabel = new QLabel("Units", frame);
    place(unitsLabel, 120, 1950, 1740, 255);
    auto* units = new QGroupBox(frame);
    place(units, 1920, 1800, 1575, 495);
    Option2_ = new QRadioButton("in", units);
    Option2_->setObjectName("Option2");
    place(Option2_, 120, 150, 615, 285);
    Option3_ = new QRadioButton("cm", units);
    Option3_->setObjectName("Option3");
    place(Option3_, 840, 150, 615, 285);
    Option2_->setChecked(true);

    QPushButton* ok = button(this, "SSCommand1", "OK", 240, 1200);
    ok->setDefault(true);
    QPushButton* cancel = button(this, "Command1", "Cancel", 720, 1200);
    QPushButton* help = button(this, "Command2", "Help ?", 1200, 1215);
    connect(ok, &QPushButton::clicked, this, [this] { SSCommand1_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });
    connect(Text2_, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    Text2_Change();
}

print::TemplateFields Form3::fields() const {
    return {Text5_->text().toStdString(), Text1_->text().toStdString(), Text3_->text().toStdString(),
            Text2_->text().toStdString(), Option3_->isChecked()};
}

void Form3::Text2_Change() {
    // A single rib has only the root chord.
    Text1_->setEnabled(readLeadingNumber(Text2_->text().toStdString()) != 1.0);
}

void Form3::SSCommand1_Click() {
    if (!print_ || print_(fields())) accept();
}

void Form3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (reference_) CenterOverWindow(*this, *reference_);
}

}  // namespace aerolune::ui
