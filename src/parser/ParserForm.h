#pragma once

#include "parser/ParserTables.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace tessaly::parser {

// Raised when a stored parser form has another format version; the text is
// the warning shown to the user and the tables are left empty.
class EParserVersion : public std::runtime_error {
public:
    EParserVersion(const std::string& component, int version);
    int version() const { return version_; }

private:
    int version_;
};

// Raised for any other failure while reading or writing a stored form:
// "component: message".
class EParserForm : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stored form of a parser (the Parser property): the format version as a
// 2-byte word, the length of the table stream as 4 bytes, then the table
// stream compressed with the block method. Little-endian.
std::string writeParserForm(const TSM_ParserTables& tables, const std::string& component = "Parser");

// Clears the tables and reads a stored form into them. Throws
// EParserVersion for another version, EParserForm for anything else (the
// tables are then empty).
void readParserForm(std::string_view form, TSM_ParserTables& tables, const std::string& component = "Parser");

// Copies one parser's tables into another through the stored form.
void assignTables(const TSM_ParserTables& from, TSM_ParserTables& to);

} // namespace tessaly::parser
