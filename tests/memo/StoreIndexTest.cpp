// The store's indexes against a walk over the records, and its stream.
#include "MemoTestUtil.h"

#include "memo/EdStream.h"
#include "memo/Normalise.h"

#include <random>

namespace tessaly::memo::test {
namespace {

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
    ASSERT_GT(s.recordCount(), 1000) << "enough records for several blocks";
    std::int64_t start = 0;
    for (std::int64_t r = 0; r < s.recordCount(); ++r) {
        ASSERT_EQ(s.recordStart(r), start) << r;
        const std::int64_t n = static_cast<std::int64_t>(s.recordText(r).size());
        for (std::int64_t o = start; o < start + n; o += 7)
            ASSERT_EQ(s.recordOf(o), r) << o;
        start += n;
    }
    EXPECT_EQ(start, s.length());
    EXPECT_EQ(s.recordOf(s.length()), s.recordCount() - 1);
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

} // namespace
} // namespace tessaly::memo::test
