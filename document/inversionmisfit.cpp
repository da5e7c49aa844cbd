#include "inversionmisfit.h"

#include "tomodocument.h"
#include "windowtexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

InversionMisfit inversionMisfit(const std::vector<TravelTime>& records)
{
    InversionMisfit out;
    double sumSquares = 0.0;
    double sumRelativeSquares = 0.0;
    double largestRelative = 0.0;
    for (const TravelTime& record : records) {
        const size_t n = std::min(record.ttMisurati.size(), record.ttCalcolati.size());
        for (size_t j = 0; j < n; ++j) {
            const double m = record.ttMisurati[j];
            if (!(m > 0.0))
                continue;
            const double c = record.ttCalcolati[j];
            const double relative = std::fabs(c - m) / m;
            ++out.count;
            sumSquares += (m - c) * (m - c);
            sumRelativeSquares += relative * relative;
            largestRelative = std::max(largestRelative, relative);
            out.maxAbsolute = std::max(out.maxAbsolute, std::fabs(c - m));
        }
    }
    out.maxRelative = largestRelative * 100.0;
    if (out.count > 0) {
        out.rmse = std::sqrt(sumSquares / double(out.count));
        out.relativeRmse = std::sqrt(sumRelativeSquares / double(out.count)) * 100.0;
    }
    return out;
}

InversionMisfit finishInversion(TomoDocument& document, bool symmetric, int smoothingType,
                                int smoothing)
{
    document.applySmoothing(symmetric, smoothingType, smoothing);
    document.computeRayPaths();
    const InversionMisfit misfit = inversionMisfit(document.ttArray);
    document.RMSE_tomography = misfit.count > 0 ? misfit.relativeRmse : -1.0;
    return misfit;
}

namespace
{
} // namespace

QString inversionReport(long long elapsedSeconds, const InversionMisfit& misfit)
{
    auto number = [](double v) { return QString::number(v, 'g', 6); };
    return WindowTexts::tr("Elapsed time: [s] ") + QString::number(elapsedSeconds) + "\n" +
           WindowTexts::tr("RMSE: [ms] ") + number(misfit.rmse * 1000.0) +
           WindowTexts::tr("; [%] ") + number(misfit.relativeRmse) + "\n" +
           WindowTexts::tr("MaxError: [ms] ") + number(misfit.maxAbsolute * 1000.0) +
           WindowTexts::tr("; [%] ") + number(misfit.maxRelative) + "\n";
}
