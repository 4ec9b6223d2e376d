#include "parser/runtime/ScanContext.h"

#include <cstring>

namespace tessaly::parser {

std::size_t TScanContexts::Hash::operator()(const std::array<std::uint8_t, 32>& bits) const
{
    std::uint64_t h = 0;
    for (std::size_t i = 0; i < bits.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, bits.data() + i, 8);
        h = (h ^ w) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 31;
    }
    return static_cast<std::size_t>(h);
}

TScanContext& TScanContexts::of(const TStateSet& states)
{
    if (const auto it = contexts_.find(states.bits); it != contexts_.end())
        return *it->second;
    if (contexts_.size() >= kMaxContexts) {
        contexts_.clear();
        ++generation_;
    }

    auto context = std::make_unique<TScanContext>();
    context->serial = ++serials_;
    context->packedStates = filter_->pack(states);
    const TSyntaxKeywords& keywords = tables_->keywords;
    const TSM_StartTable& start = tables_->startTableFor(states);
    for (int c = 0; c < 256; ++c) {
        const auto ch = static_cast<std::uint8_t>(c);
        const std::int32_t root = keywords.rootOf(ch);
        if (root != TSyntaxKeywords::kNone && keywords.node(root).states.intersects(states))
            context->keywordFirst.insert(ch);
        // The character's own rule first, then the further rules in order.
        const TSM_StartRule* rule = start.ruleFor(ch);
        if (rule && !rule->states.intersects(states))
            rule = nullptr;
        for (std::size_t k = 0; !rule && k < start.further.size(); ++k) {
            const TSM_FurtherRule& f = start.further[k];
            if (c >= f.low && c <= f.high && f.rule.states.intersects(states))
                rule = &f.rule;
        }
        context->rule[static_cast<std::size_t>(c)] = rule;
        // Value 0 (no token) is never given up.
        if (const auto& effect = tables_->effects[static_cast<std::size_t>(c)];
            c != 0 && effect && !effect->allowed.intersects(states))
            context->rejected.insert(ch);
    }
    return *contexts_.emplace(states.bits, std::move(context)).first->second;
}

} // namespace tessaly::parser
