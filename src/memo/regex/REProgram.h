#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The compiled form of a regular expression: a magic byte followed by nodes.
// A node is an opcode byte, a 2-byte offset to the next node (high byte
// first; 0 means none; BACK counts backwards) and, for ANYOF, ANYBUT and
// EXACTLY, a 0-terminated operand. STAR and PLUS are followed directly by
// the one-character node they repeat; BRANCH by the first node of its
// alternative.
namespace tessaly::memo::re {

inline constexpr std::uint8_t magic = 0x9C;
inline constexpr std::size_t maxProgramSize = 4096;
inline constexpr int maxGroups = 9;
inline constexpr unsigned char lineEnd = 13;

enum Op : std::uint8_t {
    END = 0,
    BOL = 1,
    EOL = 2,
    ANY = 3,
    ANYOF = 4,
    ANYBUT = 5,
    BRANCH = 6,
    BACK = 7,
    EXACTLY = 8,
    NOTHING = 9,
    STAR = 10,
    PLUS = 11,
    OPEN = 20,  // OPEN + n, n = 1..9
    CLOSE = 30, // CLOSE + n
};

inline constexpr std::size_t nodeHeader = 3;

inline std::uint8_t opAt(const std::vector<std::uint8_t>& prog, std::size_t node)
{
    return prog[node];
}

inline std::size_t operandOf(std::size_t node) { return node + nodeHeader; }

inline bool isOpen(std::uint8_t op) { return op > OPEN && op <= OPEN + maxGroups; }
inline bool isClose(std::uint8_t op) { return op > CLOSE && op <= CLOSE + maxGroups; }

// Offset of the node after `node`, or 0 when there is none (offset 0 holds
// the magic byte, so it is never a node).
inline std::size_t nextOf(const std::vector<std::uint8_t>& prog, std::size_t node)
{
    const std::size_t offset = (std::size_t(prog[node + 1]) << 8) | prog[node + 2];
    if (offset == 0)
        return 0;
    return prog[node] == BACK ? node - offset : node + offset;
}

} // namespace tessaly::memo::re
