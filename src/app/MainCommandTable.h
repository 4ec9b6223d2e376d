#pragma once

#include <vector>

class QAction;
class QMenu;

namespace tessaly::memo {
class TSyntaxMemo;
}

namespace tessaly::app {

class TMainForm;

// When a menu item is enabled.
enum class TEnableRule {
    fixed,    // never changed by the menus: stays as made (or as its command sets it)
    document, // enabled exactly while a document window is open, set as its menu drops down
};

// One row of the main menu. Rows come in menu order; each names the menu it
// goes into by that menu's component name ("" for the menu bar). A submenu
// row makes a menu that later rows name as theirs.
//
// A row runs one handler when triggered: `run`; `runWith` called with
// `data`; `toggle` called with the checked state; `code`, an operation of the
// active document's editor; or `link`, an address shown in the active
// document's Browser page. A top-level menu's `run` is called as it drops
// down, after its document rows are enabled. A submenu row with `fill` is a
// list the main window keeps (the recent files): `fill` makes its items as
// the menu is made and again each time it drops down.
struct TMenuRow {
    enum Kind { Item, Separator, Submenu };
    Kind kind = Item;
    const char* menu = "";
    const char* name = "";
    const char* caption = "";
    const char* hint = "";
    const char* keys = ""; // portable key text; several are separated by "; "
    void (TMainForm::*run)() = nullptr;
    void (TMainForm::*runWith)(int) = nullptr;
    void (TMainForm::*toggle)(bool) = nullptr;
    void (memo::TSyntaxMemo::*code)() = nullptr;
    void (TMainForm::*fill)(QMenu*) = nullptr;
    const char* link = nullptr;
    int data = 0;
    TEnableRule enable = TEnableRule::fixed;
    bool hidden = false; // a hidden submenu's items still answer their shortcuts
    bool checkable = false;
    bool checked = false;
    bool exclusive = false;                 // checkable items of one menu, one checked at a time
    QAction* TMainForm::*action = nullptr; // where the main window keeps the item
    QMenu* TMainForm::*submenu = nullptr;  // where the main window keeps the submenu
};

// A button of the Main Toolbar: it runs the handlers of its menu item (also
// while the item is disabled) and is enabled with the documents when
// `needsDocument`.
struct TToolButtonRow {
    const char* name = "";
    const char* icon = "";
    const char* hint = "";
    const char* item = ""; // the menu item's component name
    bool separatorBefore = false;
    bool needsDocument = true;
    QAction* TMainForm::*action = nullptr; // where the main window keeps the button
};

} // namespace tessaly::app
