#include "traveltimeexport.h"

#include "ottewriter.h"
#include "tomodocument.h"

#include <limits>

int exportTravelTimesOtte(const TomoDocument& document, const std::string& path,
                          std::size_t* badRecord, std::string* reason)
{
    std::vector<ImportedShot> records;
    std::vector<ImportedDataFile> shots;
    records.reserve(document.ttArray.size());
    shots.reserve(document.ttArray.size());
    for (std::size_t k = 0; k < document.ttArray.size(); ++k) {
        const TravelTime& tt = document.ttArray[k];
        ImportedShot record;
        // A spread index beyond int32 cannot address a spread; -1 makes the
        // writer refuse the record.
        record.spreadIndex = tt.indexStesa <= uint32_t(std::numeric_limits<int32_t>::max())
                                 ? int32_t(tt.indexStesa)
                                 : -1;
        record.shotIndex = int32_t(k);
        record.x = tt.shotPos2d.x;
        record.z = tt.shotPos2d.z;
        record.times = tt.ttMisurati;
        records.push_back(std::move(record));
        shots.push_back({tt.shotPos2d, {}});
    }
    return writeOtteFile(path, records, document.goephonesStringSet, shots, badRecord, reason);
}
