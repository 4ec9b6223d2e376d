#pragma once

#include "parser/Rules.h"
#include "parser/StreamIO.h"
#include "parser/SyntaxKeywords.h"

namespace tessaly::parser {

// Stored forms of the pieces of rules, shared by the table stream. Groups
// are written as their 32-byte set, a 4-byte count of extra entries (always
// 0; a stored group with extra entries is refused) and the negation byte;
// reading interns them in the keyword table's group manager.

// Smallest stored sizes, used to bound counts before reading the items.
inline constexpr std::size_t kGroupSize = 32 + 4 + 1;
inline constexpr std::size_t kPartSize = 1 + kGroupSize + 1;
inline constexpr std::size_t kEndSize = 1 + 1 + 1;
inline constexpr std::size_t kStartRuleSize = kPartSize + 32 + kPartSize + kEndSize + 1;

void writeGroup(TableWriter& w, const TSM_CharGroup& g);
void writePart(TableWriter& w, const TSyntaxKeywords& k, const TSM_RulePart& p);
void writeEnd(TableWriter& w, const TSyntaxKeywords& k, const TSM_EndPart& e);
void writeStartRule(TableWriter& w, const TSyntaxKeywords& k, const TSM_StartRule& r);

std::uint16_t readGroup(TableReader& r, TSyntaxKeywords& k);
TSM_RulePart readPart(TableReader& r, TSyntaxKeywords& k);
TSM_EndPart readEnd(TableReader& r, TSyntaxKeywords& k);
TSM_StartRule readStartRule(TableReader& r, TSyntaxKeywords& k);

} // namespace tessaly::parser
