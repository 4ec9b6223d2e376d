#pragma once

#include "memo/AutoReplace.h"
#include "memo/CodeTemplates.h"
#include "parser/StreamIO.h"

namespace tessaly::parser {

// Stream forms of the editor's auto-replace list and code templates, as the
// settings of a language carry them.

// Long string trigger text, integer count, then per pair the long strings
// item, replacement and description. A trigger text the editor cannot use
// fails the read like any other bad data.
void writeAutoReplace(TableWriter& w, const memo::TAutoReplace& a);
memo::TAutoReplace readAutoReplace(TableReader& r);

// Integer hot key, integer count, then per template the long strings name,
// description and body.
void writeCodeTemplates(TableWriter& w, const memo::TCodeTemplates& t);
memo::TCodeTemplates readCodeTemplates(TableReader& r);

} // namespace tessaly::parser
