#include "memo/regex/REPrecheck.h"

#include "memo/regex/REProgram.h"

namespace tessaly::memo {

using namespace re;

namespace {

// A BRANCH whose next node is no BRANCH is a sequence of its own, not an
// alternation: the matcher walks into it without a choice point.
bool isSingleBranch(const std::vector<std::uint8_t>& prog, std::size_t node)
{
    if (prog[node] != BRANCH)
        return false;
    const std::size_t next = nextOf(prog, node);
    return next == 0 || prog[next] != BRANCH;
}

std::size_t findLeadRepeat(const std::vector<std::uint8_t>& prog)
{
    std::size_t node = 1;
    for (std::size_t guard = 0; node != 0 && node + nodeHeader <= prog.size() && guard < prog.size(); ++guard) {
        const std::uint8_t op = prog[node];
        if (op == STAR || op == PLUS)
            return node;
        if (isSingleBranch(prog, node))
            node = operandOf(node);
        else if (isOpen(op))
            node = nextOf(prog, node);
        else
            return 0;
    }
    return 0;
}

std::string findRequired(const std::vector<std::uint8_t>& prog)
{
    // Walk the nodes every match passes: the main chain, into sequences,
    // and over alternations (their chain of BRANCH nodes ends in the node
    // all alternatives join at) without entering them.
    std::string best;
    std::size_t node = 1;
    for (std::size_t guard = 0; node != 0 && node + nodeHeader <= prog.size() && guard < prog.size(); ++guard) {
        const std::uint8_t op = prog[node];
        std::size_t next = nextOf(prog, node);
        if (op == END || op == BACK)
            break;
        if (op == EXACTLY) {
            std::string literal;
            for (std::size_t i = operandOf(node); i < prog.size() && prog[i] != 0; ++i)
                literal += static_cast<char>(prog[i]);
            if (literal.size() > best.size())
                best = literal;
        } else if (op == PLUS && prog[operandOf(node)] == EXACTLY && best.empty()) {
            best = std::string(1, static_cast<char>(prog[operandOf(operandOf(node))]));
        } else if (isSingleBranch(prog, node)) {
            next = operandOf(node);
        } else if (op == BRANCH) {
            // Over the alternation to the node after its last BRANCH.
            std::size_t last = node;
            while (next != 0 && next > last && prog[next] == BRANCH) {
                last = next;
                next = nextOf(prog, last);
            }
        }
        // A chain only runs forward; anything else is not the shape the
        // compiler writes, and the walk gives up with what it has.
        if (next != 0 && next <= node)
            break;
        node = next;
    }
    return best;
}

} // namespace

TREPrecheck analysePrecheck(const std::vector<std::uint8_t>& program)
{
    TREPrecheck result;
    if (program.size() < 1 + nodeHeader)
        return result;
    result.required = findRequired(program);
    result.leadRepeat = findLeadRepeat(program);
    return result;
}

} // namespace tessaly::memo
