#include "inversionmisfit.h"

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
            if (relative > largestRelative) {
                largestRelative = relative;
                out.maxAbsolute = std::fabs(c - m);
            }
        }
    }
    out.maxRelative = largestRelative * 100.0;
    if (out.count > 0) {
        out.rmse = std::sqrt(sumSquares / double(out.count));
        out.relativeRmse = std::sqrt(sumRelativeSquares / double(out.count)) * 100.0;
    }
    return out;
}

QString inversionReport(long long elapsedSeconds, const InversionMisfit& misfit)
{
    auto number = [](double v) { return QString::number(v, 'g', 6); };
    // The texts belong to the window that shows the report.
    auto text = [](const char* source) {
        return QCoreApplication::translate("Tervanelo_MainWindows", source);
    };
    const char* const percent = QT_TRANSLATE_NOOP("Tervanelo_MainWindows", "; [%] ");
    return text(QT_TRANSLATE_NOOP("Tervanelo_MainWindows", "Elapsed time: [s] ")) +
           QString::number(elapsedSeconds) + "\n" +
           text(QT_TRANSLATE_NOOP("Tervanelo_MainWindows", "RMSE: [ms] ")) +
           number(misfit.rmse * 1000.0) + text(percent) + number(misfit.relativeRmse) + "\n" +
           text(QT_TRANSLATE_NOOP("Tervanelo_MainWindows", "MaxError: [ms] ")) +
           number(misfit.maxAbsolute * 1000.0) + text(percent) + number(misfit.maxRelative) +
           "\n";
}
