#pragma once

#include "parser/Settings.h"

#include <stdexcept>
#include <string>

namespace tessaly::parser {

// Raised for a style string or key-assignment value that cannot be read;
// the text is "Invalid data in style string" or "Invalid data in registry
// entry".
class EInvalidRegistryData : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The user's settings as one text: "Kelvar6:" then items "TAG#length#value"
// (OPT, GWD, GCL, WRC, IDS, WRO, FON, FOS, STC, STB, TBC, TBD, EFF) and
// "#END#".
std::string makeStyleString(const TSM_Settings& s);

// Applies a style string to the settings. Nothing changes when the text is
// malformed: EInvalidRegistryData with "Invalid data in style string".
void applyStyleString(const std::string& text, TSM_Settings& s);

// The key-assignment value: the short string "Kelvar6:" and the stream of
// the key-command map.
std::string makeKeyAssignments(const TSM_Settings& s);
// Replaces the key-command map; EInvalidRegistryData with "Invalid data in
// registry entry" for bad data, leaving the map as it was.
void applyKeyAssignments(const std::string& bytes, TSM_Settings& s);

} // namespace tessaly::parser
