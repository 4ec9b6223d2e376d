#pragma once

#include "parser/CharGroup.h"
#include "parser/StateSet.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessaly::parser {

// Raised when a keyword is added twice for overlapping state sets.
class EKeywords : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a keyword answers: where it is valid, the character that must follow
// it (a group index, TSM_CharGroupManager::kAny for none) and its token value.
struct TKeywordEntry {
    TStateSet states;
    std::uint16_t follow = TSM_CharGroupManager::kAny;
    std::uint8_t token = 0;
};

// A keyword as it was added, kept in order for the stored form.
struct TEndStyleObject {
    std::string keyword; // lower-cased when the table is case-insensitive
    TKeywordEntry entry;
};

// The keyword table: a character trie. The root is an array of 256 node
// indices by first character; each node links to its next sibling (another
// character at the same depth) and its first child (the following character).
// A node's state set is the union of the sets of every keyword passing
// through it, so a scan stops as soon as no keyword can match in the current
// states. Nodes and entries live in flat vectors and link by index.
class TSyntaxKeywords {
public:
    static constexpr std::int32_t kNone = -1;

    struct Node {
        std::uint8_t ch = 0;
        std::int32_t sibling = kNone;
        std::int32_t child = kNone;
        std::int32_t firstEntry = kNone; // into entries(), chained by nextEntry
        TStateSet states;
    };
    struct Entry {
        TKeywordEntry value;
        std::int32_t nextEntry = kNone;
    };

    TSyntaxKeywords() { root_.fill(kNone); }

    // 0 compares as lower case, 1 as written. Set before adding keywords.
    int caseFlag() const { return caseSensitive_ ? 1 : 0; }
    void setCaseFlag(int flag) { caseSensitive_ = flag != 0; }
    bool caseSensitive() const { return caseSensitive_; }

    // Adds a keyword (non-empty). Throws EKeywords "Duplicate keyword - '%s'"
    // when the same text already has an entry whose states overlap.
    void add(const std::string& keyword, const TKeywordEntry& entry);

    TSM_CharGroupManager& groups() { return groups_; }
    const TSM_CharGroupManager& groups() const { return groups_; }
    const std::vector<TEndStyleObject>& keywords() const { return list_; }

    std::int32_t rootOf(std::uint8_t c) const { return root_[fold(c)]; }
    const Node& node(std::int32_t i) const { return nodes_[static_cast<std::size_t>(i)]; }
    const Entry& entry(std::int32_t i) const { return entries_[static_cast<std::size_t>(i)]; }
    // Child of node i with character c (already folded), or kNone.
    std::int32_t childOf(std::int32_t i, std::uint8_t c) const;
    std::uint8_t fold(std::uint8_t c) const
    {
        return (!caseSensitive_ && c >= 'A' && c <= 'Z') ? static_cast<std::uint8_t>(c + 32) : c;
    }

private:
    // Child of parent (kNone: the root) with character c, added when missing.
    std::int32_t findOrAddChild(std::int32_t parent, std::uint8_t c);

    bool caseSensitive_ = false;
    std::array<std::int32_t, 256> root_;
    std::vector<Node> nodes_;
    std::vector<Entry> entries_;
    std::vector<TEndStyleObject> list_;
    TSM_CharGroupManager groups_;
};

} // namespace tessaly::parser
