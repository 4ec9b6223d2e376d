#include "parser/runtime/StandardHandlers.h"

#include "parser/runtime/StandardHandlerScan.h"

namespace tessaly::parser {

bool runStandardHandler(int number, memo::TCharStream& s, std::int64_t& count)
{
    return runStandardHandlerOn(number, s, count);
}

} // namespace tessaly::parser
