#include "memo/TabStops.h"

#include "memo/MemoErrors.h"

namespace tessaly::memo {

void TTabStops::setTabDefault(int width)
{
    if (width <= 0)
        throw ESyntaxMemo("=Illegal default tab stop value, must be > 0");
    default_ = width;
}

std::string TTabStops::tabColumns() const
{
    std::string out;
    for (int s : stops_) {
        if (s < 0)
            break;
        if (!out.empty())
            out += ' ';
        out += std::to_string(s + 1);
    }
    return out;
}

void TTabStops::setTabColumns(std::string_view text)
{
    std::array<int, kMaxStops> parsed;
    parsed.fill(-1);
    int count = 0;
    std::size_t i = 0;
    auto isSep = [](char c) { return c == ' ' || c == ';' || c == '\t'; };
    while (i < text.size()) {
        while (i < text.size() && isSep(text[i]))
            ++i;
        if (i >= text.size())
            break;
        if (text[i] < '0' || text[i] > '9')
            throw ESyntaxMemo("Tab stop column value expected");
        long value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (value < 1000000)
                value = value * 10 + (text[i] - '0');
            ++i;
        }
        if (i < text.size() && !isSep(text[i]))
            throw ESyntaxMemo("Tab stop column value expected");
        if (value <= 1)
            throw ESyntaxMemo("Tab column must be > 1");
        if (count > 0 && value - 1 <= parsed[count - 1])
            throw ESyntaxMemo("Tab columns must be in order and unique");
        if (count == kMaxStops)
            throw ESyntaxMemo("Too many tab stops - maximum of " + std::to_string(kMaxStops));
        parsed[count++] = static_cast<int>(value - 1);
    }
    stops_ = parsed;
}

int TTabStops::nextExplicitStop(int column) const
{
    for (int s : stops_) {
        if (s < 0)
            break;
        if (s > column)
            return s;
    }
    return default_ + column - (column % default_);
}

int TTabStops::stopsBetween(int from, int to) const
{
    int n = 0;
    for (int c = nextStop(from); c <= to; c = nextStop(c))
        ++n;
    return n;
}

} // namespace tessaly::memo
