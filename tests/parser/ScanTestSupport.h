#pragma once

#include "memo/SyntaxMemo.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tessaly::parser::test {

// Token values of every character of text, scanned from the start: one
// character '0' + value per character, so a test can compare a whole line
// of values at a glance.
inline std::string scanValues(TSyntaxMemoParser& p, const std::string& text)
{
    memo::TStringStream s(text);
    p.resumeAt(0);
    std::string out;
    while (!s.atEnd()) {
        std::int64_t len = 0;
        const std::uint8_t t = p.nextToken(s, len);
        EXPECT_GT(len, 0);
        if (len <= 0)
            break; // a scanner that stands still would never end
        out.append(static_cast<std::size_t>(len), static_cast<char>('0' + t));
    }
    return out;
}

} // namespace tessaly::parser::test
