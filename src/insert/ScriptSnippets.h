#pragma once

#include "insert/Language.h"
#include "insert/Snippet.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaly::insert {

// A SCRIPT element with an HTML comment inside, around the selection: the
// VBScript block for VBScript documents, the JavaScript block for the rest.
TSnippet scriptBlock(TLanguage language);

// A comment in the document's language: /* */ for JavaScript, <!-- --> for
// HTML, the single-line mark for VBScript (replacing the selection), and
// nothing for plain text.
std::optional<TSnippet> commentBlock(TLanguage language, std::string_view vbCommentMark = "'");

// <SERVLET ...> ... </SERVLET> around the selection.
TSnippet servletBlock(std::string_view name, std::string_view code, std::string_view codebase);

// A constructor function skeleton named after the object.
std::string customObject(std::string_view name);

// A function skeleton; with a description, a comment box goes first as its
// own piece and the brace follows one line break after the parentheses
// instead of two.
TPieces functionBlock(std::string_view name, bool includeDescription, std::string_view description);

enum class TMessageType { Alert, Confirm, Prompt };
// alert("m"), confirm("m") or prompt("m", "default"); the default value only
// counts for a prompt.
std::string messageDialog(TMessageType type, std::string_view message, std::string_view defaultValue);

// The server variables the ASP dialog offers, in its order.
const std::vector<std::string>& aspServerVariables();
// <% Request.ServerVariables("name") %>
std::string aspServerVariable(std::string_view variable);

} // namespace tessaly::insert
