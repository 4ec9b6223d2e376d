#include "MemoTestUtil.h"

#include "memo/SearchFlags.h"
#include "memo/SearchSession.h"

#include <cctype>
#include <random>
#include <sstream>

namespace tessaly::memo::test {
namespace {

std::string lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Plain search over a string: downward the first match starting at or after
// from, upward the last starting at or before it.
std::optional<std::int64_t> modelFind(std::string text, std::string what, std::int64_t from, bool matchCase,
                                      bool upward)
{
    if (!matchCase) {
        text = lower(text);
        what = lower(what);
    }
    const auto len = static_cast<std::int64_t>(text.size());
    if (len == 0 || what.empty() || (upward && from < 0) || (!upward && from >= len))
        return std::nullopt;
    std::optional<std::int64_t> found;
    for (std::int64_t i = 0; i + static_cast<std::int64_t>(what.size()) <= len; ++i) {
        if (text.compare(static_cast<std::size_t>(i), what.size(), what) != 0)
            continue;
        if (upward ? i <= from : i >= from) {
            found = i;
            if (!upward)
                break;
        }
    }
    return found;
}

TEST(SearchSession, FindFollowsAPlainModelInBothDirections)
{
    std::mt19937 rng(7);
    const std::string alphabet = "aAb\r";
    TSearchSession session;
    for (int round = 0; round < 3000; ++round) {
        std::string text(rng() % 12, ' ');
        for (char& c : text)
            c = alphabet[rng() % alphabet.size()];
        std::string what(1 + rng() % 2, ' ');
        for (char& c : what)
            c = alphabet[rng() % 3];
        const bool matchCase = rng() % 2;
        const bool upward = rng() % 2;
        const TSearchFlags flags = (matchCase ? TSearchFlags::MatchCase : TSearchFlags()) | (upward ? TSearchFlags::Upward : TSearchFlags());
        const auto from = static_cast<std::int64_t>(rng() % (text.size() + 3)) - 1;
        session.remember(flags, what);
        TStringStream stream(text);
        const auto got = session.find(stream, from, flags);
        const auto want = modelFind(text, what, from, matchCase, upward);
        ASSERT_EQ(got.has_value(), want.has_value()) << '"' << text << "\" / \"" << what << "\" from " << from;
        if (got) {
            EXPECT_EQ(got->start, *want);
            EXPECT_EQ(got->end, *want + static_cast<std::int64_t>(what.size()));
        }
        ASSERT_EQ(session.check(), "");
    }
}

TEST(SearchSession, RemembersTextsCutToTheirLimitAndStepsOffTheLastMatch)
{
    TSearchSession session;
    session.remember(TSearchFlags::MatchCase, std::string(100, 'x'));
    EXPECT_EQ(session.text().size(), 79u);
    session.remember(TSearchFlags::RegExp, std::string(300, 'x'));
    EXPECT_EQ(session.text().size(), 254u);
    EXPECT_EQ(session.flags(), TSearchFlags::RegExp);
    EXPECT_EQ(session.check(), "");

    // A character across the limit goes whole: é (2 bytes) at bytes 78..79,
    // € (3 bytes) at bytes 252..254.
    const std::string e = "\xC3\xA9", euro = "\xE2\x82\xAC";
    session.remember({}, std::string(78, 'x') + e + "tail");
    EXPECT_EQ(session.text(), std::string(78, 'x'));
    session.remember({}, std::string(77, 'x') + e + "tail");
    EXPECT_EQ(session.text(), std::string(77, 'x') + e);
    session.remember(TSearchFlags::RegExp, std::string(252, 'x') + euro + euro);
    EXPECT_EQ(session.text(), std::string(252, 'x'));
    session.remember(TSearchFlags::RegExp, std::string(251, 'x') + euro + euro);
    EXPECT_EQ(session.text(), std::string(251, 'x') + euro);

    EXPECT_EQ(session.startFrom(5, false), 5) << "no last match yet";
    session.setLastMatch(5);
    EXPECT_EQ(session.startFrom(5, false), 6);
    EXPECT_EQ(session.startFrom(5, true), 4);
    EXPECT_EQ(session.startFrom(7, false), 7);
    session.forgetLastMatch();
    EXPECT_EQ(session.startFrom(5, false), 5);

    session.remember({}, "Abc");
    EXPECT_TRUE(session.onLastMatch("aBC", 9)) << "the remembered text in any case";
    EXPECT_FALSE(session.onLastMatch("ab", 9));
    session.setLastMatch(9);
    EXPECT_TRUE(session.onLastMatch("ab", 9));
}

TEST(SearchSession, APatternErrorPointsAtItsCharacter)
{
    TSearchSession session;
    EXPECT_FALSE(session.patternError()) << "nothing searched yet";
    // "é" takes two bytes but one column under the pattern.
    session.remember(TSearchFlags::RegExp, "\xC3\xA9**");
    std::string text = "abc";
    TStringStream stream(text);
    EXPECT_FALSE(session.find(stream, 0, TSearchFlags::RegExp));
    const auto error = session.patternError();
    ASSERT_TRUE(error);
    const std::string lastLine = error->substr(error->rfind('\n') + 1);
    EXPECT_EQ(lastLine, "  ^") << "under the second star";
    EXPECT_NE(error->find("\n\xC3\xA9**\n"), std::string::npos);

    session.remember(TSearchFlags::RegExp, "b+");
    EXPECT_TRUE(session.find(stream, 0, TSearchFlags::RegExp));
    EXPECT_FALSE(session.patternError());
}

TEST(SearchSession, StaysWholeThroughTheEditorsSearches)
{
    TSyntaxMemo m;
    std::istringstream in("one two one\r\nTwo one two\r\n");
    m.loadFromStream(in);
    m.onSearchFail = [](TSyntaxMemo&, const std::string&) {};
    std::mt19937 rng(11);
    const char* texts[] = {"one", "two", "o", "[a-z]+", "t(w)o", "x"};
    std::string remembered;
    for (int step = 0; step < 400; ++step) {
        const std::string text = texts[rng() % 6];
        TSearchFlags flags;
        if (text.find_first_of("[(") != std::string::npos)
            flags |= TSearchFlags::RegExp;
        if (rng() % 2)
            flags |= TSearchFlags::Upward;
        if (rng() % 2)
            flags |= TSearchFlags::MatchCase;
        const auto at = static_cast<std::int64_t>(rng() % static_cast<unsigned>(m.textLength() + 1));
        switch (rng() % 5) {
        case 0: m.findText(flags, text); remembered = text; break;
        case 1: m.findNext(); break;
        case 2: m.findFromDialog(flags, text); remembered = text; break;
        case 3: m.replaceNext(flags, text, "two"); remembered = text; break;
        case 4: m.setSelection(at, at); break;
        }
        ASSERT_EQ(m.searchSession().check(), "") << "step " << step;
        ASSERT_EQ(m.lastSearchText(), remembered) << "every search remembers its text";
        const std::int64_t last = m.lastMatchStart();
        ASSERT_TRUE(last == -1 || (last >= 0 && last <= m.textLength()));
    }
}

} // namespace
} // namespace tessaly::memo::test
