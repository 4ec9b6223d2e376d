#include "parser/ParserTables.h"

namespace tessaly::parser {

void TSM_ParserTables::clear()
{
    settings = TSM_Settings();
    keywords = TSyntaxKeywords();
    continuation.fill(std::nullopt);
    effects.fill(std::nullopt);
    contextStates.fill(TStateSet());
    defaultStart = TSM_StartTable();
    for (auto& t : stateStart)
        t.reset();
    statesWithTables = TStateSet();
    anchor = TStateSet();
    boundStates = TStateSet();
    defaultContext = TStateSet();
    needsCustomHandler = false;
}

TStateSet defaultAnchorSet()
{
    return TStateSet::of(0);
}

void TSM_ParserTables::finishCompile()
{
    // A script without a start state starts its documents in state 0, the
    // state its keywords and rules default to.
    if (defaultContext.empty())
        defaultContext = TStateSet::of(0);
    for (auto& s : contextStates)
        if (s.empty())
            s = defaultContext;
    if (anchor.empty())
        anchor = defaultAnchorSet();
    statesWithTables = TStateSet();
    for (int s = 0; s < 256; ++s)
        if (stateStart[static_cast<std::size_t>(s)])
            statesWithTables.insert(static_cast<std::uint8_t>(s));
}

const TSM_StartTable& TSM_ParserTables::startTableFor(const TStateSet& s) const
{
    for (std::size_t i = 0; i < s.bits.size(); ++i) {
        const unsigned both = s.bits[i] & statesWithTables.bits[i];
        if (both)
            for (unsigned b = 0; b < 8; ++b)
                if (both & (1u << b))
                    return *stateStart[i * 8 + b];
    }
    return defaultStart;
}

TSM_StartTable& TSM_ParserTables::stateTable(std::uint8_t state)
{
    auto& t = stateStart[state];
    if (!t)
        t = std::make_unique<TSM_StartTable>();
    statesWithTables.insert(state);
    return *t;
}

} // namespace tessaly::parser
