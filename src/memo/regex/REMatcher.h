#pragma once

#include "memo/regex/REError.h"
#include "memo/regex/REPrecheck.h"
#include "memo/regex/REStartSet.h"
#include "memo/TextCursor.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace tessaly::memo {

// Runs a compiled program (REProgram.h) against text. A backtracking
// machine with an explicit stack of choice points, so deep repetitions
// need no deep recursion, and with one step budget for a whole search (all
// its start positions together), so a pattern that backtracks without end
// fails with an error instead of hanging the editor. Before it runs the
// machine at a start position, a search rules out what it cheaply can: a
// character the match must start with, a literal the match must contain,
// and the starts inside a leading repeat's run that an attempt already
// covered (REPrecheck.h).
class TREMatcher {
public:
    static constexpr int tableSize = 256;
    static constexpr std::uint64_t defaultStepLimit = 20'000'000;
    // The budget grows with the text by this many steps per character, so
    // that work in proportion to the text is never cut short.
    static constexpr std::uint64_t stepsPerChar = 8;
    // Steps between two calls of the interrupt check.
    static constexpr std::uint64_t pollSteps = std::uint64_t{1} << 20;

    explicit TREMatcher(const std::vector<std::uint8_t>& program);

    // Tries one match that starts exactly at `start`.
    bool attempt(TTextCursor& text, std::int64_t start);
    // Tries start positions from `from` up to the end of the text.
    bool searchForward(TTextCursor& text, std::int64_t from);
    // Tries start positions from `from` down to 0.
    bool searchBackward(TTextCursor& text, std::int64_t from);

    // After a successful match: entry 0 is the match start, each further
    // entry the start of the next element matched, and the entries after
    // the last element hold the match end.
    // (Entries from positionCount() on are not stored: they all equal
    // matchEnd().)
    std::int64_t position(int index) const { return index < fill_ ? table_[static_cast<std::size_t>(index)] : end_; }
    int positionCount() const { return fill_; }
    std::int64_t matchStart() const { return position(0); }
    std::int64_t matchEnd() const { return end_; }
    // Start and end of group n (1..9) in the match, -1 when it took no part.
    std::int64_t groupStart(int n) const { return groupStart_[static_cast<std::size_t>(n)]; }
    std::int64_t groupEnd(int n) const { return groupEnd_[static_cast<std::size_t>(n)]; }

    TREError error() const { return error_; }
    // Steps one search (or one attempt) may take, on top of stepsPerChar
    // per character of the text, before it fails with TREError::TooComplex.
    void setStepLimit(std::uint64_t steps) { stepLimit_ = steps; }
    // Steps the last search or attempt took.
    std::uint64_t steps() const { return steps_; }
    // Called every pollSteps steps; when it returns false the search stops
    // with TREError::Stopped. An empty function is never called.
    void setInterrupt(std::function<bool()> keepGoing) { keepGoing_ = std::move(keepGoing); }

private:
    struct Choice {
        std::int64_t pos;      // position to resume at (BRANCH) or where the repeat began
        std::int64_t count;    // characters the repeat takes now
        std::uint32_t node;    // BRANCH to resume at, or the STAR/PLUS node
        std::uint32_t trail;
        std::int16_t fill;
        std::int16_t open1Fill;
        std::int16_t nextChar; // the literal that must follow the repeat, or -1
        std::int8_t min;
        bool repeat;           // STAR/PLUS choice rather than BRANCH
    };
    // Choice points and undo entries one attempt may stack up.
    static constexpr std::size_t maxStacked = 2'000'000;
    struct TrailEntry {
        std::int64_t* slot;
        std::int64_t old;
    };

    void begin(const TTextCursor& text);
    // Handles the step count passing checkAt_: false (with the error set)
    // when the search must end.
    bool checkpoint();
    // First offset >= from where the required literal occurs, or -1.
    std::int64_t findRequired(TTextCursor& text, std::int64_t from);
    // Whether the required literal occurs at start.
    bool requiredAt(TTextCursor& text, std::int64_t start);
    // Last offset where the required literal occurs, or -1.
    std::int64_t findRequiredBackward(TTextCursor& text);
    bool run(TTextCursor& text, std::int64_t start);
    bool record(std::int64_t pos);
    void setGroup(std::int64_t* slot, std::int64_t value);
    std::int64_t repeatCount(TTextCursor& text, std::size_t node, std::int64_t pos);
    bool inClass(std::size_t node, unsigned char c) const;
    // Largest count <= count and >= min after which the repeat's follower
    // can match, or -1.
    std::int64_t fitCount(TTextCursor& text, std::int64_t pos, std::int64_t count, std::int32_t min,
                          std::int32_t nextChar);

    const std::vector<std::uint8_t>& prog_;
    std::vector<std::array<bool, 256>> classes_;
    std::vector<std::int16_t> classOf_;
    TREStartSet start_;
    TREPrecheck pre_;
    // The character of the required literal the search scans for.
    std::size_t requiredAnchor_ = 0;
    // Characters the leading repeat took on its first pass in the last
    // attempt, or -1.
    std::int64_t leadCount_ = -1;

    std::array<std::int64_t, tableSize> table_{};
    int fill_ = 0;
    int open1Fill_ = 0;
    std::int64_t end_ = -1;
    std::array<std::int64_t, 10> groupStart_{};
    std::array<std::int64_t, 10> groupEnd_{};
    std::vector<Choice> choices_;
    std::vector<TrailEntry> trail_;
    std::uint64_t steps_ = 0;
    std::uint64_t stepLimit_ = defaultStepLimit;
    std::uint64_t budget_ = 0;
    std::uint64_t nextPoll_ = 0;
    std::uint64_t checkAt_ = 0;
    std::function<bool()> keepGoing_;
    TREError error_ = TREError::NoError;
};

} // namespace tessaly::memo
