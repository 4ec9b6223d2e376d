// Line colours follow their records through every change of the store:
// random edits on a store where random records carry colours, against a
// plain list of (line text, colours).
#include "MemoTestUtil.h"

#include "memo/TextStore.h"

#include <random>

namespace tessaly::memo::test {
namespace {

struct Line {
    std::string text;
    TLineColours colours;
};

// Cuts text into lines after each CR, as the store cuts short lines.
std::vector<Line> cutLines(std::string_view text, bool endOfDocument)
{
    std::vector<Line> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t cr = text.find('\r', pos);
        const std::size_t end = cr == std::string_view::npos ? text.size() : cr + 1;
        out.push_back({std::string(text.substr(pos, end - pos)), {}});
        pos = end;
    }
    if (endOfDocument && (text.empty() || text.back() == '\r'))
        out.push_back({});
    return out;
}

class Fixture {
public:
    std::mt19937 rng{20261209};
    TTextStore store;
    std::vector<Line> model{Line{}};

    std::size_t pick(std::size_t n) { return static_cast<std::size_t>(rng() % n); }

    // Some short lines, each ending in CR; openEnd adds a last one without.
    std::string someLines(std::size_t most, bool openEnd)
    {
        std::string s;
        const std::size_t n = pick(most + 1);
        for (std::size_t i = 0; i < n; ++i)
            s += std::string(pick(30), static_cast<char>('a' + pick(26))) + '\r';
        if (openEnd)
            s += std::string(pick(5), 'z');
        return s;
    }

    TLineColours someColours()
    {
        TLineColours c;
        if (pick(3) != 0)
            c.back = TColor::fromStored(static_cast<std::uint32_t>(rng() & 0xFFFFFF));
        if (pick(3) != 0)
            c.text = pick(4) == 0 ? TColor() : TColor::fromStored(static_cast<std::uint32_t>(rng() & 0xFFFFFF));
        return c;
    }

    void replace(std::size_t first, std::size_t last, const std::string& text)
    {
        const bool end = last + 1 == model.size();
        std::vector<Line> fresh = cutLines(text, end);
        if (!fresh.empty())
            fresh.front().colours = model[first].colours;
        model.erase(model.begin() + static_cast<std::ptrdiff_t>(first),
                    model.begin() + static_cast<std::ptrdiff_t>(last + 1));
        model.insert(model.begin() + static_cast<std::ptrdiff_t>(first), fresh.begin(), fresh.end());
        store.replaceRecords(TRecordIndex(static_cast<std::int64_t>(first)),
                             TRecordIndex(static_cast<std::int64_t>(last)), text);
    }

    void append(const std::string& text)
    {
        const Line last = model.back();
        model.pop_back();
        std::vector<Line> fresh = cutLines(last.text + text, true);
        fresh.front().colours = last.colours;
        model.insert(model.end(), fresh.begin(), fresh.end());
        store.append(text);
    }

    void colour(std::size_t rec, const TLineColours& c)
    {
        model[rec].colours = c;
        store.setColours(TRecordIndex(static_cast<std::int64_t>(rec)), c);
    }

    // One random change: colours, a replacement inside or across blocks, a
    // deletion of whole lines, a typed character, or text appended.
    void randomStep()
    {
        const std::size_t n = model.size();
        const std::size_t first = pick(n);
        const std::size_t last = std::min(n - 1, first + (pick(4) == 0 ? pick(200) : pick(3)));
        const bool end = last + 1 == n;
        switch (pick(7)) {
        case 0:
        case 1:
            colour(first, pick(5) == 0 ? TLineColours{} : someColours());
            break;
        case 2:
        case 3: // every line of the replacement ends in CR but at the end of the text;
                // blocks grow until they split
            replace(first, last, someLines(24, end && pick(2) == 0));
            break;
        case 4: // whole lines deleted
            if (!end)
                replace(first, last, "");
            break;
        case 5: {
            const std::string& t = model[first].text;
            const std::size_t body = t.empty() || t.back() != '\r' ? t.size() : t.size() - 1;
            const std::size_t col = pick(body + 1);
            model[first].text.insert(col, 1, 'q');
            store.insertCharInPlace(TRecordIndex(static_cast<std::int64_t>(first)), static_cast<int>(col), 'q');
            break;
        }
        default:
            append(someLines(40, pick(2) == 0));
            break;
        }
    }

    void expectSame(int step)
    {
        ASSERT_EQ(store.check(), "") << "step " << step;
        ASSERT_EQ(store.recordCount().value(), static_cast<std::int64_t>(model.size())) << "step " << step;
        for (std::size_t r = 0; r < model.size(); ++r) {
            const TRecordIndex rec(static_cast<std::int64_t>(r));
            ASSERT_EQ(store.recordText(rec), model[r].text) << "step " << step << " record " << r;
            ASSERT_TRUE(store.colours(rec) == model[r].colours) << "step " << step << " record " << r;
        }
    }
};

TEST(RecordColours, FollowTheirRecordsThroughRandomEdits)
{
    Fixture f;
    for (int i = 0; i < 60; ++i)
        f.append(f.someLines(60, false));
    ASSERT_GT(f.model.size(), 1000u) << "enough records for many blocks";
    for (int i = 0; i < 300; ++i)
        f.colour(f.pick(f.model.size()), f.someColours());
    f.expectSame(-1);
    for (int step = 0; step < 3000; ++step) {
        f.randomStep();
        if (step % 25 == 0 || step > 2970)
            f.expectSame(step);
        if (testing::Test::HasFatalFailure())
            return;
    }
}

TEST(RecordColours, NoneIsNotBlackAndClearingLeavesNothing)
{
    TTextStore store;
    store.append("a\rb\rc");
    const TRecordIndex b(1);
    EXPECT_TRUE(store.colours(b).empty());
    store.setColours(b, {TColor(), std::nullopt});
    EXPECT_EQ(store.colours(b).back, TColor()) << "black is held as a colour";
    EXPECT_FALSE(store.colours(b).text.has_value());
    store.setColours(b, {});
    EXPECT_TRUE(store.colours(b).empty());
    EXPECT_TRUE(store.colours(TRecordIndex(0)).empty());
    EXPECT_TRUE(store.colours(TRecordIndex(2)).empty());
    EXPECT_EQ(store.check(), "");
}

} // namespace
} // namespace tessaly::memo::test
