// Highlights arbitrary bytes with each built-in language, then edits them:
// the values the editor keeps must be those of the plain reference scanner
// after the last edit's incremental re-highlight, and after one edit picked
// by the input. (A wrong value left by any edit stays wrong until a later
// edit happens to re-scan it, so most faults still show at the end; checking
// after every edit made the target too slow to reach deep inputs.)
#include "../tests/parser/ReferenceScanner.h"
#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

namespace {

using namespace tessaly;

parser::TSyntaxMemoParser& builtin(int n)
{
    static std::unique_ptr<parser::TSyntaxMemoParser> parsers[4];
    if (!parsers[n]) {
        parsers[n] = std::make_unique<parser::TSyntaxMemoParser>();
        if (n == 3)
            parsers[n]->compile(std::string(parser::plainTextScript()));
        else
            parsers[n]->setParser(parser::builtinParserForm(
                n == 0 ? parser::BuiltinLanguage::HTML
                       : (n == 1 ? parser::BuiltinLanguage::JavaScript : parser::BuiltinLanguage::VBScript)));
    }
    return *parsers[n];
}

std::string values(const memo::TSyntaxMemo& m)
{
    std::string out;
    for (memo::TRecordIndex r(0); r < m.store().recordCount(); ++r)
        out += m.store().recordTokens(r);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    parser::TSyntaxMemoParser& p = builtin(data[0] % 4);
    parser::test::TReferenceScanner reference(p.tables());
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    memo::TSyntaxMemo m;
    m.setParser(1, &p);
    m.setActiveParser(1);
    std::istringstream in(bytes);
    m.loadFromStream(in);
    const std::size_t edits = size > 4 ? std::min<std::size_t>((size - 2) / 3, 21) : 0;
    const std::size_t sampled = edits ? data[0] / 4 % edits : 0;
    if (edits == 0 && values(m) != reference.scan(m.textRange(0, m.textLength())))
        std::abort();
    for (std::size_t e = 0, i = 1; e < edits; ++e, i += 3) {
        const std::int64_t len = m.textLength();
        m.setSelection(len ? data[i] * len / 256 : 0, len ? data[i + 1] * len / 256 : 0);
        m.setSelText(bytes.substr(i, data[i + 2] % 8));
        if ((e == sampled || e + 1 == edits) && values(m) != reference.scan(m.textRange(0, m.textLength())))
            std::abort();
    }
    return 0;
}
