#pragma once
// A modal box that nobody answers would block a window test for ever: the
// test would wait for a click that never comes. The watchdog looks at the
// active modal widget a few times a second; one that is still showing after
// a grace period was not expected by the test (a test answers its own boxes
// as soon as their event loop runs). It fails the running test naming the
// box's text, and closes the box so the test goes on to its own checks.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace aerolune::test {

class ModalWatchdog {
public:
    /// \param graceMs how long a modal widget may show before it counts as
    ///        unexpected, milliseconds
    explicit ModalWatchdog(int graceMs = 10000) : graceMs_(graceMs) {
        timer_.setInterval(100);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        timer_.start();
    }

    /// What a failure report calls the widget: a message box's text, else
    /// the window title and the object name.
    static QString describe(const QWidget& widget) {
        if (const auto* box = qobject_cast<const QMessageBox*>(&widget))
            return "message box \"" + box->text() + "\"";
        return "modal window \"" + widget.windowTitle() + "\" (" + widget.objectName() + ")";
    }

private:
    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            watched_ = nullptr;
            return;
        }
        if (modal != watched_) {
            watched_ = modal;
            shown_.start();
            return;
        }
        if (shown_.elapsed() < graceMs_) return;
        ADD_FAILURE() << "an unexpected " << describe(*modal).toStdString() << " was left open; closed it";
        watched_ = nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }

    int graceMs_;
    QTimer timer_;
    QPointer<QWidget> watched_;
    QElapsedTimer shown_;
};

}  // namespace aerolune::test
