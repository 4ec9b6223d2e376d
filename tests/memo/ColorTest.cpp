// Colours keep their stored form bit for bit; components and resolved
// values are checked against the layout written out by hand.
#include "memo/Color.h"

#include <gtest/gtest.h>

#include <random>

namespace tessaly::memo::test {
namespace {

TEST(Color, TheStoredFormGoesInAndOutUnchanged)
{
    std::mt19937 rng(7);
    const std::uint32_t specials[] = {0, 0xFFFFFF, 0xFF000000u, 0xFE000000u, 0x80000005u, 0xFFFFFFFFu, 0x7FFFFFFFu};
    for (const std::uint32_t v : specials)
        EXPECT_EQ(TColor::fromStored(v).stored(), v);
    for (int i = 0; i < 1000; ++i) {
        const std::uint32_t v = static_cast<std::uint32_t>(rng());
        ASSERT_EQ(TColor::fromStored(v).stored(), v);
    }
}

TEST(Color, RedIsTheLowestByte)
{
    const TColor c = TColor::fromRgb(0x12, 0x34, 0x56);
    EXPECT_EQ(c.stored(), 0x00563412u);
    EXPECT_EQ(c.red(), 0x12);
    EXPECT_EQ(c.green(), 0x34);
    EXPECT_EQ(c.blue(), 0x56);
    EXPECT_TRUE(c.isRgb());
    EXPECT_EQ(c, TColor::fromStored(0x00563412u));
    EXPECT_EQ(TColor(), TColor::fromRgb(0, 0, 0)) << "the default colour value is black";
}

TEST(Color, MarkersAndSystemColours)
{
    EXPECT_TRUE(TColor::none().isNone());
    EXPECT_TRUE(TColor::defaultColor().isDefault());
    EXPECT_FALSE(TColor::none().isRgb());
    EXPECT_FALSE(TColor::fromRgb(0xFF, 0, 0).isNone());
    // An RGB colour resolves to itself; a system colour to its usual value.
    EXPECT_EQ(TColor::fromRgb(1, 2, 3).resolved(), TColor::fromRgb(1, 2, 3));
    EXPECT_EQ(TColor::fromStored(0x80000005u).resolved(), TColor::fromRgb(0xFF, 0xFF, 0xFF)) << "window background";
    EXPECT_EQ(TColor::fromStored(0x8000000Du).resolved(), TColor::fromRgb(0, 0, 0x80)) << "highlight";
    EXPECT_EQ(TColor::fromStored(0x80000008u).resolved(), TColor::fromRgb(0, 0, 0)) << "window text";
    EXPECT_TRUE(TColor::fromStored(0x80000011u).resolved().isRgb());
}

} // namespace
} // namespace tessaly::memo::test
