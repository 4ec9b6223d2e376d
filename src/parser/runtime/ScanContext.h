#pragma once

#include "parser/ParserTables.h"
#include "parser/runtime/StateFilter.h"
#include "parser/StateSet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace tessaly::parser {

// What the scanner decides from the current states and a token's first
// character alone, worked out once per distinct set of current states: the
// characters a valid keyword can begin with, the token values the states do
// not allow, and the start rule that applies to each character. It also
// remembers, per token value, the context the token's effect leads to when
// that effect does not use the stack.
struct TScanContext {
    // A number no other context of the parser has had or will have.
    std::uint64_t serial = 0;
    TStateSet keywordFirst;
    // The states packed by the keyword trie's filter.
    std::uint64_t packedStates = 0;
    // Token values whose effect does not allow them in these states.
    TStateSet rejected;
    std::array<const TSM_StartRule*, 256> rule{};
    std::array<TScanContext*, 256> next{};
};

// The scan contexts of one parser's tables, made when a set of states is
// first met. A definition reaches few distinct sets; should one reach very
// many, all contexts are dropped and made again as they are needed.
class TScanContexts {
public:
    // Forgets every context; tables and filter must outlive the contexts.
    void reset(const TSM_ParserTables& tables, const TStateFilter& filter)
    {
        tables_ = &tables;
        filter_ = &filter;
        contexts_.clear();
        ++generation_;
    }
    // The context of states. Contexts stay valid while generation() is
    // unchanged.
    TScanContext& of(const TStateSet& states);
    std::uint64_t generation() const { return generation_; }

private:
    struct Hash {
        std::size_t operator()(const std::array<std::uint8_t, 32>& bits) const;
    };
    static constexpr std::size_t kMaxContexts = 4096;

    const TSM_ParserTables* tables_ = nullptr;
    const TStateFilter* filter_ = nullptr;
    std::uint64_t generation_ = 0;
    std::uint64_t serials_ = 0;
    std::unordered_map<std::array<std::uint8_t, 32>, std::unique_ptr<TScanContext>, Hash> contexts_;
};

} // namespace tessaly::parser
