#include "memo/DisplayColumns.h"

#include "memo/CharWidth.h"
#include "memo/Normalise.h"
#include "memo/Utf8.h"

#include <algorithm>

namespace tessaly::memo {

int displayColumnIn(std::string_view t, int col, bool mayHaveTabs, const TTabStops& tabs)
{
    const int n = std::min<int>(col, static_cast<int>(t.size()));
    if (!mayHaveTabs
        && std::all_of(t.begin(), t.begin() + n, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return col;
    int d = 0;
    int i = 0;
    while (i < n) {
        const char c = t[static_cast<std::size_t>(i)];
        d = c == '\t' ? tabs.nextStop(d) : d + cellsAt(t, static_cast<std::size_t>(i));
        i += static_cast<unsigned char>(c) < 0x80 ? 1 : utf8Length(t, static_cast<std::size_t>(i));
    }
    return d + std::max(0, col - i);
}

int columnAtDisplayIn(std::string_view t, int dcol, const TTabStops& tabs)
{
    int end = static_cast<int>(t.size());
    if (end > 0 && t.back() == kCR)
        --end;
    int d = 0;
    for (int i = 0; i < end;) {
        const char c = t[static_cast<std::size_t>(i)];
        const int next = c == '\t' ? tabs.nextStop(d) : d + cellsAt(t, static_cast<std::size_t>(i));
        if (next > dcol)
            return i;
        d = next;
        i += static_cast<unsigned char>(c) < 0x80 ? 1 : utf8Length(t, static_cast<std::size_t>(i));
    }
    return end;
}

} // namespace tessaly::memo
