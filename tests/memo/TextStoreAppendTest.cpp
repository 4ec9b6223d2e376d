// Appending text in pieces, as loading does, against the same text cut into
// records in one go and against the plain string.
#include "MemoTestUtil.h"

#include "memo/Normalise.h"
#include "memo/TextStore.h"

#include <random>

namespace tessaly::memo::test {
namespace {

// Text with short and empty lines, tabs, and runs longer than a record.
std::string randomStoreText(std::mt19937& rng, std::size_t size)
{
    std::string t;
    while (t.size() < size) {
        switch (rng() % 10) {
        case 0:
            t += '\r';
            break;
        case 1:
            t += '\t';
            break;
        case 2:
            t.append(rng() % 5000, 'L');
            break;
        case 3: {
            // A line over several 64-byte stretches with one tab somewhere.
            std::string line(rng() % 300, 'm');
            if (!line.empty())
                line[rng() % line.size()] = '\t';
            t += line + '\r';
            break;
        }
        default:
            t.append(rng() % 60, static_cast<char>('a' + rng() % 26));
            t += '\r';
        }
    }
    t.resize(size);
    return t;
}

void expectSameRecords(const TTextStore& got, const TTextStore& want)
{
    ASSERT_EQ(got.recordCount(), want.recordCount());
    for (TRecordIndex r(0); r < want.recordCount(); ++r) {
        ASSERT_EQ(got.recordText(r), want.recordText(r)) << r.value();
        const TRecordMeta& g = got.meta(r);
        const TRecordMeta& w = want.meta(r);
        ASSERT_EQ(g.length, w.length) << r.value();
        ASSERT_EQ(g.flags & kRecHasTab, w.flags & kRecHasTab) << r.value();
        ASSERT_EQ(g.bookmarks & kContinuationBit, w.bookmarks & kContinuationBit) << r.value();
    }
}

TEST(TextStoreAppend, PiecesCutAsTheWholeTextInOneGo)
{
    std::mt19937 rng(5);
    for (int round = 0; round < 40; ++round) {
        const std::string whole = randomStoreText(rng, rng() % 60000);
        TTextStore appended;
        std::size_t at = 0;
        while (at < whole.size()) {
            // Pieces from one byte up, so they end anywhere: inside a
            // record, right after a CR, at a record's longest length.
            const std::size_t n = std::min<std::size_t>(whole.size() - at, 1 + rng() % (round % 2 ? 9000 : 40));
            // A look-up in between brings the index in step, which the
            // append then keeps so (check() compares it with the blocks).
            if (rng() % 3 != 0) {
                const std::int64_t half = static_cast<std::int64_t>(at) / 2;
                ASSERT_LE(appended.recordStart(appended.recordOf(TTextOffset(half))).value(), half);
            }
            appended.append(std::string_view(whole).substr(at, n));
            at += n;
            ASSERT_EQ(appended.check(), "") << round;
        }
        TTextStore inOneGo;
        inOneGo.replaceRecords(TRecordIndex(0), TRecordIndex(0), whole);
        ASSERT_EQ(appended.text(TTextOffset(0), appended.length()), whole);
        ASSERT_EQ(appended.length().value(), static_cast<std::int64_t>(whole.size()));
        expectSameRecords(appended, inOneGo);
        ASSERT_EQ(appended.longestRecord(), inOneGo.longestRecord());
        // The index answers for the appended blocks.
        for (std::int64_t o = 0; o < static_cast<std::int64_t>(whole.size()); o += 997) {
            const TRecordIndex r = appended.recordOf(TTextOffset(o));
            ASSERT_LE(appended.recordStart(r).value(), o);
            ASSERT_GT(appended.recordStart(r + 1).value(), o);
        }
    }
}

TEST(TextStoreAppend, TheLastRecordKeepsItsMarksAndLosesItsValues)
{
    TTextStore s;
    s.append("one\rtwo");
    TRecordMeta& m = s.meta(TRecordIndex(1));
    m.bookmarks |= 1u << 3;
    m.marks = 5;
    s.setRecordTokens(TRecordIndex(1), "\x01\x02\x03");
    s.setRecordTokens(TRecordIndex(0), "\x04\x04\x04\x04");
    s.append(" more\rthree");
    ASSERT_EQ(s.check(), "");
    ASSERT_EQ(s.recordCount().value(), 3);
    EXPECT_EQ(s.recordText(TRecordIndex(1)), "two more\r");
    EXPECT_EQ(s.meta(TRecordIndex(1)).bookmarks, 1u << 3);
    EXPECT_EQ(s.meta(TRecordIndex(1)).marks, 5);
    EXPECT_TRUE(s.recordTokens(TRecordIndex(1)).empty());
    EXPECT_EQ(s.recordTokens(TRecordIndex(0)), "\x04\x04\x04\x04");
    EXPECT_EQ(s.meta(TRecordIndex(2)).bookmarks, 0);

    // A last record at the longest length continues in a new record.
    TTextStore full;
    full.append(std::string(kMaxRecordLength, 'x'));
    full.append("y\r");
    ASSERT_EQ(full.check(), "");
    ASSERT_EQ(full.recordCount().value(), 3);
    EXPECT_EQ(full.recordText(TRecordIndex(1)), "y\r");
    EXPECT_NE(full.meta(TRecordIndex(1)).bookmarks & kContinuationBit, 0);
    EXPECT_EQ(full.recordText(TRecordIndex(2)), "");
}

} // namespace
} // namespace tessaly::memo::test
