// Loading seismic files into the document's trace sets.

#include "logger.h"
#include "seg2reader.h"
#include "segyreader.h"
#include "tomodocument.h"

#include <algorithm>
#include <cctype>

namespace
{
// The text after the last dot of the file name (not of a folder), lower-cased.
std::string lowerSuffix(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    std::string suffix = name.substr(dot + 1);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return suffix;
}

using SeismicReader = int (*)(std::string, std::vector<RawTrace>&, std::vector<std::string>*);

// Runs a reader and logs each of its messages, after the path, at level 1:
// traces left out or records merged deserve it even when the file loads, as
// the survey is then not what the file holds.
int readLogged(Logger* logger, const std::string& path, std::vector<RawTrace>& traces,
               SeismicReader read = readSEG2)
{
    std::vector<std::string> messages;
    const int code = read(path, traces, &messages);
    if (logger)
        for (const std::string& message : messages)
            logger->writeLog(path + ": " + message, 1);
    return code;
}
} // namespace

int TomoDocument::loadSeismicFiles(QStringList files)
{
    for (const QString& file : files) {
        const int code = loadSeismicFile(file.toStdString());
        if (code != SeismicResult::Ok)
            return code;
    }
    return SeismicResult::Ok;
}

int TomoDocument::loadSeismicFile(std::string path)
{
    const std::string suffix = lowerSuffix(path);
    std::vector<RawTrace> raw;
    int code;
    if (suffix == "seg2" || suffix == "dat" || suffix == "sg2")
        code = readLogged(logger, path, raw, readSEG2);
    else if (suffix == "sgy" || suffix == "segy")
        code = readLogged(logger, path, raw, readSEGY);
    else if (suffix == "su")
        code = readLogged(logger, path, raw, readSU);
    else
        return SeismicResult::UnsupportedSuffix;
    if (code != SeismicResult::Ok)
        return code;

    TraceSet set;
    set.fileName = path;
    set.traces.reserve(raw.size());
    for (RawTrace& r : raw) {
        Trace t;
        t.kind = Trace::Ordinary;
        t.samples = std::move(r.samples);
        t.sampleInterval = r.sampleInterval;
        t.sourceX = r.sourceX;
        t.sourceZ = r.sourceZ;
        t.receiverX = r.receiverX;
        t.receiverZ = r.receiverZ;
        t.delay = r.delay;
        set.traces.push_back(std::move(t));
    }
    traceSets.push_back(std::move(set));
    return SeismicResult::Ok;
}

int TomoDocument::loadSeismicFilePair(std::string sxPath, std::string dxPath, double shotX,
                                      double shotZ, int spreadIndex)
{
    // Code 2 (a trace without interval) does not stop a pair: the interval
    // simply stays unset on those traces.
    std::vector<RawTrace> sx, dx;
    if (readLogged(logger, sxPath, sx) == SeismicResult::CannotRead)
        return SeismicResult::CannotRead;
    if (readLogged(logger, dxPath, dx) == SeismicResult::CannotRead)
        return SeismicResult::CannotRead;
    if (dx.size() < sx.size())
        return SeismicResult::CannotRead;

    TraceSet set;
    set.fileNameSX = sxPath;
    set.fileNameDX = dxPath;
    set.traces.reserve(sx.size());
    for (size_t i = 0; i < sx.size(); ++i) {
        Trace t;
        t.kind = Trace::TwoPolarity;
        t.samplesSX = std::move(sx[i].samples);
        t.samplesDX = std::move(dx[i].samples);
        if (sx[i].receiverX == dx[i].receiverX) {
            t.receiverX = sx[i].receiverX;
            t.receiverZ = sx[i].receiverZ;
        }
        if (sx[i].sourceX == dx[i].sourceX)
            t.sourceX = sx[i].sourceX;
        if (sx[i].sampleInterval == dx[i].sampleInterval)
            t.sampleInterval = sx[i].sampleInterval;
        if (shotX != DBL_MAX)
            t.spreadIndex = spreadIndex;
        set.traces.push_back(std::move(t));
    }
    traceSets.push_back(std::move(set));

    // The project loader passes no spread (INT_MAX): its records come from the
    // project itself, so only the trace set is wanted.
    if (spreadIndex < 0 || size_t(spreadIndex) >= goephonesStringSet.size())
        return SeismicResult::Ok;
    TravelTime tt;
    tt.indexStesa = uint32_t(spreadIndex);
    tt.traceSetID = uint32_t(traceSets.size() - 1);
    tt.shotPos2d = {shotX, shotZ};
    const size_t receivers = goephonesStringSet[size_t(spreadIndex)].size();
    tt.ttMisurati.assign(receivers, 0.0);
    tt.ttCalcolati.assign(receivers, 0.0);
    ttArray.push_back(std::move(tt));
    return SeismicResult::Ok;
}
