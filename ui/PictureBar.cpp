#include "ui/PictureBar.h"

#include <QApplication>
#include <QEventLoop>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolTip>

#include "ui/StatusSentences.h"
#include "ui/toolkit/Twips.h"

// Resources compiled into a static library register only when asked.
static void initPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace aerolune::ui {

namespace {

const QColor kBarColor(0xC0, 0xC0, 0xC0);
const QColor kLight(0xFF, 0xFF, 0xFF);
const QColor kShadow(0x80, 0x80, 0x80);

// Our own pictures, by click index: save, print templates, angle, sections, flap, help.
const char* const kPictureFiles[PictureBar::kButtons] = {":/bar/save.svg",  ":/bar/templates.svg",
                                                         ":/bar/angle.svg", ":/bar/airfoils.svg",
                                                         ":/bar/flap.svg",  ":/bar/help.svg"};

}  // namespace

PictureBar::PictureBar(QWidget* parent) : QWidget(parent) {
    initPictureResources();
    setObjectName("pictureBar");
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kBarColor);
    setPalette(p);
    QFont font("Arial");
    font.setPointSize(7);
    setFont(font);
    SetUpButtons();
}

void PictureBar::SetUpButtons() {
    for (int i = 0; i < kButtons; ++i) {
        BarButton& b = buttons_[static_cast<std::size_t>(i)];
        b = BarButton{};
        b.Left = 1200 * i + 100;
        b.Top = 20;
        b.Width = 1150;
        b.Height = b.Width - 400;
        pictures_[static_cast<std::size_t>(i)] = QPixmap(kPictureFiles[i]);
        draw(i, BarState::Flat);
    }
}

int PictureBar::hitTest(int x, int y) const {
    for (int i = 0; i < kButtons; ++i) {
        const BarButton& b = buttons_[static_cast<std::size_t>(i)];
        if (b.Left <= x && x <= b.Left + b.Width && b.Top <= y && y <= b.Top + b.Height && b.Group == 0)
            return b.Enabled != 0 ? i : -1;
    }
    return -1;
}

void PictureBar::setButtonEnabled(int index, bool enabled) {
    BarButton& b = buttons_.at(static_cast<std::size_t>(index));
    if ((b.Enabled != 0) == enabled) return;
    b.Enabled = enabled ? -1 : 0;
    draw(index, BarState::Flat);
}

QRect PictureBar::pixelRect(const BarButton& b) const {
    return {toPixelsX(b.Left), toPixelsY(b.Top), toPixelsX(b.Width), toPixelsY(b.Height)};
}

void PictureBar::draw(int index, BarState state) {
    auto i = static_cast<std::size_t>(index);
    states_[i] = state;
    buttons_[i].Raised = state == BarState::Raised ? 1 : 0;
    buttons_[i].Down = state == BarState::Pressed ? 1 : 0;
    update(pixelRect(buttons_[i]).adjusted(-2, -2, 2, 2));
}

void PictureBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBarColor);
    for (int i = 0; i < kButtons; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const QRect r = pixelRect(buttons_[k]);
        const QPixmap& pic = pictures_[k];
        if (!pic.isNull()) {
            const QSize size = pic.size().scaled(r.size() - QSize(6, 6), Qt::KeepAspectRatio);
            const QPoint offset = states_[k] == BarState::Pressed ? QPoint(1, 1) : QPoint();
            painter.setOpacity(buttons_[k].Enabled != 0 ? 1.0 : 0.3);
            painter.drawPixmap(QRect(r.center() - QPoint(size.width() / 2, size.height() / 2) + offset, size),
                               pic);
            painter.setOpacity(1.0);
        }
        if (states_[k] == BarState::Flat) continue;
        const bool raised = states_[k] == BarState::Raised;
        const QRect f = r.adjusted(0, 0, -1, -1);
        painter.setPen(raised ? kLight : kShadow);
        painter.drawLine(f.topLeft(), f.topRight());
        painter.drawLine(f.topLeft(), f.bottomLeft());
        painter.setPen(raised ? kShadow : QColor(Qt::black));
        if (raised) {
            painter.drawLine(f.bottomLeft(), f.bottomRight());
            painter.drawLine(f.topRight(), f.bottomRight());
        } else {  // sunken: a second dark line inside the top-left edge
            painter.drawLine(f.topLeft() + QPoint(1, 1), f.topRight() + QPoint(-1, 1));
            painter.drawLine(f.topLeft() + QPoint(1, 1), f.bottomLeft() + QPoint(1, -1));
            painter.setPen(kLight);
            painter.drawLine(f.bottomLeft(), f.bottomRight());
            painter.drawLine(f.topRight(), f.bottomRight());
        }
    }
}

int PictureBar::buttonAt(const QPoint& pixels) const {
    for (int i = 0; i < kButtons; ++i)
        if (pixelRect(buttons_[static_cast<std::size_t>(i)]).contains(pixels)) return i;
    return -1;
}

bool PictureBar::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = buttonAt(help->pos());
    if (index < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), barButtonCommand(index), this,
                       pixelRect(buttons_[static_cast<std::size_t>(index)]));
    return true;
}

void PictureBar::track(const QPoint& pixels) {
    const int before = barHot_;
    barHot_ = hitTest(toTwipsX(pixels.x()), toTwipsY(pixels.y()));
    if (barHot_ != before) {
        // The window shows the sentence in its status line, and its own
        // caption again when the tip is empty.
        QStatusTipEvent tip(barHot_ < 0 ? QString() : barButtonSentence(barHot_));
        QApplication::sendEvent(this, &tip);
    }
    for (int i = 0; i < kButtons; ++i) {
        const bool hot = i == barHot_;
        if (hot && buttons_[static_cast<std::size_t>(i)].Raised == 0) draw(i, BarState::Raised);
        if (!hot && buttons_[static_cast<std::size_t>(i)].Raised == 1) draw(i, BarState::Flat);
    }
}

void PictureBar::mouseMoveEvent(QMouseEvent* event) { track(event->position().toPoint()); }

void PictureBar::leaveEvent(QEvent*) { track(QPoint(-1000, -1000)); }

void PictureBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    barHot_ = hitTest(toTwipsX(event->position().toPoint().x()), toTwipsY(event->position().toPoint().y()));
    const int hot = barHot_;
    if (hot < 0) return;
    draw(hot, BarState::Pressed);
    // The sunken face stays for a moment while the bar repaints; then raised.
    repaint();
    QEventLoop wait;
    QTimer::singleShot(pressMs_, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    draw(hot, BarState::Raised);
    QApplication::processEvents();
    emit buttonClicked(hot);
}

}  // namespace aerolune::ui
