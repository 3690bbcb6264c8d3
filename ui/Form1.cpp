#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "ui/Form1Menus.h"
#include "ui/toolkit/Twips.h"

namespace aerolune::ui {

namespace {

QFrame* panel(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

}  // namespace

Form1::Form1(AppState& state) : state_(state) {
    setObjectName("Form1");
    setWindowTitle("Aerolune - Version 2.0");
    setStyleSheet("QMainWindow { background: #c0c0c0; }");

    menus_ = buildMenuTree(*menuBar(), *this, form1MenuTable());
    for (const char* name : {"mnuBBg", "mnuWBg", "Digit4", "Digit5"}) action(name)->setCheckable(true);
    connect(action("exit1"), &QAction::triggered, this, [] { QApplication::quit(); });

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildPictureBar());
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    picture1_ = new QWidget(central);
    picture1_->setObjectName("Picture1");
    picture1_->setAutoFillBackground(true);
    middle->addWidget(picture1_, 1);
    middle->addWidget(buildDisplayPanel());
    column->addLayout(middle, 1);
    column->addWidget(buildStatusBar());
    setCentralWidget(central);

    resize(toPixelsX(kClientWidthTwips), toPixelsY(kClientHeightTwips) + menuBar()->sizeHint().height());
}

QAction* Form1::action(const QString& name) const {
    auto it = menus_.actions.find(name);
    return it == menus_.actions.end() ? nullptr : it->second;
}

QWidget* Form1::buildPictureBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName("Picture4");
    bar->setFixedHeight(toPixelsY(kPictureBarTwips + 60));  // with the two etched rules
    return bar;
}

QLabel* Form1::addCaption(QWidget* parent, const QString& text, int left, int top, bool heading) {
    auto* label = new QLabel(text, parent);
    label->move(toPixelsX(left), toPixelsY(top));
    if (heading) {
        QFont font = label->font();
        font.setPointSize(12);
        font.setBold(true);
        font.setItalic(true);
        font.setUnderline(true);
        label->setFont(font);
    }
    return label;
}

QLineEdit* Form1::addField(QWidget* parent, const char* name, int left, int top) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setGeometry(toPixelsX(left), toPixelsY(top), toPixelsX(855), toPixelsY(285));
    return field;
}

QLabel* Form1::addBox(QWidget* parent, const char* name, int left, int top, int width) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setFrameShape(QFrame::Box);
    box->setStyleSheet("background: white;");
    box->setGeometry(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(285));
    return box;
}

QWidget* Form1::buildDisplayPanel() {
    QFrame* display = panel(this, "panDisplay");
    display->setFixedWidth(toPixelsX(kDisplayPanelTwips));
    QFrame* readout = panel(display, "SSPanel4");
    readout->setGeometry(toPixelsX(15), toPixelsY(15), toPixelsX(2055), toPixelsY(4335));
    readout->setFont(QFont("MS Sans Serif", 8));  // the read-out's boxes are sized for it

    addCaption(readout, "Inputs", 120, 0, true);
    addCaption(readout, "Airfoil", 120, 360);
    addField(readout, "Text1", 120, 600);
    addCaption(readout, "Angle", 1080, 360);
    addField(readout, "Text5", 1080, 600);
    addCaption(readout, "Flap Defl.", 120, 960);
    addBox(readout, "Label16", 120, 1200);
    addCaption(readout, "Flap Length", 1080, 960);
    addBox(readout, "Label17", 1080, 1200);
    addCaption(readout, "Results", 60, 1560, true);
    QLabel* stalled = addCaption(readout, "Airfoil Stalled", 1080, 1620);
    stalled->setObjectName("Label22");
    stalled->setStyleSheet("color: red;");
    addCaption(readout, "Cl", 120, 1920);
    addField(readout, "Text3", 120, 2160)->setAlignment(Qt::AlignCenter);
    addCaption(readout, "Cm(l.e.)", 1080, 1920);
    addField(readout, "Text4", 1080, 2160);
    addCaption(readout, "Cm (c/4)", 120, 2520);
    addBox(readout, "Label11", 120, 2760);
    addCaption(readout, "Angle (Cl=0)", 1080, 2520);
    addBox(readout, "Label12", 1080, 2760);
    addCaption(readout, "Cd", 120, 3120);
    addBox(readout, "Label20", 120, 3360)->setText("0.0000");
    addCaption(readout, "Cent. of Pres.", 1020, 3120);
    addBox(readout, "Label13", 1080, 3360, 915);

    auto* hidden = new QLineEdit(display);  // the hidden angle holder
    hidden->setObjectName("Text2");
    hidden->hide();
    return display;
}

QWidget* Form1::buildStatusBar() {
    QFrame* status = panel(this, "SSPanel1");
    status->setFixedHeight(toPixelsY(kStatusBarTwips));
    statusCaption_ = new QLabel(status);
    statusCaption_->setObjectName("SSPanel1Caption");
    QFont font("Comic Sans MS");
    font.setPointSize(12);
    statusCaption_->setFont(font);
    statusCaption_->setGeometry(toPixelsX(60), toPixelsY(60), toPixelsX(5000), toPixelsY(375));

    const struct { const char* name; const char* text; int left; int top; } legend[] = {
        {"Label5(1)", "", 5100, 60}, {"Label5(0)", "", 5100, 240},
        {"Label7(0)", "Upper Surface", 5340, 60}, {"Label7(2)", "Lower Surface", 5340, 240}};
    for (const auto& item : legend) {
        auto* label = new QLabel(item.text, status);
        label->setObjectName(item.name);
        label->move(toPixelsX(item.left), toPixelsY(item.top));
        label->hide();
    }
    return status;
}

void Form1::showState() {
    const MainWindowTexts& t = state_.texts;
    const struct { const char* name; const std::string& text; } fields[] = {
        {"Text1", t.Text1}, {"Text2", t.Text2}, {"Text3", t.Text3}, {"Text4", t.Text4}, {"Text5", t.Text5}};
    for (const auto& f : fields) findChild<QLineEdit*>(f.name)->setText(QString::fromStdString(f.text));
    const struct { const char* name; const std::string& text; } boxes[] = {
        {"Label11", t.Label11}, {"Label12", t.Label12}, {"Label13", t.Label13},
        {"Label16", t.Label16}, {"Label17", t.Label17}, {"Label20", t.Label20}};
    for (const auto& b : boxes) {
        if (b.name == std::string("Label20") && b.text.empty()) continue;  // keeps "0.0000" until a drag estimate
        findChild<QLabel*>(b.name)->setText(QString::fromStdString(b.text));
    }
    findChild<QLabel*>("Label22")->setVisible(t.Label22Visible);
    statusCaption_->setText(QString::fromStdString(t.StatusCaption));
    action("mnuShowPoints")->setText(QString::fromStdString(t.ShowPointsCaption));
    action("mnuBBg")->setChecked(t.mnuBBgChecked);
    action("mnuWBg")->setChecked(t.mnuWBgChecked);
    const bool white = state_.priv.ForegroundIndex == 0;
    QPalette palette = picture1_->palette();
    palette.setColor(QPalette::Window, white ? Qt::white : Qt::black);
    palette.setColor(QPalette::WindowText, white ? Qt::black : Qt::white);
    picture1_->setPalette(palette);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (onResize) onResize();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

}  // namespace aerolune::ui
