#include "parser/CharClass.h"

#include "parser/CompilerMessages.h"
#include "parser/Escapes.h"

namespace tessaly::parser {

namespace {

std::uint8_t readChar(std::string_view raw, std::size_t& i)
{
    if (raw[i] != '\\')
        return static_cast<std::uint8_t>(raw[i++]);
    ++i;
    if (i >= raw.size())
        throw ECharClass(msgCharacterRange, compilerMessageText(msgCharacterRange));
    return static_cast<std::uint8_t>(readEscape(raw, i));
}

} // namespace

std::vector<TSM_CharGroup> parseCharClass(std::string_view raw)
{
    std::vector<TSM_CharGroup> out;
    std::size_t i = 0;
    while (i < raw.size()) {
        TSM_CharGroup g;
        if (raw[i] != '[') {
            g.add(readChar(raw, i));
            out.push_back(g);
            continue;
        }
        ++i;
        if (i < raw.size() && raw[i] == '^') {
            g.negated = true;
            ++i;
        }
        for (;;) {
            if (i >= raw.size()) // no closing bracket
                throw ECharClass(msgCharacterRange, compilerMessageText(msgCharacterRange));
            if (raw[i] == ']') {
                ++i;
                break;
            }
            const std::uint8_t from = readChar(raw, i);
            if (i + 1 < raw.size() && raw[i] == '-' && raw[i + 1] != ']') {
                ++i;
                const std::uint8_t to = readChar(raw, i);
                if (to < from)
                    throw ECharClass(0, kRangeOrderMessage);
                g.addRange(from, to);
            } else {
                g.add(from);
            }
        }
        out.push_back(g);
    }
    return out;
}

} // namespace tessaly::parser
