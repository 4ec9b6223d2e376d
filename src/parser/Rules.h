#pragma once

#include "parser/StateSet.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tessaly::parser {

// Handler numbers: 0..2 built-in, 10..20 the standard handlers a script
// names with __STD_...; any other number is a custom handler that the
// application supplies.
inline bool isStandardHandler(std::int64_t n) { return (n >= 0 && n <= 2) || (n >= 10 && n <= 20); }

// A head or body: either a character group (by index in the keyword table's
// group manager) or a handler. In a body, and in a continuation rule, flag is
// the check-end-first flag; in a head it is unused.
struct TSM_RulePart {
    bool flag = false;
    std::uint16_t group = 0;
    bool byHandler = false;
    bool custom = false;
    std::int32_t handler = 0;
    bool operator==(const TSM_RulePart&) const = default;
};

// Where a token ends: an end handler, or a sequence of up to four groups
// that must follow one another. include: the end becomes part of the token.
struct TSM_EndPart {
    bool include = false;
    bool byHandler = false;
    bool custom = false;
    std::int32_t handler = 0;
    std::uint8_t count = 0; // 0..4 groups
    std::array<std::uint16_t, 4> groups{};
    bool operator==(const TSM_EndPart&) const = default;
};

// Recognises a token from its first character when no keyword matched.
struct TSM_StartRule {
    TSM_RulePart head;
    TStateSet states;
    TSM_RulePart body;
    TSM_EndPart end;
    std::uint8_t token = 0;
    bool operator==(const TSM_StartRule&) const = default;
};

// Says how far a token goes on after its keyword or start text.
struct TSM_ContinuationRule {
    TSM_RulePart body;
    TSM_EndPart end;
    bool operator==(const TSM_ContinuationRule&) const = default;
};

// Stack flags of a token effect.
enum : std::uint8_t {
    kPushBefore = 1,
    kPopBefore = 2,
    kPushAfter = 4,
    kPopAfter = 8,
};

// How a token changes the current state set.
struct TSM_TokenEffect {
    TStateSet allowed; // the token counts only when the current set meets this
    TStateSet enter;   // added after the token
    TStateSet leave;   // removed after the token
    bool lookahead = false;
    bool keep = false; // enter and leave are not applied
    std::uint8_t stack = 0;
    bool operator==(const TSM_TokenEffect&) const = default;
};

// A rule of a per-state table tried after the first-character entry; the two
// numbers are the lowest and highest first character it applies to.
struct TSM_FurtherRule {
    std::uint16_t low = 0;
    std::uint16_t high = 255;
    TSM_StartRule rule;
    bool operator==(const TSM_FurtherRule&) const = default;
};

// 256 optional start rules indexed by first character. Rules are kept once in
// 'rules'; 'index' maps each character to a rule or -1.
struct TSM_StartTable {
    std::array<std::int16_t, 256> index;
    std::vector<TSM_StartRule> rules;
    std::vector<TSM_FurtherRule> further;

    TSM_StartTable() { index.fill(-1); }
    const TSM_StartRule* ruleFor(std::uint8_t c) const
    {
        return index[c] < 0 ? nullptr : &rules[static_cast<std::size_t>(index[c])];
    }
    bool hasEntries() const
    {
        for (auto i : index)
            if (i >= 0)
                return true;
        return false;
    }
    // Puts the rule under character c; an equal rule is shared.
    void set(std::uint8_t c, const TSM_StartRule& rule)
    {
        for (std::size_t i = 0; i < rules.size(); ++i)
            if (rules[i] == rule) {
                index[c] = static_cast<std::int16_t>(i);
                return;
            }
        rules.push_back(rule);
        index[c] = static_cast<std::int16_t>(rules.size() - 1);
    }
};

} // namespace tessaly::parser
