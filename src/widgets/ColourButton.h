#pragma once

#include <QPushButton>

#include <cstdint>

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

    // The colour as a settings value (red in the low byte).
    std::uint32_t colour() const { return colour_; }
    void setColour(std::uint32_t colour);

signals:
    // The user chose a colour.
    void colourChosen(std::uint32_t colour);

private:
    void choose();

    platform::TDialogs& dialogs_;
    std::uint32_t colour_ = 0;
};

} // namespace tessaly::widgets
