#include "ui/Splash.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/toolkit/Twips.h"

namespace aerolune::ui {

Splash::Splash() : picture_(drawSplashPicture()) {
    setObjectName("Splash");
    setWindowTitle("Aerolune, Version 2.0");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(toPixelsX(2970), toPixelsY(2580));
}

void Splash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

QPixmap drawSplashPicture() {
    QPixmap pixmap(Splash::kPictureWidth, Splash::kPictureHeight);
    pixmap.fill(QColor(0, 0, 255));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // A 12 % thick, 4 % cambered section across the middle of the picture.
    const double chord = 150.0, left = 20.0, middle = 95.0;
    QPainterPath section;
    for (int pass = 0; pass < 2; ++pass) {
        for (int k = 0; k <= 40; ++k) {
            const double theta = M_PI * (pass == 0 ? k : 40 - k) / 40.0;
            const double x = 0.5 * (1.0 - std::cos(theta));
            const double t = 0.6 * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                                    0.1036 * x * x * x * x);
            const double camber =
                x < 0.4 ? 0.04 / 0.16 * (0.8 * x - x * x) : 0.04 / 0.36 * (0.2 + 0.8 * x - x * x);
            const double y = camber + (pass == 0 ? t : -t);
            const QPointF point(left + chord * x, middle - chord * y);
            if (pass == 0 && k == 0)
                section.moveTo(point);
            else
                section.lineTo(point);
        }
    }
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
    for (int line = -3; line <= 3; ++line) {
        const double y0 = middle - 14.0 * line;
        QPainterPath stream;
        stream.moveTo(0, y0);
        stream.cubicTo(60, y0 - 6, 120, y0 - 10 + 2 * std::abs(line), 191, y0 - 2);
        painter.drawPath(stream);
    }
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPath(section);
    painter.setPen(Qt::white);
    QFont font("Arial");
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 130, 191, 40), Qt::AlignCenter, "Aerolune");
    return pixmap;
}

}  // namespace aerolune::ui
