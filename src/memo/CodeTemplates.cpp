#include "memo/CodeTemplates.h"

#include "memo/SyntaxMemo.h"

namespace tessaly::memo {

TCodeTemplates::TCodeTemplates()
{
    swallow = true;
    indent = true;
    caretMarker = true;
    showList = true;
}

void TCodeTemplates::add(const TCodeTemplate& t) { addOrReplace(items, t, &TCodeTemplate::name); }

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
    const std::int64_t recStart = memo.store().recordStart(memo.caretRecord()).value();
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
    const std::string f = asciiLower(fragment);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (asciiLower(items[i].name).find(f) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

} // namespace tessaly::memo
