// The main window as a user meets it: start-up state, menus, layout, the
// picture bar, the help window and every menu item reaching its command.
// Dialogs and the commands other parts supply are answered by test doubles.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QToolTip>
#include <map>
#include <set>

#include "app/Application.h"
#include "app/Commands.h"
#include "app/Help.h"
#include "ui/AboutDialog.h"
#include "ui/HelpViewer.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/PictureBar.h"
#include "ui/toolkit/Twips.h"

namespace aerolune {
namespace {

const QString kHelpFolder = QStringLiteral(AEROLUNE_TEST_DATA "/../../help");

// Every dialog answers OK and every supplied command counts its calls.
struct Doubles {
    std::map<std::string, int> calls;
    std::unique_ptr<CommandRegistry> registry(bool withCopy = true) {
        auto r = std::make_unique<CommandRegistry>();
        for (const char* d :
             {"AboutDialog", "RibTemplateDialog", "Naca4Dialog", "Naca5Dialog", "AngleDialog", "FlapDialog",
              "PointCountDialog", "AerodynamicsSettingsDialog", "MeshSettingsDialog"})
            r->dialogs[d] = [this, d](CommandContext&) { return ++calls[d] > 0; };
        for (const std::string& item : menuCommandNames())
            if (!commandAvailable(*r, item))
                r->commands[item] = [this, item](CommandContext&) { ++calls[item]; };
        if (withCopy)
            r->commands["copy"] = [](CommandContext& c) {
                QApplication::clipboard()->setImage(c.plotImage());
            };
        return r;
    }
};

struct Started {
    Doubles doubles;
    Application app{doubles.registry()};
    ui::MainWindow& form;
    Started() : form((app.run().setHelpFolder(kHelpFolder), app.StartUp(), *app.mainWindow())) {}
};

QString plain(QString caption) { return caption.remove('&'); }

TEST(MainWindow, StartsWithTheDocumentedMenuStates) {
    Started s;
    std::set<QString> checked;
    for (QAction* a : s.form.findChildren<QAction*>())
        if (a->isChecked()) checked.insert(a->objectName());
    EXPECT_EQ(checked, (std::set<QString>{"whiteBackground", "naca4"}));
    for (const char* unavailable : {"boundaryLayerView", "updateBoundaryLayer"})
        EXPECT_FALSE(s.form.action(unavailable)->isEnabled()) << unavailable;
    // The first recomputation solved the boundary layer, which offers its sub-view.
    EXPECT_TRUE(s.app.state().boundaryLayer.airfoilBoundaryLayerViewEnabled);
    EXPECT_TRUE(s.form.action("airfoilBoundaryLayerView")->isEnabled());
    for (const char* item :
         {"saveViewData", "exportDxf", "printRibTemplates", "printerSetup", "naca4", "copy"})
        EXPECT_TRUE(s.form.action(item)->isEnabled()) << item;
    EXPECT_FALSE(s.form.menu("colourMenu")->menuAction()->isVisible() &&
                 s.form.menuBar()->actions().contains(s.form.menu("colourMenu")->menuAction()));
    EXPECT_EQ(plain(s.form.action("showPoints")->text()), "Show Points");
    EXPECT_EQ(plain(s.form.action("resetPolars")->text()), "RESET POLAR");
    EXPECT_EQ(plain(s.form.action("updateBoundaryLayer")->text()), "Update  Boundary Layer Solution");
    // A highlighted item's sentence shows in the status bar until it is left.
    auto* caption = s.form.findChild<QLabel*>("statusCaption");
    const QString viewCaption = caption->text();
    s.form.action("naca4")->showStatusText(&s.form);
    EXPECT_EQ(caption->text(), s.form.action("naca4")->statusTip());
    QStatusTipEvent none("");
    QApplication::sendEvent(&s.form, &none);
    EXPECT_EQ(caption->text(), viewCaption);
    EXPECT_EQ(s.form.action("copy")->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_FALSE(s.form.findChild<QWidget*>("lowerSwatch")->isVisible());  // legend belongs to views 2 and 3
}

TEST(MainWindow, AccessKeysAreUniqueOnTheMenuBarAndInEachDropDown) {
    AppState state;
    ui::MainWindow form(state);
    std::set<QChar> barKeys;
    for (QAction* a : form.menuBar()->actions()) {
        const QString text = a->text();
        const int amp = text.indexOf('&');
        ASSERT_GE(amp, 0) << text.toStdString();
        EXPECT_TRUE(barKeys.insert(text[amp + 1].toLower()).second) << "menu bar: " << text.toStdString();
    }
    int menus = 0;
    for (const ui::MenuItemSpec& item : ui::mainMenuTable()) {
        QMenu* menu = form.menu(item.name);
        if (!menu) continue;
        std::set<QChar> keys;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            const QString text = a->text();
            const int amp = text.indexOf('&');
            ASSERT_GE(amp, 0) << text.toStdString();
            EXPECT_TRUE(keys.insert(text[amp + 1].toLower()).second)
                << menu->objectName().toStdString() << ": " << text.toStdString();
        }
        ++menus;
    }
    EXPECT_EQ(menus, 11);  // nine on the bar, the Airfoil sub-menu and the colour pop-up
}

// A sentence: a capital, at least four words, a full stop.
bool isSentence(const QString& text) {
    return !text.isEmpty() && text[0].isUpper() && text.endsWith('.') && text.split(' ').size() >= 4;
}

// The status line's text shows whole: wrapped in the label's width, it is no
// taller than the label.
bool showsWhole(const QLabel* label) {
    const QRect need = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000),
                                                         Qt::TextWordWrap | Qt::AlignLeft, label->text());
    return need.height() <= label->height() && need.width() <= label->width();
}

