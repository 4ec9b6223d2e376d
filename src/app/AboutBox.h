#pragma once

#include <QDialog>

namespace tessaly::app {

// The about box: the program's name and version, its maker and web address.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace tessaly::app
