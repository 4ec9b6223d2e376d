#pragma once

#include "app/MainCommandTable.h"

#include <string>
#include <vector>

namespace tessaly::app {

// What the enabling rules look at.
struct TMenuState {
    bool documentOpen = false; // at least one document window is open
    bool saveEnabled = false;  // Save's own state, which its commands keep
};

// One item a rule sets: its component name, whether it is a submenu's own
// item (a submenu may share its name with an item), and its state.
struct TItemState {
    std::string name;
    bool submenu = false;
    bool enabled = false;
    bool operator==(const TItemState&) const = default;
};

// The menu-enabling rules, as pure functions of the state over the rows of
// the main menu. A top-level menu, as it drops down, sets its rows that need
// a document; the HTML and Script menus also set their insertion items,
// which are not rows. When the first document opens or the last closes,
// every such item is set, so that shortcuts work (or rest) before a menu is
// next opened; Save then keeps its own state.
class TMenuEnabling {
public:
    // The insertion items of the HTML menu ("Forms1") and of the Script menu
    // ("Script1") that need a document.
    static const std::vector<const char*> kFormItems;
    static const std::vector<const char*> kScriptItems;
    static constexpr const char* kSaveName = "Save";

    explicit TMenuEnabling(const std::vector<TMenuRow>& rows)
        : rows_(rows)
    {
    }

    // The document rows of one top-level menu (of every menu when null).
    std::vector<TItemState> documentRows(const char* menu, const TMenuState& state) const;
    // The insertion items of the HTML or the Script menu.
    static std::vector<TItemState> insertionItems(const std::vector<const char*>& names, const TMenuState& state);
    // Everything the rules set, for the first document opening and the last
    // closing.
    std::vector<TItemState> everything(const TMenuState& state) const;

private:
    const std::vector<TMenuRow>& rows_;
};

} // namespace tessaly::app
