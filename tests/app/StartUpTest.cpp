#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include "app/Application.h"
#include "app/DisplayCommands.h"
#include "app/StartupDefaults.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/SeparationWarning.h"
#include "ui/Splash.h"
#include "ui/toolkit/Fonts.h"

namespace aerolune {
namespace {

QString fieldText(ui::MainWindow& form, const char* name) { return form.findChild<QLineEdit*>(name)->text(); }
QString boxText(ui::MainWindow& form, const char* name) { return form.findChild<QLabel*>(name)->text(); }

TEST(StartUp, ShowsTheMainWindowWithTheDefaultsAndClosesTheSplashOnce) {
    Application app;
    app.StartUp();
    ui::MainWindow& form = *app.mainWindow();

    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Aerolune - Version 2.0");
    EXPECT_EQ(app.splash(), nullptr);
    EXPECT_EQ(app.splashClosedCount(), 1);
    EXPECT_GE(app.recomputeCount(), 1);  // the first resize recomputed
    EXPECT_EQ(app.state().layout.firstResizeDone, 1);

    EXPECT_EQ(fieldText(form, "sectionField"), "0012");
    EXPECT_EQ(fieldText(form, "angleReadout"), "0 Deg.");
    EXPECT_EQ(boxText(form, "flapDeflectionBox"), "0.0 Deg.");
    EXPECT_EQ(boxText(form, "flapLengthBox"), "0.0 %c");
    // The first resize ran the first analysis: NACA 0012 at 0 degrees has no
    // lift, no centre of pressure and a drag of a few thousandths.
    EXPECT_EQ(fieldText(form, "clField"), "0.000");
    EXPECT_EQ(boxText(form, "centreOfPressureBox"), "N/A");
    EXPECT_EQ(boxText(form, "dragBox").size(), 8);  // "##0.000000"
    EXPECT_GT(boxText(form, "dragBox").toDouble(), 0.004);
    EXPECT_LT(boxText(form, "dragBox").toDouble(), 0.010);
    EXPECT_FALSE(form.findChild<QLabel*>("stalledMark")->isVisible());
    EXPECT_EQ(form.action("showPoints")->text().remove('&'), "Show Points");
    EXPECT_TRUE(form.action("whiteBackground")->isChecked());
    EXPECT_FALSE(form.action("blackBackground")->isChecked());
    EXPECT_EQ(form.drawingArea()->palette().color(QPalette::Window), QColor(Qt::white));

    // Later resizes recompute and redraw but never bring the splash back.
    const int before = app.recomputeCount();
    form.resize(form.width() + 100, form.height() + 50);
    QApplication::processEvents();
    EXPECT_GT(app.recomputeCount(), before);
    EXPECT_EQ(app.splashClosedCount(), 1);
}

TEST(StartUp, LoadStepLeavesEveryDefault) {
    AppState state;
    state.display.view = 7;
    state.display.pointRadius = 0.007;
    state.display.lowerSurfaceColour = 3;
    applyLoadDefaults(state);

    EXPECT_EQ(state.display.view, 1);
    EXPECT_EQ(state.display.pointRadius, 0.0);
    EXPECT_EQ(state.texts.ShowPointsCaption, "Show Points");
    EXPECT_EQ(state.display.lowerSurfaceColour, 0);  // 15 on a white background becomes black
    EXPECT_EQ(state.display.upperSurfaceColour, 14);
    EXPECT_EQ(state.display.foregroundColour, 0);
    EXPECT_EQ(state.shared.DialogCancelled.toInt(), 0);
    EXPECT_EQ(state.shared.HalfPoints, 60);
    EXPECT_EQ(state.shared.TotalPoints.toInt(), 120);
    EXPECT_TRUE(state.shared.Naca5CamberPos.isEmpty());
    EXPECT_EQ(state.flow.reynolds, 1e6);
    EXPECT_EQ(state.mesh.clustering, 1.05);
    EXPECT_EQ(state.analysis.boundaryLayerPending, 1);
}

TEST(StartUp, ShowPointsTogglesRadiusAndCaption) {
    AppState state;
    toggleShowPoints(state);
    EXPECT_EQ(state.display.pointRadius, 0.007);
    EXPECT_EQ(state.texts.ShowPointsCaption, "Hide Points");
    toggleShowPoints(state);
    EXPECT_EQ(state.display.pointRadius, 0.0);
    EXPECT_EQ(state.texts.ShowPointsCaption, "Show Points");
}

TEST(StartUp, PlotAspectSurvivesATinyWindow) {
    EXPECT_DOUBLE_EQ(plotAspectFor(7635, 5730, 495, 810, 0.5), (5730.0 - 495 - 810 - 40) / (7635.0 - 200));
    EXPECT_EQ(plotAspectFor(150, 5730, 495, 810, 0.5), 0.5);
    EXPECT_EQ(plotAspectFor(7635, 900, 495, 810, 0.5), 0.5);
}

TEST(MenuTree, AccessKeysOfTheMenuBarAreUniqueAndTheInitialStatesHold) {
    AppState state;
    ui::MainWindow form(state);
    QSet<QChar> keys;
    int topLevel = 0;
    for (QAction* a : form.menuBar()->actions()) {
        ++topLevel;
        const QString text = a->text();
        const int amp = text.indexOf('&');
        if (amp < 0) continue;
        EXPECT_FALSE(keys.contains(text[amp + 1])) << text.toStdString();
        keys.insert(text[amp + 1]);
    }
    EXPECT_EQ(topLevel, 9);     // the colour menu is a pop-up only
    EXPECT_EQ(keys.size(), 9);  // every menu on the bar has a key
    for (const char* unavailable : {"airfoilBoundaryLayerView", "boundaryLayerView", "updateBoundaryLayer"})
        EXPECT_FALSE(form.action(unavailable)->isEnabled()) << unavailable;
    EXPECT_TRUE(form.action("exportDxf")->isEnabled());
    EXPECT_EQ(form.action("coefficientsReport")->text().remove('&'), "Aeordynamics Coefficients");
    EXPECT_EQ(form.action("updateBoundaryLayer")->text().remove('&'), "Update  Boundary Layer Solution");
    EXPECT_EQ(form.action("copy")->shortcut(), QKeySequence("Ctrl+C"));
}

TEST(Fonts, ClassicNamesResolveToInstalledFamilies) {
    ui::installFontSubstitutes();
    for (const char* family : {"Arial", "MS Sans Serif", "Comic Sans MS"}) {
        QFontInfo info{QFont(family)};
        EXPECT_FALSE(info.family().isEmpty()) << family;
    }
}

TEST(Splash, IsBlueWithItsOwnPictureAndCaption) {
    ui::Splash splash;
    EXPECT_EQ(splash.windowTitle(), "Aerolune, Version 2.0");
    EXPECT_EQ(splash.picture().size(), QSize(191, 175));
    EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_FALSE(splash.windowFlags() & Qt::WindowCloseButtonHint);
}

}  // namespace
}  // namespace aerolune

