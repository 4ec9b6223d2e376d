#pragma once

#include "memo/MacroKeywords.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

// One auto-replace pair: the typed item, its replacement and an optional
// description shown in the options dialog.
struct TAutoReplaceItem {
    std::string item;
    std::string replacement;
    std::string description;
    bool operator==(const TAutoReplaceItem&) const = default;
};

// Auto-replace: when a trigger key is typed after one of the items, the item
// is replaced (for example a common typing slip by its correction). The same
// object is a language's list in its settings and the editor's recogniser.
class TAutoReplace : public TMacroKeywords {
public:
    static constexpr const char* kDefaultTrigger = ";,:.=()[]\\{Return}\\{Tab}\\{Space}";

    TAutoReplace();

    std::vector<TAutoReplaceItem> items;
    // May veto the replacement or change its text.
    std::function<void(const std::string& item, std::string& with, bool& canReplace)> onAutoReplace;

    // Adds a pair; a second pair for the same item replaces the first.
    void add(const TAutoReplaceItem& entry);

    // Parses the trigger text: plain characters, \n \r \s \t, "\x" for the
    // character x, and key names in braces after a backslash ({Return},
    // {Tab}, {Space}, {F1} ...). An unknown name throws ESyntaxMemo "Bad key
    // specifier" and leaves the triggers as they were.
    void setTriggerText(std::string_view text);
    const std::string& triggerText() const { return triggerText_; }
    // Triggers as typed characters (Return is CR).
    const std::string& triggers() const { return triggers_; }
    bool isTrigger(char c) const { return triggers_.find(c) != std::string::npos; }

    // A trigger character c was typed: replaces the item before the caret when
    // one is there and allowed. Returns true when the key is to be swallowed.
    bool triggerTyped(TSyntaxMemo& memo, char c) const;

    // The pairs, the trigger text and the switches; the event handler is not data.
    bool operator==(const TAutoReplace& o) const
    {
        return items == o.items && triggerText_ == o.triggerText_ && sameSwitches(o);
    }

private:
    std::string triggerText_;
    std::string triggers_;
};

} // namespace tessaly::memo
