#include "parser/StandardHandlers.h"

#include "parser/StandardHandlerScan.h"

namespace tessaly::parser {

bool runStandardHandler(int number, memo::TCharStream& s, std::int64_t& count)
{
    return runStandardHandlerOn(number, s, count);
}

} // namespace tessaly::parser
