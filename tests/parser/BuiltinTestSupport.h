#pragma once

#include "memo/CharStream.h"
#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::parser::test {

// A parser loaded with a built-in definition the way the program loads it.
inline std::unique_ptr<TSyntaxMemoParser> builtinParser(BuiltinLanguage language)
{
    auto p = std::make_unique<TSyntaxMemoParser>();
    if (language == BuiltinLanguage::PlainText)
        p->compile(std::string(plainTextScript()));
    else
        p->setParser(builtinParserForm(language));
    return p;
}

// The token value of every character of a text scanned from its start.
struct TScan {
    std::string text;
    std::vector<std::uint8_t> values;

    // The value shared by every character of the nth occurrence of piece,
    // or -1 when they differ (the piece is not one token run).
    int at(std::string_view piece, int nth = 0) const
    {
        std::size_t pos = text.find(piece);
        for (; nth > 0 && pos != std::string::npos; --nth)
            pos = text.find(piece, pos + 1);
        EXPECT_NE(pos, std::string::npos) << "no \"" << piece << "\" in the text";
        if (pos == std::string::npos || piece.empty())
            return -1;
        const std::uint8_t v = values[pos];
        for (std::size_t i = pos; i < pos + piece.size(); ++i)
            if (values[i] != v)
                return -1;
        return v;
    }
};

inline TScan scanText(TSyntaxMemoParser& p, const std::string& text)
{
    TScan out{text, {}};
    memo::TStringStream s(text);
    p.resumeAt(0);
    while (!s.atEnd()) {
        std::int64_t len = 0;
        const std::uint8_t t = p.nextToken(s, len);
        EXPECT_GT(len, 0);
        if (len <= 0)
            break;
        out.values.insert(out.values.end(), static_cast<std::size_t>(len), t);
    }
    EXPECT_EQ(out.values.size(), text.size());
    return out;
}

// The token values an editor keeps, record by record.
inline std::vector<std::string> editorValues(const memo::TSyntaxMemo& m)
{
    std::vector<std::string> out;
    for (memo::TRecordIndex r(0); r < m.store().recordCount(); ++r)
        out.emplace_back(m.store().recordTokens(r));
    return out;
}

} // namespace tessaly::parser::test
