// Importing a travel-time file into the document.

#include "logger.h"
#include "tomodocument.h"
#include "traveltimereaders.h"

#include <cassert>

int TomoDocument::loadTravelTimes(std::string path, std::string* reason)
{
    // The records' spread indices address the spreads of this one file, so the
    // shell always imports into a new document.
    assert(goephonesStringSet.empty() && ttArray.empty());

    const auto dot = path.rfind('.');
    const std::string tail = dot == std::string::npos ? std::string() : path.substr(dot);
    std::vector<ImportedShot> shots;
    ReceiverSpreads spreads;
    std::vector<ImportedDataFile> shotFiles;
    std::string error;
    int result;
    if (tail == ".otte")
        result = readTravelTimesOTTE(path, shots, spreads, shotFiles, &error);
    else if (tail == ".txt")
        result = readTravelTimesTXT(path, shots, spreads, shotFiles, &error);
    else if (tail == ".xyz" || tail == ".XYZ")
        result = readTravelTimesXYZ(path, shots, spreads, shotFiles, &error);
    else if (tail == ".csv" || tail == ".CSV")
        result = readTravelTimesCSV(path, ";", shots, spreads, shotFiles, &error);
    else {
        if (logger)
            logger->writeLog("Invalid input TT file : " + path, 1);
        if (reason)
            *reason = "the file name does not end in .otte, .txt, .xyz or .csv";
        return TravelTimeResult::UnsupportedSuffix;
    }
    if (result != TravelTimeResult::Ok) {
        if (logger && !error.empty())
            logger->writeLog(error, 1);
        if (reason)
            *reason = error;
        return result;
    }

    for (auto& spread : spreads)
        goephonesStringSet.push_back(std::move(spread));
    for (ImportedShot& shot : shots) {
        TravelTime tt;
        tt.indexStesa = uint32_t(shot.spreadIndex);
        tt.traceSetID = TravelTime::NoTraceSet;
        tt.shotPos2d = {shot.x, shot.z};
        tt.ttCalcolati.assign(shot.times.size(), 0.0);
        tt.ttMisurati = std::move(shot.times);
        ttArray.push_back(std::move(tt));
    }
    return TravelTimeResult::Ok;
}
