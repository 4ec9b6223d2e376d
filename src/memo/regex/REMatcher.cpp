#include "memo/regex/REMatcher.h"

#include "memo/regex/REProgram.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace tessaly::memo {

using namespace re;

namespace {

// How rare a character is in ordinary text, roughly: the search for the
// required literal scans for its rarest character.
int rarity(unsigned char c)
{
    static constexpr std::string_view common = "etaoinsrhldcumfpgwybvkxjqz";
    if (c == ' ' || c == lineEnd || c == '\t')
        return 0;
    const auto lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    const std::size_t i = common.find(lower);
    if (i == std::string_view::npos)
        return 15; // digits and signs
    return (c >= 'A' && c <= 'Z' ? 30 : 4) + static_cast<int>(i);
}

} // namespace


TREMatcher::TREMatcher(const std::vector<std::uint8_t>& program)
    : prog_(program), classOf_(program.size(), -1), start_(analyseStart(program)), pre_(analysePrecheck(program))
{
    for (std::size_t i = 0; i < pre_.required.size(); ++i)
        if (rarity(static_cast<unsigned char>(pre_.required[i]))
            > rarity(static_cast<unsigned char>(pre_.required[requiredAnchor_])))
            requiredAnchor_ = i;
    // A literal of one character that every match starts with rules out no
    // start the skip to the first character has not ruled out already, and
    // looking for it again would cost a scan at every start.
    if (pre_.required.size() == 1 && !start_.anyPosition
        && start_.single == static_cast<unsigned char>(pre_.required[0]))
        pre_.required.clear();
    // Walk the nodes in storage order and turn every character list into a
    // lookup table of the characters it matches.
    std::size_t p = 1;
    while (p + nodeHeader <= prog_.size()) {
        const std::uint8_t op = prog_[p];
        std::size_t after = p + nodeHeader;
        if (op == ANYOF || op == ANYBUT || op == EXACTLY) {
            std::array<bool, 256> listed{};
            std::size_t i = after;
            for (; i < prog_.size() && prog_[i] != 0; ++i)
                listed[prog_[i]] = true;
            after = i + 1;
            if (op != EXACTLY) {
                if (op == ANYBUT)
                    for (bool& b : listed)
                        b = !b;
                classOf_[p] = static_cast<std::int16_t>(classes_.size());
                classes_.push_back(listed);
            }
        }
        p = after;
    }
}

bool TREMatcher::inClass(std::size_t node, unsigned char c) const
{
    return classes_[static_cast<std::size_t>(classOf_[node])][c];
}

bool TREMatcher::record(std::int64_t pos)
{
    if (fill_ >= tableSize) {
        error_ = TREError::IndexRange;
        return false;
    }
    table_[static_cast<std::size_t>(fill_++)] = pos;
    return true;
}

void TREMatcher::setGroup(std::int64_t* slot, std::int64_t value)
{
    // Only a later backtrack can need the old value back.
    if (!choices_.empty())
        trail_.push_back({slot, *slot});
    *slot = value;
}

std::int64_t TREMatcher::repeatCount(TTextCursor& text, std::size_t node, std::int64_t pos)
{
    const std::uint8_t op = prog_[node];
    const std::int64_t size = text.size();
    std::int64_t p = pos;
    const unsigned char literal = prog_[operandOf(node)];
    while (p < size) {
        const std::string_view run = text.forwardRun(p);
        std::size_t i = 0;
        switch (op) {
        case ANY: {
            const void* cr = std::memchr(run.data(), lineEnd, run.size());
            i = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - run.data()) : run.size();
            break;
        }
        case EXACTLY:
            while (i < run.size() && static_cast<unsigned char>(run[i]) == literal)
                ++i;
            break;
        default: {
            const std::array<bool, 256>& cls = classes_[static_cast<std::size_t>(classOf_[node])];
            while (i < run.size() && cls[static_cast<unsigned char>(run[i])])
                ++i;
            break;
        }
        }
        p += static_cast<std::int64_t>(i);
        if (i < run.size())
            break;
    }
    steps_ += static_cast<std::uint64_t>(p - pos);
    return p - pos;
}

std::int64_t TREMatcher::fitCount(TTextCursor& text, std::int64_t pos, std::int64_t count, std::int32_t min,
                                  std::int32_t nextChar)
{
    for (std::int64_t c = count; c >= min; --c) {
        if (nextChar < 0 || text.at(pos + c) == nextChar)
            return c;
        ++steps_;
    }
    return -1;
}

void TREMatcher::begin(const TTextCursor& text)
{
    error_ = TREError::NoError;
    steps_ = 0;
    // Repeats count the characters they scan as steps, so passes over a
    // very long line must not exhaust the budget: it grows with the text.
    budget_ = stepLimit_ + stepsPerChar * static_cast<std::uint64_t>(text.size());
    nextPoll_ = keepGoing_ ? pollSteps : UINT64_MAX;
    checkAt_ = std::min(budget_, nextPoll_);
}

