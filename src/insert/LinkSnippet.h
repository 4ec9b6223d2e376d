#pragma once

#include <string>
#include <string_view>

namespace tessaly::insert {

// ` TARGET="target" ` (with a trailing blank), or empty when target is empty.
std::string targetFragment(std::string_view target);

// The mouse attributes of a link: onMouseOver puts text, in the quote
// character, into the browser's status line and returns true; onMouseOut's
// value is a blank in the quote character. Empty when text is empty.
std::string mouseOverFragment(std::string_view text, std::string_view quote = "'");

// <A HREF="url"{target}{mouse-over}>description</A>
std::string hyperlink(std::string_view url, std::string_view targetFragment, std::string_view mouseOverFragment,
                      std::string_view description);

} // namespace tessaly::insert
