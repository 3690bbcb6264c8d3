// The boundary-layer, mesh and point-count dialogs driven through their
// controls, and the look of every settings dialog.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <functional>
#include <memory>

#include "tests/uidialogs/DialogTestSupport.h"
#include "ui/AerodynamicsSettingsDialog.h"
#include "ui/AngleDialog.h"
#include "ui/FlapDialog.h"
#include "ui/MeshSettingsDialog.h"
#include "ui/Naca4Dialog.h"
#include "ui/Naca5Dialog.h"
#include "ui/PointCountDialog.h"
#include "ui/RibTemplateDialog.h"
#include "ui/toolkit/Twips.h"

namespace aerolune {
namespace {

using test::choose;
using test::control;
using test::enter;
using test::press;

// The state values the boundary-layer dialog edits, as numbers.
std::vector<double> boundaryLayerValues(const AppState& s) {
    return {s.flow.reynolds,
            double(s.settings.dragModel),
            double(s.settings.useEffectiveAngle),
            double(s.display.polarCdLimit),
            s.shared.TotalPoints.toDouble(),
            double(s.shared.HalfPoints),
            double(s.settings.boundaryLayerPoints),
            double(s.settings.boundaryLayerHeight),
            double(s.display.profileCount),
            double(s.flow.transitionModel),
            s.flow.roughness,
            double(s.display.showBlasiusProfile),
            double(s.display.boundaryLayerPlot)};
}

TEST(BoundaryLayerDialog, OkWithoutChangesWritesTheSameValuesAndAsksForTheLayer) {
    AppState state;
    state.settings.boundaryLayerRequested = false;
    state.display.boundaryLayerPlot =
        BoundaryLayerPlot::LowerThickness;  // set by a menu command; passes through
    state.flow.transitionModel = TransitionModel::OnLaminarSeparation;
    const std::vector<double> before = boundaryLayerValues(state);
    ui::AerodynamicsSettingsDialog dialog(state, nullptr);
    EXPECT_EQ(control<QTabWidget>(dialog, "tabs")->currentIndex(), 0);
    EXPECT_TRUE(control<QRadioButton>(dialog, "separationTransitionOption")->isChecked());
    press(dialog, "ok");
    EXPECT_EQ(boundaryLayerValues(state), before);
    EXPECT_TRUE(state.settings.boundaryLayerRequested);
    EXPECT_EQ(state.shared.DialogCancelled.toInt(), 0);
}

TEST(BoundaryLayerDialog, CancelStopsAskingForTheLayerAndChangesNothingElse) {
    // The Cancel button, Esc and closing the window are the same Cancel.
    for (const char* how : {"Cancel", "Esc", "close"}) {
        SCOPED_TRACE(how);
        AppState state;
        const std::vector<double> before = boundaryLayerValues(state);
        ui::AerodynamicsSettingsDialog dialog(state, nullptr);
        dialog.show();
        enter(dialog, "reynoldsField", "5e5");
        choose(dialog, "aroundPointsList", "200");
        control<QRadioButton>(dialog, "semiEmpiricalOption")->click();
        if (std::string(how) == "Cancel")
            press(dialog, "cancel");
        else if (std::string(how) == "Esc")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        EXPECT_EQ(boundaryLayerValues(state), before);
        EXPECT_FALSE(state.settings.boundaryLayerRequested);
        EXPECT_EQ(state.shared.DialogCancelled.toInt(), 1);
    }
}

TEST(BoundaryLayerDialog, EditedValuesAreStoredAndShownAgainOnTheNextOpening) {
    struct Case {
        const char* reynolds;
        double re;
        const char* model;  // option clicked
        int polarSolution, separationModel;
        const char* points;
        int total, half;
        const char* legendLetter;  // of a polar made with these settings
    };
    const Case cases[] = {
        {"3e6", 3.0e6, "semiEmpiricalOption", 2, 1, "340", 340, 170, "S"},
        {"1000000", 1.0e6, "linearModelOption", 1, 0, "40", 40, 20, "L"},
        {" 2.5e5 ", 2.5e5, "linearModelOption", 1, 0, "120", 120, 60, "L"},
        // The coupled model computes its lift at the angle set: no effective angle.
        {"3e5", 3.0e5, "layerModelOption", 3, 0, "120", 120, 60, "B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reynolds);
        AppState state;
        {
            ui::AerodynamicsSettingsDialog dialog(state, nullptr);
            enter(dialog, "reynoldsField", c.reynolds);
            control<QRadioButton>(dialog, c.model)->click();
            choose(dialog, "aroundPointsList", c.points);
            choose(dialog, "boundaryLayerPointsList", "48");
            control<QRadioButton>(dialog, "laminarOption")->click();
            enter(dialog, "roughnessField", "0.0025");
            control<QCheckBox>(dialog, "blasiusCheck")->click();
            choose(dialog, "maxCdList", "96");
            press(dialog, "ok");
        }
        EXPECT_EQ(state.flow.reynolds, c.re);
        EXPECT_EQ(static_cast<int>(state.settings.dragModel), c.polarSolution);
        EXPECT_EQ(state.settings.useEffectiveAngle, c.separationModel == 1);
        EXPECT_EQ(state.shared.TotalPoints.toInt(), c.total);
        EXPECT_EQ(state.shared.HalfPoints, c.half);
        EXPECT_EQ(state.settings.boundaryLayerPoints, 48);
        EXPECT_EQ(state.flow.transitionModel, TransitionModel::AlwaysLaminar);
        EXPECT_EQ(state.flow.roughness, 0.0025);
        EXPECT_FALSE(state.display.showBlasiusProfile);
        EXPECT_EQ(state.display.polarCdLimit, 96);
        // The settings a polar is stored under, as Polar takes them from the state.
        const PolarModel polarModel{static_cast<int>(state.settings.dragModel),
                                    state.settings.useEffectiveAngle, c.total};
        EXPECT_EQ(polarModel.letter(), c.legendLetter);

        ui::AerodynamicsSettingsDialog again(state, nullptr);
        EXPECT_TRUE(control<QRadioButton>(again, c.model)->isChecked());
        EXPECT_EQ(control<QComboBox>(again, "aroundPointsList")->currentText(), c.points);
        EXPECT_EQ(control<QComboBox>(again, "boundaryLayerPointsList")->currentText(), "48");
        EXPECT_FALSE(control<QCheckBox>(again, "blasiusCheck")->isChecked());
        ui::PointCountDialog points(state, nullptr);
        EXPECT_EQ(control<QComboBox>(points, "pointCountList")->currentText(), c.points);
    }
}

TEST(BoundaryLayerDialog, ListsAreRebuiltOnEveryOpeningAndAValueNotListedIsKept) {
    AppState state;
    state.settings.boundaryLayerPoints = 20;  // no such entry
    ui::AerodynamicsSettingsDialog first(state, nullptr);
    ui::AerodynamicsSettingsDialog second(state, nullptr);
    EXPECT_EQ(control<QComboBox>(second, "profileCountList")->count(), 20);
    EXPECT_EQ(control<QComboBox>(second, "aroundPointsList")->count(), 16);
    EXPECT_EQ(control<QComboBox>(second, "boundaryLayerPointsList")->currentIndex(), -1);
    press(second, "ok");
    EXPECT_EQ(state.settings.boundaryLayerPoints, 20);
}

TEST(PointCountDialog, ChoosingACountSetsBothCounts) {
    for (const char* entry : {"340", "40", "120"}) {
        AppState state;
        ui::PointCountDialog dialog(state, nullptr);
        EXPECT_EQ(control<QComboBox>(dialog, "pointCountList")->currentText(), "120");
        choose(dialog, "pointCountList", entry);
        press(dialog, "ok");
        EXPECT_EQ(state.shared.TotalPoints.toInt(), std::stoi(entry));
        EXPECT_EQ(state.shared.HalfPoints, std::stoi(entry) / 2);
    }
}

TEST(MeshDialog, SliderGivesTheClusteringAndReopensWhereItWas) {
    for (int position : {1, 49, 100}) {
        AppState state;
        {
            ui::MeshSettingsDialog dialog(state, nullptr);
            control<QSlider>(dialog, "clusteringSlider")->setValue(position);
            press(dialog, "ok");
        }
        EXPECT_DOUBLE_EQ(state.mesh.clustering, std::exp(position / 1000.0));
        EXPECT_TRUE(state.mesh.rebuild);
        ui::MeshSettingsDialog again(state, nullptr);
        EXPECT_EQ(control<QSlider>(again, "clusteringSlider")->value(), position);
    }
}

TEST(MeshDialog, ATypedRadialCountIsTakenAsTheNearestWholeNumber) {
    // The radial list is editable: a typed count is rounded to the nearest
    // whole number, halves to even.
    const struct {
        const char* typed;
        int32_t rings;
    } cases[] = {{"35", 35}, {"35.5", 36}, {"36.5", 36}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        AppState state;
        ui::MeshSettingsDialog dialog(state, nullptr);
        control<QComboBox>(dialog, "radialPointsList")->setEditText(c.typed);
        press(dialog, "ok");
        EXPECT_EQ(state.mesh.rings, c.rings);
    }
}

// Every dialog is fixed in size, has no window menu, sizes itself in the
// screen's twips and gives each caption the room its text needs in the fonts
// this machine has.
TEST(SettingsDialogs, FixedWithoutWindowMenuAndEveryCaptionFits) {
    AppState state;
    const std::vector<std::pair<std::function<QDialog*()>, std::pair<int, int>>> dialogs = {
        {[&] { return new ui::Naca4Dialog(state, nullptr); }, {6255, 1980}},
        {[&] { return new ui::Naca5Dialog(state, nullptr); }, {5850, 1950}},
        {[&] { return new ui::AngleDialog(state, nullptr); }, {5160, 1965}},
        {[&] { return new ui::FlapDialog(state, nullptr); }, {4875, 2670}},
        {[&] { return new ui::PointCountDialog(state, nullptr); }, {4875, 1350}},
        {[&] { return new ui::MeshSettingsDialog(state, nullptr); }, {4590, 3285}},
        {[&] { return new ui::AerodynamicsSettingsDialog(state, nullptr); }, {5970, 5190}},
        {[&] { return new ui::RibTemplateDialog("2412", nullptr); }, {5445, 2730}},
    };
    for (const auto& [make, size] : dialogs) {
        std::unique_ptr<QDialog> dialog(make());
        const std::string name = dialog->objectName().toStdString();
        SCOPED_TRACE(name);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowSystemMenuHint);
        EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_EQ(dialog->width(), ui::toPixelsX(size.first));
        EXPECT_EQ(dialog->height(), ui::toPixelsY(size.second));
        // One font for every dialog, the one their layouts are made for.
        EXPECT_EQ(dialog->font().family(), QFont("MS Sans Serif", 8).family());
        EXPECT_EQ(dialog->font().pointSize(), 8);
        auto* tabs = dialog->findChild<QTabWidget*>();
        if (tabs) {
            EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width());  // one row, none cut short
        }
        for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
            if (tabs) tabs->setCurrentIndex(page);
            dialog->show();
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty()) continue;
                const int needed =
                    label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
                EXPECT_LE(needed, label->height()) << label->text().toStdString();
                if (!label->wordWrap()) {
                    EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
                }
            }
            for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
                if (!b->isVisible() || b->text().isEmpty()) continue;
                EXPECT_LE(b->sizeHint().width(), b->width()) << b->text().toStdString();
            }
            for (ui::Frame* frame : dialog->findChildren<ui::Frame*>()) {
                if (!frame->isVisible()) continue;
                EXPECT_LE(frame->titleRect().right() + 6, frame->width()) << frame->title().toStdString();
            }
            dialog->hide();
        }
        // Esc closes every dialog as Cancel does.
        dialog->show();
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
    }
}

}  // namespace
}  // namespace aerolune
