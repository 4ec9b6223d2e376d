#include "library/ScriptKinds.h"

namespace tessaly::library {

TKindImage kindImage(std::string_view kind)
{
    if (kind == "CGI Script")
        return imgCgi;
    if (kind == "Java Script")
        return imgJava;
    if (kind == "VB Script")
        return imgVb;
    if (kind == "Other")
        return imgOther;
    return imgNone;
}

} // namespace tessaly::library