TEST(MainWindow, EveryMenuItemAndBarButtonTellsTheStatusLineWhatItDoes) {
    Started s;
    auto* caption = s.form.findChild<QLabel*>("statusCaption");
    for (const ui::MenuItemSpec& item : ui::mainMenuTable()) {
        if (QString(item.caption) == "-") continue;
        QAction* a = s.form.action(item.name);
        ASSERT_NE(a, nullptr) << item.name;
        // Not the internal tag ("Airfoil" over Save ASCII File, "Edit" over Airfoils).
        EXPECT_TRUE(isSentence(a->statusTip())) << item.name << ": " << a->statusTip().toStdString();
        a->showStatusText(&s.form);
        EXPECT_EQ(caption->text(), a->statusTip()) << item.name;
        EXPECT_TRUE(showsWhole(caption)) << item.name;
    }

    // The picture bar: the tooltip names the command (the menu item's caption
    // where a menu item runs it), the status line says what it does.
    ui::PictureBar& bar = *s.form.pictureBar();
    const struct {
        int button;
        const char* command;
    } buttons[] = {{0, "saveViewData"}, {1, "printRibTemplates"}, {2, "changeAngle"},
                   {3, "airfoilsMenu"}, {4, "configureFlap"},     {5, "helpMenu"}};
    for (const auto& b : buttons) {
        const ui::BarButton& face = bar.button(b.button);
        const QPoint centre(ui::toPixelsX(face.Left + face.Width / 2),
                            ui::toPixelsY(face.Top + face.Height / 2));
        QHelpEvent help(QEvent::ToolTip, centre, bar.mapToGlobal(centre));
        QApplication::sendEvent(&bar, &help);
        EXPECT_EQ(QToolTip::text(), plain(s.form.action(b.command)->text())) << b.button;
        QMouseEvent move(QEvent::MouseMove, centre, bar.mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&bar, &move);
        EXPECT_TRUE(isSentence(caption->text())) << b.button << ": " << caption->text().toStdString();
        EXPECT_TRUE(showsWhole(caption)) << b.button;
    }
    QTest::mouseMove(&bar, QPoint(bar.width() - 2, 2));  // off the buttons
    QMouseEvent away(QEvent::MouseMove, QPoint(bar.width() - 2, 2),
                     bar.mapToGlobal(QPoint(bar.width() - 2, 2)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &away);
    EXPECT_EQ(caption->text().toStdString(), s.app.state().texts.StatusCaption);
    QToolTip::hideText();
}

TEST(MainWindow, AMaximisedWindowKeepsThePanelsProportions) {
    Started s;
    const QWidget* client = s.form.centralWidget();
    const auto* display = s.form.findChild<QWidget*>("displayPanel");
    const auto* readout = s.form.findChild<QWidget*>("resultsPanel");
    const auto* status = s.form.findChild<QWidget*>("statusBar");
    const auto share = [&] {
        return std::pair{double(display->width()) / client->width(),
                         double(status->height()) / client->height()};
    };
    const auto [panelShare, statusShare] = share();
    s.form.resize(1280, 1000);  // a 1280 x 1024 screen less a title bar
    QApplication::processEvents();
    const auto [bigPanelShare, bigStatusShare] = share();
    // The shares of width and height within a fifth of the design's; before,
    // the panel kept its pixels (a quarter of its share) with an empty column under it.
    EXPECT_NEAR(bigPanelShare, panelShare, 0.2 * panelShare);
    EXPECT_NEAR(bigStatusShare, statusShare, 0.2 * statusShare);
    EXPECT_GE(readout->geometry().bottom(), display->height() * 0.95);
    // Every caption and read-out still shows whole, at a larger font.
    for (QLabel* label : readout->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
        EXPECT_LE(label->geometry().right(), readout->width()) << label->text().toStdString();
    }
    for (QLineEdit* field : readout->findChildren<QLineEdit*>()) {
        EXPECT_LE(field->fontMetrics().height(), field->height()) << field->objectName().toStdString();
        EXPECT_GT(field->font().pointSizeF(), 8) << field->objectName().toStdString();
    }
    EXPECT_GT(readout->font().pointSizeF(), 8);
    // The plot area takes the rest between the bars and the panel.
    const QRect plot = s.form.drawingArea()->geometry();
    EXPECT_LT(plot.right(), display->x());
    EXPECT_LT(plot.bottom(), status->y());
    EXPECT_GT(plot.width(), client->width() / 2);
}

TEST(MainWindow, ASectionNameTooLongForItsFieldIsShortenedInTheMiddleWithTheWholeNameAsTip) {
    AppState state;
    ui::MainWindow form(state);
    auto* field = form.findChild<QLineEdit*>("sectionField");
    for (const QString& name : {QString("2412"), QString("KT_cambered_section_from_the_tunnel")}) {
        state.texts.sectionName = name.toStdString();
        form.showState();
        const QString shown = field->text();
        EXPECT_LE(field->fontMetrics().horizontalAdvance(shown), field->contentsRect().width())
            << shown.toStdString();
        if (shown == name) {
            EXPECT_EQ(name, "2412");
            continue;
        }
        EXPECT_TRUE(shown.startsWith("KT_") && shown.endsWith("l") && shown.contains(QChar(0x2026)))
            << shown.toStdString();
        EXPECT_EQ(field->toolTip(), name);
    }
}

// Walks the menu table: every item with a command reaches it, and only the
// items the program keeps unavailable are disabled.
TEST(MainWindow, EveryMenuItemReachesItsCommand) {
    Started s;
    const std::set<std::string> neverAvailable = {"airfoilBoundaryLayerView", "boundaryLayerView",
                                                  "updateBoundaryLayer"};
    int walked = 0;
    for (const ui::MenuItemSpec& item : ui::mainMenuTable()) {
        QAction* a = s.form.action(item.name);
        if (!a || s.form.menu(item.name) || std::string(item.name) == "exit") continue;
        if (!a->isEnabled()) {
            // Save in views 4, 5, 8, 9; Show Points in views without curves;
            // the zoom items outside the field views; Add Reference Polar
            // outside the polar view.
            const std::set<std::string> byView = {"saveViewData", "showPoints", "zoomIn",
                                                  "zoomOut",      "zoomReset",  "addReferencePolar"};
            const bool viewOff = byView.count(item.name) > 0;
            EXPECT_TRUE(neverAvailable.count(item.name) || viewOff) << item.name;
            continue;
        }
        const int before = s.app.commandsRun();
        a->trigger();
        EXPECT_EQ(s.app.commandsRun(), before + 1) << item.name;
        ++walked;
    }
    EXPECT_GE(walked, 45);
    for (const char* dialog : {"AboutDialog", "RibTemplateDialog", "Naca4Dialog", "Naca5Dialog",
                               "AngleDialog", "FlapDialog", "PointCountDialog"})
        EXPECT_GE(s.doubles.calls[dialog], 1) << dialog;
}

TEST(MainWindow, CancelledDialogLeavesTheViewWithoutRedrawing) {
    Doubles doubles;
    auto registry = doubles.registry();
    for (auto& [name, open] : registry->dialogs) open = [](CommandContext&) { return false; };
    Application app(std::move(registry));
    app.StartUp();
    app.runCommand("surfaceCpView");
    for (const char* item : {"naca4", "naca5", "changeAngle", "configureFlap", "pointCount",
                             "aerodynamicsSettings", "meshSettings"}) {
        const int before = app.recomputeCount();
        app.mainWindow()->action(item)->trigger();
        EXPECT_EQ(app.recomputeCount(), before) << item;
        EXPECT_EQ(app.state().display.view, 2) << item;
        EXPECT_TRUE(app.mainWindow()->action("surfaceCpView")->isChecked()) << item;
    }
}

TEST(MainWindow, KeyboardReachesCopyAndAltFAlwaysOpensFile) {
    Started s;
    QApplication::setActiveWindow(&s.form);
    QApplication::clipboard()->clear();
    QTest::keyClick(&s.form, Qt::Key_C, Qt::ControlModifier);
    const QImage image = QApplication::clipboard()->image();
    EXPECT_EQ(image.size(), s.form.drawingArea()->size());

    QStringList opened;
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(&s.form, Qt::Key_F, Qt::AltModifier);
        QApplication::processEvents();
        QWidget* popup = QApplication::activePopupWidget();
        opened << (popup ? popup->objectName() : QString());
        if (popup) popup->close();
    }
    EXPECT_EQ(opened, (QStringList{"fileMenu", "fileMenu"}));
}

