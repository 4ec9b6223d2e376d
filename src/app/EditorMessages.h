#pragma once

#include "memo/MemoHost.h"

namespace tessaly::platform {
class TDialogs;
}

namespace tessaly::app {

// The editor engine's beeps and error boxes, through the main window's
// dialog seam (so tests can answer them).
class TEditorMessages final : public memo::TMemoMessages {
public:
    explicit TEditorMessages(platform::TDialogs& dialogs) : dialogs_(dialogs) {}
    void beep() override;
    void error(const std::string& text) override;

private:
    platform::TDialogs& dialogs_;
};

} // namespace tessaly::app
