#pragma once

#include "parser/ParserTables.h"

#include <string>

namespace tessaly::parser {

// Every table as readable text, one item per line, in a fixed order, so
// that two dumps can be compared with diff.
std::string dumpTables(const TSM_ParserTables& tables);

// Readable forms used by the dump: "{0,3-5}", "[a-z_]" / "[^\x0d]" / "any",
// and a string with control characters escaped.
std::string formatSet(const TStateSet& s);
std::string formatGroup(const TSM_CharGroup& g);
std::string quoted(const std::string& s);

} // namespace tessaly::parser
