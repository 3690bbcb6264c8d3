#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <algorithm>
#include <cmath>

#include "ui/MainMenus.h"
#include "ui/PictureBar.h"
#include "ui/PlotArea.h"
#include "ui/StatusSentences.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/Twips.h"

namespace aerolune::ui {

namespace {

constexpr int kReadoutWidth = 2055;  // the results panel, twips
constexpr int kLegendLeft = 5100;

QRect twipsRect(int left, int top, int width, int height) {
    return {toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height)};
}

// The one local file a drag carries, or an empty string: several files, a
// folder or a web address are not a section file.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().first();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

QFrame* panel(QWidget* parent, const char* name, QFrame::Shadow shadow = QFrame::Raised) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(shadow);
    return frame;
}

QWidget* rule(QWidget* parent, const char* name, const QColor& colour) {
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    return line;
}

void setBackground(QWidget* w, const QColor& colour) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

}  // namespace

MainWindow::MainWindow(AppState& state) : state_(state) {
    setObjectName("MainWindow");
    setWindowTitle("Aerolune - Version 2.0");
    setWindowIcon(QIcon(":/art/icon.svg"));
    setBackground(this, QColor(0xC0, 0xC0, 0xC0));

    menus_ = buildMenuTree(*menuBar(), *this, mainMenuTable());
    // The status line tells a user what the item under the pointer does.
    for (const auto& [name, a] : menus_.actions) a->setStatusTip(menuStatusSentence(name));
    // The colour pop-up's items recolour the swatch the pop-up was opened
    // over; every other item runs its command by name.
    const QList<QAction*> colourItems = menu("colourMenu")->actions();
    for (const auto& [name, a] : menus_.actions) {
        if (menus_.menus.count(name)) continue;
        if (colourItems.contains(a)) {
            connect(a, &QAction::triggered, this, [this, n = name] {
                if (onColourChoice) onColourChoice(colourMenuSwatch_, n);
            });
            continue;
        }
        connect(a, &QAction::triggered, this, [this, n = name] {
            if (onCommand) onCommand(n);
        });
    }
    for (const char* name :
         {"surfaceCpView", "surfaceVelocityView", "boundaryLayerView", "streamLinesView", "pressureFieldView",
          "meshView", "blackBackground", "whiteBackground", "naca4", "naca5", "openCoordinateFile"})
        action(name)->setCheckable(true);
    buildClient();
    designClient_ = defaultClientPixels();
    readoutPlaces_.record(findChild<QWidget*>("resultsPanel"));
    statusPlaces_.record(status_);
    // A coordinate file dropped anywhere on the window opens as General
    // Airfoils would open it.
    setAcceptDrops(true);
    const QSize client = defaultClientPixels();
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

QSize MainWindow::defaultClientPixels() const {
    // Lay the menu bar out wide enough for every menu and take the right
    // edge of the last one.
    QMenuBar* bar = menuBar();
    const QSize before = bar->size();
    bar->resize(4000, bar->sizeHint().height());
    int right = 0;
    for (QAction* a : bar->actions())
        if (a->isVisible()) right = std::max(right, bar->actionGeometry(a).right());
    bar->resize(before);
    const int menuWidth = right + 12;
    return {std::max(toPixelsX(kClientWidthTwips), menuWidth), toPixelsY(kClientHeightTwips)};
}

QAction* MainWindow::action(const QString& name) const {
    auto it = menus_.actions.find(name);
    return it == menus_.actions.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(const QString& name) const {
    auto it = menus_.menus.find(name);
    return it == menus_.menus.end() ? nullptr : it->second;
}

void MainWindow::buildClient() {
    client_ = new QWidget(this);
    client_->setObjectName("client");
    setCentralWidget(client_);
    rules_[0] = rule(client_, "topRuleShadow", QColor(0x80, 0x80, 0x80));
    rules_[1] = rule(client_, "topRuleLight", Qt::white);
    rules_[2] = rule(client_, "barRuleShadow", QColor(0x80, 0x80, 0x80));
    rules_[3] = rule(client_, "barRuleLight", Qt::white);
    bar_ = new PictureBar(client_);
    connect(bar_, &PictureBar::buttonClicked, this, [this](int i) {
        if (onBarClick) onBarClick(i);
    });
    display_ = buildDisplayPanel(client_);
    status_ = buildStatusBar(client_);
    auto* area = new PlotArea(client_);
    setDrawingArea(area);
}

void MainWindow::setDrawingArea(QWidget* area) {
    if (plotArea_ && plotArea_ != area) plotArea_->deleteLater();
    plotArea_ = area;
    area->setParent(client_);
    area->setObjectName("plotArea");
    setBackground(area, Qt::black);
    area->installEventFilter(this);
    area->show();
    placePlotArea();
}

QSize MainWindow::clientTwips() const { return {toTwipsX(client_->width()), toTwipsY(client_->height())}; }

void MainWindow::layoutClient() {
    const int w = client_->width();
    const int h = client_->height();
    scalePanels(w, h);
    const int top = toPixelsY(kTopStripTwips);
    const int statusHeight = toPixelsY(statusBarTwips_);
    const int panelWidth = toPixelsX(displayPanelTwips_);
    const int ruleTops[4] = {0, 15, 840, 855};
    for (int i = 0; i < 4; ++i)
        rules_[i]->setGeometry(0, toPixelsY(ruleTops[i]), w, std::max(1, toPixelsY(15)));
    bar_->setGeometry(0, toPixelsY(30), w, toPixelsY(kPictureBarTwips));
    status_->setGeometry(0, std::max(top, h - statusHeight), w, statusHeight);
    display_->setGeometry(std::max(0, w - panelWidth), top, panelWidth, std::max(0, h - top - statusHeight));
    placePlotArea();
}

// A window larger than its design size shows the results panel and the
// status bar larger by the smaller of the two ratios of the client's sizes,
// the panel's rows spread over the whole height of its column.
void MainWindow::scalePanels(int clientWidth, int clientHeight) {
    if (designClient_.isEmpty()) return;
    const int top = toPixelsY(kTopStripTwips);
    const double wide = double(clientWidth) / designClient_.width();
    const double tall = double(clientHeight - top) / (designClient_.height() - top);
    const double scale = std::max(1.0, std::min(wide, tall));
    panelScale_ = scale;
    displayPanelTwips_ = static_cast<int>(std::lround(kDisplayPanelTwips * scale));
    statusBarTwips_ = static_cast<int>(std::lround(kStatusBarTwips * scale));
    const int column = clientHeight - top - toPixelsY(statusBarTwips_);
    const int designColumn = designClient_.height() - top - toPixelsY(kStatusBarTwips);
    const double spread = std::max(scale, double(column) / designColumn);
    readoutPlaces_.apply(scale, spread);
    statusPlaces_.apply(scale, scale);
    auto* readout = findChild<QWidget*>("resultsPanel");
    const QRect design = twipsRect(15, 15, kReadoutWidth, 4335);
    readout->setGeometry(design.x(), design.y(), static_cast<int>(std::lround(design.width() * scale)),
                         static_cast<int>(std::lround(design.height() * spread)));
    // The marker's picture drawn anew at its size rather than stretched.
    auto* marker = findChild<QLabel*>("cursorMarker");
    marker->setPixmap(
        QPixmap(":/art/icon.svg").scaled(marker->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    placeStatusCaption();
}

// The status caption takes the bar's width while the surface legend is
// hidden, and stops short of the legend while it shows.
void MainWindow::placeStatusCaption() {
    if (!statusCaption_ || !status_) return;
    const int left = statusCaption_->x();
    const int legend = static_cast<int>(std::lround(toPixelsX(kLegendLeft - 60) * panelScale_));
    const int right = swatches_[0] && !swatches_[0]->isHidden() ? legend : status_->width() - left;
    statusCaption_->resize(std::max(1, right - left), statusCaption_->height());
}

void MainWindow::placePlotArea() {
    if (!plotArea_ || !client_) return;
    const QSize inner = clientTwips();
    const int left = 75;
    const int top = kPictureBarTwips + 100;
    const int width = inner.width() - left - 100 - displayPanelTwips_;
    const int height = inner.height() - statusBarTwips_ - kPictureBarTwips - 140;
    if (width <= 0 || height <= 0) return;  // a window too small keeps the last placement
    plotArea_->setGeometry(twipsRect(left, top, width, height));
}

QLabel* MainWindow::addCaption(QWidget* parent, const QString& text, int left, int top, int room,
                               bool heading) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    if (heading) {
        font.setPointSize(12);
        font.setBold(true);
        font.setItalic(true);
        font.setUnderline(true);
    }
    label->setFont(fontFittingLine(font, text, toPixelsX(room)));
    label->move(toPixelsX(left), toPixelsY(top));
    label->adjustSize();
    return label;
}

QLineEdit* MainWindow::addField(QWidget* parent, const char* name, int left, int top) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setStyleSheet("QLineEdit { background: white; color: black; padding: 0px; }");
    field->setGeometry(twipsRect(left, top, 855, 285));
    field->installEventFilter(this);  // Ctrl+C copies the plot, see eventFilter
    return field;
}

QLabel* MainWindow::addBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setFrameShape(QFrame::Box);
    box->setLineWidth(1);
    setBackground(box, Qt::white);
    box->setGeometry(twipsRect(left, top, width, height));
    return box;
}

QWidget* MainWindow::buildDisplayPanel(QWidget* parent) {
    QFrame* display = panel(parent, "displayPanel");
    QFrame* readout = panel(display, "resultsPanel");
    readout->setGeometry(twipsRect(15, 15, kReadoutWidth, 4335));
    readout->setFont(QFont("MS Sans Serif", 8));

    // Captions of the left column end where the right column starts; those of
    // the right column at the panel's edge.
    const int leftRoom = 1020 - 120 - 30;
    const auto rightRoom = [](int left) { return kReadoutWidth - left - 45; };
    addCaption(readout, "Inputs", 120, 0, leftRoom + 900, true);
    addCaption(readout, "Airfoil", 120, 360, leftRoom);
    addField(readout, "sectionField", 120, 600)->setToolTip("Airfoil Number");
    addCaption(readout, "Angle", 1080, 360, rightRoom(1080));
    addField(readout, "angleReadout", 1080, 600)->setToolTip("AOA Display");
    addCaption(readout, "Flap Defl.", 120, 960, leftRoom);
    addBox(readout, "flapDeflectionBox", 120, 1200);
    addCaption(readout, "Flap Length", 1080, 960, rightRoom(1080));
    addBox(readout, "flapLengthBox", 1080, 1200);
    addCaption(readout, "Results", 60, 1560, leftRoom + 900, true);
    QLabel* stalled = addCaption(readout, "Airfoil Stalled", 1080, 1620, rightRoom(1080));
    stalled->setObjectName("stalledMark");
    stalled->setStyleSheet("color: #ff0000;");
    stalled->hide();
    addCaption(readout, "Cl", 120, 1920, leftRoom);
    QLineEdit* cl = addField(readout, "clField", 120, 2160);
    cl->setAlignment(Qt::AlignCenter);
    cl->setToolTip("CL Display");
    addCaption(readout, "Cm(l.e.)", 1080, 1920, rightRoom(1080));
    addField(readout, "cmLeadingEdgeField", 1080, 2160)->setToolTip("Cm Display");
    addCaption(readout, "Cm (c/4)", 120, 2520, leftRoom);
    addBox(readout, "cmQuarterChordBox", 120, 2760);
    addCaption(readout, "Angle (Cl=0)", 1080, 2520, rightRoom(1080));
    addBox(readout, "zeroLiftAngleBox", 1080, 2760);
    addCaption(readout, "Cd", 120, 3120, leftRoom);
    addBox(readout, "dragBox", 120, 3360, 855, 315)->setText("0.0000");
    addCaption(readout, "Cent. of Pres.", 1020, 3120, rightRoom(1020));
    addBox(readout, "centreOfPressureBox", 1080, 3360, 915);

    QFrame* coords = panel(readout, "cursorPanel", QFrame::Sunken);
    coords->setGeometry(twipsRect(120, 3780, 1815, 375));
    coords->setToolTip("Coordinates");
    setBackground(coords, QColor(0x80, 0x80, 0x80));
    auto* marker = new QLabel(coords);
    marker->setObjectName("cursorMarker");
    marker->setPixmap(
        QPixmap(":/art/icon.svg").scaled(18, 19, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    marker->setGeometry(toPixelsX(60), toPixelsY(60), 18, 19);
    auto* readoutText = new QLabel(coords);
    readoutText->setObjectName("cursorReadout");
    readoutText->setStyleSheet("color: white;");
    readoutText->setGeometry(twipsRect(480, 60, 1815 - 480 - 30, 255));

    return display;
}

QWidget* MainWindow::buildStatusBar(QWidget* parent) {
    QFrame* status = panel(parent, "statusBar");
    status->setFont(QFont("Comic Sans MS", 12));
    statusCaption_ = new QLabel(status);
    statusCaption_->setObjectName("statusCaption");
    statusCaption_->setGeometry(twipsRect(60, 30, kLegendLeft - 120, kStatusBarTwips - 60));
    statusCaption_->setWordWrap(true);

    const struct {
        int index;
        int top;
        const char* caption;
    } rows[] = {{1, 60, "Upper Surface"}, {0, 240, "Lower Surface"}};
    for (const auto& row : rows) {
        auto* swatch = new QLabel(status);
        swatch->setObjectName(row.index == 1 ? "upperSwatch" : "lowerSwatch");
        swatch->setFrameShape(QFrame::Box);
        swatch->setGeometry(twipsRect(kLegendLeft, row.top, 195, 195));
        swatch->installEventFilter(this);
        swatch->hide();
        swatches_[row.index] = swatch;
        auto* caption = new QLabel(row.caption, status);
        caption->setObjectName(row.index == 1 ? "upperLegend" : "lowerLegend");
        // Two rows share the bar: each caption fits its row's height.
        caption->setFont(fontFittingLine(status->font(), row.caption, toPixelsX(1800), toPixelsY(195)));
        caption->move(toPixelsX(5340), toPixelsY(row.top) - 1);
        caption->adjustSize();
        caption->hide();
        legendCaptions_[row.index] = caption;
    }
    return status;
}

void MainWindow::setBoxText(const char* name, const std::string& text) {
    auto* box = findChild<QLabel*>(name);
    const QString value = QString::fromStdString(text);
    box->setFont(fontFittingLine(box->parentWidget()->font(), value, box->contentsRect().width() - 2));
    box->setText(value);
}

void MainWindow::showState() {
    const MainWindowTexts& t = state_.texts;
    const struct {
        const char* name;
        const std::string& text;
    } fields[] = {
        {"clField", t.cl}, {"cmLeadingEdgeField", t.cmLeadingEdge}, {"angleReadout", t.angleReadout}};
    for (const auto& f : fields) {
        auto* field = findChild<QLineEdit*>(f.name);
        field->setText(QString::fromStdString(f.text));
        field->setCursorPosition(0);
    }
    showSectionName(QString::fromStdString(t.sectionName));
    const struct {
        const char* name;
        const std::string& text;
    } boxes[] = {{"cmQuarterChordBox", t.cmQuarterChord},
                 {"zeroLiftAngleBox", t.zeroLiftAngle},
                 {"centreOfPressureBox", t.centreOfPressure},
                 {"flapDeflectionBox", t.flapDeflection},
                 {"flapLengthBox", t.flapLength},
                 {"dragBox", t.cd}};
    for (const auto& b : boxes) {
        if (b.name == std::string("dragBox") && b.text.empty())
            continue;  // keeps "0.0000" until a drag estimate
        setBoxText(b.name, b.text);
    }
    findChild<QLabel*>("stalledMark")->setVisible(t.stalledShown);
    const QString caption = QString::fromStdString(t.StatusCaption);
    statusCaption_->setFont(
        fontFittingLine(status_->font(), caption, statusCaption_->width(), statusCaption_->height()));
    statusCaption_->setText(caption);
    action("showPoints")->setText("&" + QString::fromStdString(t.ShowPointsCaption));
    action("blackBackground")->setChecked(t.blackBackgroundChecked);
    action("whiteBackground")->setChecked(t.whiteBackgroundChecked);
    const bool white = state_.display.foregroundColour == 0;
    setBackground(plotArea_, white ? Qt::white : Qt::black);
    const int colours[2] = {state_.display.lowerSurfaceColour, state_.display.upperSurfaceColour};
    for (int i = 0; i < 2; ++i) setBackground(swatches_[i], paletteColor(colours[i]));
}

void MainWindow::showBusyCaption(const QString& caption) {
    statusCaption_->setFont(
        fontFittingLine(status_->font(), caption, statusCaption_->width(), statusCaption_->height()));
    statusCaption_->setText(caption);
    statusCaption_->repaint();
}

void MainWindow::showSectionName(const QString& name) {
    // A file section's name may be longer than the field: it is shortened in
    // the middle, and the whole name is the field's tip.
    auto* field = findChild<QLineEdit*>("sectionField");
    const int room = field->contentsRect().width() - 6;
    const QString shown = field->fontMetrics().elidedText(name, Qt::ElideMiddle, room);
    field->setText(shown);
    field->setCursorPosition(0);
    field->setToolTip(shown == name ? QString("Airfoil Number") : name);
}

void MainWindow::showMenus(const std::map<std::string, bool>& checked,
                           const std::map<std::string, bool>& enabled) {
    for (const auto& [name, on] : checked)
        if (QAction* a = action(QString::fromStdString(name))) a->setChecked(on);
    for (const auto& [name, on] : enabled)
        if (QAction* a = action(QString::fromStdString(name))) a->setEnabled(on);
}

void MainWindow::setBarButtonEnabled(int index, bool enabled) { bar_->setButtonEnabled(index, enabled); }

void MainWindow::setLegendVisible(bool visible) {
    for (int i = 0; i < 2; ++i) {
        swatches_[i]->setVisible(visible);
        legendCaptions_[i]->setVisible(visible);
    }
    placeStatusCaption();
    const QString caption = QString::fromStdString(state_.texts.StatusCaption);
    statusCaption_->setFont(
        fontFittingLine(status_->font(), caption, statusCaption_->width(), statusCaption_->height()));
}

void MainWindow::openColourMenu(int swatch) {
    // The chosen item's own connection recolours this swatch.
    colourMenuSwatch_ = swatch;
    menu("colourMenu")->exec(QCursor::pos());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    // Ctrl+C is Copy's shortcut wherever the focus is in the window. A
    // read-out field would claim it for its own text, so a user who had
    // clicked into one got no picture on the clipboard.
    if (type == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(watched) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return true;
    if (watched == plotArea_ && type == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        menu("viewMenu")->popup(QCursor::pos());
        return true;
    }
    for (int i = 0; i < 2; ++i) {
        if (watched != swatches_[i]) continue;
        // Only mouse events are read as such: a swatch also receives paint,
        // palette and show events.
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::MouseMove)
            break;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton && onSwatchClick) {
            onSwatchClick(i);
            return true;
        }
        const bool rightHeld = (type == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) ||
                               (type == QEvent::MouseMove && (mouse->buttons() & Qt::RightButton));
        if (rightHeld) {
            openColourMenu(i);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The sentence about a highlighted menu item or the picture-bar button under
// the pointer shows in the status bar; the view's caption comes back when
// there is none.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        const QString text = tip.isEmpty() ? QString::fromStdString(state_.texts.StatusCaption) : tip;
        // A sentence too long for one line wraps onto two before its font
        // gets smaller.
        statusCaption_->setFont(fontFittingHeight(status_->font(), text, statusCaption_->size()));
        statusCaption_->setText(text);
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutClient();
    if (onResize) onResize();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (onFileDropped && !droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (!onFileDropped || path.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over: a message about the file must not hold
    // up the program the file was dragged from.
    QMetaObject::invokeMethod(
        this, [this, file = QFile::encodeName(path).toStdString()] { onFileDropped(file); },
        Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

}  // namespace aerolune::ui
