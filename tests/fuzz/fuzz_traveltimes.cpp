// Feeds the same bytes to the four travel-time text readers. They must return
// 0 or 1 and never crash, whatever the input.

#include "traveltimereaders.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<ImportedShot> shots;
    ReceiverSpreads spreads;
    std::vector<ImportedDataFile> files;
    std::string error;

    // Every record must address what its reader delivered.
    auto check = [&](int result) {
        if (result != TravelTimeResult::Ok && result != TravelTimeResult::Invalid)
            std::abort();
        if (result != TravelTimeResult::Ok)
            return;
        for (const ImportedShot& shot : shots)
            if (shot.spreadIndex < 0 || size_t(shot.spreadIndex) >= spreads.size() ||
                shot.times.size() != spreads[size_t(shot.spreadIndex)].size())
                std::abort();
    };

    std::istringstream otte(text), txt(text), xyz(text), csv(text);
    check(readTravelTimesOTTE(otte, "fuzz.otte", shots, spreads, files, &error));
    check(readTravelTimesTXT(txt, "fuzz.txt", shots, spreads, files, &error));
    check(readTravelTimesXYZ(xyz, "fuzz.xyz", shots, spreads, files, &error));
    check(readTravelTimesCSV(csv, "fuzz.csv", ";", shots, spreads, files, &error));
    return 0;
}
