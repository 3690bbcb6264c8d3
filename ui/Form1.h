#pragma once
// The main window: picture bar, drawing area, the inputs-and-results panel on
// the right and the status bar, with the menu tree. It shows the application
// state and reports user actions; it computes nothing itself.

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <functional>

#include "analysis/AppState.h"
#include "ui/toolkit/MenuTable.h"

namespace aerolune::ui {

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    /// Design size of the client area, twips.
    static constexpr int kClientWidthTwips = 7635;
    static constexpr int kClientHeightTwips = 5730;
    /// Heights of the picture bar and the status bar, twips.
    static constexpr int kPictureBarTwips = 810;
    static constexpr int kStatusBarTwips = 495;
    static constexpr int kDisplayPanelTwips = 2130;

    explicit Form1(AppState& state);

    /// Copies the state's texts, captions and check marks into the widgets.
    void showState();

    QAction* action(const QString& name) const;
    QWidget* drawingArea() const { return picture1_; }

    /// Called at the end of every resize (the first display included).
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildPictureBar();
    QWidget* buildDisplayPanel();
    QWidget* buildStatusBar();
    QLineEdit* addField(QWidget* parent, const char* name, int left, int top);
    QLabel* addBox(QWidget* parent, const char* name, int left, int top, int width = 855);
    QLabel* addCaption(QWidget* parent, const QString& text, int left, int top, bool heading = false);

    AppState& state_;
    MenuTree menus_;
    QWidget* picture1_ = nullptr;
    QLabel* statusCaption_ = nullptr;
};

}  // namespace aerolune::ui
