#pragma once

#include <array>
#include <string_view>

namespace tessaly::library {

// The kinds of script the library knows, in the order the add dialog offers
// them; the first is the one chosen by default.
inline constexpr std::array<std::string_view, 4> scriptKinds = {"Java Script", "VB Script", "CGI Script", "Other"};

// The icons of the kinds, by image number: 0 CGI Script, 1 Java Script,
// 2 VB Script, 3 Other.
enum TKindImage : int { imgNone = -1, imgCgi = 0, imgJava = 1, imgVb = 2, imgOther = 3 };

// The image of a kind text, compared exactly (letter case and spaces count);
// imgNone for any other text, which then shows without an icon.
TKindImage kindImage(std::string_view kind);

} // namespace tessaly::library
