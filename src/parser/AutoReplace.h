#pragma once

#include "parser/StreamIO.h"

#include <string>
#include <vector>

namespace tessaly::parser {

// One auto-replace pair: the typed item, its replacement and an optional
// description shown in the options dialog.
struct TAutoReplaceItem {
    std::string item;
    std::string replacement;
    std::string description;
    bool operator==(const TAutoReplaceItem&) const = default;
};

// The auto-replace list of a language: the pairs and the trigger text whose
// keys start a replacement ("\{Return}" style key names, see the editor).
struct TAutoReplace {
    static constexpr const char* kDefaultTrigger = ";,:.=()[]\\{Return}\\{Tab}\\{Space}";

    std::string triggerText = kDefaultTrigger;
    std::vector<TAutoReplaceItem> items;

    // Adds a pair; a second pair for the same item replaces the first.
    void add(const TAutoReplaceItem& entry);

    // Stream form: long string trigger text, integer count, then per pair the
    // long strings item, replacement and description.
    void write(TableWriter& w) const;
    static TAutoReplace read(TableReader& r);
    bool operator==(const TAutoReplace&) const = default;
};

} // namespace tessaly::parser
