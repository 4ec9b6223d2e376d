#pragma once

#include "parser/KeyStore.h"
#include "parser/StreamIO.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::parser {

// A code template: the name typed before the hot key, a description for the
// template list, and the body ("|" marks where the caret goes).
struct TCodeTemplate {
    std::string name;
    std::string description;
    std::string body;
    bool operator==(const TCodeTemplate&) const = default;
};

// The code templates of a language and the key that expands them.
struct TCodeTemplates {
    std::uint16_t hotKey = static_cast<std::uint16_t>(kCtrlKey | 'J');
    std::vector<TCodeTemplate> items;

    // Adds a template; a second one of the same name replaces the first.
    void add(const TCodeTemplate& t);

    // Stream form: integer hot key, integer count, then per template the long
    // strings name, description and body.
    void write(TableWriter& w) const;
    static TCodeTemplates read(TableReader& r);
    bool operator==(const TCodeTemplates&) const = default;
};

} // namespace tessaly::parser
