#pragma once

#include "insert/Snippet.h"

#include <string>
#include <string_view>

namespace tessaly::insert {

// Builders of the HTML form elements. Field texts are copied as typed,
// without escaping; every attribute is always written, empty or not.

enum class TFormMethod { Post, Get };
enum class TButtonType { Submit, Reset };
enum class TChoiceKind { Radio, CheckBox };

// <FORM NAME="name" METHOD="POST|GET"> ... </FORM> around the selection.
TSnippet formBlock(std::string_view name, TFormMethod method);

// A one-line text field; a hidden one is a password field.
std::string textField(std::string_view name, std::string_view value, std::string_view width,
                      std::string_view maxLength, bool hidden);

// A text area holding defaultText as given (its own line ends are kept).
std::string textArea(std::string_view name, std::string_view rows, std::string_view columns,
                     std::string_view defaultText, bool wordWrap);

// " CHECKED" when ticked, else empty.
std::string checkedFragment(bool checked);
// A radio button or check box followed by its text.
std::string choiceInput(TChoiceKind kind, std::string_view name, std::string_view value,
                        std::string_view checkedFragment, std::string_view text);

// " MULTIPLE" when ticked, else empty.
std::string multipleFragment(bool multiple);
// The pieces of a drop-down list: the opening line, one OPTION per item line
// from the first up to the first empty line (the first is always written,
// even empty), and the closing line. items holds lines split at line ends.
TPieces selectList(std::string_view name, std::string_view multipleFragment, const std::vector<std::string>& items);
// Splits a multi-line text at CR LF, LF or CR into its lines.
std::vector<std::string> splitLines(std::string_view text);

// ` onClick="text"`, or empty when text is empty.
std::string onClickFragment(std::string_view onClick);
// A submit button carries the onClick fragment; a reset button never does.
std::string buttonInput(TButtonType type, std::string_view name, std::string_view value,
                        std::string_view onClickFragment);

} // namespace tessaly::insert
