#include "insert/LinkSnippet.h"

namespace tessaly::insert {

std::string targetFragment(std::string_view target)
{
    return target.empty() ? std::string() : " TARGET=\"" + std::string(target) + "\" ";
}

std::string mouseOverFragment(std::string_view text, std::string_view quote)
{
    if (text.empty())
        return {};
    // Both handler values are closed: the status text ends in its quote
    // before "; return true", and the mouse-out value is a quoted blank inside
    // a double-quoted attribute, so the rest of the link stays markup.
    const std::string q(quote);
    return " onMouseOver=\"self.status=" + q + std::string(text) + q + "; return true\" onMouseOut=\"" + q + " " + q +
           "\" ";
}

std::string hyperlink(std::string_view url, std::string_view targetFragment, std::string_view mouseOverFragment,
                      std::string_view description)
{
    std::string s = "<A HREF=\"" + std::string(url) + '"';
    s += targetFragment;
    s += mouseOverFragment;
    s += '>';
    s += description;
    s += "</A>";
    return s;
}

} // namespace tessaly::insert
