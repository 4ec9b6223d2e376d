#pragma once

namespace tessaly::parser {

// Version number written in front of every stored parser form; a stored form
// with another number is refused when it is read.
inline constexpr int kParserFormatVersion = 49;

} // namespace tessaly::parser
