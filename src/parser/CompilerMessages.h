#pragma once

#include <stdexcept>
#include <string>

namespace tessaly::parser {

// Numbers of the compiler's message texts.
enum CompilerMessage : int {
    msgEqualsExpected = 4096,
    msgOpenParenExpected = 4097,
    msgCloseParenExpected = 4098,
    msgCommaExpected = 4099,
    msgOpenBracketExpected = 4100,
    msgCloseBracketExpected = 4101,
    msgStringExpected = 4102,
    msgSyntaxError = 4103,
    msgExpressionExpected = 4104,
    msgTooManyEditableStyles = 4105,
    msgValue0To255 = 4106,
    msgCharacterRange = 4107,
    msgDuplicateWord = 4108,
    msgSingleCharacter = 4109,
    msgMaxFourCharacters = 4110,
    msgNumberOutOfRange = 4111,
    msgDuplicateHandler = 4112,
    msgAmbiguousStart = 4113,
    msgDuplicateEffect = 4114,
    msgBadFontStyle = 4115,
    msgUnexpectedEof = 4116,
    msgUnknownScriptIdentifier = 4117,
    msgBlankKeyName = 4118,
    msgKeyRequired = 4119,
    msgNotImplemented = 4120,
    msgRecursiveMacro = 4121,
    msgIncludeUnterminated = 4123,
    msgIncludeOpen = 4124,
    msgIdentifier = 4125,
    msgUnknown = 4126,
    msgUnknownCharacter = 4127,
    msgCustomLanguage = 4128,
    msgRangeOutwith = 4130,
    msgContextRespecified = 4131,
    msgInvalidRegistryData = 4132,
    msgInvalidStyleString = 4133,
    msgMacroExpectedIfdef = 4134,
    msgIncludeNotEnclosed = 4135,
    msgMacroExpected = 4136,
    msgMacroTooLarge = 4137,
};

// The text of a message number, with its printf-style fields unfilled;
// an empty string for an unknown number.
const char* compilerMessageText(int number);

// The text of the wrong-order range message (it has no number).
inline constexpr const char* kRangeOrderMessage = "Characters not in correct order for range specifier";

// A compile error: the message number (0 for the unnumbered range message),
// the filled-in text and the place. what() is the full
// "** ERROR near line %d, Column %d: %s" line.
class ECompileError : public std::runtime_error {
public:
    ECompileError(int number, std::string text, int line, int column);
    int number() const { return number_; }
    const std::string& text() const { return text_; }
    int line() const { return line_; }
    int column() const { return column_; }
    // The section and item being compiled ("%%Words - if"), when known.
    const std::string& context() const { return context_; }
    void setContext(std::string context) { context_ = std::move(context); }

private:
    std::string context_;
    int number_;
    std::string text_;
    int line_;
    int column_;
};

} // namespace tessaly::parser
