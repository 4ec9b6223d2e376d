// The store's indexes against a walk over the records, and its stream.
#include "MemoTestUtil.h"

#include "memo/EdStream.h"
#include "memo/Fenwick.h"
#include "memo/Normalise.h"

#include <random>

namespace tessaly::memo::test {
namespace {

TEST(StoreIndex, AnIndexGrownValueByValueAnswersAsOneBuiltAtOnce)
{
    std::mt19937 rng(9);
    std::vector<std::int64_t> values;
    TFenwick grown;
    for (int n = 0; n < 300; ++n) {
        values.push_back(rng() % 3 == 0 ? 0 : static_cast<std::int64_t>(rng() % 5000));
        grown.push(values.back());
        ASSERT_EQ(grown.size(), values.size());
        std::int64_t sum = 0;
        for (std::size_t i = 0; i <= values.size(); ++i) {
            ASSERT_EQ(grown.prefix(i), sum) << n << " " << i;
            if (i < values.size())
                sum += values[i];
        }
        for (std::int64_t x = 0; x < sum; x += 1 + static_cast<std::int64_t>(rng() % 700)) {
            std::int64_t before = -1;
            const std::size_t at = grown.find(x, before);
            ASSERT_LT(at, values.size());
            ASSERT_EQ(before, grown.prefix(at));
            ASSERT_LE(before, x);
            ASSERT_GT(before + values[at], x);
        }
    }
}

TEST(StoreIndex, OffsetsAndRecordsAgreeWithAWalk)
{
    std::mt19937 rng(11);
    TSyntaxMemo m;
    for (int round = 0; round < 300; ++round) {
        const std::int64_t len = m.textLength();
        const std::int64_t a = static_cast<std::int64_t>(rng() % static_cast<unsigned>(len + 1));
        const std::int64_t c = std::min<std::int64_t>(len, a + static_cast<std::int64_t>(rng() % 50));
        std::string ins;
        const int n = static_cast<int>(rng() % 400);
        for (int i = 0; i < n; ++i)
            ins += rng() % 9 == 0 ? '\r' : static_cast<char>('a' + rng() % 26);
        m.setSelection(a, c);
        m.setSelText(ins);
    }
    const TTextStore& s = m.store();
    ASSERT_TRUE(storeConsistent(m));
    ASSERT_GT(s.recordCount().value(), 1000) << "enough records for several blocks";
    std::int64_t start = 0;
    for (std::int64_t r = 0; r < s.recordCount().value(); ++r) {
        ASSERT_EQ(s.recordStart(TRecordIndex(r)).value(), start) << r;
        const std::int64_t n = static_cast<std::int64_t>(s.recordText(TRecordIndex(r)).size());
        for (std::int64_t o = start; o < start + n; o += 7)
            ASSERT_EQ(s.recordOf(TTextOffset(o)).value(), r) << o;
        start += n;
    }
    EXPECT_EQ(start, s.length().value());
    EXPECT_EQ(s.recordOf(s.length()).value(), s.recordCount().value() - 1);
}

TEST(StoreIndex, EdStreamWalksTheTextBothWays)
{
    TSyntaxMemo m;
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += std::string(static_cast<std::size_t>(i % 37), static_cast<char>('a' + i % 26)) + "\r";
    text += std::string(3000, 'Z');
    m.setSelText(text);
    const std::string stored = storeText(m);

    TEdStream s(m);
    EXPECT_EQ(s.size(), static_cast<std::int64_t>(stored.size()));
    std::string forward;
    while (!s.atEnd()) {
        forward += static_cast<char>(s.current());
        s.advance();
    }
    EXPECT_EQ(forward, stored);
    EXPECT_EQ(s.current(), 0);
    std::string backward;
    while (s.position() > 0) {
        s.stepBack();
        backward += static_cast<char>(s.current());
    }
    EXPECT_EQ(std::string(backward.rbegin(), backward.rend()), stored);

    s.seek(-10, TEdStream::Origin::fromEnd);
    char buf[64];
    EXPECT_EQ(s.read(buf, sizeof buf), 10u);
    EXPECT_EQ(std::string(buf, 10), stored.substr(stored.size() - 10));
    s.setPosition(100);
    EXPECT_EQ(s.read(buf, 64), 64u);
    EXPECT_EQ(std::string(buf, 64), stored.substr(100, 64));
    EXPECT_EQ(s.seek(5, TEdStream::Origin::fromCurrent), 169);
    try {
        s.write("x", 1);
        ADD_FAILURE();
    } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Cannot write to a read-only stream");
    }
}

TEST(StoreIndex, EdStreamJumpsAndRunsAgreeWithTheText)
{
    std::mt19937 rng(5);
    TSyntaxMemo m;
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += std::string(rng() % 60, static_cast<char>("ab \t<"[rng() % 5])) + "\r";
    m.setSelText(text);
    const std::string stored = storeText(m);
    TEdStream s(m);
    for (int round = 0; round < 2000; ++round) {
        const auto at = static_cast<std::int64_t>(rng() % (stored.size() + 2));
        s.setPosition(at);
        const std::int64_t pos = std::min<std::int64_t>(at, static_cast<std::int64_t>(stored.size()));
        ASSERT_EQ(s.position(), pos);
        ASSERT_EQ(s.atEnd(), pos == static_cast<std::int64_t>(stored.size()));
        ASSERT_EQ(s.current(), s.atEnd() ? 0 : static_cast<unsigned char>(stored[static_cast<std::size_t>(pos)]));
        // A run of one character class, across records and blocks.
        const char cls = static_cast<char>("ab \t<\r"[rng() % 6]);
        s.advanceWhile([cls](unsigned char c) { return c == static_cast<unsigned char>(cls) || c == 'a'; });
        std::size_t end = static_cast<std::size_t>(pos);
        while (end < stored.size() && (stored[end] == cls || stored[end] == 'a'))
            ++end;
        ASSERT_EQ(s.position(), static_cast<std::int64_t>(end)) << "round " << round;
        ASSERT_EQ(s.current(), end < stored.size() ? static_cast<unsigned char>(stored[end]) : 0);
    }
}

TEST(StoreIndex, RecordWalkerReadsAndWritesWhatTheStoreDoes)
{
    std::mt19937 rng(8);
    TSyntaxMemo m;
    std::string text;
    for (int i = 0; i < 2500; ++i)
        text += std::string(rng() % 50, 'x') + "\r";
    m.setSelText(text);
    TTextStore store;
    store.append(storeText(m));
    ASSERT_GT(store.recordCount().value(), 2000);
    const TRecordIndex from(37);
    TTextStore::RecordWalker walk(store, from);
    std::vector<std::string> written;
    for (TRecordIndex r = from;; ++r) {
        ASSERT_EQ(walk.record(), r);
        ASSERT_EQ(walk.meta().length, store.meta(r).length);
        ASSERT_TRUE(walk.tokens().empty());
        std::string values(store.recordText(r).size(), '\0');
        for (char& v : values)
            v = static_cast<char>(rng() % 7);
        // Short values are completed with zeros.
        const std::string given = r.value() % 5 == 0 ? values.substr(0, values.size() / 2) : values;
        std::fill(values.begin() + static_cast<std::ptrdiff_t>(given.size()), values.end(), '\0');
        walk.setTokens(given);
        ASSERT_EQ(walk.tokens(), values);
        written.push_back(values);
        if (!walk.next())
            break;
    }
    ASSERT_EQ(static_cast<std::int64_t>(written.size()), store.recordCount() - from);
    for (TRecordIndex r = from; r < store.recordCount(); ++r)
        ASSERT_EQ(store.recordTokens(r), written[static_cast<std::size_t>(r - from)]) << r.value();
    EXPECT_EQ(store.recordTokens(from - 1), "");
}

// A reader copying the text in steps relies on the version: it moves with
// every edit of the text, not with token values, and a freshly loaded store
// never takes a value an earlier store had.
TEST(StoreIndex, VersionMovesWithTheTextOnly)
{
    TTextStore s;
    s.append("one\rtwo");
    const std::uint64_t v0 = s.version();
    s.setRecordTokens(TRecordIndex(0), "abc");
    s.meta(TRecordIndex(1)).resume = 7;
    EXPECT_EQ(s.version(), v0);
    s.insertCharInPlace(TRecordIndex(1), 1, 'x');
    const std::uint64_t v1 = s.version();
    EXPECT_NE(v1, v0);
    s.replaceRecords(TRecordIndex(0), TRecordIndex(1), "a\rb");
    EXPECT_NE(s.version(), v1);

    TSyntaxMemo m;
    const std::uint64_t m0 = m.store().version();
    m.setSelText("typed");
    EXPECT_NE(m.store().version(), m0);
    for (const std::uint64_t earlier : {v0, v1, s.version(), m0})
        EXPECT_NE(m.store().version(), earlier);
}

} // namespace
} // namespace tessaly::memo::test
