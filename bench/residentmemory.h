#pragma once
// A field of /proc/self/status ("VmHWM:", "VmRSS:") in MB; 0 where there is none.

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

inline double residentMB(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::atof(line.c_str() + std::strlen(field)) / 1024.0;
    return 0.0;
}
