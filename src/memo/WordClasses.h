#pragma once

namespace tessaly::memo {

// The two character classes that define a word, for word selection and
// whole-word search. Either function may be replaced.
struct TWordClasses {
    using Test = bool (*)(unsigned char);
    Test startsWord;
    Test isInWord;

    bool touchesWord(unsigned char c) const { return startsWord(c) || isInWord(c); }
};

// A word starts with A-Z, a-z or "_".
bool defaultCharStartsWord(unsigned char c);
// A word goes on with A-Z, a-z, 0-9, "_", "'" and "-".
bool defaultCharIsInWord(unsigned char c);

inline TWordClasses defaultWordClasses() { return {&defaultCharStartsWord, &defaultCharIsInWord}; }

} // namespace tessaly::memo