TEST(MainWindow, ReadoutFollowsTheMouseOverThePlot) {
    Started s;
    QWidget* plot = s.form.drawingArea();
    const QPointF centre(plot->width() / 2.0, plot->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, centre, plot->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    // x in "0.00", then "  x   ", then y in "0.000"; the section view spans
    // about -0.1..1.1 chords, so its middle is well inside (0, 1).
    const QString text = s.form.findChild<QLabel*>("cursorReadout")->text();
    const QRegularExpressionMatch m = QRegularExpression(R"(^(-?\d+\.\d\d)  x   -?\d+\.\d\d\d$)").match(text);
    ASSERT_TRUE(m.hasMatch()) << text.toStdString();
    EXPECT_GT(m.captured(1).toDouble(), 0.0);
    EXPECT_LT(m.captured(1).toDouble(), 1.0);
}

TEST(MainWindow, CaptionsFitAndTheMenuBarDoesNotOverflow) {
    Started s;
    QApplication::processEvents();
    auto* readout = s.form.findChild<QWidget*>("resultsPanel");
    int captions = 0;
    for (QLabel* label : readout->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const int need = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(need, label->contentsRect().width()) << label->text().toStdString();
        EXPECT_LE(label->geometry().right(), readout->width()) << label->text().toStdString();
        ++captions;
    }
    EXPECT_GE(captions, 15);
    for (const char* name : {"upperLegend", "lowerLegend"}) {
        auto* label = s.form.findChild<QLabel*>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
    }
    auto* ext = s.form.menuBar()->findChild<QToolButton*>("qt_menubar_ext_button");
    ASSERT_NE(ext, nullptr);
    EXPECT_FALSE(ext->isVisible());
    EXPECT_GE(s.form.width(), ui::toPixelsX(ui::MainWindow::kClientWidthTwips));
}

TEST(MainWindow, ResizingSmallAndBackKeepsTheLayout) {
    Started s;
    const QSize size = s.form.size();
    const QRect plot = s.form.drawingArea()->geometry();
    s.form.resize(200, 150);
    QApplication::processEvents();
    s.form.resize(size);
    QApplication::processEvents();
    EXPECT_EQ(s.form.drawingArea()->geometry(), plot);
    const QWidget* display = s.form.findChild<QWidget*>("displayPanel");
    EXPECT_EQ(display->geometry().right(), s.form.centralWidget()->width() - 1);  // docked right
    EXPECT_EQ(s.form.findChild<QWidget*>("statusBar")->geometry().bottom(),
              s.form.centralWidget()->height() - 1);
}

TEST(PictureBar, HitTestAndHover) {
    AppState state;
    ui::MainWindow form(state);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ui::PictureBar& bar = *form.pictureBar();
    const struct {
        int x, y, hit;
    } hits[] = {{100, 20, 0},   {1250, 400, 0},  {1300, 400, 1},  {1260, 400, -1},
                {6100, 770, 5}, {6100, 771, -1}, {7300, 400, -1}, {500, 10, -1}};
    for (const auto& h : hits) EXPECT_EQ(bar.hitTest(h.x, h.y), h.hit) << h.x << "," << h.y;
    bar.setButtonEnabled(2, false);
    EXPECT_EQ(bar.hitTest(2500, 400), -1);

    const auto pixel = [](int xTwips) { return QPoint(ui::toPixelsX(xTwips), ui::toPixelsY(400)); };
    QTest::mouseMove(&bar, pixel(200));
    EXPECT_EQ(bar.state(0), ui::BarState::Raised);
    QTest::mouseMove(&bar, pixel(7400));  // off the buttons
    EXPECT_EQ(bar.state(0), ui::BarState::Flat);
    EXPECT_EQ(bar.barHot(), -1);

    std::vector<int> clicks;
    QObject::connect(&bar, &ui::PictureBar::buttonClicked, [&](int i) { clicks.push_back(i); });
    bar.setPressMilliseconds(0);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, pixel(7400));
    QTest::mouseClick(&bar, Qt::LeftButton, {}, pixel(4900));
    EXPECT_EQ(clicks, std::vector<int>{4});
    EXPECT_EQ(bar.state(4), ui::BarState::Raised);
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(bar.picture(i).isNull()) << i;
}

