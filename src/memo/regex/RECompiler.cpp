#include "memo/regex/RECompiler.h"

#include "memo/regex/REEscape.h"
#include "memo/regex/REProgram.h"

#include <bitset>
#include <cstring>
#include <string>

namespace tessaly::memo {

namespace {

using namespace re;

// Flags a piece passes up to the piece that contains it.
enum : int {
    Worst = 0,
    HasWidth = 1, // never matches the empty string
    Simple = 2,   // one character wide: STAR and PLUS can repeat it directly
};

struct CompileError {
    TREError error;
    std::size_t at; // 0-based index of the offending pattern character
};

bool isRepeat(char c) { return c == '*' || c == '+' || c == '?'; }

class Compiler {
public:
    Compiler(std::string_view pattern, bool emit) : pattern_(pattern), emit_(emit)
    {
        if (emit_)
            code_.reserve(maxProgramSize);
    }

    void run()
    {
        put(magic);
        int flags = 0;
        reg(false, flags);
    }

    std::size_t size() const { return size_; }
    std::vector<std::uint8_t> take() { return std::move(code_); }
    int groups() const { return groups_ - 1; }

private:
    char peek() const { return parse_ < pattern_.size() ? pattern_[parse_] : '\0'; }
    bool atEnd() const { return parse_ >= pattern_.size(); }

    [[noreturn]] void fail(TREError error, std::size_t at) { throw CompileError{error, at}; }

    // --- emitting; the measuring pass only counts ----------------------

    void put(std::uint8_t byte)
    {
        if (emit_)
            code_.push_back(byte);
        ++size_;
    }

    std::size_t node(std::uint8_t op)
    {
        const std::size_t at = size_;
        put(op);
        put(0);
        put(0);
        return at;
    }

    // Puts a node of opcode op in front of the operand that starts at `at`.
    void insert(std::uint8_t op, std::size_t at)
    {
        size_ += nodeHeader;
        if (!emit_)
            return;
        const std::uint8_t header[nodeHeader] = {op, 0, 0};
        code_.insert(code_.begin() + static_cast<std::ptrdiff_t>(at), header, header + nodeHeader);
    }

    // Sets the next offset of the last node of the chain that starts at p.
    void tail(std::size_t p, std::size_t target)
    {
        if (!emit_)
            return;
        std::size_t scan = p;
        for (std::size_t n; (n = nextOf(code_, scan)) != 0;)
            scan = n;
        const std::size_t offset = code_[scan] == BACK ? scan - target : target - scan;
        code_[scan + 1] = static_cast<std::uint8_t>(offset >> 8);
        code_[scan + 2] = static_cast<std::uint8_t>(offset & 0xFF);
    }

    // tail() on the operand of a BRANCH; nothing for other nodes.
    void operandTail(std::size_t p, std::size_t target)
    {
        if (!emit_ || code_[p] != BRANCH)
            return;
        tail(operandOf(p), target);
    }

    // --- grammar ------------------------------------------------------

    // Alternatives separated by "|", as the whole pattern or inside "(" ")".
    std::size_t reg(bool paren, int& flags)
    {
        flags = HasWidth;
        std::size_t ret = 0;
        bool haveRet = false;
        int group = 0;
        const std::size_t openAt = parse_ - (paren ? 1 : 0);
        if (paren) {
            if (groups_ > maxGroups)
                fail(TREError::TooManySubexpressions, openAt);
            group = groups_++;
            ret = node(static_cast<std::uint8_t>(OPEN + group));
            haveRet = true;
        }
        int branchFlags = 0;
        std::size_t br = branch(branchFlags);
        if (haveRet)
            tail(ret, br);
        else
            ret = br;
        if (!(branchFlags & HasWidth))
            flags &= ~HasWidth;
        while (peek() == '|') {
            ++parse_;
            br = branch(branchFlags);
            tail(ret, br);
            if (!(branchFlags & HasWidth))
                flags &= ~HasWidth;
        }
        const std::size_t ender = node(static_cast<std::uint8_t>(paren ? CLOSE + group : int(END)));
        tail(ret, ender);
        if (emit_)
            for (std::size_t b = ret; b != 0; b = nextOf(code_, b))
                operandTail(b, ender);
        if (paren) {
            if (peek() != ')')
                fail(TREError::UnmatchedParenthesis, parse_);
            ++parse_;
        } else if (!atEnd()) {
            // Only a stray ")" can stop the top level before the end.
            fail(TREError::UnmatchedParenthesis, parse_);
        }
        return ret;
    }

