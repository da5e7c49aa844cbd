// libFuzzer entry point for the SEG-Y reader: any bytes, no crash, no
// allocation beyond what the bytes can hold.

#include "segyreader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<unsigned char> bytes(data, data + size);
    std::vector<RawTrace> traces;
    decodeSEGY(bytes, traces);
    return 0;
}
