#pragma once

// The process's resident memory in bytes, from /proc; -1 where there is none.

#include <unistd.h>

#include <fstream>

namespace bench {

inline long long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long long size = 0;
    long long resident = 0;
    if (!(statm >> size >> resident))
        return -1;
    return resident * sysconf(_SC_PAGESIZE);
}

} // namespace bench
