#include "memo/regex/REProgramCheck.h"

#include "memo/regex/REProgram.h"

namespace tessaly::memo {

using namespace re;

namespace {

bool hasOperand(std::uint8_t op) { return op == ANYOF || op == ANYBUT || op == EXACTLY; }

bool knownOp(std::uint8_t op)
{
    return op <= PLUS || isOpen(op) || isClose(op);
}

} // namespace

bool isWellFormedProgram(const std::vector<std::uint8_t>& program)
{
    if (program.size() < 1 + nodeHeader || program.size() > maxProgramSize || program[0] != magic)
        return false;
    // Find where each node starts, walking them in storage order.
    std::vector<bool> isNode(program.size(), false);
    bool hasEnd = false;
    std::size_t p = 1;
    while (p < program.size()) {
        if (p + nodeHeader > program.size() || !knownOp(program[p]))
            return false;
        isNode[p] = true;
        hasEnd = hasEnd || program[p] == END;
        std::size_t after = p + nodeHeader;
        if (hasOperand(program[p])) {
            while (after < program.size() && program[after] != 0)
                ++after;
            if (after >= program.size())
                return false;
            ++after;
        }
        p = after;
    }
    if (!hasEnd)
        return false;
    // The one-character node after a STAR or PLUS is run by its repeat and
    // leads nowhere itself.
    std::vector<bool> repeated(program.size(), false);
    for (std::size_t node = 1; node < program.size(); ++node)
        if (isNode[node] && (program[node] == STAR || program[node] == PLUS) && operandOf(node) < program.size())
            repeated[operandOf(node)] = true;
    for (std::size_t node = 1; node < program.size(); ++node) {
        if (!isNode[node])
            continue;
        const std::uint8_t op = program[node];
        const std::size_t offset = (std::size_t(program[node + 1]) << 8) | program[node + 2];
        if (offset != 0) {
            if (op == BACK ? offset > node : node + offset >= program.size())
                return false;
            if (!isNode[nextOf(program, node)])
                return false;
        } else if (op != END && !repeated[node]) {
            return false; // every other node leads somewhere
        }
        if ((op == BRANCH || op == STAR || op == PLUS)
            && (operandOf(node) >= program.size() || !isNode[operandOf(node)]))
            return false;
        if (op == STAR || op == PLUS) {
            const std::size_t operand = operandOf(node);
            const std::uint8_t inner = program[operand];
            if (inner == EXACTLY) {
                if (program[operandOf(operand)] == 0 || program[operandOf(operand) + 1] != 0)
                    return false;
            } else if (inner != ANY && inner != ANYOF && inner != ANYBUT) {
                return false;
            }
        }
    }
    return true;
}

} // namespace tessaly::memo
