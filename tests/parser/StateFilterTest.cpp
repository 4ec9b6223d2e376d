// The state filter's answers against the plain set test, packed (few states)
// and unpacked (states spread over all 256).
#include "parser/runtime/StateFilter.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tessaly::parser {
namespace {

TStateSet randomSet(std::mt19937& rng, int spread, int members)
{
    TStateSet s;
    for (int i = 0; i < members; ++i)
        s.insert(static_cast<std::uint8_t>(rng() % static_cast<unsigned>(spread)));
    return s;
}

TEST(StateFilter, AnswersAsTheSetsDo)
{
    std::mt19937 rng(3);
    for (const int spread : {10, 64, 200, 256}) {
        TStateFilter f;
        std::vector<TStateSet> sets;
        std::vector<TStateFilter::Id> ids;
        // With states below 64 the sets name at most 64 of them; spread
        // wider they name more.
        for (int i = 0; i < 300; ++i) {
            TStateSet s = randomSet(rng, spread, 1 + static_cast<int>(rng() % 4));
            sets.push_back(s);
            ids.push_back(f.intern(s));
        }
        EXPECT_EQ(f.intern(sets[5]), ids[5]) << "equal sets share a number";
        f.seal();
        EXPECT_EQ(f.packed(), spread <= 64);
        for (int round = 0; round < 2000; ++round) {
            // Current states may hold states no kept set names.
            const TStateSet current = randomSet(rng, 256, static_cast<int>(rng() % 6));
            const std::uint64_t packedCurrent = f.pack(current);
            for (std::size_t i = 0; i < sets.size(); i += 7) {
                const bool expected = sets[i].intersects(current);
                ASSERT_EQ(f.meets(ids[i], current), expected);
                if (f.packed()) {
                    ASSERT_EQ((f.packedOf(ids[i]) & packedCurrent) != 0, expected);
                }
            }
        }
    }
}

} // namespace
} // namespace tessaly::parser
