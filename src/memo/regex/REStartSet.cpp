#include "memo/regex/REStartSet.h"

#include "memo/regex/REProgram.h"

namespace tessaly::memo {

namespace {

using namespace re;

class Analysis {
public:
    Analysis(const std::vector<std::uint8_t>& prog, TREStartSet& set) : prog_(prog), set_(set) {}

    // Adds the characters that can be consumed first from `node` on; true
    // when the rest of the program may succeed without consuming one (or
    // when the walk gives up, which is the safe answer).
    bool walk(std::size_t node, int depth)
    {
        if (depth > 32)
            return true;
        while (node != 0) {
            if (++steps_ > 20000)
                return true;
            const std::uint8_t op = prog_[node];
            const std::size_t next = nextOf(prog_, node);
            switch (op) {
            case END:
                return true;
            case ANY:
            case ANYOF:
            case ANYBUT:
            case EXACTLY:
                addSimple(node);
                return false;
            case STAR:
                addSimple(operandOf(node));
                break;
            case PLUS:
                addSimple(operandOf(node));
                return false;
            case BRANCH:
                if (next == 0 || prog_[next] != BRANCH) {
                    node = operandOf(node);
                    continue;
                } else {
                    bool empty = false;
                    for (std::size_t b = node; b != 0 && prog_[b] == BRANCH; b = nextOf(prog_, b))
                        empty = walk(operandOf(b), depth + 1) || empty;
                    return empty;
                }
            default:
                // BOL, EOL, NOTHING, BACK, OPEN, CLOSE consume nothing.
                break;
            }
            node = next;
        }
        return true;
    }

private:
    void addSimple(std::size_t node)
    {
        const std::size_t operand = operandOf(node);
        switch (prog_[node]) {
        case ANY:
            for (int c = 0; c < 256; ++c)
                set_.chars[static_cast<std::size_t>(c)] = set_.chars[static_cast<std::size_t>(c)] || c != lineEnd;
            break;
        case ANYOF:
            for (std::size_t i = operand; prog_[i] != 0; ++i)
                set_.chars[prog_[i]] = true;
            break;
        case ANYBUT: {
            std::array<bool, 256> listed{};
            for (std::size_t i = operand; prog_[i] != 0; ++i)
                listed[prog_[i]] = true;
            for (std::size_t c = 0; c < 256; ++c)
                set_.chars[c] = set_.chars[c] || !listed[c];
            break;
        }
        case EXACTLY:
            set_.chars[prog_[operand]] = true;
            break;
        default:
            break;
        }
    }

    const std::vector<std::uint8_t>& prog_;
    TREStartSet& set_;
    int steps_ = 0;
};

} // namespace

TREStartSet analyseStart(const std::vector<std::uint8_t>& program)
{
    TREStartSet set;
    if (program.size() < 2)
        return set;
    Analysis analysis(program, set);
    set.anyPosition = analysis.walk(1, 0);
    if (!set.anyPosition) {
        int count = 0;
        for (std::size_t c = 0; c < 256; ++c)
            if (set.chars[c]) {
                ++count;
                set.single = static_cast<int>(c);
            }
        if (count != 1)
            set.single = -1;
    }
    return set;
}

} // namespace tessaly::memo