TEST(PictureBar, ButtonsRunTheirCommands) {
    Started s;
    s.app.barClick(2);
    s.app.barClick(4);
    s.app.barClick(1);
    EXPECT_EQ(s.doubles.calls["AngleDialog"], 1);
    EXPECT_EQ(s.doubles.calls["FlapDialog"], 1);
    EXPECT_EQ(s.doubles.calls["RibTemplateDialog"], 1);
    s.app.barClick(0);
    EXPECT_EQ(s.doubles.calls["saveViewData"], 1);
}

TEST(HelpWindow, OpensTopicsFromOurFiles) {
    Started s;
    ui::HelpViewer& viewer = s.app.run().helpWindow(&s.form);
    const struct {
        int vflag, context;
    } views[] = {{1, 60}, {4, 190}, {5, 200}, {6, 160}, {7, 170}, {10, 150}, {8, -1}};
    for (const auto& v : views) {
        s.app.state().display.view = v.vflag;
        s.app.showHelpForView();
        EXPECT_TRUE(viewer.isVisible());
        EXPECT_EQ(viewer.currentContext(), v.context) << v.vflag;
        EXPECT_FALSE(viewer.browser()->toPlainText().isEmpty());
    }
    viewer.browser()->backward();
    EXPECT_EQ(viewer.currentContext(), 150);
    viewer.browser()->forward();
    EXPECT_EQ(viewer.currentContext(), -1);
    // The dialogs' topics are in the second file.
    for (int context : {20, 30, 50, 70, 90}) {
        showHelp(s.app.run(), &s.form, {"aerolune2.hlp", kHelpShowContext, context});
        EXPECT_EQ(viewer.currentContext(), context);
    }
    showHelp(s.app.run(), &s.form, {"missing.hlp", kHelpShowContext, 60});
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("could not be read"));
}

