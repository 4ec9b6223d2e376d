#include "parser/runtime/SyntaxMemoParser.h"

#include "parser/CharClass.h"
#include "parser/ParserForm.h"
#include "parser/compiler/ScriptCompiler.h"
#include "parser/runtime/StandardHandlerScan.h"

#include "memo/EdStream.h"
#include "memo/SyntaxMemo.h"
#include "memo/HighlightRun.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

namespace tessaly::parser {

using memo::TCharStream;

TSyntaxMemoParser::TSyntaxMemoParser()
{
    tables_.clear();
    tablesChanged();
    states_ = tables_.defaultContext;
    statesChanged();
}

void TSyntaxMemoParser::tablesChanged()
{
    const auto& groups = tables_.keywords.groups();
    accepts_.assign(groups.size(), TStateSet());
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (int c = 0; c < 256; ++c)
            if (groups.at(static_cast<std::uint16_t>(g)).accepts(static_cast<std::uint8_t>(c)))
                accepts_[g].insert(static_cast<std::uint8_t>(c));
    keywordIndex_.build(tables_.keywords);
    for (std::size_t t = 0; t < tokenInfo_.size(); ++t) {
        const auto& eff = tables_.effects[t];
        TokenInfo& info = tokenInfo_[t];
        info.changesStates = eff && (eff->stack != 0 || (!eff->keep && (!eff->enter.empty() || !eff->leave.empty())));
        info.lookahead = eff && eff->lookahead;
    }
    contexts_.reset(tables_, keywordIndex_.filter());
    statesChanged();
    coverKey_ = UINT32_MAX;

    userTables_.clear();
    for (const TSM_KeywordTable& k : tables_.settings.keywordTables) {
        UserTable u;
        u.states = k.states;
        u.caseSensitive = k.caseFlag != 0;
        if (!k.endsWith.empty()) {
            u.anyFollow = false;
            try {
                const std::vector<TSM_CharGroup> groups = parseCharClass(k.endsWith);
                for (int c = 0; c < 256; ++c)
                    if (!groups.empty() && groups.front().accepts(static_cast<std::uint8_t>(c)))
                        u.follow.insert(static_cast<std::uint8_t>(c));
            } catch (const ECharClass&) {
                // Not a class: the characters themselves.
                for (unsigned char c : k.endsWith)
                    u.follow.insert(c);
            }
        }
        for (const auto& [word, token] : k.words) {
            if (word.empty() || token <= 0 || token > 255)
                continue;
            std::string w = word;
            if (!u.caseSensitive)
                for (char& c : w)
                    c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
            u.words.emplace_back(std::move(w), static_cast<std::uint8_t>(token));
        }
        std::stable_sort(u.words.begin(), u.words.end(),
                         [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
        userTables_.push_back(std::move(u));
    }
}

void TSyntaxMemoParser::setSettings(const TSM_Settings& settings)
{
    tables_.settings = settings;
    tablesChanged();
    resumeAt(0);
    const std::vector<memo::TSyntaxMemo*> clients = clients_;
    for (memo::TSyntaxMemo* client : clients)
        client->refreshActiveParser();
}

template <class S>
std::uint8_t TSyntaxMemoParser::userKeyword(S& s) const
{
    const std::int64_t p0 = s.position();
    for (const UserTable& u : userTables_) {
        if (!u.states.intersects(states_))
            continue;
        for (const auto& [word, token] : u.words) {
            std::size_t i = 0;
            while (i < word.size() && !s.atEnd()) {
                unsigned char c = s.current();
                if (!u.caseSensitive && c >= 'A' && c <= 'Z')
                    c = static_cast<unsigned char>(c + 32);
                if (c != static_cast<unsigned char>(word[i]))
                    break;
                s.advance();
                ++i;
            }
            if (i == word.size() && (u.anyFollow || s.atEnd() || u.follow.contains(s.current())))
                return token;
            s.setPosition(p0);
        }
    }
    return 0;
}

TSyntaxMemoParser::~TSyntaxMemoParser() = default;

std::string TSyntaxMemoParser::parser() const
{
    return writeParserForm(tables_);
}

void TSyntaxMemoParser::refillTables(const std::function<void(TSM_ParserTables&)>& fill)
{
    try {
        fill(tables_);
    } catch (...) {
        tablesChanged();
        resumeAt(0);
        throw;
    }
    tablesChanged();
    resumeAt(0);
}

void TSyntaxMemoParser::setParser(std::string_view form)
{
    refillTables([form](TSM_ParserTables& t) { readParserForm(form, t); });
}

void TSyntaxMemoParser::compile(const std::string& script, const std::filesystem::path& folder)
{
    refillTables([&](TSM_ParserTables& t) { compileScript(script, folder, t); });
}

void TSyntaxMemoParser::assign(const TSyntaxMemoParser& other)
{
    refillTables([&other](TSM_ParserTables& t) { assignTables(other.tables_, t); });
}

void TSyntaxMemoParser::attach(memo::TSyntaxMemo& editor)
{
    if (!clients_.empty() && clients_.back() == &editor)
        return;
    if (std::find(clients_.begin(), clients_.end(), &editor) == clients_.end())
        clients_.push_back(&editor);
}

bool TSyntaxMemoParser::editProperties(memo::TSyntaxMemo& editor)
{
    const TEditPropertiesEvent& show = onModifyProperties ? onModifyProperties : optionsDialog;
    if (!show || !show(*this, editor))
        return false;
    tablesChanged();
    // A client may detach while it is refreshed: walk a copy.
    const std::vector<memo::TSyntaxMemo*> clients = clients_;
    for (memo::TSyntaxMemo* client : clients)
        client->refreshActiveParser();
    if (registry && registryPlace.useRegistry && !registryPlace.key.empty())
        saveToRegistry(tables_.settings, registryPlace, *registry);
    return true;
}

void TSyntaxMemoParser::detach(memo::TSyntaxMemo& editor)
{
    clients_.erase(std::remove(clients_.begin(), clients_.end(), &editor), clients_.end());
}

void TSyntaxMemoParser::resumeAt(std::uint8_t tokenBefore)
{
    states_ = tables_.contextStates[tokenBefore];
    if (states_.empty())
        states_ = tables_.defaultContext;
    pending_ = false;
    lookaheadEnd_ = 0;
    cut_ = Cut::none;
    stack_.clear();
    statesChanged();
}

// Between two tokens with no lookahead pending the scanner's state is the
// current state set and the stack: everything else derives from them.
// Inside a cut token two more bytes follow: the kind of its rule and the
// rule's key.
bool TSyntaxMemoParser::saveState(std::string& out) const
{
    if (pending_)
        return false;
    const std::size_t set = states_.bits.size();
    const bool cut = cut_ != Cut::none;
    out.resize(set * (1 + stack_.size()) + (cut ? 2 : 0));
    std::memcpy(out.data(), states_.bits.data(), set);
    for (std::size_t i = 0; i < stack_.size(); ++i)
        std::memcpy(out.data() + set * (i + 1), stack_[i].bits.data(), set);
    if (cut) {
        out[out.size() - 2] = static_cast<char>(cut_);
        out.back() = static_cast<char>(cutKey_);
    }
    return true;
}

void TSyntaxMemoParser::restoreState(std::string_view state)
{
    const std::size_t set = states_.bits.size();
    const std::size_t rest = state.size() % set;
    if (state.size() < set || (rest != 0 && rest != 2)) {
        resumeAt(0);
        return;
    }
    std::memcpy(states_.bits.data(), state.data(), set);
    stack_.resize(state.size() / set - 1);
    for (std::size_t i = 0; i < stack_.size(); ++i)
        std::memcpy(stack_[i].bits.data(), state.data() + set * (i + 1), set);
    pending_ = false;
    lookaheadEnd_ = 0;
    statesChanged();
    cut_ = Cut::none;
    if (rest == 2) {
        cut_ = static_cast<Cut>(state[state.size() - 2]);
        cutKey_ = static_cast<std::uint8_t>(state.back());
        const TSM_RulePart* body = nullptr;
        const TSM_EndPart* end = nullptr;
        std::uint8_t token = 0;
        // A state from other tables: start over rather than guess.
        int number = 0;
        if (cut_ == Cut::handler || cut_ == Cut::handlerContinuation) {
            if (!cutHandler(number, token))
                resumeAt(0);
        } else if (!cutRule(body, end, token) || !mayCut(*body, *end, token)) {
            resumeAt(0);
        }
    }
}

bool TSyntaxMemoParser::cutRule(const TSM_RulePart*& body, const TSM_EndPart*& end, std::uint8_t& token) const
{
    if (cut_ == Cut::startRule) {
        const TSM_StartRule* rule = context_->rule[cutKey_];
        if (!rule)
            return false;
        body = &rule->body;
        end = &rule->end;
        token = rule->token;
        return true;
    }
    if (cut_ == Cut::continuation) {
        const auto& cont = tables_.continuation[cutKey_];
        if (!cont)
            return false;
        body = &cont->body;
        end = &cont->end;
        token = cutKey_;
        return true;
    }
    return false;
}

bool TSyntaxMemoParser::mayCutContinuation(std::uint8_t keyword) const
{
    const auto& cont = tables_.continuation[keyword];
    return cont && cont->body.byHandler && !cont->body.custom && detail::mayCutHandler(cont->body.handler)
        && cont->end.count == 0 && !cont->end.byHandler && mayCutToken(keyword);
}

bool TSyntaxMemoParser::cutHandler(int& number, std::uint8_t& token) const
{
    if (cut_ == Cut::handlerContinuation) {
        if (!mayCutContinuation(cutKey_))
            return false;
        number = tables_.continuation[cutKey_]->body.handler;
        token = cutKey_;
        return true;
    }
    const TSM_StartRule* rule = cut_ == Cut::handler ? context_->rule[cutKey_] : nullptr;
    if (!rule || !rule->head.byHandler || rule->head.custom || !detail::mayCutHandler(rule->head.handler)
        || !mayCutToken(rule->token))
        return false;
    number = rule->head.handler;
    token = rule->token;
    return true;
}

std::uint32_t TSyntaxMemoParser::stateSignature() const
{
    // The current states are known by their context's serial number: equal
    // numbers mean equal states, and a number is never given out twice (a
    // set of states met again after its context was dropped gets a new one,
    // which only makes the editor scan on a little further). The stack, when
    // there is one, is hashed eight bytes at a time.
    std::uint64_t h = (context_->serial * 0x9E3779B97F4A7C15ull) ^ (stack_.size() << 1) ^ (pending_ ? 1u : 0u)
        ^ (static_cast<std::uint64_t>(cut_) << 48) ^ (std::uint64_t{cutKey_} << 40);
    for (const TStateSet& s : stack_)
        for (std::size_t i = 0; i < s.bits.size(); i += 8) {
            std::uint64_t w;
            std::memcpy(&w, s.bits.data() + i, 8);
            h = (h ^ w) * 0xFF51AFD7ED558CCDull;
            h ^= h >> 32;
        }
    return static_cast<std::uint32_t>(h ^ (h >> 29));
}

namespace {

memo::TTokenStyle toTokenStyle(const TSM_Style& s)
{
    memo::TTokenStyle t;
    t.foreground = s.foreground;
    t.background = s.background;
    t.bold = (s.fontStyle & kBold) != 0;
    t.italic = (s.fontStyle & kItalic) != 0;
    t.underline = (s.fontStyle & kUnderline) != 0;
    t.ownColours = s.ownColours;
    t.hotspot = s.hotspot;
    return t;
}

} // namespace

memo::TTokenStyle TSyntaxMemoParser::defaultStyle() const
{
    const auto& style = tables_.settings.styles[0];
    return style ? toTokenStyle(*style) : memo::TTokenStyle{};
}

memo::TTokenStyle TSyntaxMemoParser::tokenStyle(std::uint8_t value) const
{
    // A token value without a style of its own is shown in the default style.
    const std::int16_t n = tables_.settings.styleOf[value];
    if (n >= 0 && tables_.settings.styles[static_cast<std::size_t>(n)])
        return toTokenStyle(*tables_.settings.styles[static_cast<std::size_t>(n)]);
    return defaultStyle();
}

bool TSyntaxMemoParser::inGroup(std::uint16_t group, unsigned char c) const
{
    return group < accepts_.size() && accepts_[group].contains(c);
}

const TStateSet& TSyntaxMemoParser::acceptsOf(std::uint16_t group) const
{
    static const TStateSet none;
    return group < accepts_.size() ? accepts_[group] : none;
}

namespace {

// Moves the stream on while accept(current character) holds: over plain
// memory when the stream offers it, otherwise one call per character.
template <class S, class F>
void advanceWhile(S& s, F accept)
{
    if constexpr (requires { s.advanceWhile(accept); }) {
        s.advanceWhile(accept);
    } else {
        while (!s.atEnd() && accept(s.current()))
            s.advance();
    }
}

// The same, stopping at limit at the latest.
template <class S, class F>
void advanceWhileBefore(S& s, std::int64_t limit, F accept)
{
    if constexpr (requires { s.advanceWhileBefore(limit, accept); }) {
        s.advanceWhileBefore(limit, accept);
    } else {
        while (s.position() < limit && !s.atEnd() && accept(s.current()))
            s.advance();
    }
}

} // namespace

// Longest keyword at the stream's position that is valid in the current
// states and whose follow group accepts the next character. On a match the
// stream stands after it; otherwise it stays and 0 is returned.
template <class S>
[[gnu::always_inline]] inline std::uint8_t TSyntaxMemoParser::keyword(S& s) const
{
    const TKeywordIndex& kw = keywordIndex_;
    // Most places cannot begin a keyword in the current states.
    if (!context_->keywordFirst.contains(s.current()))
        return 0;
    const std::int64_t p0 = s.position();
    std::int32_t node = kw.root(s.current());
    std::int32_t best = TKeywordIndex::kNone;
    std::int64_t bestEnd = p0;
    while (node != TKeywordIndex::kNone && meets(kw.node(node)) && !s.atEnd()) {
        s.advance();
        for (std::int32_t e = kw.node(node).firstEntry; e != TKeywordIndex::kNone; e = kw.entry(e).next) {
            const TKeywordIndex::Entry& entry = kw.entry(e);
            if (meets(entry)
                && (entry.follow == TSM_CharGroupManager::kAny || s.atEnd() || inGroup(entry.follow, s.current()))) {
                best = e;
                bestEnd = s.position();
                break;
            }
        }
        if (s.atEnd())
            break;
        node = kw.child(node, kw.fold(s.current()));
    }
    if (best == TKeywordIndex::kNone) {
        if (s.position() != p0)
            s.setPosition(p0);
        return 0;
    }
    s.setPosition(bestEnd);
    return kw.entry(best).token;
}

template <class S>
bool TSyntaxMemoParser::runHandler(bool custom, int number, S& s, std::uint8_t& token)
{
    std::int64_t count = 0;
    if (custom || !isStandardHandler(number))
        return onCustomParse && onCustomParse(*this, number, s, token, count);
    return runStandardHandlerOn(number, s, count);
}

// An end sequence (or end handler) at the current position. On a match the
// end is consumed when it is included; otherwise the stream stays.
template <class S>
[[gnu::always_inline]] inline bool TSyntaxMemoParser::testEnd(const TSM_EndPart& end, S& s, std::uint8_t& token)
{
    // Most places do not start the end: look before saving the position.
    if (!end.byHandler && (end.count == 0 || s.atEnd() || !inGroup(end.groups[0], s.current())))
        return false;
    const std::int64_t p = s.position();
    bool matched = false;
    if (end.byHandler) {
        matched = runHandler(end.custom, end.handler, s, token);
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

bool TSyntaxMemoParser::mayCut(const TSM_RulePart& body, const TSM_EndPart& end, std::uint8_t token) const
{
    // What follows a cut must not depend on what came before it: no
    // handlers, no lookahead, a token the states accept (a rejected one is
    // replaced by a single character), and a body that takes every
    // character that cannot end the token (else the token may be given up
    // far beyond the cut).
    if (body.byHandler || end.byHandler || end.count == 0 || pending_ || tokenInfo_[token].lookahead
        || context_->rejected.contains(token))
        return false;
    // The same rule (text, a comment) is asked about at the end of every
    // record it spans: its groups' answer is kept.
    const std::uint32_t key = body.group | (std::uint32_t{end.count == 1 ? end.groups[0] : 0xFFFFu} << 16);
    if (key != coverKey_) {
        TStateSet left = TStateSet::all();
        left -= acceptsOf(body.group);
        if (end.count == 1)
            left -= acceptsOf(end.groups[0]);
        coverKey_ = key;
        covers_ = left.empty();
    }
    return covers_;
}

template <class S>
[[gnu::always_inline]] inline bool TSyntaxMemoParser::bodyLoop(const TSM_RulePart& body, const TSM_EndPart& end, S& s,
                                                              std::uint8_t& token, std::int64_t limit, bool& cut)
{
    const TStateSet& inBody = acceptsOf(body.group);
    const TStateSet& endStart = acceptsOf(end.groups[0]);
    // The characters the body takes where the end cannot start. Worked out
    // here every time: four wide operations, cheaper than a cached copy that
    // has to be read back right after it was written.
    TStateSet run = inBody;
    run -= endStart;
    const bool endIsOneChar = end.count == 1 && !end.include;
    for (;;) {
        // Between characters of the body the token may be cut: it goes on
        // from here the same whatever came before.
        if (s.position() >= limit) [[unlikely]] {
            if (!s.atEnd() && mayCut(body, end, token)) {
                cut = true;
                return true;
            }
            limit = INT64_MAX;
        }
        advanceWhileBefore(s, limit, [&run](unsigned char c) { return run.contains(c); });
        if (s.atEnd())
            return true;
        if (s.position() >= limit)
            continue;
        if (endIsOneChar ? endStart.contains(s.current()) : testEnd(end, s, token))
            return true;
        if (!inBody.contains(s.current()))
            return false;
        s.advance();
    }
}

// Extends a token by its body and end. Returns false when the token must be
// given up.
template <class S>
[[gnu::always_inline]] inline bool TSyntaxMemoParser::applyRule(const TSM_RulePart& body, const TSM_EndPart& end,
                                                               bool checkEndFirst, S& s, std::uint8_t& token,
                                                               std::int64_t limit, bool& cut)
{
    const bool hasEnd = end.byHandler || end.count > 0;
    if (!body.byHandler && !end.byHandler && end.count > 0) {
        // A body of one group and an end of groups: between the places where
        // the end's first group matches, the body runs in one tight loop.
        if (!checkEndFirst) {
            if (s.atEnd())
                return true;
            if (!acceptsOf(body.group).contains(s.current()))
                return false;
            s.advance();
        }
        return bodyLoop(body, end, s, token, limit, cut);
    }
    bool first = true;
    while (!s.atEnd()) {
        if (hasEnd && (!first || checkEndFirst) && testEnd(end, s, token))
            return true;
        bool ok = false;
        if (body.byHandler) {
            ok = runHandler(body.custom, body.handler, s, token);
            if (ok && !body.custom && body.handler >= 10 && body.handler <= 20)
                return true; // a standard handler completes the token itself
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

std::uint8_t TSyntaxMemoParser::nextToken(memo::TSyntaxMemo& editor, TCharStream& stream, std::int64_t& length)
{
    attach(editor);
    return nextToken(stream, length);
}

namespace {

// Sets where tokens are cut for one call of the scanner and lifts the cut
// again when the call ends, however it ends.
class CutLimit {
public:
    CutLimit(std::int64_t& at, std::int64_t until) : at_(at) { at_ = until; }
    ~CutLimit() { at_ = INT64_MAX; }
    CutLimit(const CutLimit&) = delete;
    CutLimit& operator=(const CutLimit&) = delete;

private:
    std::int64_t& at_;
};

} // namespace

std::uint8_t TSyntaxMemoParser::nextTokenUntil(memo::TSyntaxMemo& editor, TCharStream& stream, std::int64_t until,
                                               std::int64_t& length)
{
    attach(editor);
    const CutLimit limit(cutAt_, until);
    return nextToken(stream, length);
}

std::uint8_t TSyntaxMemoParser::nextToken(TCharStream& s, std::int64_t& length)
{
    // The editor's stream is final: its exact type is a cheap test.
    if (typeid(s) == typeid(memo::TEdStream))
        return scan(static_cast<memo::TEdStream&>(s), length);
    return scan(s, length);
}

template <class S>
[[gnu::always_inline]] inline std::uint8_t TSyntaxMemoParser::scan(S& s, std::int64_t& length)
{
    const std::int64_t p0 = s.position();
    int number = 0;
    std::uint8_t cutToken = 0;
    if ((cut_ == Cut::handler || cut_ == Cut::handlerContinuation) && cutHandler(number, cutToken)) [[unlikely]] {
        // The rest of a cut handler token, up to its end or the next cut.
        const Cut kind = cut_;
        cut_ = Cut::none;
        bool cut = false;
        detail::handlerRest(number, s, cutAt_, cut);
        if (cut) {
            cut_ = kind;
            length = s.position() - p0;
            return cutToken;
        }
        applyEffect(cutToken);
        if (s.position() > p0) {
            length = s.position() - p0;
            return cutToken;
        }
        // The token ended at the cut: the next one starts here.
    } else if (cut_ == Cut::handler || cut_ == Cut::handlerContinuation) [[unlikely]] {
        cut_ = Cut::none;
    } else if (cut_ != Cut::none) [[unlikely]] {
        // The rest of a cut token, up to its end or the next cut.
        const TSM_RulePart* body = nullptr;
        const TSM_EndPart* end = nullptr;
        std::uint8_t token = 0;
        cutRule(body, end, token);
        const Cut kind = cut_;
        cut_ = Cut::none;
        bool cut = false;
        bodyLoop(*body, *end, s, token, cutAt_, cut);
        if (cut) {
            cut_ = kind;
            length = s.position() - p0;
            return token;
        }
        applyEffect(token);
        if (s.position() > p0) {
            length = s.position() - p0;
            return token;
        }
        // The token ended at the cut: the next one starts here.
    }
    const unsigned char c0 = s.current();
    auto giveUp = [&]() -> std::uint8_t {
        s.setPosition(p0 + 1);
        return 0;
    };

    // 1. Keyword; 2. its continuation.
    std::uint8_t t = s.atEnd() ? 0 : keyword(s);
    // 1b. The settings' own keyword tables, when the language has any.
    if (t == 0 && !userTables_.empty() && !s.atEnd()) [[unlikely]]
        t = userKeyword(s);
    if (t != 0) {
        if (const auto& cont = tables_.continuation[t]) {
            bool cut = false;
            const std::uint8_t keywordToken = t;
            if (cutAt_ != INT64_MAX && !s.atEnd() && mayCutContinuation(t)) {
                // A line comment after its keyword may be cut where the
                // scan must stop, and taken up there later.
                if (!detail::handlerToken(cont->body.handler, s, cutAt_, cut)) {
                    t = giveUp();
                } else if (cut) {
                    cut_ = Cut::handlerContinuation;
                    cutKey_ = keywordToken;
                    length = s.position() - p0;
                    return t;
                }
            } else if (!applyRule(cont->body, cont->end, cont->body.flag, s, t, cutAt_, cut)) {
                t = giveUp();
            } else if (cut) {
                // Left inside the token: its effect comes at its end.
                cut_ = Cut::continuation;
                cutKey_ = keywordToken;
                length = s.position() - p0;
                return t;
            }
        }
    } else if (p0 < s.size()) {
        // 3. Start rule selected by the first character.
        if (const TSM_StartRule* rule = context_->rule[c0]) {
            std::uint8_t token = rule->token;
            if (rule->head.byHandler) {
                bool cut = false;
                if (cutAt_ != INT64_MAX && !rule->head.custom && detail::mayCutHandler(rule->head.handler)
                    && mayCutToken(token)) {
                    // A string or line comment may be cut where the scan
                    // must stop, and taken up there later.
                    t = detail::handlerToken(rule->head.handler, s, cutAt_, cut) ? token : giveUp();
                    if (cut) {
                        cut_ = Cut::handler;
                        cutKey_ = c0;
                        length = s.position() - p0;
                        return t;
                    }
                } else {
                    t = runHandler(rule->head.custom, rule->head.handler, s, token) ? token : giveUp();
                }
            } else {
                s.advance();
                bool cut = false;
                t = applyRule(rule->body, rule->end, rule->body.flag, s, token, cutAt_, cut) ? token : giveUp();
                if (cut) {
                    // Left inside the token: its effect comes at its end.
                    cut_ = Cut::startRule;
                    cutKey_ = c0;
                    length = s.position() - p0;
                    return t;
                }
            }
        } else {
            s.advance();
        }
    }


    // 5. Validation.
    if (s.position() <= p0 || context_->rejected.contains(t)) {
        t = 0;
        s.setPosition(p0 + 1);
    }

    // 6. Effect on the current state set. A token that starts a lookahead
    // keeps the states before it, to return to at the lookahead's end.
    const TokenInfo& info = tokenInfo_[t];
    if (!pending_ && info.lookahead)
        saved_ = states_;
    applyEffect(t);

    // 7. Lookahead.
    const std::int64_t pos = s.position();
    const bool hasLookahead = t != 0 && info.lookahead;
    if (pending_) {
        if (pos >= lookaheadEnd_ || s.atEnd()) {
            states_ = saved_;
            statesChanged();
            pending_ = false;
        }
    } else if (hasLookahead) {
        lookaheadEnd_ = pos;
        pending_ = true;
    }

    length = s.position() - p0;
    return t;
}

[[gnu::always_inline]] inline void TSyntaxMemoParser::applyEffect(std::uint8_t t)
{
    if (t != 0 && tokenInfo_[t].changesStates) {
        const auto& eff = tables_.effects[t];
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
        if (eff->stack == 0) {
            // Without the stack the effect always leads from one context to
            // the same next one: remember it.
            TScanContext*& next = context_->next[t];
            if (!next) {
                const std::uint64_t generation = contexts_.generation();
                TScanContext& fresh = contexts_.of(states_);
                if (contexts_.generation() == generation)
                    next = &fresh;
                context_ = &fresh;
            } else {
                context_ = next;
            }
        } else {
            statesChanged();
        }
    }
}

// After the scanner, so that the loop compiles with the scanner inlined.
std::int64_t TSyntaxMemoParser::scanTo(memo::TSyntaxMemo& editor, TCharStream& stream, std::int64_t until,
                                      std::string& values)
{
    attach(editor);
    // A token running past until is cut there: the editor stores values a
    // record at a time and may resume inside the token.
    const CutLimit limit(cutAt_, until);
    auto run = [&](auto& s) {
        return memo::scanTokensTo(
            s, until, values, [this](auto& st, std::int64_t& length) { return this->scan(st, length); },
            [this] { return pending_; });
    };
    if (typeid(stream) == typeid(memo::TEdStream))
        return run(static_cast<memo::TEdStream&>(stream));
    return run(stream);
}

} // namespace tessaly::parser
