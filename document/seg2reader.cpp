#include "seg2reader.h"

int readSEG2(std::string, std::vector<RawTrace>&)
{
    return SeismicResult::CannotRead;
}
