#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::memo {

// Upper-cases a-z only (the editor's case rule); other bytes are kept.
inline unsigned char asciiUpper(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c;
}

// The four skip tables of the plain search, for one search text.
// Forward (downward scan): for each byte, how far the window may move right
// when that byte lies under the pattern's last character: the pattern
// length for bytes not among the first length - 1 pattern characters, else
// the distance from the byte's last occurrence there to the pattern end.
// Backward (upward scan): how far the window may move left when the byte
// lies under the pattern's first character: the index of the byte's first
// occurrence after the first character, or the pattern length.
// The case-insensitive tables treat both cases of a letter alike.
class TSkipTables {
public:
    using Table = std::array<std::int32_t, 256>;

    // Makes the tables fit `text`. The case-insensitive pair is rebuilt only
    // when the upper-cased text changes, the case-sensitive pair only when
    // the text itself changes.
    void prepare(std::string_view text);

    const Table& forward(bool matchCase) const { return matchCase ? forwardExact_ : forwardFolded_; }
    const Table& backward(bool matchCase) const { return matchCase ? backwardExact_ : backwardFolded_; }
    // How often each pair was built (lets tests see the caching).
    int exactBuilds() const { return exactBuilds_; }
    int foldedBuilds() const { return foldedBuilds_; }

private:
    static void build(std::string_view text, bool fold, Table& forward, Table& backward);

    std::string exact_;
    std::string upper_;
    bool haveExact_ = false;
    bool haveUpper_ = false;
    Table forwardExact_{}, backwardExact_{}, forwardFolded_{}, backwardFolded_{};
    int exactBuilds_ = 0;
    int foldedBuilds_ = 0;
};

} // namespace tessaly::memo