    // One alternative: a sequence of pieces (possibly none).
    std::size_t branch(int& flags)
    {
        flags = Worst;
        const std::size_t ret = node(BRANCH);
        std::size_t chain = 0;
        bool haveChain = false;
        while (!atEnd() && peek() != '|' && peek() != ')') {
            int pieceFlags = 0;
            const std::size_t latest = piece(pieceFlags);
            flags |= pieceFlags & HasWidth;
            if (haveChain)
                tail(chain, latest);
            chain = latest;
            haveChain = true;
        }
        if (!haveChain)
            node(NOTHING);
        return ret;
    }

    // An atom with an optional "*", "+" or "?".
    std::size_t piece(int& flags)
    {
        int atomFlags = 0;
        const std::size_t ret = atom(atomFlags);
        const char op = peek();
        if (!isRepeat(op)) {
            flags = atomFlags;
            return ret;
        }
        if (!(atomFlags & HasWidth) && op != '?')
            fail(TREError::InvalidRepeat, parse_);
        flags = op == '+' ? HasWidth : Worst;

        if (op == '*' && (atomFlags & Simple)) {
            insert(STAR, ret);
        } else if (op == '*') {
            // x* as (x BACK-to-self | nothing)
            insert(BRANCH, ret);
            operandTail(ret, node(BACK));
            operandTail(ret, ret);
            tail(ret, node(BRANCH));
            tail(ret, node(NOTHING));
        } else if (op == '+' && (atomFlags & Simple)) {
            insert(PLUS, ret);
        } else if (op == '+') {
            // x+ as x (BACK-to-x | nothing)
            const std::size_t next = node(BRANCH);
            tail(ret, next);
            tail(node(BACK), ret);
            tail(next, node(BRANCH));
            tail(ret, node(NOTHING));
        } else {
            // x? as (x | nothing)
            insert(BRANCH, ret);
            tail(ret, node(BRANCH));
            const std::size_t next = node(NOTHING);
            tail(ret, next);
            operandTail(ret, next);
        }
        ++parse_;
        if (isRepeat(peek()))
            fail(TREError::NestedRepeat, parse_);
        return ret;
    }

    std::size_t atom(int& flags)
    {
        flags = Worst;
        const std::size_t start = parse_;
        const char c = peek();
        if (atEnd() || c == '|' || c == ')')
            fail(TREError::InternalError, start);
        ++parse_;
        switch (c) {
        case '^':
            return node(BOL);
        case '$':
            return node(EOL);
        case '.':
            flags = HasWidth | Simple;
            return node(ANY);
        case '[':
            flags = HasWidth | Simple;
            return charList();
        case '(': {
            int groupFlags = 0;
            const std::size_t ret = reg(true, groupFlags);
            flags = groupFlags & HasWidth;
            return ret;
        }
        case '*':
        case '+':
        case '?':
            fail(TREError::InvalidRepeat, start);
        case '"':
            return quoted(flags);
        default:
            parse_ = start;
            return literalRun(flags);
        }
    }

    // Reads one character of a literal or list at parse_, expanding escapes.
    unsigned char literalChar()
    {
        const char c = pattern_[parse_++];
        if (c != '\\')
            return static_cast<unsigned char>(c);
        if (atEnd())
            fail(TREError::UnexpectedEnd, parse_);
        TREEscape e = readEscape(pattern_, parse_);
        if (e.hexMissing)
            fail(TREError::HexDigitExpected, parse_ + 1);
        if (e.octal && e.value > 255) {
            // The third digit would pass a byte: it is a character of its own.
            e.value /= 8;
            --e.next;
        }
        parse_ = e.next;
        return static_cast<unsigned char>(e.value);
    }

