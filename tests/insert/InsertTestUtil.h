#pragma once

#include "memo/SyntaxMemo.h"

#include <string>

namespace tessaly::insert::test {

// The whole text in the store's form (single CR line ends).
inline std::string storeText(const memo::TSyntaxMemo& m)
{
    return m.textRange(0, m.textLength());
}

// An editor holding text with [selStart, selEnd) selected.
inline void prepare(memo::TSyntaxMemo& m, const std::string& text, std::int64_t selStart, std::int64_t selEnd)
{
    m.setSelText(text);
    m.clearUndo();
    m.setSelection(selStart, selEnd);
}

} // namespace tessaly::insert::test
