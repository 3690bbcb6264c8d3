// A coordinate file reaching the program from outside: given on its command
// line (as a file manager starts it) or dropped onto its window. A good file
// becomes the section as General Airfoils makes it; a refused one says why
// and the section stays.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/Application.h"
#include "app/FileCommands.h"
#include "support/TestSupport.h"
#include "ui/MainWindow.h"

namespace aerolune {
namespace {

// Answers every message box the program shows with OK and keeps its text.
class MessageBoxes {
public:
    MessageBoxes() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.push_back(box->text().toStdString());
                box->accept();
            }
        });
        timer_.start();
    }
    std::vector<std::string> texts;

private:
    QTimer timer_;
};

struct Case {
    const char* file;    // under tests/data, or a name that does not exist
    const char* opened;  // the section's name once opened; "" when refused
    const char* named;   // what a refusal's message names
};

const Case kCases[] = {
    {"sections/e378.dat", "EPPLER 378 AIRFOIL", ""},
    {"sections/outlier-y234.dat", "", "outlier-y234.dat"},
    {"sections/no-such-section.dat", "", "no-such-section.dat"},
};

// Waits for the file to open, or for its refusal, and checks the outcome.
void expectOutcome(const Case& c, Application& app, const MessageBoxes& boxes, const std::string& before) {
    const AppState& state = app.state();
    if (*c.opened) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return state.section.fromFile; }, 30000));
        EXPECT_EQ(state.texts.sectionName, c.opened);
        // The reader may leave a note on what it did to the contour; no error.
        for (const std::string& text : boxes.texts)
            EXPECT_EQ(text.find(kReadAirfoilError), std::string::npos) << text;
        return;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.empty(); }, 30000));
    EXPECT_NE(boxes.texts.front().find(c.named), std::string::npos) << boxes.texts.front();
    EXPECT_EQ(state.section.fromFile, 0);
    EXPECT_EQ(state.texts.sectionName, before) << "the section it started on stays";
}

TEST(SectionFromOutside, FileGivenAtStartOpensOnceTheWindowShowsOrSaysWhyNot) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.file);
        MessageBoxes boxes;
        Application app;
        const std::string before = AppState().texts.sectionName;
        app.StartUp(test::dataPath(c.file));
        // The window drew the default section before the file was read.
        EXPECT_GE(app.recomputeCount(), 1);
        expectOutcome(c, app, boxes, before);
    }
}

TEST(SectionFromOutside, FileDroppedOnTheWindowOpensOrSaysWhyNot) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.file);
        MessageBoxes boxes;
        Application app;
        app.StartUp();
        const std::string before = app.state().texts.sectionName;
        const QUrl url = QUrl::fromLocalFile(QString::fromStdString(test::dataPath(c.file)));
        QMimeData data;
        data.setUrls({url});
        QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(app.mainWindow(), &enter);
        // A file that is not there is not offered at all.
        const bool exists = std::string(c.file).find("no-such") == std::string::npos;
        EXPECT_EQ(enter.isAccepted(), exists);
        if (!exists) continue;
        QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(app.mainWindow(), &drop);
        expectOutcome(c, app, boxes, before);
    }
}

TEST(SectionFromOutside, SeveralFilesAFolderOrAWebAddressAreNotTaken) {
    Application app;
    app.StartUp();
    const QUrl file = QUrl::fromLocalFile(QString::fromStdString(test::dataPath("sections/e378.dat")));
    const QList<QUrl> refused[] = {
        {file, file},
        {QUrl::fromLocalFile(QString::fromStdString(test::dataPath("sections")))},
        {QUrl("https://example.org/e378.dat")},
    };
    for (const QList<QUrl>& urls : refused) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(app.mainWindow(), &enter);
        EXPECT_FALSE(enter.isAccepted()) << urls.first().toString().toStdString();
    }
}

}  // namespace
}  // namespace aerolune
