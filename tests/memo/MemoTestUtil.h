#pragma once

#include "memo/SyntaxMemo.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tessaly::memo {

// Failure messages show a unit's number rather than its bytes.
template <class Tag, class Rep> void PrintTo(TUnit<Tag, Rep> u, std::ostream* os)
{
    *os << u.value();
}

inline void PrintTo(TColor c, std::ostream* os)
{
    *os << "colour 0x" << std::hex << c.stored() << std::dec;
}

} // namespace tessaly::memo

namespace tessaly::memo::test {

// The whole text in the store's form.
inline std::string storeText(const TSyntaxMemo& m)
{
    return m.textRange(0, m.textLength());
}

// Records as strings, for comparing record cuts.
inline std::vector<std::string> records(const TSyntaxMemo& m)
{
    std::vector<std::string> out;
    for (TRecordIndex i(0); i < m.store().recordCount(); ++i)
        out.emplace_back(m.store().recordText(i));
    return out;
}

inline ::testing::AssertionResult storeConsistent(const TSyntaxMemo& m)
{
    const std::string why = m.store().check();
    if (why.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << why;
}

// Types each character of s.
inline void typeText(TSyntaxMemo& m, std::string_view s)
{
    for (char c : s)
        m.typeChar(static_cast<unsigned char>(c));
}

} // namespace tessaly::memo::test
