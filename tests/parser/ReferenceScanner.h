#pragma once

// A plain scanner for the parser tables, written for tests: it follows the
// token algorithm step by step over the tables as they are stored (the
// keyword trie, the start tables, 32-byte state sets), with none of the
// runtime's derived indexes, caches or tight loops. The runtime must give
// every character the value this scanner gives it.
#include "memo/CharStream.h"
#include "parser/ParserTables.h"
#include "parser/runtime/StandardHandlers.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::parser::test {

class TReferenceScanner {
public:
    explicit TReferenceScanner(const TSM_ParserTables& tables) : t_(tables) {}

    // The value of every character of text scanned from its start.
    std::string scan(std::string_view text)
    {
        memo::TStringStream s(text);
        states_ = t_.contextStates[0].empty() ? t_.defaultContext : t_.contextStates[0];
        stack_.clear();
        pending_ = false;
        std::string out;
        while (!s.atEnd()) {
            const std::int64_t start = s.position();
            const bool wasPending = pending_;
            std::int64_t length = 0;
            const std::uint8_t value = token(s, length);
            if (!wasPending && pending_) {
                s.setPosition(start);
                continue;
            }
            out.append(static_cast<std::size_t>(length), static_cast<char>(value));
        }
        return out;
    }

private:
    bool inGroup(std::uint16_t g, unsigned char c) const
    {
        const auto& groups = t_.keywords.groups();
        return g < groups.size() && groups.at(g).accepts(c);
    }

    std::uint8_t keyword(memo::TCharStream& s) const
    {
        const TSyntaxKeywords& kw = t_.keywords;
        const std::int64_t p0 = s.position();
        std::int32_t node = kw.rootOf(s.current());
        std::int32_t best = TSyntaxKeywords::kNone;
        std::int64_t bestEnd = p0;
        while (node != TSyntaxKeywords::kNone && kw.node(node).states.intersects(states_) && !s.atEnd()) {
            s.advance();
            for (std::int32_t e = kw.node(node).firstEntry; e != TSyntaxKeywords::kNone; e = kw.entry(e).nextEntry) {
                const TKeywordEntry& entry = kw.entry(e).value;
                if (entry.states.intersects(states_)
                    && (entry.follow == TSM_CharGroupManager::kAny || s.atEnd() || inGroup(entry.follow, s.current()))) {
                    best = e;
                    bestEnd = s.position();
                    break;
                }
            }
            if (s.atEnd())
                break;
            node = kw.childOf(node, kw.fold(s.current()));
        }
        if (best == TSyntaxKeywords::kNone) {
            s.setPosition(p0 + 1);
            return 0;
        }
        s.setPosition(bestEnd);
        return kw.entry(best).value.token;
    }

    static bool handler(int number, memo::TCharStream& s)
    {
        std::int64_t count = 0;
        return isStandardHandler(number) && runStandardHandler(number, s, count);
    }

    bool testEnd(const TSM_EndPart& end, memo::TCharStream& s) const
    {
        const std::int64_t p = s.position();
        bool matched = false;
        if (end.byHandler) {
            matched = !end.custom && handler(end.handler, s);
        } else {
            matched = end.count > 0;
            for (int i = 0; i < end.count && matched; ++i) {
                if (s.atEnd() || !inGroup(end.groups[static_cast<std::size_t>(i)], s.current()))
                    matched = false;
                else
                    s.advance();
            }
        }
        if (!matched || !end.include)
            s.setPosition(p);
        return matched;
    }

    bool applyRule(const TSM_RulePart& body, const TSM_EndPart& end, bool checkEndFirst, memo::TCharStream& s) const
    {
        const bool hasEnd = end.byHandler || end.count > 0;
        bool first = true;
        while (!s.atEnd()) {
            if (hasEnd && (!first || checkEndFirst) && testEnd(end, s))
                return true;
            bool ok = false;
            if (body.byHandler) {
                ok = !body.custom && handler(body.handler, s);
                if (ok && !body.custom && body.handler >= 10 && body.handler <= 20)
                    return true;
            } else if (inGroup(body.group, s.current())) {
                s.advance();
                ok = true;
            }
            if (!ok)
                return false;
            if (!hasEnd)
                return true;
            first = false;
        }
        return true;
    }

    const TSM_StartRule* startRule(unsigned char c) const
    {
        const TSM_StartTable& table = t_.startTableFor(states_);
        if (const TSM_StartRule* r = table.ruleFor(c); r && r->states.intersects(states_))
            return r;
        for (const TSM_FurtherRule& f : table.further)
            if (c >= f.low && c <= f.high && f.rule.states.intersects(states_))
                return &f.rule;
        return nullptr;
    }

    std::uint8_t token(memo::TCharStream& s, std::int64_t& length)
    {
        const std::int64_t p0 = s.position();
        const unsigned char c0 = s.current();
        auto giveUp = [&]() -> std::uint8_t {
            s.setPosition(p0 + 1);
            return 0;
        };
        std::uint8_t t = keyword(s);
        if (t != 0) {
            if (const auto& cont = t_.continuation[t])
                if (!applyRule(cont->body, cont->end, cont->body.flag, s))
                    t = giveUp();
        } else if (const TSM_StartRule* rule = startRule(c0)) {
            if (rule->head.byHandler) {
                s.setPosition(p0);
                t = !rule->head.custom && handler(rule->head.handler, s) ? rule->token : giveUp();
            } else {
                t = applyRule(rule->body, rule->end, rule->body.flag, s) ? rule->token : giveUp();
            }
        }
        if (!pending_)
            saved_ = states_;
        const auto& effect = t_.effects[t];
        if (s.position() <= p0 || (t != 0 && effect && !states_.intersects(effect->allowed))) {
            t = 0;
            s.setPosition(p0 + 1);
        }
        const auto& eff = t_.effects[t];
        if (t != 0 && eff) {
            if ((eff->stack & kPopBefore) && !stack_.empty()) {
                states_ = stack_.back();
                stack_.pop_back();
            } else if (eff->stack & kPushBefore) {
                stack_.push_back(states_);
            }
            if (!eff->keep) {
                states_ |= eff->enter;
                states_ -= eff->leave;
            }
            if ((eff->stack & kPopAfter) && !stack_.empty()) {
                states_ = stack_.back();
                stack_.pop_back();
            } else if (eff->stack & kPushAfter) {
                stack_.push_back(states_);
            }
        }
        const std::int64_t pos = s.position();
        if (pending_) {
            if (pos >= lookaheadEnd_ || s.atEnd()) {
                states_ = saved_;
                pending_ = false;
            }
        } else if (t != 0 && eff && eff->lookahead) {
            lookaheadEnd_ = pos;
            pending_ = true;
        }
        length = s.position() - p0;
        return t;
    }

    const TSM_ParserTables& t_;
    TStateSet states_;
    TStateSet saved_;
    std::vector<TStateSet> stack_;
    bool pending_ = false;
    std::int64_t lookaheadEnd_ = 0;
};

} // namespace tessaly::parser::test
