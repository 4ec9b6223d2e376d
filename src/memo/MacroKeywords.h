#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

class TSyntaxMemo;

// Finds the longest of a list of names that ends at an offset of the text,
// and holds the four switches of an expansion. Both recognisers of typed
// words (code templates and auto-replace) are built on it.
class TMacroKeywords {
public:
    virtual ~TMacroKeywords() = default;
    // Index of the longest name in names that ends at offset, -1 when none.
    static int longestEndingAt(const TSyntaxMemo& memo, std::int64_t offset, const std::vector<std::string_view>& names);

    bool swallow = false;     // the trigger key is taken after an expansion
    bool indent = false;      // body lines are indented to the column of the name
    bool caretMarker = false; // the first "|" of the body marks the caret
    bool showList = false;    // offer a list of names when none matches

protected:
    // The text with ASCII letters in lower case; names match without case.
    static std::string asciiLower(std::string_view s);

    // Puts entry in place of the one with the same name, or at the end.
    template <class Entry>
    static void addOrReplace(std::vector<Entry>& items, const Entry& entry, std::string Entry::*name)
    {
        for (Entry& e : items)
            if (e.*name == entry.*name) {
                e = entry;
                return;
            }
        items.push_back(entry);
    }

    bool sameSwitches(const TMacroKeywords& o) const
    {
        return swallow == o.swallow && indent == o.indent && caretMarker == o.caretMarker && showList == o.showList;
    }
};

} // namespace tessaly::memo