TEST(HelpWindow, ParsesTopicsAndSkipsMalformedOnes) {
    const auto topics =
        ui::parseHelpFile("preamble\n@topic 60 Views\n<p>a</p>\n@topic x Bad\nlost\n@topic 70 T\nb\n");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics.at(60).title, "Views");
    EXPECT_EQ(topics.at(60).html.trimmed(), "<p>a</p>");
    EXPECT_EQ(topics.at(70).html.trimmed(), "b");
}

TEST(AboutBox, ModalWithOurTextCentredOverTheWindow) {
    Started s;
    ui::AboutDialog about(&s.form);
    EXPECT_EQ(about.windowTitle(), "About Tarnby Labs' Aerolune");
    EXPECT_TRUE(ui::AboutDialog::aboutText().startsWith(" Aerolune Version 2.0" + QString(QChar(13))));
    EXPECT_TRUE(about.isModal());
    EXPECT_FALSE(about.windowFlags() & Qt::WindowCloseButtonHint);
    auto* label1 = about.findChild<QLabel*>("aboutText");
    const QRect need = label1->fontMetrics().boundingRect(QRect(0, 0, label1->width(), 10000),
                                                          Qt::TextWordWrap, label1->text());
    EXPECT_LE(need.height(), label1->height());
}

}  // namespace
}  // namespace aerolune
