#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tessaly::memo {

// Tab stops: up to 32 explicit stop columns (0-based, -1 after the last) and a
// default width used past them.
class TTabStops {
public:
    static constexpr int kMaxStops = 32;

    TTabStops() { stops_.fill(-1); }

    int tabDefault() const { return default_; }
    // Throws ESyntaxMemo for a width of 0 or less.
    void setTabDefault(int width);

    // Text form: 1-based columns separated by single spaces.
    std::string tabColumns() const;
    // Parses 1-based columns separated by spaces or semicolons; on an error the
    // previous stops stay and ESyntaxMemo is thrown with the reason.
    void setTabColumns(std::string_view text);

    // The next stop after display column c.
    int nextStop(int column) const
    {
        if (stops_[0] < 0) // no explicit stops: every TabDefault columns
            return default_ + column - (column % default_);
        return nextExplicitStop(column);
    }
    // Number of stops in (from, to].
    int stopsBetween(int from, int to) const;

    const std::array<int, kMaxStops>& stops() const { return stops_; }

private:
    int nextExplicitStop(int column) const;

    std::array<int, kMaxStops> stops_;
    int default_ = 8;
};

} // namespace tessaly::memo
