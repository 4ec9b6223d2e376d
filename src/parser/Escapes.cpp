#include "parser/Escapes.h"

#include "memo/regex/REEscape.h"

namespace tessaly::parser {

int readEscape(std::string_view text, std::size_t& pos)
{
    const memo::TREEscape e = memo::readEscape(text, pos, memo::TEscapeLetters::definition);
    pos = e.next;
    return e.octal ? e.value & 0xFF : e.value;
}

} // namespace tessaly::parser
