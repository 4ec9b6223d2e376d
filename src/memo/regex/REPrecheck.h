#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::memo {

// Facts about a compiled program (REProgram.h) that let a search rule out
// start positions without running the matcher there.
struct TREPrecheck {
    // Characters every match contains in this order, one after the other
    // (the longest literal on the path every match takes); empty when the
    // program has none. A start position with no occurrence of it at or
    // after the start cannot match.
    std::string required;
    // The STAR or PLUS node every match begins with (only group starts and
    // single-alternative branches before it), or 0. When an attempt fails,
    // the start positions inside the run of characters that repeat took
    // cannot match either: every way on from them was tried from the
    // first start, and what follows the repeat depends only on where it
    // resumes.
    std::size_t leadRepeat = 0;
};

TREPrecheck analysePrecheck(const std::vector<std::uint8_t>& program);

} // namespace tessaly::memo
