#include "appwalk/Autopilot.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace aerolune::test {

namespace {

// The dialogs name their buttons by position, not role: OK is found by its caption.
QPushButton* okButton(QWidget& dialog) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->isVisible() && b->isEnabled() && b->text().remove('&').trimmed() == "OK") return b;
    return nullptr;
}

}  // namespace

Autopilot::Autopilot() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &Autopilot::tick);
    timer_.start();
}

void Autopilot::tick() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popups << popup->objectName();
        if (nextPopupKey != 0) {
            const auto key = static_cast<Qt::Key>(nextPopupKey);
            nextPopupKey = 0;
            QTest::keyClick(popup, key);
        } else {
            popup->close();
        }
        return;
    }
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    // One answer per showing of a dialog: a dialog whose answer opened another
    // one is active again while that answer finishes, and must not be
    // answered twice. A dialog still waiting long after its answer (a refused
    // entry, a nested dialog that left it open) would hang the walk: it is
    // noted and cancelled.
    std::erase_if(answered_, [](const QPointer<QWidget>& d) { return d.isNull() || !d->isVisible(); });
    if (dialog != watched_) {
        watched_ = dialog;
        waited_ = 0;
    }
    if (std::find(answered_.begin(), answered_.end(), dialog) != answered_.end()) {
        if (++waited_ > 200) {
            stuck << dialog->windowTitle();
            waited_ = 0;
            if (auto* d = qobject_cast<QDialog*>(dialog))
                d->reject();
            else
                dialog->close();
        }
        return;
    }
    answered_.push_back(dialog);
    dialogs << dialog->windowTitle();
    Answer answer = [this](QWidget& d) { answerByDefault(d); };
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
    }
    // Answered from its own event, not from this tick: an answer that opens a
    // nested dialog (OK in the templates dialog opens the print dialog) runs
    // a local event loop, and this timer does not fire again until its tick
    // has returned.
    QTimer::singleShot(0, this, [answer = std::move(answer), target = QPointer<QWidget>(dialog)] {
        if (target) answer(*target);
    });
}

void Autopilot::answerByDefault(QWidget& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        messages << box->text();
        box->accept();
    } else if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
        if (nextFile.isEmpty()) return files->reject();
        filesUsed << nextFile;
        // Typed into the name box as a user does: selectFile() leaves the box
        // alone while it has the focus.
        if (auto* name = files->findChild<QLineEdit*>("fileNameEdit"))
            name->setText(nextFile);
        else
            files->selectFile(nextFile);
        static_cast<QDialog*>(files)->accept();  // the dialog checks the name as on OK
        nextFile.clear();
    } else if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
        // No printer on a test machine: the job goes into a PDF file. done()
        // keeps these settings (accept() would take the dialog's own).
        if (nextFile.isEmpty()) return print->reject();
        filesUsed << nextFile;
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(nextFile);
        print->done(QDialog::Accepted);
        nextFile.clear();
    } else if (QPushButton* ok = okButton(dialog)) {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else if (auto* plain = qobject_cast<QDialog*>(&dialog)) {
        plain->accept();
    } else {
        dialog.close();
    }
}

}  // namespace aerolune::test