bool TREMatcher::checkpoint()
{
    if (steps_ > budget_ || choices_.size() > maxStacked || trail_.size() > maxStacked) {
        error_ = TREError::TooComplex;
        return false;
    }
    if (steps_ >= nextPoll_) {
        nextPoll_ = steps_ + pollSteps;
        if (!keepGoing_()) {
            error_ = TREError::Stopped;
            return false;
        }
    }
    checkAt_ = std::min(budget_, nextPoll_);
    return true;
}

bool TREMatcher::requiredAt(TTextCursor& text, std::int64_t start)
{
    const std::string& literal = pre_.required;
    std::size_t i = 0;
    while (i < literal.size() && text.at(start + static_cast<std::int64_t>(i)) == static_cast<unsigned char>(literal[i]))
        ++i;
    steps_ += i + 1;
    return i == literal.size();
}

std::int64_t TREMatcher::findRequired(TTextCursor& text, std::int64_t from)
{
    const auto length = static_cast<std::int64_t>(pre_.required.size());
    const auto anchor = static_cast<std::int64_t>(requiredAnchor_);
    const auto c = static_cast<unsigned char>(pre_.required[requiredAnchor_]);
    const std::int64_t size = text.size();
    std::int64_t p = from + anchor; // candidate place of the anchor character
    while (p < size) {
        const std::string_view run = text.forwardRun(p);
        const void* hit = std::memchr(run.data(), c, run.size());
        if (!hit) {
            p += static_cast<std::int64_t>(run.size());
            continue;
        }
        p += static_cast<std::int64_t>(static_cast<const char*>(hit) - run.data());
        const std::int64_t start = p - anchor;
        if (start + length > size)
            return -1;
        if (requiredAt(text, start))
            return start;
        ++p;
    }
    return -1;
}

std::int64_t TREMatcher::findRequiredBackward(TTextCursor& text)
{
    const auto length = static_cast<std::int64_t>(pre_.required.size());
    const auto anchor = static_cast<std::int64_t>(requiredAnchor_);
    const auto c = static_cast<unsigned char>(pre_.required[requiredAnchor_]);
    const std::int64_t size = text.size();
    std::int64_t p = size; // the anchor character is looked for before p
    while (p > 0) {
        const std::string_view run = text.backwardRun(p);
        std::size_t k = run.size();
        while (k > 0 && static_cast<unsigned char>(run[k - 1]) != c)
            --k;
        if (k == 0) {
            p -= static_cast<std::int64_t>(run.size());
            continue;
        }
        p -= static_cast<std::int64_t>(run.size() - k); // text[p - 1] is the anchor character
        const std::int64_t start = p - 1 - anchor;
        if (start < 0)
            return -1;
        if (start + length <= size && requiredAt(text, start))
            return start;
        --p;
    }
    return -1;
}

bool TREMatcher::attempt(TTextCursor& text, std::int64_t start)
{
    begin(text);
    return run(text, start);
}

