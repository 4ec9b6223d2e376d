#include "memo/CodeTemplates.h"

#include "memo/SyntaxMemo.h"

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

TCodeTemplates::TCodeTemplates()
{
    swallow = true;
    indent = true;
    caretMarker = true;
    showList = true;
}

void TCodeTemplates::add(const TCodeTemplate& t)
{
    for (auto& e : items)
        if (e.name == t.name) {
            e = t;
            return;
        }
    items.push_back(t);
}

TCodeTemplates::Outcome TCodeTemplates::hotKeyPressed(TSyntaxMemo& memo) const
{
    std::vector<std::string_view> names;
    for (const TCodeTemplate& i : items)
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
    const TCodeTemplate& item = items[index];
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

} // namespace tessaly::memo
