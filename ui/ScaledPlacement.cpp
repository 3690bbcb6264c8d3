#include "ui/ScaledPlacement.h"

#include <QLabel>
#include <cmath>

namespace aerolune::ui {

namespace {

double ownPoints(const QWidget* w) { return w->testAttribute(Qt::WA_SetFont) ? w->font().pointSizeF() : 0.0; }

// A widget styled by a style sheet does not follow its parent's font: its
// size is set on it as well.
double recordedPoints(const QWidget* w) {
    return w->testAttribute(Qt::WA_SetFont) || !w->styleSheet().isEmpty() ? w->font().pointSizeF() : 0.0;
}

void setPoints(QWidget* w, double points) {
    QFont font = w->font();
    font.setPointSizeF(points);
    w->setFont(font);
}

int scaled(int v, double f) { return static_cast<int>(std::lround(v * f)); }

}  // namespace

void ScaledPlacement::record(QWidget* root) {
    root_ = root;
    rootPoints_ = ownPoints(root);
    places_.clear();
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const bool sizedToText = label && label->frameShape() == QFrame::NoFrame &&
                                 label->pixmap().isNull() && !label->text().isEmpty() &&
                                 label->size() == label->sizeHint();
        places_.push_back({w, w->geometry(), recordedPoints(w), w->parentWidget() == root, sizedToText});
    }
}

void ScaledPlacement::apply(double scale, double spread) const {
    if (!root_) return;
    if (rootPoints_ > 0) setPoints(root_, rootPoints_ * scale);
    for (const Place& p : places_) {
        if (!p.widget) continue;
        if (p.points > 0) setPoints(p.widget, p.points * scale);
        const double down = p.direct ? spread : scale;
        p.widget->setGeometry(scaled(p.rect.x(), scale), scaled(p.rect.y(), down),
                              scaled(p.rect.width(), scale), scaled(p.rect.height(), scale));
        if (p.sizedToText) p.widget->adjustSize();
    }
}

}  // namespace aerolune::ui
