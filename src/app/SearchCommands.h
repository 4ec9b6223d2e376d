#pragma once

#include "memo/SearchFlags.h"

#include <string>

namespace tessaly::platform {
class TDialogs;
}

namespace tessaly::widgets {
class TSyntaxMemoView;
}

namespace tessaly::app {

// Find, Replace and Find Next of the Edit menu. Find and Replace open the
// active document's search dialog; Find Next repeats the remembered search
// (the last one made through Find, else the document's own) on whichever
// document is active, and says itself when nothing more is found.
class TSearchCommands {
public:
    // What the commands need of the main window.
    class Host {
    public:
        // The active document's text; null when no document is open.
        virtual widgets::TSyntaxMemoView* searchView() = 0;
        // Whether Use Regular Expressions is checked: the dialogs start with it.
        virtual bool regExpChecked() const = 0;

    protected:
        ~Host() = default;
    };

    TSearchCommands(Host& host, platform::TDialogs& dialogs);

    void find();
    void replace();
    void findNext();

    // The search Find Next repeats; empty text when there is none yet.
    const std::string& rememberedText() const { return rememberedText_; }
    memo::TSearchFlags rememberedFlags() const { return rememberedFlags_; }

    // Empty when the state holds together, else what is wrong: the
    // remembered flags are the options of a search (never "at once", which
    // Find Next adds as it runs), and there are none without a text.
    std::string check() const;

private:
    void remember(std::string text, memo::TSearchFlags flags);

    Host& host_;
    platform::TDialogs& dialogs_;
    std::string rememberedText_;
    memo::TSearchFlags rememberedFlags_;
};

} // namespace tessaly::app
