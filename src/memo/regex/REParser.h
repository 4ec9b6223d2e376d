#pragma once

#include "memo/CharStream.h"
#include "memo/regex/REError.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

class TREMatcher;

// The editor's regular-expression engine: compiles a pattern to a node
// program and finds matches in a TCharStream, with CR (13) as the line
// end. After a match the table of recorded positions tells where the match
// and each of its elements start (see matchPosition()).
class TREParser {
public:
    static constexpr int positionCount = 256;

    TREParser();
    ~TREParser();
    TREParser(const TREParser&) = delete;
    TREParser& operator=(const TREParser&) = delete;

    // Compiles the pattern; compiling the text of the last successful
    // compile again does nothing. On failure the previous program is
    // dropped and errorId()/errorPosition() tell what went wrong.
    bool compile(std::string_view pattern);
    // Forgets the compiled pattern, so that the next compile runs again.
    void reset();
    bool compiled() const { return !program_.empty(); }
    const std::string& pattern() const { return pattern_; }
    const std::vector<std::uint8_t>& program() const { return program_; }
    int groupCount() const { return groups_; }

    // Searches from the stream's position: forward through the end of the
    // text, or backward down to offset 0 (from the end, the search starts
    // one character back). On success the stream stands at the match start.
    bool match(TCharStream& stream, bool forward);
    // One match attempt exactly at the stream's position.
    bool matchHere(TCharStream& stream);

    // Recorded offset `index` (0..255) of the last match; -1 and the error
    // "Index range error" for any other index.
    std::int64_t matchPosition(int index);
    std::int64_t matchStart() const { return recorded_ > 0 ? positions_[0] : end_; }
    std::int64_t matchEnd() const { return end_; }
    // The whole table of the last match.
    const std::array<std::int64_t, positionCount>& positions() const;
    // Start and end offsets of group n (1..9) in the last match, -1 when the
    // group took no part (when a group repeats, its last pass counts).
    std::int64_t groupStart(int n) const;
    std::int64_t groupEnd(int n) const;

    TREError errorId() const { return error_; }
    // 1-based position in the pattern of the character where the error was
    // found; 0 for errors found while matching.
    int errorPosition() const { return errorPosition_; }
    std::string errorText() const;

    // Bounds the work of one search (see TREMatcher).
    void setStepLimit(std::uint64_t steps);
    // Steps the last match() or matchHere() took.
    std::uint64_t steps() const;
    // Asked now and then during a long match; false stops it with the error
    // "Search stopped" (TREError::Stopped).
    void setInterrupt(std::function<bool()> keepGoing);

private:
    bool finish(bool found, TCharStream& stream, std::int64_t origin);

    std::string pattern_;
    std::vector<std::uint8_t> program_;
    std::unique_ptr<TREMatcher> matcher_;
    int groups_ = 0;
    TREError error_ = TREError::NoError;
    int errorPosition_ = 0;
    std::uint64_t stepLimit_;
    std::function<bool()> keepGoing_;
    // Only the first recorded_ entries are copied after a match; the rest
    // all equal end_ and are filled in when the whole table is asked for.
    mutable std::array<std::int64_t, positionCount> positions_{};
    mutable int recorded_ = 0;
    std::int64_t end_ = -1;
    std::array<std::int64_t, 10> groupStart_{};
    std::array<std::int64_t, 10> groupEnd_{};
};

} // namespace tessaly::memo