bool TREMatcher::run(TTextCursor& text, std::int64_t start)
{
    leadCount_ = -1;
    choices_.clear();
    trail_.clear();
    fill_ = 0;
    open1Fill_ = 0;
    end_ = -1;
    groupStart_.fill(-1);
    groupEnd_.fill(-1);

    const std::int64_t size = text.size();
    std::int64_t pos = start;
    std::size_t node = 1;
    for (;;) {
        if ((++steps_ > checkAt_ || choices_.size() > maxStacked || trail_.size() > maxStacked) && !checkpoint())
            return false;
        const std::uint8_t op = prog_[node];
        std::size_t next = nextOf(prog_, node);
        bool ok = true;
        switch (op) {
        case END:
            end_ = pos;
            return true;
        case BOL:
            ok = pos == 0 || text.at(pos - 1) == lineEnd;
            break;
        case EOL:
            // The last line of a text has no CR: its end is a line end too.
            ok = pos >= size || text.at(pos) == lineEnd;
            break;
        case ANY:
            if (!record(pos))
                return false;
            ok = pos < size && text.at(pos) != lineEnd;
            ++pos;
            break;
        case ANYOF:
        case ANYBUT:
            if (!record(pos))
                return false;
            ok = pos < size && inClass(node, text.at(pos));
            ++pos;
            break;
        case EXACTLY: {
            if (!record(pos))
                return false;
            for (std::size_t i = operandOf(node); prog_[i] != 0; ++i, ++pos)
                if (text.at(pos) != prog_[i] || pos >= size) {
                    ok = false;
                    break;
                }
            break;
        }
        case BRANCH:
            if (next != 0 && prog_[next] == BRANCH)
                choices_.push_back({pos, 0, static_cast<std::uint32_t>(next),
                                    static_cast<std::uint32_t>(trail_.size()), static_cast<std::int16_t>(fill_),
                                    static_cast<std::int16_t>(open1Fill_), -1, 0, false});
            next = operandOf(node);
            break;
        case STAR:
        case PLUS: {
            if (!record(pos))
                return false;
            const std::int8_t min = op == STAR ? 0 : 1;
            const std::int16_t nextChar = next != 0 && prog_[next] == EXACTLY ? prog_[operandOf(next)] : -1;
            const std::int64_t run = repeatCount(text, operandOf(node), pos);
            if (node == pre_.leadRepeat && leadCount_ < 0)
                leadCount_ = run;
            const std::int64_t count = fitCount(text, pos, run, min, nextChar);
            if (count < 0) {
                ok = false;
                break;
            }
            choices_.push_back({pos, count, static_cast<std::uint32_t>(node),
                                static_cast<std::uint32_t>(trail_.size()), static_cast<std::int16_t>(fill_),
                                static_cast<std::int16_t>(open1Fill_), nextChar, min, true});
            pos += count;
            break;
        }
        default:
            if (isOpen(op)) {
                if (!record(pos))
                    return false;
                if (op == OPEN + 1)
                    open1Fill_ = fill_;
                setGroup(&groupStart_[op - OPEN], pos);
            } else if (isClose(op)) {
                setGroup(&groupEnd_[op - CLOSE], pos);
                // Group 1 counts as one element: its inner entries go.
                if (op == CLOSE + 1)
                    fill_ = open1Fill_;
            }
            // NOTHING and BACK just go on.
            break;
        }
        if (ok) {
            node = next;
            continue;
        }

        // Backtrack to the latest choice point that still has an option.
        for (;;) {
            if (choices_.empty())
                return false;
            Choice& choice = choices_.back();
            std::int64_t resumePos = choice.pos;
            std::size_t resumeNode = choice.node;
            if (choice.repeat) {
                const std::int64_t count = fitCount(text, choice.pos, choice.count - 1, choice.min, choice.nextChar);
                if (count < 0) {
                    choices_.pop_back();
                    continue;
                }
                choice.count = count;
                resumePos = choice.pos + count;
                resumeNode = nextOf(prog_, choice.node);
            }
            while (trail_.size() > choice.trail) {
                *trail_.back().slot = trail_.back().old;
                trail_.pop_back();
            }
            fill_ = choice.fill;
            open1Fill_ = choice.open1Fill;
            if (!choice.repeat)
                choices_.pop_back();
            pos = resumePos;
            node = resumeNode;
            break;
        }
    }
}

bool TREMatcher::searchForward(TTextCursor& text, std::int64_t from)
{
    begin(text);
    const std::int64_t size = text.size();
    std::int64_t literalAt = -1; // where the required literal next occurs
    for (std::int64_t p = from < 0 ? 0 : from; p <= size; ++p) {
        if (!start_.anyPosition) {
            // Skip to the next character a match can start with.
            for (;;) {
                if (p >= size)
                    return false;
                const std::string_view run = text.forwardRun(p);
                std::size_t i = 0;
                if (start_.single >= 0) {
                    const void* hit = std::memchr(run.data(), start_.single, run.size());
                    i = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - run.data()) : run.size();
                } else {
                    while (i < run.size() && !start_.chars[static_cast<unsigned char>(run[i])])
                        ++i;
                }
                p += static_cast<std::int64_t>(i);
                if (i < run.size())
                    break;
            }
        }
        if (!pre_.required.empty() && literalAt < p) {
            literalAt = findRequired(text, p);
            if (literalAt < 0)
                return false;
        }
        if (run(text, p))
            return true;
        if (error_ != TREError::NoError)
            return false;
        // The starts inside the leading repeat's run are covered.
        if (leadCount_ > 0)
            p += leadCount_;
    }
    return false;
}

bool TREMatcher::searchBackward(TTextCursor& text, std::int64_t from)
{
    begin(text);
    const std::int64_t size = text.size();
    std::int64_t p = from >= size ? size - 1 : from;
    if (!pre_.required.empty()) {
        // A match holds the literal at or after its start.
        const std::int64_t last = findRequiredBackward(text);
        if (last < 0)
            return false;
        p = std::min(p, last);
    }
    for (; p >= 0; --p) {
        if (!start_.anyPosition) {
            for (;;) {
                if (p < 0)
                    return false;
                const std::string_view run = text.backwardRun(p + 1);
                std::size_t i = run.size();
                while (i > 0 && !start_.chars[static_cast<unsigned char>(run[i - 1])])
                    --i;
                p -= static_cast<std::int64_t>(run.size() - i);
                if (i > 0)
                    break;
            }
        }
        if (run(text, p))
            return true;
        if (error_ != TREError::NoError)
            return false;
    }
    return false;
}

} // namespace tessaly::memo
