#include "memo/regex/REEscape.h"
#include "parser/Escapes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* text; // what follows the backslash
    int value;
    std::size_t length; // characters read
};

// Definition scripts: lower-case letters only, "\e" is escape, octal values
// wrap at 256.
TEST(Escapes, DefinitionLettersHexAndOctal)
{
    const Case cases[] = {
        {"b", 8, 1}, {"e", 27, 1}, {"n", 13, 1}, {"r", 10, 1}, {"s", ' ', 1}, {"t", '\t', 1},
        {"f", 'f', 1}, {"N", 'N', 1}, {"E", 'E', 1},
        {"x41z", 0x41, 3}, {"x4", 4, 2}, {"xaF", 0xAF, 3}, {"xg", 'x', 1}, {"x", 'x', 1}, {"X41", 'X', 1},
        {"101", 65, 3}, {"0", 0, 1}, {"777", 0xFF, 3}, {"1234", 0123, 3}, {"8", '8', 1},
        {"q", 'q', 1}, {"\\", '\\', 1}, {"\xE9", 0xE9, 1},
    };
    for (const Case& c : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(tessaly::parser::readEscape(c.text, pos), c.value) << c.text;
        EXPECT_EQ(pos, c.length) << c.text;
    }
}

// Patterns: letters in either case, "\f" is form feed, "\X" is hex too, and
// octal values are left whole for the caller.
TEST(Escapes, PatternLettersHexAndOctal)
{
    using tessaly::memo::readEscape;
    const Case cases[] = {
        {"n", 13, 1}, {"N", 13, 1}, {"r", 10, 1}, {"T", 9, 1}, {"S", ' ', 1}, {"B", 8, 1}, {"f", 12, 1},
        {"F", 12, 1}, {"e", 'e', 1}, {"X41", 0x41, 3}, {"x7", 7, 2}, {"777", 0777, 3}, {"q", 'q', 1},
    };
    for (const Case& c : cases) {
        const std::string text = std::string("a\\") + c.text;
        const auto e = readEscape(text, 2);
        EXPECT_EQ(e.value, c.value) << c.text;
        EXPECT_EQ(e.next, 2 + c.length) << c.text;
    }
    EXPECT_TRUE(readEscape("Xg", 0).hexMissing);
    EXPECT_EQ(readEscape("Xg", 0).value, 'X');
    EXPECT_TRUE(readEscape("17", 0).octal);
    EXPECT_FALSE(readEscape("x17", 0).octal);
}

} // namespace
