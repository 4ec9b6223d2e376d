#include "memo/regex/REError.h"

namespace tessaly::memo {

const char* reErrorText(TREError error)
{
    switch (error) {
    case TREError::NoError: return "No errors detected";
    case TREError::InvalidParameter: return "Invalid parameter";
    case TREError::OutOfMemory: return "Out of memory";
    case TREError::TooManySubexpressions: return "Too many sub-expressions";
    case TREError::UnmatchedParenthesis: return "Unmatched parenthesis";
    case TREError::InvalidRepeat: return "Invalid repeat";
    case TREError::NestedRepeat: return "Nested repeat";
    case TREError::InvalidRange: return "Invalid range";
    case TREError::UnmatchedBracket: return "Unmatched bracket";
    case TREError::HexDigitExpected: return "Hex digit expected";
    case TREError::UnexpectedEnd: return "Unexpected end of input";
    case TREError::QuoteExpected: return "' expected";
    case TREError::IndexRange: return "Index range error";
    case TREError::InternalError: return "Internal error";
    case TREError::TooComplex: return "Expression too complex";
    case TREError::Stopped: return "Search stopped";
    }
    return "Internal error";
}

} // namespace tessaly::memo
