#pragma once

#include <compare>
#include <cstdint>

namespace tessaly::memo {

// One integer in a unit of its own, so that mixing units is a compile
// error: it is made explicitly, read with value(), compared only with its
// own kind, moved by a plain count, and two of a kind differ by a count.
// Adding two of a kind means nothing and does not compile.
template <class Tag, class Rep>
class TUnit {
public:
    using TRep = Rep;

    constexpr TUnit() = default;
    explicit constexpr TUnit(Rep value) : value_(value) {}
    constexpr Rep value() const { return value_; }

    friend constexpr auto operator<=>(TUnit, TUnit) = default;
    friend constexpr bool operator==(TUnit, TUnit) = default;

    friend constexpr TUnit operator+(TUnit a, Rep count) { return TUnit(a.value_ + count); }
    friend constexpr TUnit operator-(TUnit a, Rep count) { return TUnit(a.value_ - count); }
    friend constexpr Rep operator-(TUnit a, TUnit b) { return a.value_ - b.value_; }
    constexpr TUnit& operator+=(Rep count)
    {
        value_ += count;
        return *this;
    }
    constexpr TUnit& operator-=(Rep count)
    {
        value_ -= count;
        return *this;
    }
    constexpr TUnit& operator++() { return *this += 1; }
    constexpr TUnit& operator--() { return *this -= 1; }

private:
    Rep value_{};
};

// A byte offset into the text, where a line break counts as one character.
using TTextOffset = TUnit<struct TTextOffsetTag, std::int64_t>;
// A record of the text store, from 0 (a wrapped line takes several).
using TRecordIndex = TUnit<struct TRecordIndexTag, std::int64_t>;
// A line as the user counts it (gutter, status bar, Go To), from 1.
using TLineNumber = TUnit<struct TLineNumberTag, std::int64_t>;
// A column of the screen grid, from 0: tabs expanded to their stop, wide
// characters two columns, combining marks none.
using TDisplayColumn = TUnit<struct TDisplayColumnTag, int>;

constexpr TLineNumber lineOf(TRecordIndex rec)
{
    return TLineNumber(rec.value() + 1);
}

constexpr TRecordIndex recordOf(TLineNumber line)
{
    return TRecordIndex(line.value() - 1);
}

} // namespace tessaly::memo
