// Compares the engine with the standard library's ECMAScript engine, an
// independent backtracking matcher with the same leftmost-first, greedy
// rules, on random patterns of the common syntax and random texts with line
// breaks.
#include "memo/regex/REParser.h"
#include "memo/regex/REProgramCheck.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <regex>
#include <string>

using namespace tessaly::memo;

namespace {

class PatternMaker {
public:
    explicit PatternMaker(unsigned seed) : rng_(seed) {}

    std::string alternatives(int depth)
    {
        std::string out = sequence(depth);
        while (pick(5) == 0)
            out += "|" + sequence(depth);
        return out;
    }

    std::string text()
    {
        static const char chars[] = {'a', 'b', 'c', '\r'};
        std::string out;
        const int length = pick(16);
        for (int i = 0; i < length; ++i)
            out += chars[pick(4)];
        return out;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::string sequence(int depth)
    {
        std::string out;
        const int pieces = 1 + pick(4);
        for (int i = 0; i < pieces; ++i) {
            const std::string a = atom(depth);
            out += a;
            if (a == "^" || a == "$")
                continue; // the model takes no repeat of an assertion
            const int r = pick(8);
            if (r == 0)
                out += '*';
            else if (r == 1)
                out += '+';
            else if (r == 2)
                out += '?';
        }
        return out;
    }

    std::string atom(int depth)
    {
        switch (pick(depth > 0 ? 10 : 9)) {
        case 0: case 1: return "a";
        case 2: return "b";
        case 3: return "ab";
        case 4: return ".";
        case 5: return "[ab]";
        case 6: return "[^a]";
        case 7: return pick(2) ? "^" : "$";
        case 8: return "c";
        default: return "(" + alternatives(depth - 1) + ")";
        }
    }

    std::mt19937 rng_;
};

// Returns the match end when `re` matches at exactly `start`, else -1.
std::int64_t modelAt(const std::regex& re, const std::string& text, std::size_t start)
{
    std::smatch m;
    auto flags = std::regex_constants::match_continuous;
    if (start > 0)
        flags |= std::regex_constants::match_prev_avail;
    if (!std::regex_search(text.cbegin() + static_cast<std::ptrdiff_t>(start), text.cend(), m, re, flags))
        return -1;
    return static_cast<std::int64_t>(start) + m.length(0);
}

} // namespace

TEST(RERandom, AgreesWithAnIndependentEngineAtEveryStart)
{
    PatternMaker maker(20261208);
    int compared = 0;
    for (int round = 0; round < 1500; ++round) {
        const std::string pattern = maker.alternatives(2);
        TREParser re;
        if (!re.compile(pattern))
            continue; // an empty-width repeat: this grammar rejects it
        ASSERT_TRUE(isWellFormedProgram(re.program())) << pattern;
        std::regex model;
        try {
            model = std::regex(pattern, std::regex_constants::ECMAScript | std::regex_constants::multiline);
        } catch (const std::regex_error&) {
            std::cout << "model rejects " << pattern << "\n";
            continue;
        }
        for (int t = 0; t < 4; ++t) {
            const std::string text = maker.text();
            TStringStream stream(text);
            std::int64_t firstStart = -1;
            for (std::size_t start = 0; start <= text.size(); ++start) {
                stream.setPosition(static_cast<std::int64_t>(start));
                const bool found = re.matchHere(stream);
                if (re.errorId() != TREError::NoError)
                    break;
                const std::int64_t expected = modelAt(model, text, start);
                ASSERT_EQ(found ? re.matchEnd() : -1, expected)
                    << "pattern " << pattern << " text " << ::testing::PrintToString(text) << " at " << start;
                if (found && firstStart < 0)
                    firstStart = static_cast<std::int64_t>(start);
                ++compared;
            }
            stream.setPosition(0);
            const bool found = re.match(stream, true);
            if (re.errorId() == TREError::NoError) {
                EXPECT_EQ(found ? re.matchStart() : -1, firstStart) << pattern;
            }
        }
    }
    std::cout << "[ compared ] " << compared << " start positions\n";
    EXPECT_GT(compared, 20000);
}
