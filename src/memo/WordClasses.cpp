#include "memo/WordClasses.h"

namespace tessaly::memo {

bool defaultCharStartsWord(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool defaultCharIsInWord(unsigned char c)
{
    return defaultCharStartsWord(c) || (c >= '0' && c <= '9') || c == '\'' || c == '-';
}

} // namespace tessaly::memo
