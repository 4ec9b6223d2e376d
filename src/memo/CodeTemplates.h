#pragma once

#include "memo/MacroKeywords.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

// A code template: the name typed before the hot key, a description for the
// template list, and the body ("|" marks where the caret goes).
struct TCodeTemplate {
    std::string name;
    std::string description;
    std::string body;
    bool operator==(const TCodeTemplate&) const = default;
};

// Code templates: a typed name followed by the hot key expands into a body.
// The same object is a language's list in its settings and the editor's
// recogniser.
class TCodeTemplates : public TMacroKeywords {
public:
    enum class Outcome { None, Expanded, ListWanted };

    TCodeTemplates();

    std::vector<TCodeTemplate> items;
    std::uint16_t hotKey = 16384 + 'J'; // Ctrl+J
    // May supply or change the body of a template about to be expanded.
    std::function<void(const std::string& name, std::string& body)> onTemplateEvent;

    // Adds a template; a second one of the same name replaces the first.
    void add(const TCodeTemplate& t);

    // The hot key was pressed: expands the template whose name ends at the
    // caret, or selects the word fragment before it and asks for the list.
    Outcome hotKeyPressed(TSyntaxMemo& memo) const;
    // Expands item index in place of the selection (the fragment the list was opened for).
    void expand(TSyntaxMemo& memo, std::size_t index, std::size_t replacedLength) const;
    // First item whose name contains fragment (lower-cased compare), -1 when none.
    int firstContaining(std::string_view fragment) const;

    // The lists, the hot key and the switches; the event handler is not data.
    bool operator==(const TCodeTemplates& o) const
    {
        return items == o.items && hotKey == o.hotKey && sameSwitches(o);
    }
};

} // namespace tessaly::memo
