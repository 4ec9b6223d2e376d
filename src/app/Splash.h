#pragma once

#include <QWidget>

namespace tessaly::app {

// The start-up window: the logo and the title in a white area framed in
// black, shown while the main window is being built.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);

    // Shows the window centred on the screen and paints it at once.
    void showNow();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessaly::app
