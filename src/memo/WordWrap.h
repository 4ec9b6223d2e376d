#pragma once

#include "memo/TabStops.h"
#include "memo/TextStore.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

// Word wrap: a logical line (a record and the records that continue it) is
// cut into pieces no wider than the wrap width, after the last blank that
// fits when there is one. Only the last piece ends in CR; the others carry
// the continuation bit. Without word wrap only lines longer than a record
// can hold are cut. This part owns the wrap column and the override
// characters, and cuts the store's lines; the editor decides when.
class TWordWrap {
public:
    // How lines are cut, from the editor's options and its view.
    struct TRule {
        bool wordWrap = false;
        // Lines that start with an override character are not word-wrapped.
        bool useOverride = false;
        int width = kMaxRecordLength; // display columns
    };

    TWordWrap(TTextStore& store, const TTabStops& tabs) : store_(store), tabs_(tabs) {}

    // The column at which lines are cut, 0 for the width of the view.
    int atColumn() const { return atColumn_; }
    // Returns true when the column changed (negative columns count as 0).
    bool setAtColumn(int column);
    const std::string& overrideChars() const { return override_; }
    void setOverrideChars(std::string chars) { override_ = std::move(chars); }
    // The wrap width for a view that shows visibleColumns, within 1 and the
    // record limit.
    int width(int visibleColumns) const;

    // The lengths of the pieces a logical line (its text with the final CR,
    // if any) is cut into; they add up to the line's length.
    std::vector<std::size_t> pieces(std::string_view line, const TRule& rule) const;

    // Cuts again every logical line that touches the offsets from..to, and
    // tells changed(first, last) about the records each re-cut line now
    // takes.
    void reflowRange(std::int64_t from, std::int64_t to, const TRule& rule,
                     const std::function<void(std::int64_t first, std::int64_t last)>& changed);

    // Empty when every logical line of the store is cut as the rule says,
    // else the first record that is not.
    std::string check(const TRule& rule) const;

private:
    // Cuts the logical line that starts at record first; returns the first
    // record after it.
    std::int64_t reflowLine(std::int64_t first, const TRule& rule,
                            const std::function<void(std::int64_t, std::int64_t)>& changed);
    // The last record of the logical line that starts at record first.
    std::int64_t lineEnd(std::int64_t first) const;
    // Appends the text of records first..last to line and their lengths
    // (the pieces the line is cut into now) to pieces.
    void gatherLine(std::int64_t first, std::int64_t last, std::string& line, std::vector<std::size_t>& pieces) const;

    TTextStore& store_;
    const TTabStops& tabs_;
    int atColumn_ = 0;
    std::string override_;
};

} // namespace tessaly::memo
