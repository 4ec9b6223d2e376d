#pragma once

#include <string>
#include <vector>

namespace tessaly::insert {

// Snippets separate their lines with a single carriage return.
inline constexpr const char* kBreak = "\r";

// One piece of text to put into a document: either a text that replaces the
// selection (Insert), or a pair that goes around the selected text (Wrap).
struct TSnippet {
    enum class Kind { Insert, Wrap };
    Kind kind = Kind::Insert;
    std::string text;  // Insert: the text; Wrap: the part before the selection
    std::string after; // Wrap only: the part after the selection

    static TSnippet insert(std::string t) { return {Kind::Insert, std::move(t), {}}; }
    static TSnippet wrap(std::string before, std::string after)
    {
        return {Kind::Wrap, std::move(before), std::move(after)};
    }
    // The text the snippet writes around a given selection (empty when none).
    std::string apply(const std::string& selected) const
    {
        return kind == Kind::Wrap ? text + selected + after : text;
    }
    bool operator==(const TSnippet&) const = default;
};

// Several Inserts written one after the other, each landing after the last.
using TPieces = std::vector<std::string>;

} // namespace tessaly::insert
