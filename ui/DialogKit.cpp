#include "ui/DialogKit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <limits>

#include "common/NumberText.h"
#include "ui/toolkit/Placement.h"
#include "ui/toolkit/Twips.h"

namespace aerolune::ui {

SettingsDialog::SettingsDialog(const char* name, const QString& caption, int widthTwips, int heightTwips,
                               AppState& state, QWidget* reference)
    : QDialog(reference, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      state_(state),
      reference_(reference) {
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    // The layouts below are in twips for this font; its stand-in is metric-compatible.
    setFont(QFont("MS Sans Serif", 8));
    setFixedSize(toPixelsX(widthTwips), toPixelsY(heightTwips));
}

void SettingsDialog::reject() {
    cancelPressed();
    state_.shared.DialogCancelled = int16_t{1};
    QDialog::reject();
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (reference_) CenterOverWindow(*this, *reference_);
}

void SettingsDialog::addButtons(int left, int width, int height, std::initializer_list<int> tops,
                                int helpContext) {
    const char* names[] = {"ok", "cancel", "help"};
    const char* texts[] = {"OK", "Cancel", "Help ?"};
    int index = 0;
    for (int top : tops) {
        auto* button = placed(new QPushButton(texts[index], this), left, top, width, height);
        button->setObjectName(names[index]);
        button->setAutoDefault(false);
        if (index == 0) {
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, &SettingsDialog::okClicked);
        } else if (index == 1) {
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
        } else {
            connect(button, &QPushButton::clicked, this, [this, helpContext] {
                if (onHelp) onHelp(helpContext);
            });
        }
        if (++index == 3) break;
    }
}

namespace {

// Brings the tab holding w to the front, so the field a message names is seen.
void showPageOf(QWidget* w) {
    for (; w && w->parentWidget(); w = w->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
        if (tabs && tabs->indexOf(w) >= 0) tabs->setCurrentWidget(w);
    }
}

}  // namespace

void SettingsDialog::okClicked() {
    const std::string problem = fieldProblem();
    if (!problem.empty()) {
        QString text = QString::fromStdString(problem);
        text[0] = text[0].toUpper();
        QMessageBox::warning(this, windowTitle(), text + ".");
        return;
    }
    okPressed();
    accept();
}

void SettingsDialog::checkField(QLineEdit* field, const QuantityRule& rule, bool clamps) {
    checked_.push_back({field, rule, clamps});
    if (clamps)
        connect(field, &QLineEdit::editingFinished, this, [field, rule] { clampFieldText(field, rule); });
}

std::string SettingsDialog::fieldProblem() {
    for (const CheckedField& c : checked_) {
        if (c.clamps) clampFieldText(c.field, c.rule);
        double value = 0.0;
        std::string problem = quantityProblem(c.rule, c.field->text().toStdString(), value);
        if (problem.empty()) continue;
        showPageOf(c.field);
        c.field->setFocus();
        c.field->selectAll();
        return problem;
    }
    return {};
}

void clampFieldText(QLineEdit* field, const QuantityRule& rule) {
    double v = 0.0;
    if (!readDecimalNumber(field->text().toStdString(), v) || (v >= rule.least && v <= rule.most)) return;
    field->setText(QString::fromStdString(formatGeneral(std::clamp(v, rule.least, rule.most))));
}

void placeTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

namespace {

// The layouts are drawn for a bitmap font a little narrower than the
// scalable fonts that stand in for it; a caption that would be cut short is
// set a little smaller instead, by no more than one point.
void shrinkToFit(QLabel* label) {
    QFont font = label->font();
    const double smallest = font.pointSizeF() - 1.0;
    auto fits = [label] {
        if (label->wordWrap()) return label->heightForWidth(label->width()) <= label->height();
        return label->sizeHint().width() <= label->width();
    };
    while (!fits() && font.pointSizeF() > smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label->setFont(font);
    }
}

}  // namespace

QLabel* addLabel(QWidget* parent, const QString& text, int left, int top, int width, int height,
                 Qt::Alignment align) {
    auto* label = placed(new QLabel(text, parent), left, top, width, height);
    label->setAlignment(align);
    label->setWordWrap(height >= 400);
    shrinkToFit(label);
    return label;
}

QLineEdit* addTextField(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* field = placed(new QLineEdit(parent), left, top, width, height);
    field->setObjectName(name);
    field->setTextMargins(0, 0, 0, 0);
    return field;
}

Frame* addFrame(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* frame = placed(new Frame(parent), left, top, width, height);
    frame->setTitle(caption);
    return frame;
}

Frame::Frame(QWidget* parent) : QWidget(parent) {}

void Frame::setTitle(const QString& title) {
    title_ = title;
    update();
}

QRect Frame::titleRect() const {
    const QFontMetrics metrics(font());
    return {6, 0, metrics.horizontalAdvance(title_) + 4, metrics.height()};
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int lineTop = fontMetrics().height() / 2;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRect(0, lineTop, width() - 1, height() - lineTop - 1));
    if (title_.isEmpty()) return;
    const QRect text = titleRect();
    painter.fillRect(text, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, title_);
}

QComboBox* addList(QWidget* parent, const char* name, bool editable, int left, int top, int width,
                   int height) {
    auto* combo = placed(new QComboBox(parent), left, top, width, height);
    combo->setObjectName(name);
    combo->setEditable(editable);
    if (editable) combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QSlider* addSlider(QWidget* parent, const char* name, int minimum, int maximum, int tickInterval,
                   int pageStep, int left, int top, int width, int height) {
    auto* slider = placed(new QSlider(Qt::Horizontal, parent), left, top, width, height);
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(tickInterval);
    slider->setSingleStep(1);
    slider->setPageStep(pageStep);
    return slider;
}

void showInList(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    if (combo->isEditable()) combo->setEditText(text);
}

double numberValue(const QString& text) {
    const double v = readLeadingNumber(text.toStdString());
    return std::isfinite(v) ? v : 0.0;
}

QString numberText(double value) { return QString::fromStdString(formatGeneral(value)); }

void takeListNumber(const QComboBox* list, double& target) {
    if (list->isEditable() || list->currentIndex() >= 0) target = numberValue(list->currentText());
}

void takeListNumber(const QComboBox* list, int32_t& target) {
    double v = target;
    takeListNumber(list, v);
    target = static_cast<int32_t>(std::nearbyint(std::clamp(v, -1.0e6, 1.0e6)));
}

QStringList numberTexts(int first, int last, int step) {
    QStringList texts;
    for (int v = first; v <= last; v += step) texts << QString::number(v);
    return texts;
}

SpinButton::SpinButton(const char* name, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    setObjectName(name);
    up_->setObjectName("up");
    down_->setObjectName("down");
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) b->setAutoRepeat(true);
    connect(up_, &QToolButton::clicked, this, &SpinButton::spinUp);
    connect(down_, &QToolButton::clicked, this, &SpinButton::spinDown);
}

void SpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace aerolune::ui
