#pragma once

#include "parser/ParserTables.h"

#include <string>
#include <string_view>

namespace tessaly::parser {

// The table stream: the uncompressed content of a stored parser. Written in
// a fixed order: settings, keyword table, continuation rules, default start
// rules, context state sets, token effects, per-state start tables, the
// anchor, bound and default context sets and the needs-custom-handler flag.
std::string writeTableStream(const TSM_ParserTables& tables);

// Clears the tables and rebuilds them from a table stream. Throws
// ETableStream for data that is cut short, holds impossible counts or
// lengths, or has bytes left over; the tables are then left cleared.
void readTableStream(std::string_view data, TSM_ParserTables& tables);

} // namespace tessaly::parser
