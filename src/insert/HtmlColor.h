#pragma once

#include "memo/Color.h"

#include <string>

namespace tessaly::insert {

// The colour as HTML writes it: "#" and six upper-case hex digits, red
// first; the empty string for TColor::none() and TColor::defaultColor().
// Other values that are not RGB keep only their low 24 bits.
std::string htmlColor(memo::TColor color);

} // namespace tessaly::insert
