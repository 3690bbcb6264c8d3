// A section designed in the dialogs, saved as coordinates and read back as a
// general section analyses the same.

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "app/Application.h"
#include "tests/uidialogs/DialogTestSupport.h"

namespace aerolune {
namespace {

// Runs drive on the modal dialog as soon as it is shown.
void whenModal(std::function<void(QWidget&)> drive) {
    QTimer::singleShot(0, [drive] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        drive(*dialog);
    });
}

void okWith(std::function<void(QWidget&)> edit) {
    whenModal([edit](QWidget& d) {
        edit(d);
        test::press(d, "ok");
    });
}

void chooseFile(const std::string& path) {
    whenModal([path](QWidget& d) {
        auto* dialog = qobject_cast<QFileDialog*>(&d);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, with its checks
    });
}

// As a user would: NACA 2412 from the 4-digit dialog, 4 degrees from the
// angle dialog, Save ASCII File in the airfoil view, then General Airfoils on
// the saved file.
TEST(RoundTrip, DesignedSectionSavedAndReadBackGivesTheSameLift) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("naca2412.dat").toStdString();
    Application app;
    app.StartUp();
    AppState& state = app.state();

    okWith([](QWidget& d) {
        test::enter(d, "camberField", "2");
        test::enter(d, "camberPositionField", "4");
        test::enter(d, "thicknessField", "12");
    });
    ASSERT_TRUE(app.runCommand("naca4"));
    okWith([](QWidget& d) { test::enter(d, "angleField", "4"); });
    ASSERT_TRUE(app.runCommand("changeAngle"));
    const double designed = state.section.panelCl.value_or(0.0);
    ASSERT_EQ(state.texts.sectionName, "2412");
    ASSERT_EQ(state.texts.angleReadout, "4 Deg.");
    ASSERT_GT(designed, 0.5);

    chooseFile(path);
    ASSERT_TRUE(app.runCommand("saveViewData"));
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(path)));
    chooseFile(path);
    ASSERT_TRUE(app.runCommand("openCoordinateFile"));
    EXPECT_EQ(state.section.fromFile, 1);
    EXPECT_EQ(state.texts.sectionName, "2412");
    // The file holds six decimals of a chord and the builder re-fits the
    // points on its own stations; 0.5 % of lift allows for that.
    EXPECT_NEAR(state.section.panelCl.value_or(0.0), designed, 0.005 * designed);
}

}  // namespace
}  // namespace aerolune
