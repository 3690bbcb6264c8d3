#pragma once
// Answers the program's modal dialogs the way a user would, so a walk can
// trigger menu items that open them. A step may queue its own answer for the
// next dialog; otherwise message boxes are read and closed with OK, file
// dialogs are given the file the walk names, print dialogs print into a PDF
// file, and any other dialog is confirmed with its OK button. A pop-up menu
// that waits for a choice gets the key the walk names, else it is closed, as
// by a click beside it.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace aerolune::test {

class Autopilot : public QObject {
public:
    using Answer = std::function<void(QWidget& dialog)>;

    Autopilot();

    /// The next modal dialog gets this answer instead of the default one.
    void answerNext(Answer answer) { answers_.push_back(std::move(answer)); }
    bool allAnswersUsed() const { return answers_.empty(); }

    /// The access key pressed in the next pop-up menu (0: it is closed unused).
    int nextPopupKey = 0;

    /// The file a save or open dialog is given next (empty: it is cancelled).
    QString nextFile;

    QStringList messages;   ///< texts of the message boxes closed
    QStringList dialogs;    ///< titles of the dialogs answered, in order
    QStringList filesUsed;  ///< files chosen in file and print dialogs
    QStringList stuck;      ///< dialogs still open long after their answer
    QStringList popups;     ///< object names of the pop-up menus closed (by the walk too)

private:
    void tick();
    void answerByDefault(QWidget& dialog);

    QTimer timer_;
    std::deque<Answer> answers_;
    std::vector<QPointer<QWidget>> answered_;  ///< shown dialogs already answered
    QPointer<QWidget> watched_;                ///< the active dialog waited_ counts for
    int waited_ = 0;
};

}  // namespace aerolune::test
