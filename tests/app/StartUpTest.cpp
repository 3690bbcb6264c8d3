#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/Application.h"
#include "app/Form1Load.h"
#include "ui/Form1.h"
#include "ui/Form1Menus.h"
#include "ui/Splash.h"
#include "ui/frmBlwarning.h"
#include "ui/toolkit/Fonts.h"

namespace aerolune {
namespace {

QString fieldText(ui::Form1& form, const char* name) { return form.findChild<QLineEdit*>(name)->text(); }
QString boxText(ui::Form1& form, const char* name) { return form.findChild<QLabel*>(name)->text(); }

TEST(StartUp, ShowsTheMainWindowWithTheDefaultsAndClosesTheSplashOnce) {
    Application app;
    app.StartUp();
    ui::Form1& form = *app.form1();

    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Aerolune - Version 2.0");
    EXPECT_EQ(app.splash(), nullptr);
    EXPECT_EQ(app.splashClosedCount(), 1);
    EXPECT_GE(app.recomputeCount(), 1);  // the first resize recomputed
    EXPECT_EQ(app.state().priv.FirstResizeDone, 1);

    EXPECT_EQ(fieldText(form, "Text1"), "0012");
    EXPECT_EQ(fieldText(form, "Text5"), "0 Deg.");
    EXPECT_EQ(boxText(form, "Label16"), "0.0 Deg.");
    EXPECT_EQ(boxText(form, "Label17"), "0.0 %c");
    // The first resize ran the first analysis: NACA 0012 at 0 degrees has no
    // lift, no centre of pressure and a drag of a few thousandths.
    EXPECT_EQ(fieldText(form, "Text3"), "0.000");
    EXPECT_EQ(boxText(form, "Label13"), "N/A");
    EXPECT_EQ(boxText(form, "Label20").size(), 8);  // "##0.000000"
    EXPECT_GT(boxText(form, "Label20").toDouble(), 0.004);
    EXPECT_LT(boxText(form, "Label20").toDouble(), 0.010);
    EXPECT_FALSE(form.findChild<QLabel*>("Label22")->isVisible());
    EXPECT_EQ(form.action("mnuShowPoints")->text().remove('&'), "Show Points");
    EXPECT_TRUE(form.action("mnuWBg")->isChecked());
    EXPECT_FALSE(form.action("mnuBBg")->isChecked());
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
    state.pub.VFlag = int16_t{7};
    state.pub.PointRadius = 0.007;
    state.priv.LowerSurfaceColor = 3;
    applyLoadDefaults(state);

    EXPECT_EQ(state.pub.VFlag.toInt(), 1);
    EXPECT_EQ(state.pub.PointRadius.toDouble(), 0.0);
    EXPECT_EQ(state.texts.ShowPointsCaption, "Show Points");
    EXPECT_EQ(state.priv.LowerSurfaceColor, 0);  // 15 on a white background becomes black
    EXPECT_EQ(state.priv.UpperSurfaceColor, 14);
    EXPECT_EQ(state.priv.ForegroundIndex, 0);
    EXPECT_EQ(state.shared.DialogCancelled.toInt(), 0);
    EXPECT_EQ(state.shared.HalfPoints, 60);
    EXPECT_EQ(state.shared.TotalPoints.toInt(), 120);
    EXPECT_TRUE(state.shared.Naca5CamberPos.isEmpty());
    EXPECT_TRUE(state.shared.AngleSetting.isEmpty());
    EXPECT_EQ(state.pub.re.toDouble(), 1e6);
    EXPECT_EQ(state.pub.GridCluster.toDouble(), 1.05);
    EXPECT_EQ(state.pub.ContMinyDef.toDouble(), -1.0);
    EXPECT_TRUE(state.pub.CpHighDef.isEmpty());
    EXPECT_EQ(state.priv.BlUpdatePending, 1);
    EXPECT_DOUBLE_EQ(state.priv.PiValue, 3.14159265358979323846);
}

TEST(StartUp, ShowPointsTogglesRadiusAndCaption) {
    AppState state;
    toggleShowPoints(state);
    EXPECT_EQ(state.pub.PointRadius.toDouble(), 0.007);
    EXPECT_EQ(state.texts.ShowPointsCaption, "Hide Points");
    toggleShowPoints(state);
    EXPECT_EQ(state.pub.PointRadius.toDouble(), 0.0);
    EXPECT_EQ(state.texts.ShowPointsCaption, "Show Points");
}

TEST(StartUp, PlotAspectSurvivesATinyWindow) {
    EXPECT_DOUBLE_EQ(plotAspectFor(7635, 5730, 495, 810, 0.5), (5730.0 - 495 - 810 - 40) / (7635.0 - 200));
    EXPECT_EQ(plotAspectFor(150, 5730, 495, 810, 0.5), 0.5);
    EXPECT_EQ(plotAspectFor(7635, 900, 495, 810, 0.5), 0.5);
}

TEST(MenuTree, AccessKeysOfTheMenuBarAreUniqueAndTheInitialStatesHold) {
    AppState state;
    ui::Form1 form(state);
    QSet<QChar> keys;
    int topLevel = 0;
    for (QAction* a : form.menuBar()->actions()) {
        ++topLevel;
        const QString text = a->text();
        const int amp = text.indexOf('&');
        if (amp < 0) continue;
        // Distinct as written: "&File" and "Air&foils" differ only in case.
        EXPECT_FALSE(keys.contains(text[amp + 1])) << text.toStdString();
        keys.insert(text[amp + 1]);
    }
    EXPECT_EQ(topLevel, 9);  // the colour menu is a pop-up only
    EXPECT_EQ(keys.size(), 8);
    for (const char* unavailable : {"mnuAirBl", "mnuBlayer", "MnuUpdate"})
        EXPECT_FALSE(form.action(unavailable)->isEnabled()) << unavailable;
    EXPECT_TRUE(form.action("mnuDXF")->isEnabled());
    EXPECT_EQ(form.action("mnuReportAero")->text().remove('&'), "Aeordynamics Coefficients");
    EXPECT_EQ(form.action("MnuUpdate")->text().remove('&'), "Update  Boundary Layer Solution");
    EXPECT_EQ(form.action("mnuCopy")->shortcut(), QKeySequence("Ctrl+C"));
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
        ui::Form1* form = app.form1();
        QTimer::singleShot(0, form, [form, viaMenu] {
            if (viaMenu) form->action("exit1")->trigger(); else form->close();
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
    ui::Form1 form(state);
    ui::frmBlwarning warning("Lower Surface Seperation at x= 0.45", &form);
    EXPECT_EQ(warning.windowTitle(), "Lower Surface Seperation at x= 0.45");
    QTimer::singleShot(0, &warning, [&warning] {
        QTest::mouseClick(warning.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    EXPECT_EQ(warning.exec(), QDialog::Accepted);
    EXPECT_EQ(warning.findChildren<QLabel*>().size(), 8);
}

}  // namespace
}  // namespace aerolune

namespace aerolune {
namespace {

TEST(Recompute, StatusBarNamesTheSectionAndTheView) {
    Application app;
    app.StartUp();
    struct Case { int vflag; const char* caption; };
    const Case cases[] = {
        {2, "0012:  Cp v.s. Chord Position"},
        {3, " NACA 0012:  Velocity v.s. Chord Position"},
        {8, "0012:  Report"},
        {9, "0012:  Report"},
    };
    for (const Case& c : cases) {
        app.state().pub.VFlag = int16_t(c.vflag);
        app.Command1_Click();
        EXPECT_EQ(app.form1()->findChild<QLabel*>("SSPanel1Caption")->text().toStdString(), c.caption) << c.vflag;
    }
}

}  // namespace
}  // namespace aerolune
