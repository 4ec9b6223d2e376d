#include "memo/Units.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace tessaly::memo::test {
namespace {

template <class A, class B>
concept Addable = requires(A a, B b) { a + b; };
template <class A, class B>
concept Comparable = requires(A a, B b) { a < b; };
template <class A, class B>
concept Assignable = requires(A a, B b) { a = b; };

// Units do not mix: these are the compile errors the types exist for.
static_assert(!Comparable<TTextOffset, TRecordIndex>);
static_assert(!Comparable<TRecordIndex, TLineNumber>);
static_assert(!Comparable<TTextOffset, std::int64_t>);
static_assert(!Assignable<TLineNumber&, TRecordIndex>);
static_assert(!Assignable<TDisplayColumn&, int>);
static_assert(!std::is_convertible_v<std::int64_t, TTextOffset>);
static_assert(!std::is_convertible_v<TTextOffset, std::int64_t>);
static_assert(!Addable<TTextOffset, TTextOffset>, "two offsets do not add up to an offset");
static_assert(!Addable<TTextOffset, TRecordIndex>);
// What does make sense: a unit moved by a count, and the count between two.
static_assert(Addable<TTextOffset, std::int64_t>);
static_assert(std::is_same_v<decltype(TTextOffset(9) - TTextOffset(4)), std::int64_t>);
static_assert(std::is_same_v<decltype(TDisplayColumn(3) + 2), TDisplayColumn>);
static_assert(sizeof(TTextOffset) == sizeof(std::int64_t) && std::is_trivially_copyable_v<TTextOffset>);

TEST(Units, LinesCountFromOneAndRecordsFromZero)
{
    for (std::int64_t r = 0; r < 5; ++r) {
        EXPECT_EQ(lineOf(TRecordIndex(r)).value(), r + 1);
        EXPECT_EQ(recordOf(lineOf(TRecordIndex(r))), TRecordIndex(r));
    }
    TTextOffset at(10);
    ++at;
    at += 4;
    EXPECT_EQ(at - TTextOffset(10), 5);
    EXPECT_LT(TTextOffset(3), at);
    --at;
    EXPECT_EQ(at, TTextOffset(14));
    EXPECT_EQ(TDisplayColumn().value(), 0);
}

} // namespace
} // namespace tessaly::memo::test
