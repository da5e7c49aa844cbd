#include "segyreader.h"

int readSEGY(std::string, std::vector<RawTrace>&)
{
    return SeismicResult::CannotRead;
}

int readSU(std::string, std::vector<RawTrace>&)
{
    return SeismicResult::CannotRead;
}
