#include "memo/Recognisers.h"

#include "memo/SyntaxMemo.h"

#include <algorithm>
#include <cctype>

namespace tessaly::memo {

namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

int TMacroKeywords::longestEndingAt(const TSyntaxMemo& memo, std::int64_t offset,
                                    const std::vector<std::string_view>& names)
{
    // Names do not cross line breaks, so the record of the offset is enough.
    const TTextStore& store = memo.store();
    const std::int64_t rec = store.recordOf(offset);
    const std::string_view before = store.recordText(rec).substr(0, static_cast<std::size_t>(offset - store.recordStart(rec)));
    int best = -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string_view n = names[i];
        if (n.empty() || n.size() > before.size() || before.substr(before.size() - n.size()) != n)
            continue;
        if (best < 0 || n.size() > names[static_cast<std::size_t>(best)].size())
            best = static_cast<int>(i);
    }
    return best;
}

// --- code templates ------------------------------------------------------------

TCodeTemplates::TCodeTemplates()
{
    swallow = true;
    indent = true;
    caretMarker = true;
}

TCodeTemplates::Outcome TCodeTemplates::hotKeyPressed(TSyntaxMemo& memo) const
{
    std::vector<std::string_view> names;
    for (const Item& i : items)
        names.push_back(i.name);
    const std::int64_t caret = memo.caret();
    const int found = memo.anchor() == caret ? longestEndingAt(memo, caret, names) : -1;
    if (found >= 0) {
        expand(memo, static_cast<std::size_t>(found), items[static_cast<std::size_t>(found)].name.size());
        return Outcome::Expanded;
    }
    if (!showList)
        return Outcome::None;
    // Select the word fragment before the caret: the list replaces it.
    std::int64_t start = caret;
    const std::int64_t recStart = memo.store().recordStart(memo.caretRecord());
    while (start > recStart && memo.charIsInWord(static_cast<unsigned char>(memo.textRange(start - 1, start)[0])))
        --start;
    memo.setSelection(start, caret);
    return Outcome::ListWanted;
}

void TCodeTemplates::expand(TSyntaxMemo& memo, std::size_t index, std::size_t replacedLength) const
{
    if (index >= items.size())
        return;
    const Item& item = items[index];
    std::string body = item.body;
    if (onTemplateEvent)
        onTemplateEvent(item.name, body);
    memo.expandMacro(replacedLength, body, indent, caretMarker);
}

int TCodeTemplates::firstContaining(std::string_view fragment) const
{
    const std::string f = lower(fragment);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (lower(items[i].name).find(f) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

// --- auto-replace ------------------------------------------------------------------

TAutoReplace::TAutoReplace()
{
    setTriggerText(";,:.=()[]\\{Return}\\{Tab}\\{Space}");
}

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
            const std::string name = lower(text.substr(i + 1, close == std::string_view::npos ? 0 : close - i - 1));
            if (close == std::string_view::npos)
                throw ESyntaxMemo("Bad key specifier");
            if (name == "return")
                keys += '\r';
            else if (name == "tab")
                keys += '\t';
            else if (name == "space")
                keys += ' ';
            else if (name != "backspace" && name != "delete" && name != "down" && name != "end" && name != "home"
                     && name != "insert" && name != "left" && name != "pagedown" && name != "pageup"
                     && name != "right" && name != "up" && !(name.size() >= 2 && name[0] == 'f'))
                throw ESyntaxMemo("Bad key specifier");
            // Keys that type no character can never follow a typed word here.
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
    for (const Pair& p : pairs)
        names.push_back(p.item);
    const std::int64_t caret = memo.caret();
    const int found = longestEndingAt(memo, caret, names);
    if (found < 0)
        return false;
    const Pair& pair = pairs[static_cast<std::size_t>(found)];
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
