#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::platform {

// The kind of a message dialog: it chooses the icon and the caption's tone.
enum class TMsgKind { information, warning, error, confirmation, plain };

// Buttons of a message dialog, combined with |.
enum TMsgButton : unsigned { btnOk = 1, btnCancel = 2, btnYes = 4, btnNo = 8 };

// The button that closed a message dialog; cancel also when it was closed
// by other means (Escape, the window's close button).
enum class TMsgAnswer { ok, cancel, yes, no };

// One entry of a file dialog's type list: the title shown and the patterns
// separated by ';' ("*.html;*.htm").
struct TFileFilter {
    std::string title;
    std::string patterns;
};

struct TFileDialogRequest {
    std::string title;
    std::vector<TFileFilter> filters;
    int filterIndex = 0;
    // Added to a name typed without one (without the dot, e.g. "html").
    std::string defaultExt;
    // The name proposed in the name box.
    std::string initialName;
    // The folder the dialog starts in; empty leaves it to the dialog.
    std::filesystem::path initialFolder;
    // Ask before replacing an existing file (save dialogs).
    bool overwritePrompt = false;
};

struct TRgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const TRgb&) const = default;
};

// A font as the font dialog offers it: family and size in points.
struct TFontChoice {
    std::string family;
    int pointSize = 10;
    bool operator==(const TFontChoice&) const = default;
};

// Every modal dialog and shell request of the program goes through this
// interface: the desktop implementation shows the real dialogs, and tests put
// a scripted one in its place so that nothing ever waits for a user.
class TDialogs {
public:
    virtual ~TDialogs() = default;

    virtual TMsgAnswer showMessage(const std::string& text, TMsgKind kind, unsigned buttons) = 0;
    // The chosen file, or nothing when the dialog was cancelled.
    virtual std::optional<std::filesystem::path> openFile(const TFileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const TFileDialogRequest& request) = 0;
    // Shows the printer-setup dialog for the current printer; true when confirmed.
    virtual bool printerSetup() = 0;
    // Whether any printer is installed.
    virtual bool printerInstalled() = 0;
    virtual std::optional<TRgb> chooseColor(TRgb initial) = 0;
    // The font dialog; nothing when it was cancelled.
    virtual std::optional<TFontChoice> chooseFont(const TFontChoice& initial) = 0;
    // Opens a file with the desktop's default handler; false when that failed.
    virtual bool shellOpen(const std::filesystem::path& file, const std::filesystem::path& workingFolder) = 0;
};

} // namespace tessaly::platform
