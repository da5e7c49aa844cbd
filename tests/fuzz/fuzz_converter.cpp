// Feeds the same bytes to the converter's SeisImager and generic text readers.
// They return 0, or 1 with a reason and the lists as they were; no exception
// leaves them, and every record must fit its spread.

#include "traveltimeconversions.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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

void check(int result, const std::string& reason, const std::vector<TravelTimeShot>& records,
           const ReceiverSpreads& spreads)
{
    if (result != 0 && result != 1)
        std::abort();
    if (result == 1 && (reason.empty() || !records.empty() || !spreads.empty()))
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
    std::string reason;
    check(readSeisImagerTravelTimes(path, records, spreads, shots, &reason), reason, records,
          spreads);
    records.clear();
    spreads.clear();
    reason.clear();
    check(readGenericTextTravelTimes(path, records, spreads, {1.0, 2.0}, 0, &reason), reason,
          records, spreads);
    std::remove(path.c_str());
    return 0;
}
