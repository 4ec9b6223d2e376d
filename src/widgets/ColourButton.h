#pragma once

#include "memo/Color.h"

#include <QPushButton>

namespace tessaly::platform {
class TDialogs;
}

namespace tessaly::widgets {

// A button that shows a colour and, when clicked, lets the user choose
// another through the colour dialog of the platform seam.
class TColourButton : public QPushButton {
    Q_OBJECT
public:
    TColourButton(platform::TDialogs& dialogs, QWidget* parent = nullptr);

    memo::TColor colour() const { return colour_; }
    void setColour(memo::TColor colour);

signals:
    // The user chose a colour.
    void colourChosen(memo::TColor colour);

private:
    void choose();

    platform::TDialogs& dialogs_;
    memo::TColor colour_;
};

} // namespace tessaly::widgets
