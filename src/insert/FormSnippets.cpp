#include "insert/FormSnippets.h"

namespace tessaly::insert {

namespace {

std::string quoted(std::string_view attribute, std::string_view value)
{
    std::string s(attribute);
    s += "=\"";
    s += value;
    s += '"';
    return s;
}

} // namespace

TSnippet formBlock(std::string_view name, TFormMethod method)
{
    std::string before = "<FORM " + quoted("NAME", name) + ' ' +
                         quoted("METHOD", method == TFormMethod::Post ? "POST" : "GET") + '>' + kBreak;
    return TSnippet::wrap(std::move(before), std::string(kBreak) + "</FORM>");
}

std::string textField(std::string_view name, std::string_view value, std::string_view width,
                      std::string_view maxLength, bool hidden)
{
    return "<INPUT " + quoted("TYPE", hidden ? "password" : "text") + ' ' + quoted("NAME", name) + ' ' +
           quoted("VALUE", value) + ' ' + quoted("SIZE", width) + ' ' + quoted("MAXLENGTH", maxLength) + '>';
}

std::string textArea(std::string_view name, std::string_view rows, std::string_view columns,
                     std::string_view defaultText, bool wordWrap)
{
    std::string s = "<TEXTAREA " + quoted("NAME", name) + ' ' + quoted("ROWS", rows) + ' ' + quoted("COLS", columns) +
                    ' ' + quoted("WRAP", wordWrap ? "physical" : "off") + '>' + kBreak;
    s += defaultText;
    s += kBreak;
    s += "</TEXTAREA>";
    return s;
}

std::string checkedFragment(bool checked)
{
    return checked ? " CHECKED" : "";
}

std::string choiceInput(TChoiceKind kind, std::string_view name, std::string_view value,
                        std::string_view checkedFragment, std::string_view text)
{
    std::string s = "<INPUT " + quoted("TYPE", kind == TChoiceKind::Radio ? "radio" : "checkbox") + ' ' +
                    quoted("NAME", name) + ' ' + quoted("VALUE", value);
    s += checkedFragment;
    s += '>';
    s += text;
    return s;
}

std::string multipleFragment(bool multiple)
{
    return multiple ? " MULTIPLE" : "";
}

TPieces selectList(std::string_view name, std::string_view multipleFragment, const std::vector<std::string>& items)
{
    TPieces pieces;
    pieces.push_back("<SELECT " + quoted("NAME", name) + std::string(multipleFragment) + '>' + kBreak);
    // Past the last line reads as an empty line, which ends the list.
    auto line = [&](std::size_t i) -> std::string { return i < items.size() ? items[i] : std::string(); };
    std::size_t index = 0;
    do {
        pieces.push_back("<OPTION>" + line(index) + kBreak);
        ++index;
    } while (!line(index).empty());
    pieces.push_back(std::string("</SELECT>") + kBreak);
    return pieces;
}

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    lines.push_back(std::move(current));
    return lines;
}

std::string onClickFragment(std::string_view onClick)
{
    return onClick.empty() ? std::string() : ' ' + quoted("onClick", onClick);
}

std::string buttonInput(TButtonType type, std::string_view name, std::string_view value,
                        std::string_view onClickFragment)
{
    std::string s = "<INPUT " + quoted("TYPE", type == TButtonType::Submit ? "submit" : "reset") + ' ' +
                    quoted("NAME", name) + ' ' + quoted("VALUE", value);
    if (type == TButtonType::Submit)
        s += onClickFragment;
    s += '>';
    return s;
}

} // namespace tessaly::insert
