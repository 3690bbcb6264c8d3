#pragma once
// Window placement on real widgets, in the screen's twips.

class QWidget;

namespace aerolune::ui {

void CenterOnScreen(QWidget& window);
void CenterOverWindow(QWidget& window, const QWidget& reference);

}  // namespace aerolune::ui
