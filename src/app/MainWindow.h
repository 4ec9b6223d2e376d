#pragma once

#include <QMainWindow>

namespace tessaly::app {

// The main window: for now one editor filling the window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace tessaly::app
