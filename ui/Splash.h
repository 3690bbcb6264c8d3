#pragma once
// The start-up picture window, shown while the main window starts.

#include <QPixmap>
#include <QWidget>

namespace aerolune::ui {

class Splash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPictureWidth = 191;
    static constexpr int kPictureHeight = 175;

    Splash();
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

/// Our product picture: a cambered section in a blue field with its streamlines.
QPixmap drawSplashPicture();

}  // namespace aerolune::ui
