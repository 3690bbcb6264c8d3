#include "ui/toolkit/Fonts.h"

#include <QFontMetrics>

namespace aerolune::ui {

namespace {

constexpr double kSmallestPoints = 5.0;

template <class Fits>
QFont stepDown(QFont font, Fits fits) {
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : 8.0;
    while (points > kSmallestPoints && !fits(font)) {
        points -= 0.5;
        font.setPointSizeF(points);
    }
    return font;
}

}  // namespace

void installFontSubstitutes() {
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("MS Serif", "Liberation Serif");
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
    QFont::insertSubstitution("Arial", "Liberation Sans");
}

QFont fontFittingLine(const QFont& font, const QString& text, int width, int height) {
    return stepDown(font, [&](const QFont& f) {
        const QFontMetrics m(f);
        return m.horizontalAdvance(text) <= width && (height <= 0 || m.height() <= height);
    });
}

QFont fontFittingHeight(const QFont& font, const QString& text, const QSize& box) {
    return stepDown(font, [&](const QFont& f) {
        const QRect need = QFontMetrics(f).boundingRect(QRect(0, 0, box.width(), 100000),
                                                        Qt::TextWordWrap | Qt::AlignLeft, text);
        return need.height() <= box.height() && need.width() <= box.width();
    });
}

}  // namespace aerolune::ui