namespace aerolune {
namespace {

TEST(ShutDown, ExitAndClosingTheWindowEndTheEventLoop) {
    for (const bool viaMenu : {true, false}) {
        Application app;
        app.StartUp();
        ui::MainWindow* form = app.mainWindow();
        QTimer::singleShot(0, form, [form, viaMenu] {
            if (viaMenu)
                form->action("exit")->trigger();
            else
                form->close();
        });
        QTimer::singleShot(5000, [] { QApplication::exit(1); });  // a safety net, not a timing check
        EXPECT_EQ(QApplication::exec(), 0) << (viaMenu ? "File > Exit" : "closing the window");
    }
}

}  // namespace
}  // namespace aerolune

namespace aerolune {
namespace {

TEST(SeparationWarning, ShowsItsCaptionModallyUntilOk) {
    AppState state;
    ui::MainWindow form(state);
    ui::SeparationWarning warning("Lower Surface Seperation at x= 0.45", &form);
    EXPECT_EQ(warning.windowTitle(), "Lower Surface Seperation at x= 0.45");
    QTimer::singleShot(0, &warning, [&warning] {
        QTest::mouseClick(warning.findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    EXPECT_EQ(warning.exec(), QDialog::Accepted);
    EXPECT_EQ(warning.findChildren<QLabel*>().size(), 8);
}

// Every line whole, none over another, all above OK and inside the dialog, at
// the default font and at a large one.
TEST(SeparationWarning, EveryLineShowsWholeAtTheDefaultAndALargeFont) {
    for (int points : {0, 16}) {
        SCOPED_TRACE(points);
        ui::SeparationWarning warning("Upper Surface Seperation at x= 0.31", nullptr);
        if (points) warning.setFont(QFont(warning.font().family(), points));
        warning.show();
        QApplication::processEvents();
        int bottom = 0;
        for (QLabel* label : warning.findChildren<QLabel*>()) {
            const QRect box = label->geometry();
            EXPECT_GE(box.height(), label->heightForWidth(box.width())) << label->text().toStdString();
            EXPECT_GE(box.top(), bottom) << label->text().toStdString();
            EXPECT_LE(box.right(), warning.width());
            bottom = box.bottom();
        }
        EXPECT_LE(bottom, warning.findChild<QPushButton*>("ok")->geometry().top());
        EXPECT_LE(warning.findChild<QPushButton*>("ok")->geometry().bottom(), warning.height());
        warning.hide();
    }
}

}  // namespace
}  // namespace aerolune

namespace aerolune {
namespace {

TEST(Recompute, StatusBarNamesTheSectionAndTheView) {
    Application app;
    app.StartUp();
    struct Case {
        int vflag;
        const char* caption;
    };
    const Case cases[] = {
        {2, "0012:  Cp v.s. Chord Position"},
        {3, " NACA 0012:  Velocity v.s. Chord Position"},
        {8, "0012:  Report"},
        {9, "0012:  Report"},
    };
    for (const Case& c : cases) {
        app.state().display.view = c.vflag;
        app.recomputeAndRedraw();
        EXPECT_EQ(app.mainWindow()->findChild<QLabel*>("statusCaption")->text().toStdString(), c.caption)
            << c.vflag;
    }
}

}  // namespace
}  // namespace aerolune