    // "[" list "]" or "[^" list "]"; parse_ stands after the "[".
    std::size_t charList()
    {
        std::uint8_t op = ANYOF;
        if (peek() == '^') {
            op = ANYBUT;
            ++parse_;
        }
        std::bitset<256> set;
        bool any = false;
        while (!atEnd() && peek() != ']') {
            const unsigned char first = literalChar();
            any = true;
            if (peek() == '-') {
                ++parse_;
                if (atEnd() || peek() == ']')
                    fail(TREError::InvalidRange, parse_);
                const std::size_t endAt = parse_;
                const unsigned char last = literalChar();
                if (last < first)
                    fail(TREError::InvalidRange, endAt);
                for (int ch = first; ch <= last; ++ch)
                    set.set(static_cast<std::size_t>(ch));
            } else {
                set.set(first);
            }
        }
        if (atEnd() || !any)
            fail(TREError::UnmatchedBracket, parse_);
        ++parse_;
        const std::size_t ret = node(op);
        // The text never holds byte 0, and 0 ends the operand: leave it out.
        for (int ch = 1; ch < 256; ++ch)
            if (set.test(static_cast<std::size_t>(ch)))
                put(static_cast<std::uint8_t>(ch));
        put(0);
        return ret;
    }

    // Emits an EXACTLY node for a string. A string holding byte 0 can never
    // match stored text, so it becomes an empty ANYOF list, which never
    // matches either.
    std::size_t exactly(const std::string& text)
    {
        if (text.find('\0') != std::string::npos) {
            const std::size_t ret = node(ANYOF);
            put(0);
            return ret;
        }
        const std::size_t ret = node(EXACTLY);
        for (char ch : text)
            put(static_cast<std::uint8_t>(ch));
        put(0);
        return ret;
    }

    // A double-quoted string; parse_ stands after the opening quote.
    std::size_t quoted(int& flags)
    {
        std::string text;
        while (!atEnd() && peek() != '"')
            text.push_back(static_cast<char>(literalChar()));
        if (atEnd())
            fail(TREError::QuoteExpected, parse_);
        ++parse_;
        if (text.empty())
            return node(NOTHING);
        flags = HasWidth | (text.size() == 1 ? Simple : 0);
        return exactly(text);
    }

    // A run of ordinary characters (with escapes) up to the next special
    // character. Before a repeat sign the run leaves its last character to
    // be the repeated atom.
    std::size_t literalRun(int& flags)
    {
        static constexpr const char* special = "^$.[()|?+*\"";
        std::string text;
        std::size_t lastStart = parse_;
        // A 0 byte in the pattern is an ordinary (never matching) character,
        // not the end of the list of special characters.
        while (!atEnd() && (peek() == '\0' || !std::strchr(special, peek()))) {
            lastStart = parse_;
            text.push_back(static_cast<char>(literalChar()));
        }
        if (text.size() > 1 && isRepeat(peek())) {
            text.pop_back();
            parse_ = lastStart;
        }
        flags = HasWidth | (text.size() == 1 ? Simple : 0);
        return exactly(text);
    }

    std::string_view pattern_;
    bool emit_;
    std::size_t parse_ = 0;
    std::size_t size_ = 0;
    int groups_ = 1;
    std::vector<std::uint8_t> code_;
};

} // namespace

TRECompiled compileRegex(std::string_view pattern)
{
    TRECompiled result;
    if (pattern.empty()) {
        result.error = TREError::InvalidParameter;
        result.errorPosition = 1;
        return result;
    }
    try {
        Compiler measure(pattern, false);
        measure.run();
        if (measure.size() > re::maxProgramSize) {
            result.error = TREError::TooComplex;
            result.errorPosition = static_cast<int>(pattern.size()) + 1;
            return result;
        }
        Compiler writer(pattern, true);
        writer.run();
        result.program = writer.take();
        result.groups = writer.groups();
    } catch (const CompileError& e) {
        result.error = e.error;
        result.errorPosition = static_cast<int>(e.at) + 1;
    }
    return result;
}

} // namespace tessaly::memo
