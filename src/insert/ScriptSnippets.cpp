#include "insert/ScriptSnippets.h"

namespace tessaly::insert {

TSnippet scriptBlock(TLanguage language)
{
    const char* name = language == TLanguage::VBScript ? "VBScript" : "JavaScript";
    std::string opening = std::string("<SCRIPT LANGUAGE=\"") + name + "\">" + kBreak + "<!--" + kBreak;
    return TSnippet::wrap(std::move(opening), std::string(kBreak) + kBreak + "-->" + kBreak + "</SCRIPT>");
}

std::optional<TSnippet> commentBlock(TLanguage language, std::string_view vbCommentMark)
{
    switch (language) {
    case TLanguage::JavaScript:
        return TSnippet::wrap("/*", "*/");
    case TLanguage::VBScript:
        return TSnippet::insert(std::string(vbCommentMark));
    case TLanguage::HTML:
        return TSnippet::wrap("<!--", "-->");
    case TLanguage::PlainText:
        break;
    }
    return std::nullopt;
}

TSnippet servletBlock(std::string_view name, std::string_view code, std::string_view codebase)
{
    std::string before = "<SERVLET NAME=\"" + std::string(name) + "\" CODE=\"" + std::string(code) +
                         "\" CODEBASE=\"" + std::string(codebase) + "\">" + kBreak;
    return TSnippet::wrap(std::move(before), std::string(kBreak) + "</SERVLET>");
}

std::string customObject(std::string_view name)
{
    const std::string n(name);
    return "// " + n + " object constructor" + kBreak + "function " + n + "() {" + kBreak + "}";
}

TPieces functionBlock(std::string_view name, bool includeDescription, std::string_view description)
{
    const std::string dashes(47, '-');
    const std::string head = "function " + std::string(name) + "()";
    if (!includeDescription)
        return {head + "\r\r{\r\r\r}"};
    std::string comment = "/* " + dashes + kBreak + std::string(description) + kBreak + dashes + " */" + kBreak;
    return {std::move(comment), head + "\r{\r\r\r}"};
}

std::string messageDialog(TMessageType type, std::string_view message, std::string_view defaultValue)
{
    const std::string m(message);
    switch (type) {
    case TMessageType::Confirm:
        return "confirm(\"" + m + "\")";
    case TMessageType::Prompt:
        return "prompt(\"" + m + "\", \"" + std::string(defaultValue) + "\")";
    case TMessageType::Alert:
        break;
    }
    return "alert(\"" + m + "\")";
}

const std::vector<std::string>& aspServerVariables()
{
    static const std::vector<std::string> names = {
        "ALL_HTTP",     "AUTH_PASS",      "AUTH_TYPE",   "CONTENT_LENGTH",  "CONTENT_TYPE",
        "GATEWAY_INTERFACE", "PATH_INFO", "PATH_TRANSLATED", "QUERY_STRING", "REMOTE_ADDR",
        "REMOTE_HOST",  "REMOTE_IDENT",   "REMOTE_USER", "REQUEST_BODY",    "REQUEST_METHOD",
        "SCRIPT_NAME",  "SERVER_NAME",    "SERVER_PORT", "SERVER_PROTOCOL", "SERVER_SOFTWARE",
    };
    return names;
}

std::string aspServerVariable(std::string_view variable)
{
    return "<% Request.ServerVariables(\"" + std::string(variable) + "\") %>";
}

} // namespace tessaly::insert
