#pragma once
// How far the computed travel times lie from the picks after an inversion.

#include "records.h"

class TomoDocument;

#include <QString>

#include <cstddef>
#include <vector>

// Over every receiver with a measured time m > 0 (unpicked 0, rejected -99
// and the user's unusable marks are left out) and its computed time c, both in
// seconds.
struct InversionMisfit {
    size_t count = 0;
    double rmse = 0.0;         // s
    double relativeRmse = 0.0; // %
    // Each the largest of its kind; the two may belong to different receivers.
    double maxRelative = 0.0; // %, largest |c - m| / m
    double maxAbsolute = 0.0; // s, largest |c - m|
};
InversionMisfit inversionMisfit(const std::vector<TravelTime>& records);

// The three lines of the "Inversion results" box, each ended by "\n", with the
// errors in ms and % to 6 significant digits.
QString inversionReport(long long elapsedSeconds, const InversionMisfit& misfit);

// The end of an inversion run: the final smoothing (applySmoothing with the
// run's choices), the rays traced again through the model that is shown (the
// iterations leave the times of the rays before the last update) and the
// misfit of their times. RMSE_tomography becomes the relative RMSE (%), or -1
// without a counted pick, so that an earlier run's figure is never printed or
// saved for this model. Cost: one ray tracing over every shot.
InversionMisfit finishInversion(TomoDocument& document, bool symmetric, int smoothingType,
                                int smoothing);
