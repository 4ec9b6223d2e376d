#pragma once

namespace tessaly::memo {

// The options of a search as a set of flags. A set holds only the known
// flags; bits() gives the word settings and scripts know (8 at once, 16 match
// case, 32 regular expression, 64 whole words, 128 upwards) and fromBits()
// reads one back, dropping unknown bits. Sets combine with |, & and ~ (the
// complement among the known flags); a set is true when it is not empty.
class TSearchFlags {
public:
    static const TSearchFlags AtOnce;    // search at once with the given text, no dialog
    static const TSearchFlags MatchCase;
    static const TSearchFlags RegExp;    // the text is a regular expression
    static const TSearchFlags WholeWord;
    static const TSearchFlags Upward;    // towards the start of the text

    constexpr TSearchFlags() = default;
    static constexpr TSearchFlags fromBits(int bits) { return TSearchFlags(bits & kKnown); }
    constexpr int bits() const { return bits_; }

    // True when every flag of f is set (and f is not empty).
    constexpr bool has(TSearchFlags f) const { return f.bits_ != 0 && (bits_ & f.bits_) == f.bits_; }
    constexpr TSearchFlags without(TSearchFlags f) const { return TSearchFlags(bits_ & ~f.bits_); }
    constexpr explicit operator bool() const { return bits_ != 0; }

    friend constexpr TSearchFlags operator|(TSearchFlags a, TSearchFlags b) { return TSearchFlags(a.bits_ | b.bits_); }
    friend constexpr TSearchFlags operator&(TSearchFlags a, TSearchFlags b) { return TSearchFlags(a.bits_ & b.bits_); }
    friend constexpr TSearchFlags operator~(TSearchFlags a) { return TSearchFlags(~a.bits_ & kKnown); }
    constexpr TSearchFlags& operator|=(TSearchFlags f)
    {
        bits_ |= f.bits_;
        return *this;
    }
    friend constexpr bool operator==(TSearchFlags, TSearchFlags) = default;

private:
    static constexpr int kKnown = 8 | 16 | 32 | 64 | 128;
    explicit constexpr TSearchFlags(int bits) : bits_(bits) {}
    int bits_ = 0;
};

inline constexpr TSearchFlags TSearchFlags::AtOnce = TSearchFlags(8);
inline constexpr TSearchFlags TSearchFlags::MatchCase = TSearchFlags(16);
inline constexpr TSearchFlags TSearchFlags::RegExp = TSearchFlags(32);
inline constexpr TSearchFlags TSearchFlags::WholeWord = TSearchFlags(64);
inline constexpr TSearchFlags TSearchFlags::Upward = TSearchFlags(128);

} // namespace tessaly::memo
