#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tessaly::memo {

// The characters a match of a compiled program can start with. A search
// skips start positions whose character is not in the set instead of
// running the matcher there. When some path can match without consuming a
// character, every position is a candidate (anyPosition).
struct TREStartSet {
    std::array<bool, 256> chars{};
    bool anyPosition = true;
    // The only possible first character, or -1.
    int single = -1;
};

TREStartSet analyseStart(const std::vector<std::uint8_t>& program);

} // namespace tessaly::memo
