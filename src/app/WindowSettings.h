#pragma once

#include <array>
#include <optional>
#include <string>

namespace tessaly::platform {
class TIniFile;
}

namespace tessaly::app {

// What the main window keeps of itself in the settings file: its place and
// state ([Position], [Form] MainForm), the Script Panel's sizes ([Form]
// SP_Width, SP_Height) and which toolbars and panels are shown ([View]).
// Read at start and written at exit, key by key in a fixed order; the
// window applies and gathers the values.
struct TWindowSettings {
    enum class TShow { normal, maximized, minimized };
    // The View switches in the order of kViewKeys.
    enum TView { mainToolbar, scriptToolbar, htmlToolbar, scriptPanel, kViewCount };
    static constexpr std::array<const char*, kViewCount> kViewKeys = {"Main Toolbar", "JavaScript Toolbar",
                                                                      "HTML Toolbar", "Script Panel"};

    // The normal (not maximised) place.
    int left = 30;
    int top = 30;
    int width = 697;
    int height = 536;
    // Read: the left and top edges came from the file (else the window is
    // centred). A minimised window writes neither its state nor its place;
    // a maximised one writes its state only, keeping the last normal place.
    bool positionSaved = false;
    TShow show = TShow::normal;
    int panelWidth = 200;
    int descriptionHeight = 129;
    // Shown or not; unset when the file holds something other than "true"
    // or "false", which leaves the window's own state as it is.
    std::array<std::optional<bool>, kViewCount> views{true, true, true, true};

    void read(const platform::TIniFile& ini);
    // Writes the keys; the caller brackets the writes of all parts in one
    // update of the file.
    void write(platform::TIniFile& ini) const;

    bool operator==(const TWindowSettings&) const = default;
};

} // namespace tessaly::app
