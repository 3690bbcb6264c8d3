#pragma once
// The hourglass for the length of a scope: every exit path restores the pointer.

#include <QApplication>

namespace aerolune::ui {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace aerolune::ui
