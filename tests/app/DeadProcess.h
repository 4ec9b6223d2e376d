#pragma once

#include <cstdint>

#include <sys/wait.h>
#include <unistd.h>

namespace shelltest {

// A pid no process has: the child of a fork that has already been reaped.
// Recovery files naming it belong to a program that is gone.
inline std::int64_t deadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

} // namespace shelltest
