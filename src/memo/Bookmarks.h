#pragma once

#include "memo/TextStore.h"

#include <array>
#include <cstdint>
#include <string>

namespace tessaly::memo {

// What a line carries besides its text: numbered bookmarks 0..9 (bits 0..9
// of the record's bookmark word, one record each, with a remembered 1-based
// column), marks 1..16 (bits of the mark word) and its own colours. The bits
// live in the store's record data, so they travel with the records; this
// part owns the columns and every rule about the bits. Lines are 1-based.
class TBookmarks {
public:
    // Bookmarks, marks and colours of one line, as carried to another record
    // when an edit would otherwise leave them on the wrong line.
    struct TLineMarks {
        std::uint16_t bookmarks = 0; // without the continuation bit
        std::uint16_t marks = 0;
        TLineColours colours;
    };

    explicit TBookmarks(TTextStore& store) : store_(store) {}

    // 1-based line that carries bookmark n, 0 when none does. n must be 0..9.
    std::int64_t line(int n) const;
    // Stored 1-based column of bookmark n, 0 when it was never set.
    int column(int n) const { return columns_[static_cast<std::size_t>(n)]; }

    // The records a toggle touched (-1 for none).
    struct TToggle {
        std::int64_t removedFrom = -1;
        std::int64_t placedOn = -1;
    };
    // Takes bookmark n off the record that carries it, and puts it on record
    // rec with the column unless it was there (then it is only taken off).
    // A record carries one bookmark: another one there is replaced.
    TToggle toggle(int n, std::int64_t rec, int column);

    // Marks 1..16 on 1-based lines; out of range does nothing (false).
    bool setMark(int mark, std::int64_t line, bool on);
    bool hasMark(int mark, std::int64_t line) const;

    TLineMarks lineMarksOf(std::int64_t rec) const;
    void putLineMarks(std::int64_t rec, const TLineMarks& marks);
    // Moves what record from carries to record to, leaving from bare.
    void carryLineMarks(std::int64_t from, std::int64_t to);

    // Empty when the state holds together, else what is wrong: each
    // bookmark is carried by one record at most, and a carried one has a
    // column.
    std::string check() const;

private:
    TTextStore& store_;
    std::array<std::uint16_t, 10> columns_{};
};

} // namespace tessaly::memo
