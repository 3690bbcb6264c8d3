#pragma once
// The main window: picture bar, drawing area, the inputs-and-results panel on
// the right and the status bar with the surface legend, under the menu tree.
// It shows the application state and reports user actions by name; it
// computes nothing itself.

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <functional>
#include <map>
#include <string>

#include "analysis/AppState.h"
#include "ui/ScaledPlacement.h"
#include "ui/toolkit/MenuTable.h"

namespace aerolune::ui {

class PictureBar;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// Design size of the client area, twips.
    static constexpr int kClientWidthTwips = 7635;
    static constexpr int kClientHeightTwips = 5730;
    /// Heights of the picture bar, the rules about it and the status bar, and
    /// the width of the read-out panel, twips, at the design size (the panel
    /// and the status bar grow in proportion with a larger window).
    static constexpr int kPictureBarTwips = 810;
    static constexpr int kTopStripTwips = 870;
    static constexpr int kStatusBarTwips = 495;
    static constexpr int kDisplayPanelTwips = 2130;

    explicit MainWindow(AppState& state);

    /// Copies the state's texts, captions, check marks, the legend and the
    /// swatch colours into the widgets.
    void showState();
    /// Mirrors check marks and availability into the menu items.
    void showMenus(const std::map<std::string, bool>& checked, const std::map<std::string, bool>& enabled);
    /// Enables or disables a picture-bar button (its command may not exist).
    void setBarButtonEnabled(int index, bool enabled);
    /// Shows `caption` in the status bar and paints it at once, for work
    /// that holds the window for a while; showState puts the state's
    /// caption back.
    void showBusyCaption(const QString& caption);
    /// Whether the surface legend (swatches and captions) is shown.
    void setLegendVisible(bool visible);

    /// Places the drawing area between the bars and the read-out.
    void placePlotArea();
    /// Puts the plot widget in place of the drawing area (it takes the name plotArea).
    void setDrawingArea(QWidget* area);

    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QWidget* drawingArea() const { return plotArea_; }
    PictureBar* pictureBar() const { return bar_; }
    /// The client area's size in twips (below the menu bar).
    QSize clientTwips() const;
    /// The status bar's height as laid out now, twips.
    int statusBarTwips() const { return statusBarTwips_; }
    /// How much larger than at the design size the panel and status bar are drawn.
    double panelScale() const { return panelScale_; }
    /// The client size the window opens with: the design size, wider when the
    /// menu bar needs more to show every menu.
    QSize defaultClientPixels() const;

    /// A menu item was chosen (by its table name).
    std::function<void(const QString& item)> onCommand;
    /// A picture-bar button was clicked (0..5).
    std::function<void(int index)> onBarClick;
    /// A swatch was clicked with the left button (0 lower, 1 upper surface).
    std::function<void(int swatch)> onSwatchClick;
    /// An item of the colour menu was chosen (over the swatch it was last opened for).
    std::function<void(int swatch, const QString& item)> onColourChoice;
    /// Called at the end of every resize (the first display included).
    std::function<void()> onResize;
    /// A file was dropped onto the window (its local path).
    std::function<void(const std::string& path)> onFileDropped;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildClient();
    void layoutClient();
    QWidget* buildDisplayPanel(QWidget* parent);
    QWidget* buildStatusBar(QWidget* parent);
    QLineEdit* addField(QWidget* parent, const char* name, int left, int top);
    QLabel* addBox(QWidget* parent, const char* name, int left, int top, int width = 855, int height = 285);
    QLabel* addCaption(QWidget* parent, const QString& text, int left, int top, int room,
                       bool heading = false);
    void setBoxText(const char* name, const std::string& text);
    void showSectionName(const QString& name);
    void openColourMenu(int swatch);
    void scalePanels(int clientWidth, int clientHeight);
    void placeStatusCaption();

    AppState& state_;
    MenuTree menus_;
    QWidget* client_ = nullptr;
    QWidget* rules_[4] = {};
    PictureBar* bar_ = nullptr;
    QWidget* display_ = nullptr;
    QWidget* status_ = nullptr;
    QWidget* plotArea_ = nullptr;
    QLabel* statusCaption_ = nullptr;
    QLabel* swatches_[2] = {};
    QLabel* legendCaptions_[2] = {};
    int colourMenuSwatch_ = 0;  ///< the swatch the colour pop-up was last opened over
    QSize designClient_;        ///< the client size the window opens with, pixels
    ScaledPlacement readoutPlaces_, statusPlaces_;
    double panelScale_ = 1;
    int displayPanelTwips_ = kDisplayPanelTwips;
    int statusBarTwips_ = kStatusBarTwips;
};

}  // namespace aerolune::ui
