#pragma once

// What the tests of big documents share: loading a text with a parser, the
// values the editor holds, and those of a fresh full highlight to compare.
#include "BuiltinTestSupport.h"

#include <sstream>
#include <string>

namespace tessaly::parser::test {

inline void load(memo::TSyntaxMemo& m, TSyntaxMemoParser& p, const std::string& text)
{
    m.setParser(1, &p);
    m.setActiveParser(1);
    std::istringstream in(text);
    m.loadFromStream(in);
}

inline std::string allValues(const memo::TSyntaxMemo& m)
{
    std::string v;
    for (memo::TRecordIndex r(0); r < m.store().recordCount(); ++r) {
        const std::string_view t = m.store().recordTokens(r);
        v += t.empty() ? std::string(static_cast<std::size_t>(m.store().meta(r).length), '?') : std::string(t);
    }
    return v;
}

// The values a fresh editor gets for the same text, highlighted in one go.
inline std::string fullValues(const memo::TSyntaxMemo& m, BuiltinLanguage language)
{
    auto p = builtinParser(language);
    memo::TSyntaxMemo fresh;
    load(fresh, *p, m.textRange(0, m.textLength()));
    return allValues(fresh);
}

// A page of markup and script, repeated.
inline std::string page(int copies)
{
    const std::string one = "<html><head><script language=\"javascript\">\r\n"
                            "/* a comment\r\n  over lines */ var x = \"str\"; if (x < 3) { alert('hi'); }\r\n"
                            "</script></head>\r\n<body bgcolor=\"#fff\"><!-- note\r\n -->\r\n"
                            "<% Dim a : a = \"v\" %> text &nbsp; <b>bold</b>\r\n"
                            "<script language=\"vbscript\">\r\nFunction f(a)\r\n  f = a ' rem\r\nEnd Function\r\n</script>\r\n";
    std::string s;
    for (int i = 0; i < copies; ++i)
        s += one;
    return s;
}

} // namespace tessaly::parser::test
