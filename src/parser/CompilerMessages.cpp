#include "parser/CompilerMessages.h"

namespace tessaly::parser {

const char* compilerMessageText(int number)
{
    switch (number) {
    case 4096: return "'=' expected";
    case 4097: return "'(' expected";
    case 4098: return "')' expected";
    case 4099: return "',' expected";
    case 4100: return "'[' expected";
    case 4101: return "']' expected";
    case 4102: return "String value expected";
    case 4103: return "Script syntax error";
    case 4104: return "Expression expected";
    case 4105: return "Too many editable styles";
    case 4106: return "Value must be 0..255";
    case 4107: return "Character range error";
    case 4108: return "Duplicate entry in %%word table";
    case 4109: return "Single character specifier expected";
    case 4110: return "Maximum of 4 character specifier allowed";
    case 4111: return "Numeric value out of range";
    case 4112: return "Duplicate entry in %%handler table";
    case 4113: return "Ambigious start set in %%token table";
    case 4114: return "Duplicate %%effect entry";
    case 4115: return "Bad font style specifier";
    case 4116: return "Unexpected EOF";
    case 4117: return "Unknown script identifier";
    case 4118: return "Key function name cannot be blank";
    case 4119: return "Key specification required";
    case 4120: return "Not implemented yet";
    case 4121: return "Recursive expansion of macro '%s'";
    case 4123: return "#include filename missing terminating %s";
    case 4124: return "Unable to open #include file %s%s%s";
    case 4125: return "Identifier";
    case 4126: return "Unknown";
    case 4127: return "Unknown character in input stream: #$%.2x";
    case 4128: return "<Custom language>";
    case 4130: return "Range error, value outwith %d .. %d";
    case 4131: return "Token value %d re-specified in ContextState";
    case 4132: return "Invalid data in registry entry";
    case 4133: return "Invalid data in style string";
    case 4134: return "Macro name expected after #ifdef";
    case 4135: return "#include filename not enclosed in \"...\" or <...>";
    case 4136: return "Macro name expected";
    case 4137: return "Macro expansion too large";
    default: return "";
    }
}

ECompileError::ECompileError(int number, std::string text, int line, int column)
    : std::runtime_error("** ERROR near line " + std::to_string(line) + ", Column " + std::to_string(column) +
                         ": " + text),
      number_(number), text_(std::move(text)), line_(line), column_(column)
{
}

} // namespace tessaly::parser
