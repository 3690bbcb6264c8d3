#pragma once
// The picture bar across the top of the main window: six picture buttons
// drawn by hand, raised while the mouse is over one, sunken for a moment when
// pressed. A click reports the button's index (0 save, 1 print templates,
// 2 angle, 3 sections, 4 flap, 5 help). Each button's tooltip names its
// command and, while the mouse is over it, the status line says what it does.

#include <QPixmap>
#include <QWidget>
#include <array>

namespace aerolune::ui {

struct BarButton {
    int Left = 0, Top = 0, Width = 0, Height = 0;  ///< twips within the bar
    int Raised = 0;
    int Down = 0;
    int Enabled = -1;  ///< -1 true, 0 false
    int Group = 0;
    int FaceColor = 0x808000;
    int Style = 3;
};

enum class BarState { Flat, Raised, Pressed };

class PictureBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtons = 6;
    explicit PictureBar(QWidget* parent);

    /// SetUpButtons: the six buttons' places, all enabled, drawn flat.
    void SetUpButtons();

    /// The button at (x, y) twips within the bar, -1 when none or disabled.
    int hitTest(int xTwips, int yTwips) const;

    int barHot() const { return barHot_; }
    BarState state(int index) const { return states_.at(static_cast<std::size_t>(index)); }
    const BarButton& button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    const QPixmap& picture(int index) const { return pictures_.at(static_cast<std::size_t>(index)); }
    /// A disabled button is drawn dimmed and ignores the mouse.
    void setButtonEnabled(int index, bool enabled);
    /// How long a pressed button stays sunken, milliseconds.
    void setPressMilliseconds(int ms) { pressMs_ = ms; }

signals:
    void buttonClicked(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void track(const QPoint& pixels);
    /// The button whose face holds the point (pixels), enabled or not; -1 when none.
    int buttonAt(const QPoint& pixels) const;
    void draw(int index, BarState state);
    QRect pixelRect(const BarButton& b) const;

    std::array<BarButton, kButtons> buttons_{};
    std::array<BarState, kButtons> states_{};
    std::array<QPixmap, kButtons> pictures_;
    int barHot_ = -1;
    int pressMs_ = 100;
};

}  // namespace aerolune::ui
