// Feeds the same bytes to the converter's SeisImager and generic text readers.
// They may return 0 or 1 or end with std::out_of_range (a missing line or
// field), never anything else, and every record must fit its spread.

#include "traveltimeconversions.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace
{

// One scratch file per process: the readers take paths.
const std::string& scratchFile()
{
    static const std::string path = [] {
        char name[] = "/tmp/fuzz-converter-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0)
            std::abort();
        close(fd);
        return std::string(name);
    }();
    return path;
}

void check(int result, const std::vector<TravelTimeShot>& records, const ReceiverSpreads& spreads)
{
    if (result != 0 && result != 1)
        std::abort();
    for (const TravelTimeShot& r : records)
        if (r.spreadIndex < 0 || size_t(r.spreadIndex) >= spreads.size() ||
            r.times.size() != spreads[size_t(r.spreadIndex)].size())
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = scratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    std::vector<TravelTimeShot> records;
    ReceiverSpreads spreads;
    std::vector<ImportedDataFile> shots;
    try {
        check(readSeisImagerTravelTimes(path, records, spreads, shots), records, spreads);
    } catch (const std::out_of_range&) {
    }
    records.clear();
    spreads.clear();
    try {
        check(readGenericTextTravelTimes(path, records, spreads, {1.0, 2.0}, 0), records, spreads);
    } catch (const std::out_of_range&) {
    }
    std::remove(path.c_str());
    return 0;
}
