#pragma once

// The standard handlers' scanning code, for any stream type: the parser's
// scanner includes it to have the handlers compiled into its own loop for
// the editor's stream.
#include <cstdint>

namespace tessaly::parser {

namespace detail {

inline bool isAlpha(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}
inline bool isLineEnd(unsigned char c)
{
    return c == '\r' || c == '\n';
}
template <class S>
unsigned char peek(S& s, int ahead)
{
    const std::int64_t p = s.position();
    for (int i = 0; i < ahead; ++i)
        s.advance();
    const unsigned char c = s.position() == p + ahead ? s.current() : 0;
    s.setPosition(p);
    return c;
}

// Digits, optionally "." and digits, optionally an exponent. A "." not
// followed by a digit is left alone.
template <class S>
bool scanNumber(S& s)
{
    if (!isDigit(s.current()))
        return false;
    while (isDigit(s.current()))
        s.advance();
    if (s.current() == '.' && isDigit(peek(s, 1))) {
        s.advance();
        while (isDigit(s.current()))
            s.advance();
    }
    if (s.current() == 'e' || s.current() == 'E') {
        const unsigned char n1 = peek(s, 1);
        const unsigned char n2 = peek(s, 2);
        if (isDigit(n1) || ((n1 == '+' || n1 == '-') && isDigit(n2))) {
            s.advance();
            if (!isDigit(s.current()))
                s.advance();
            while (isDigit(s.current()))
                s.advance();
        }
    }
    return true;
}

// The handlers whose token may be left unfinished between two of its
// characters and taken up again there with the same outcome: the quoted
// strings and the line comment.
inline bool mayCutHandler(int number)
{
    return number == 12 || number == 13 || number == 14 || number == 18 || number == 19 || number == 20;
}

// The rest of such a handler's token from a place between its characters.
// At limit, when the token goes on, it stops there and sets cut (a line
// comment reads a run of "-" as a whole, and stops after it instead); a
// later call from that place continues as if it had not stopped.
template <class S>
void handlerRest(int number, S& s, std::int64_t limit, bool& cut)
{
    const auto stopHere = [&] {
        if (s.position() < limit || (number == 19 && s.current() == '-')) [[likely]]
            return false;
        cut = true;
        return true;
    };
    switch (number) {
    case 12: // a quoted string in which a doubled quote is one quote
        while (!s.atEnd() && !isLineEnd(s.current())) {
            if (stopHere())
                return;
            const unsigned char c = s.current();
            s.advance();
            if (c == '\'') {
                if (s.current() != '\'')
                    return;
                s.advance();
            }
        }
        return;
    case 13: // C strings: a backslash takes the next character with it;
    case 14: // stops before a line end
    case 20: {
        const unsigned char quote = number == 13 ? '"' : '\'';
        while (!s.atEnd()) {
            if (stopHere())
                return;
            const unsigned char c = s.current();
            if (isLineEnd(c))
                return;
            s.advance();
            if (c == quote)
                return;
            if (c == '\\' && !s.atEnd() && !isLineEnd(s.current()))
                s.advance();
        }
        return;
    }
    case 18: // HTML string: up to the next double quote or line end, included
        while (!s.atEnd()) {
            if (stopHere())
                return;
            const unsigned char c = s.current();
            s.advance();
            if (c == '"' || isLineEnd(c))
                return;
        }
        return;
    case 19: // line comment that stops before "-->"-like endings
        while (!s.atEnd() && !isLineEnd(s.current())) {
            if (stopHere())
                return;
            if (s.current() == '-' && peek(s, 1) == '-') {
                const std::int64_t here = s.position();
                while (s.current() == '-')
                    s.advance();
                const bool closes = s.current() == '>';
                s.setPosition(here);
                if (closes)
                    return;
                while (s.current() == '-')
                    s.advance();
                continue;
            }
            s.advance();
        }
        return;
    default:
        return;
    }
}

// A token of such a handler from its start, cut at limit as handlerRest
// does; false when none starts here.
template <class S>
bool handlerToken(int number, S& s, std::int64_t limit, bool& cut)
{
    switch (number) {
    case 12:
        if (s.current() != '\'')
            return false;
        break;
    case 13:
    case 14:
    case 20:
    case 18:
        if (s.atEnd())
            return false;
        break;
    default:
        break;
    }
    if (number != 19)
        s.advance(); // the opening quote
    handlerRest(number, s, limit, cut);
    return true; // an empty rest of the line is a line comment too
}

template <class S>
bool handler(int number, S& s)
{
    const std::int64_t p0 = s.position();
    switch (number) {
    case 0: { // one character; a quote must be doubled; not a line end
        const unsigned char c = s.current();
        if (s.atEnd() || isLineEnd(c))
            return false;
        if (c == '\'') {
            if (peek(s, 1) != '\'')
                return false;
            s.advance();
        }
        s.advance();
        return true;
    }
    case 1: { // URL characters, a trailing "." left out
        auto url = [](unsigned char c) {
            return isAlpha(c) || isDigit(c) || c == '#' || c == '&' || c == '-' || c == '.' || c == '/' || c == ':'
                || c == '=' || c == '?' || c == '@' || c == '\\' || c == '_' || c == '|' || c == '~';
        };
        std::int64_t lastGood = p0;
        while (!s.atEnd() && url(s.current())) {
            const unsigned char c = s.current();
            s.advance();
            if (c != '.')
                lastGood = s.position();
        }
        s.setPosition(lastGood);
        return lastGood > p0;
    }
    case 2: { // the rest of the line, for a token that began a line
        if (p0 > 0) {
            s.stepBack();
            const unsigned char before = s.current();
            s.setPosition(p0);
            if (!isLineEnd(before))
                return false;
        }
        while (!s.atEnd() && !isLineEnd(s.current()))
            s.advance();
        return true;
    }
    case 10: // identifier
        if (!(isAlpha(s.current()) || s.current() == '_'))
            return false;
        while (isAlpha(s.current()) || isDigit(s.current()) || s.current() == '_')
            s.advance();
        return true;
    case 11: // number or floating point
        return scanNumber(s);
    case 12:
    case 13:
    case 14:
    case 20: {
        bool cut = false;
        return handlerToken(number, s, INT64_MAX, cut);
    }
    case 15: { // signed number
        if (s.current() == '+' || s.current() == '-') {
            if (!isDigit(peek(s, 1)))
                return false;
            s.advance();
        }
        return scanNumber(s);
    }
    case 16: // digits only
        if (!isDigit(s.current()))
            return false;
        while (isDigit(s.current()))
            s.advance();
        return true;
    case 17: { // a mail address: needs an "@"; a trailing "." left out
        auto mail = [](unsigned char c) { return isAlpha(c) || isDigit(c) || c == '~' || c == '.' || c == '@' || c == '-'; };
        bool at = false;
        std::int64_t lastGood = p0;
        while (!s.atEnd() && mail(s.current())) {
            const unsigned char c = s.current();
            at = at || c == '@';
            s.advance();
            if (c != '.')
                lastGood = s.position();
        }
        if (!at) {
            s.setPosition(p0);
            return false;
        }
        s.setPosition(lastGood);
        return lastGood > p0;
    }
    case 18:
    case 19: {
        bool cut = false;
        return handlerToken(number, s, INT64_MAX, cut);
    }
    default:
        return false;
    }
}

} // namespace detail

// Runs handler number on s: on a match the stream stands after the matched
// text and its length is added to count; otherwise the stream stays.
template <class S>
bool runStandardHandlerOn(int number, S& s, std::int64_t& count)
{
    const std::int64_t p0 = s.position();
    if (!detail::handler(number, s)) {
        s.setPosition(p0);
        return false;
    }
    count += s.position() - p0;
    return true;
}

} // namespace tessaly::parser
