#pragma once
// Keeps a panel's proportions as its window grows: the places, sizes and
// fonts of a widget's descendants are recorded once at the design size and
// laid out again scaled, so a maximised window shows the same panel larger
// instead of the design-size panel above an empty column.

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace aerolune::ui {

class ScaledPlacement {
public:
    /// Records the root's font and every descendant's place and font as
    /// they are now (the design size).
    void record(QWidget* root);
    /// Lays the recorded widgets out again: x, widths, heights and font sizes
    /// by `scale`; the tops of the root's own children by `spread` (>= scale,
    /// their rows spread over a taller panel), deeper ones by `scale`. A
    /// caption that was sized to its text is sized to it again.
    void apply(double scale, double spread) const;

private:
    struct Place {
        QPointer<QWidget> widget;
        QRect rect;
        double points = 0;  ///< the font's size when set on the widget itself; 0 = inherited
        bool direct = false;
        bool sizedToText = false;
    };
    QPointer<QWidget> root_;
    double rootPoints_ = 0;
    std::vector<Place> places_;
};

}  // namespace aerolune::ui
