#pragma once

#include <string_view>
#include <vector>

namespace tessaly::insert {

// Where a command's menu item lives.
enum class TCommandMenu { HTML, Headings, Forms, PasteSpecial, Script, JavaScript, ASP };
// Which toolbar shows a button for the command, if any.
enum class TCommandToolbar { None, HTML, Script };

// What a command does when it runs.
enum class TCommandAction {
    Wrap,         // before + selection + after
    Insert,       // before replaces the selection
    ScriptBlock,  // by the document's language
    CommentBlock, // by the document's language
    QuickColor,
    FormDialog,
    TextBoxDialog,
    TextAreaDialog,
    CheckBoxDialog,
    RadioButtonDialog,
    SelectDialog,
    ButtonDialog,
    LinkDialog,
    ServletDialog,
    CustomObjectDialog,
    FunctionBlockDialog,
    MessageDialog,
    AspVariableDialog,
};

// One insertion command: its menu item, shortcut and toolbar button, and
// what it writes. Shortcuts are in the portable key-sequence notation.
struct TInsertCommand {
    std::string_view name; // the menu item's component name
    TCommandMenu menu;
    std::string_view caption;
    std::string_view shortcut;
    TCommandToolbar toolbar;
    std::string_view hint; // the status-bar hint, and the toolbar button's tooltip
    TCommandAction action;
    std::string_view before = {};
    std::string_view after = {};
};

// Every command, in menu order.
const std::vector<TInsertCommand>& insertCommands();
// The command of a component name, or nullptr.
const TInsertCommand* findInsertCommand(std::string_view name);

// Submenu captions and names.
struct TSubmenu {
    std::string_view name;
    TCommandMenu menu;
    std::string_view caption;
    std::string_view hint;
};
const std::vector<TSubmenu>& insertSubmenus();

} // namespace tessaly::insert

namespace tessaly::insert {
struct TSnippet;
// The fixed text of a Wrap or Insert command.
TSnippet fixedSnippet(const TInsertCommand& command);
} // namespace tessaly::insert
