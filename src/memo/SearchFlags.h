#pragma once

namespace tessaly::memo {

// Bits of the editor's search flags (one integer; the editor keeps the last
// one used).
struct TSearchFlags {
    static constexpr int AtOnce = 8;      // search at once with the given text, no dialog
    static constexpr int MatchCase = 16;
    static constexpr int RegExp = 32;     // the text is a regular expression
    static constexpr int WholeWord = 64;
    static constexpr int Upward = 128;    // towards the start of the text
};

} // namespace tessaly::memo
