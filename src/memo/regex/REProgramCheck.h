#pragma once

#include <cstdint>
#include <vector>

namespace tessaly::memo {

// Consistency check of a compiled program, for tests and fuzzing: the magic
// byte, every node whole inside the program with a 0-terminated operand,
// every next offset and every BRANCH alternative landing on a node, STAR and
// PLUS repeating a one-character node, and an END node.
bool isWellFormedProgram(const std::vector<std::uint8_t>& program);

} // namespace tessaly::memo
