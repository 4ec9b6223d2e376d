#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace tessaly::memo {

class TSyntaxMemo;

// The text of [start, end) as RTF in the colours and font styles of the
// highlighting: runs of equal token values become runs of one style.
std::string writeRtf(const TSyntaxMemo& memo, std::int64_t start, std::int64_t end);

// The whole document as an HTML page in the colours of the highlighting
// (the document is highlighted in full first). dateText fills the Date META
// element.
void writeHtml(TSyntaxMemo& memo, std::ostream& out, const std::string& dateText);

} // namespace tessaly::memo
