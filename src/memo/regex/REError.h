#pragma once

namespace tessaly::memo {

// Error ids of the regular-expression engine; reErrorText() gives the text
// shown to the user.
enum class TREError {
    NoError,
    InvalidParameter,
    OutOfMemory,
    TooManySubexpressions,
    UnmatchedParenthesis,
    InvalidRepeat,
    NestedRepeat,
    InvalidRange,
    UnmatchedBracket,
    HexDigitExpected,
    UnexpectedEnd,
    QuoteExpected,
    IndexRange,
    InternalError,
    // The program would exceed its byte limit, or a match attempt exceeded
    // the step budget of its search (a pattern that backtracks without end).
    TooComplex,
    // The caller's interrupt check asked the search to stop.
    Stopped,
};

const char* reErrorText(TREError error);

} // namespace tessaly::memo
