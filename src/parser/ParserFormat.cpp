#include "parser/ParserFormat.h"
