#include "memo/AutoReplace.h"

#include "memo/MemoErrors.h"
#include "memo/SyntaxMemo.h"

#include <cctype>

namespace tessaly::memo {

namespace {

// Named keys that type no character: accepted in a trigger text, but they
// can never follow a typed word, so they add no trigger.
bool isSilentKeyName(const std::string& name)
{
    static const char* const kNames[] = {"backspace", "delete", "down", "end", "home", "insert",
                                         "left", "pagedown", "pageup", "right", "up"};
    for (const char* n : kNames)
        if (name == n)
            return true;
    // "f1" .. "f12"
    if (name.size() < 2 || name.size() > 3 || name[0] != 'f' || name[1] == '0')
        return false;
    int n = 0;
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return false;
        n = n * 10 + (name[i] - '0');
    }
    return n >= 1 && n <= 12;
}

} // namespace

TAutoReplace::TAutoReplace()
{
    setTriggerText(kDefaultTrigger);
}

void TAutoReplace::add(const TAutoReplaceItem& entry) { addOrReplace(items, entry, &TAutoReplaceItem::item); }

void TAutoReplace::setTriggerText(std::string_view text)
{
    std::string keys;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            keys += text[i];
            continue;
        }
        const char e = text[++i];
        if (e == 'n' || e == 'r')
            keys += '\r';
        else if (e == 's')
            keys += ' ';
        else if (e == 't')
            keys += '\t';
        else if (e == '{') {
            const std::size_t close = text.find('}', i);
            if (close == std::string_view::npos)
                throw ESyntaxMemo("Bad key specifier");
            const std::string name = asciiLower(text.substr(i + 1, close - i - 1));
            if (name == "return")
                keys += '\r';
            else if (name == "tab")
                keys += '\t';
            else if (name == "space")
                keys += ' ';
            else if (!isSilentKeyName(name))
                throw ESyntaxMemo("Bad key specifier");
            i = close;
        } else {
            keys += e;
        }
    }
    triggerText_ = std::string(text);
    triggers_ = std::move(keys);
}

bool TAutoReplace::triggerTyped(TSyntaxMemo& memo, char c) const
{
    if (!isTrigger(c) || memo.anchor() != memo.caret())
        return false;
    std::vector<std::string_view> names;
    for (const TAutoReplaceItem& p : items)
        names.push_back(p.item);
    const std::int64_t caret = memo.caret();
    const int found = longestEndingAt(memo, caret, names);
    if (found < 0)
        return false;
    const TAutoReplaceItem& pair = items[static_cast<std::size_t>(found)];
    const std::int64_t itemStart = caret - static_cast<std::int64_t>(pair.item.size());
    auto byteAt = [&](std::int64_t o) -> unsigned char {
        if (o < 0 || o >= memo.textLength())
            return 0;
        return static_cast<unsigned char>(memo.textRange(o, o + 1)[0]);
    };
    bool can = true;
    // Not in the middle of a longer word.
    if (memo.charIsInWord(static_cast<unsigned char>(pair.item.back())) && memo.charIsInWord(byteAt(caret)))
        can = false;
    if (!pair.replacement.empty() && memo.charStartsWord(static_cast<unsigned char>(pair.replacement[0]))
        && itemStart > 0 && memo.charIsInWord(byteAt(itemStart - 1)))
        can = false;
    std::string with = pair.replacement;
    if (onAutoReplace)
        onAutoReplace(pair.item, with, can);
    if (!can)
        return false;
    memo.expandMacro(pair.item.size(), with, indent, caretMarker);
    return swallow;
}

} // namespace tessaly::memo
