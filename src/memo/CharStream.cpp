#include "memo/CharStream.h"
