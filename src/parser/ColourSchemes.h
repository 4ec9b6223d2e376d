#pragma once

#include "parser/Settings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::parser {

// The colour schemes a user can start from: "Classic" (the language's
// built-in colours) and "Dark" (light text on a dark page).
std::vector<std::string> colourSchemeNames();

// Puts a scheme's colours into settings: the styles, the page, gutter and
// selection colours; fonts styles (bold, italic, underline) and everything
// else stay. builtin is the language's own settings, which "Classic" copies
// and "Dark" derives its hues from. An unknown name changes nothing.
void applyColourScheme(const std::string& name, const TSM_Settings& builtin, TSM_Settings& settings);

// The contrast ratio of two colours (their low 24 bits, as RGB) as
// accessibility guidelines define it: 1 to 21.
double contrastRatio(memo::TColor a, memo::TColor b);

// The background a style is painted on: its own when it brings its colours,
// else the page's (the default style's).
memo::TColor paintedBackground(const TSM_Settings& s, const TSM_Style& style);

} // namespace tessaly::parser
