#include "app/MenuEnabling.h"

#include <cstring>

namespace tessaly::app {

const std::vector<const char*> TMenuEnabling::kFormItems = {
    "Bold1",     "Italic1",     "Underline1", "Headings1",     "Center1",       "Paragraph1", "RowBreak1",
    "NoBreakSpace1", "Link1",   "InsertStandardTags1", "Form1", "Forms2",       "Edit2",      "Textarea1",
    "Checkbox1", "RadioButton2", "Dropdownlist1", "Button1",     "QuickColor1"};

const std::vector<const char*> TMenuEnabling::kScriptItems = {
    "ScriptBlock", "NoScriptBlock1", "FunctionBlock1", "CommentBlock1",    "CustomObject1",
    "ShortCut1",   "JavaScript1",    "ASP1",           "ScriptWizardMenu"};

std::vector<TItemState> TMenuEnabling::documentRows(const char* menu, const TMenuState& state) const
{
    std::vector<TItemState> out;
    for (const TMenuRow& row : rows_) {
        if (row.enable != TEnableRule::document || (menu && std::strcmp(menu, row.menu) != 0))
            continue;
        out.push_back({row.name, row.kind == TMenuRow::Submenu, state.documentOpen});
    }
    return out;
}

std::vector<TItemState> TMenuEnabling::insertionItems(const std::vector<const char*>& names, const TMenuState& state)
{
    std::vector<TItemState> out;
    for (const char* name : names)
        out.push_back({name, false, state.documentOpen});
    return out;
}

std::vector<TItemState> TMenuEnabling::everything(const TMenuState& state) const
{
    std::vector<TItemState> out = documentRows(nullptr, state);
    for (TItemState& s : out)
        if (!s.submenu && s.name == kSaveName)
            s.enabled = state.saveEnabled;
    for (const auto* names : {&kFormItems, &kScriptItems})
        for (TItemState& s : insertionItems(*names, state))
            out.push_back(std::move(s));
    return out;
}

} // namespace tessaly::app
