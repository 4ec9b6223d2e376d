#include "MemoTestUtil.h"

#include <random>
#include <sstream>

namespace tessaly::memo::test {
namespace {

using O = TSyntaxMemoOption;

void load(TSyntaxMemo& m, const std::string& bytes)
{
    std::istringstream in(bytes);
    m.loadFromStream(in);
}

std::vector<std::string> randomLines(std::mt19937& rng, int count)
{
    std::vector<std::string> lines(static_cast<std::size_t>(count));
    for (std::string& line : lines) {
        line.assign(rng() % 14, ' ');
        for (char& c : line)
            c = "  ab"[rng() % 4];
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string s;
    for (std::size_t i = 0; i < lines.size(); ++i)
        s += lines[i] + (i + 1 < lines.size() ? "\r\n" : "");
    return s;
}

std::size_t leadingBlanks(const std::string& s)
{
    const std::size_t n = s.find_first_not_of(' ');
    return n == std::string::npos ? s.size() : n;
}

// Where Tab goes on line r at column col of blank-and-letter lines: after the
// word and the blanks at col of the nearest line above that reaches past
// col, else the next stop of every `width` columns.
int modelTabTarget(const std::vector<std::string>& lines, std::size_t r, std::size_t col, int width)
{
    for (std::size_t up = r; up-- > 0;) {
        const std::string& t = lines[up];
        if (t.size() <= col)
            continue;
        std::size_t i = col;
        while (i < t.size() && t[i] != ' ')
            ++i;
        while (i < t.size() && t[i] == ' ')
            ++i;
        return static_cast<int>(i);
    }
    return (static_cast<int>(col) / width + 1) * width;
}

// The indent Enter at the end of line r gives: its own leading blanks; for
// an empty line those of the nearest line above with text; none after a line
// that starts with text.
std::size_t modelEnterIndent(const std::vector<std::string>& lines, std::size_t r)
{
    if (!lines[r].empty())
        return leadingBlanks(lines[r]);
    for (std::size_t up = r + 1; up-- > 0;) {
        const std::size_t n = leadingBlanks(lines[up]);
        if (n < lines[up].size())
            return n;
    }
    return 0;
}

TEST(TypingRules, TabGoesWhereAModelOfTheLinesAboveSays)
{
    std::mt19937 rng(17);
    for (int round = 0; round < 60; ++round) {
        const std::vector<std::string> lines = randomLines(rng, 6);
        for (std::size_t r = 0; r < lines.size(); ++r) {
            TSyntaxMemo m;
            m.setOptions({O::smoTabToColumn});
            m.setTabDefault(4);
            load(m, joined(lines));
            const std::size_t col = rng() % (lines[r].size() + 1);
            const auto at = m.store().recordStart(TRecordIndex(static_cast<std::int64_t>(r))).value()
                + static_cast<std::int64_t>(col);
            m.setSelection(at, at);
            m.typeChar('\t');
            const int want = modelTabTarget(lines, r, col, 4);
            ASSERT_EQ(m.caretColumn(), want) << joined(lines) << " line " << r << " column " << col;
            ASSERT_EQ(std::string(m.store().recordText(TRecordIndex(static_cast<std::int64_t>(r))))
                          .substr(col, static_cast<std::size_t>(want) - col),
                      std::string(static_cast<std::size_t>(want) - col, ' '))
                << "blanks fill the gap";
        }
    }
}

TEST(TypingRules, EnterIndentsAsAModelOfTheLinesSays)
{
    std::mt19937 rng(23);
    for (int round = 0; round < 60; ++round) {
        std::vector<std::string> lines = randomLines(rng, 5);
        if (rng() % 2)
            lines[rng() % lines.size()].clear();
        const std::size_t r = rng() % lines.size();
        TSyntaxMemo m;
        m.setOptions({O::smoAutoIndent});
        load(m, joined(lines));
        const auto end = m.store().recordStart(TRecordIndex(static_cast<std::int64_t>(r))).value()
            + static_cast<std::int64_t>(lines[r].size());
        m.setSelection(end, end);
        m.typeChar('\r');
        const std::string made(m.store().recordText(TRecordIndex(static_cast<std::int64_t>(r) + 1)));
        const std::string indent = made.substr(0, made.find_first_not_of(' '));
        ASSERT_EQ(indent.size(), modelEnterIndent(lines, r)) << joined(lines) << " line " << r;
        ASSERT_EQ(m.typing().check(), "");
    }
}

TEST(TypingRules, FillReachesItsColumnWithAsManyTabsAsFit)
{
    TSyntaxMemo m;
    m.setTabDefault(4);
    const TTyping& typing = m.typing();
    const TSyntaxMemoOptions smart{O::smoUseTAB, O::smoSmartFill};
    for (int from = 0; from < 12; ++from) {
        for (int to = from; to < 20; ++to) {
            const std::string blanks = typing.fill(from, to, {});
            EXPECT_EQ(blanks, std::string(static_cast<std::size_t>(to - from), ' '));
            const std::string tabbed = typing.fill(from, to, smart);
            int col = from;
            for (char c : tabbed)
                col = c == '\t' ? m.tabStops().nextStop(col) : col + 1;
            EXPECT_EQ(col, to) << from << ".." << to;
            const std::size_t firstBlank = tabbed.find(' ');
            EXPECT_TRUE(firstBlank == std::string::npos || tabbed.find('\t', firstBlank) == std::string::npos)
                << "tabs come first";
            const int blankStart = to - static_cast<int>(tabbed.size() - std::min(firstBlank, tabbed.size()));
            EXPECT_GT(m.tabStops().nextStop(blankStart), to) << "no further tab fits " << from << ".." << to;
        }
    }
}

TEST(TypingRules, KeysOverwriteAndTheIndentStep)
{
    TSyntaxMemo m;
    load(m, "a\xC3\xA9\r\nb");
    TTyping typing(m.store(), m.tabStops());
    EXPECT_EQ(typing.overwriteLength(1), 0) << "insert mode replaces nothing";
    typing.setInsertMode(false);
    EXPECT_EQ(typing.overwriteLength(0), 1);
    EXPECT_EQ(typing.overwriteLength(1), 2) << "the whole character";
    EXPECT_EQ(typing.overwriteLength(3), 0) << "never the line break";
    EXPECT_EQ(typing.overwriteLength(m.textLength()), 0);

    using A = TTyping::TKeyAction;
    EXPECT_EQ(typing.classify('x', {}).action, A::type);
    EXPECT_EQ(typing.classify(7, {}).action, A::ignore);
    EXPECT_EQ(typing.classify(127, {}).action, A::ignore);
    EXPECT_EQ(typing.classify('\t', {}).action, A::smartTab) << "tabs not in use";
    EXPECT_EQ(typing.classify('\t', {O::smoUseTAB}).action, A::type);
    EXPECT_EQ(typing.classify('\t', {O::smoUseTAB, O::smoTabToColumn}).action, A::smartTab);
    EXPECT_EQ(typing.classify('\t', {O::smoUseTAB, O::smoTabToColumn, O::smoWordWrap}).action, A::type);
    EXPECT_EQ(typing.classify('\n', {}).action, A::ignore);
    typing.setWantReturns(false);
    EXPECT_EQ(typing.classify('\r', {}).action, A::ignore);
    EXPECT_EQ(typing.classify('\n', {}).character, '\r') << "Ctrl+Enter types the line break";
    typing.setWantTab(false);
    EXPECT_EQ(typing.classify('\t', {O::smoUseTAB}).action, A::ignore);

    for (int step : {0, 20, -1, 7, 19, 1}) {
        m.setIndentStep(step);
        ASSERT_EQ(m.typing().check(), "");
    }
    EXPECT_EQ(m.indentStep(), 1);
}

} // namespace
} // namespace tessaly::memo::test
