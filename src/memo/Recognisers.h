#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

class TSyntaxMemo;

// Finds the longest of a list of names that ends at an offset of the text.
// Both recognisers of typed words are built on it.
class TMacroKeywords {
public:
    virtual ~TMacroKeywords() = default;
    // Index of the longest name in names that ends at offset, -1 when none.
    static int longestEndingAt(const TSyntaxMemo& memo, std::int64_t offset, const std::vector<std::string_view>& names);

    bool swallow = false;     // the trigger key is taken after an expansion
    bool indent = false;      // body lines are indented to the column of the name
    bool caretMarker = false; // the first "|" of the body marks the caret
};

// Code templates: a typed name followed by the hot key expands into a body.
class TCodeTemplates : public TMacroKeywords {
public:
    struct Item {
        std::string name;
        std::string description;
        std::string body;
    };
    enum class Outcome { None, Expanded, ListWanted };

    TCodeTemplates();

    std::vector<Item> items;
    bool showList = true;                          // offer a list when no name matches
    std::uint16_t hotKey = 16384 + 'J';            // Ctrl+J
    // May supply or change the body of a template about to be expanded.
    std::function<void(const std::string& name, std::string& body)> onTemplateEvent;

    // The hot key was pressed: expands the template whose name ends at the
    // caret, or selects the word fragment before it and asks for the list.
    Outcome hotKeyPressed(TSyntaxMemo& memo) const;
    // Expands item index in place of the selection (the fragment the list was opened for).
    void expand(TSyntaxMemo& memo, std::size_t index, std::size_t replacedLength) const;
    // First item whose name contains fragment (lower-cased compare), -1 when none.
    int firstContaining(std::string_view fragment) const;
};

// Auto-replace: when a trigger key is typed after one of the items, the item
// is replaced (for example a common typing slip by its correction).
class TAutoReplace : public TMacroKeywords {
public:
    struct Pair {
        std::string item;
        std::string replacement;
    };

    TAutoReplace();

    std::vector<Pair> pairs;
    // May veto the replacement or change its text.
    std::function<void(const std::string& item, std::string& with, bool& canReplace)> onAutoReplace;

    // Parses the trigger text: plain characters, \n \r \s \t, "\x" for the
    // character x, and key names in braces after a backslash ({Return},
    // {Tab}, {Space}). An unknown name throws ESyntaxMemo "Bad key specifier".
    void setTriggerText(std::string_view text);
    const std::string& triggerText() const { return triggerText_; }
    // Triggers as typed characters (Return is CR).
    const std::string& triggers() const { return triggers_; }
    bool isTrigger(char c) const { return triggers_.find(c) != std::string::npos; }

    // A trigger character c was typed: replaces the item before the caret when
    // one is there and allowed. Returns true when the key is to be swallowed.
    bool triggerTyped(TSyntaxMemo& memo, char c) const;

private:
    std::string triggerText_;
    std::string triggers_;
};

} // namespace tessaly::memo
