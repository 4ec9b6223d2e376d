#pragma once

#include "parser/Rules.h"
#include "parser/Settings.h"
#include "parser/StateSet.h"
#include "parser/SyntaxKeywords.h"

#include <array>
#include <memory>
#include <optional>

namespace tessaly::parser {

// Everything a compiled language definition holds: the settings and the
// scanning tables. Every per-token table is an array indexed by token value
// and every per-state table one indexed by state, so the scanner finds what
// it needs with an index and a bit test.
struct TSM_ParserTables {
    TSM_Settings settings;
    TSyntaxKeywords keywords;
    std::array<std::optional<TSM_ContinuationRule>, 256> continuation;
    std::array<std::optional<TSM_TokenEffect>, 256> effects;
    std::array<TStateSet, 256> contextStates; // empty: not given
    TSM_StartTable defaultStart;
    std::array<std::unique_ptr<TSM_StartTable>, 256> stateStart;
    TStateSet statesWithTables; // the states that own a start table
    TStateSet anchor;           // token values at which a scan may restart
    TStateSet boundStates;
    TStateSet defaultContext;
    bool needsCustomHandler = false;

    // Back to the state of a new parser: no tables, default settings.
    void clear();
    // The steps after a compile: an empty default context set becomes {0},
    // every token value without a context set gets the default context set,
    // an empty anchor set gets the built-in default, and the set of states
    // owning a start table is noted.
    void finishCompile();
    // The start table in force for the current state set: that of the lowest
    // state in both s and statesWithTables, else the default table.
    const TSM_StartTable& startTableFor(const TStateSet& s) const;
    // The per-state table of a state, created on first use.
    TSM_StartTable& stateTable(std::uint8_t state);
};

// The anchor set used when a script gives none: restart only at the top of a
// run of token value 0 (text no rule claimed).
TStateSet defaultAnchorSet();

} // namespace tessaly::parser
