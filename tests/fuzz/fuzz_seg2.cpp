// Any byte string given to the SEG2 decoder returns a code: no crash, no read
// outside the input, no allocation the input cannot justify.

#include "seg2reader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<RawTrace> traces;
    readSEG2Bytes(std::vector<unsigned char>(data, data + size), traces);
    return 0;
}
