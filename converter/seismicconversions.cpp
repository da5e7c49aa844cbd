#include "seismicconversions.h"

#include "ottewriter.h"
#include "rawtrace.h"
#include "seg2writer.h"
#include "segyreader.h"
#include "targetfile.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>
#include <locale>
#include <stdexcept>
#include <vector>

namespace
{

// One row of a text header.
struct HeaderRow {
    uint32_t samples = 0;
    std::string delay; // as the row shows it
    double sampleInterval = 0.0;
    double x = 0.0, y = 0.0, z = 0.0;
};

bool writeTextHeader(const std::string& name, const std::vector<HeaderRow>& rows)
{
    std::ofstream out(name, std::ios::trunc);
    if (!out) {
        std::cerr << "Error in opening file " << name << '\n';
        return false;
    }
    out.imbue(std::locale::classic()); // no digit grouping in the trace numbers
    out << "TRACE_SORT   AS_ACQUIRED\n"
           "UNITS\t\tMETERS\n"
           "\n"
           "                  Time    Sample\n"
           "Trace   No. of    Delay   Interval       Receiver Location\n"
           "No.     Samples   (s)     (s)        X           Y         Z\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        const HeaderRow& r = rows[i];
        out << i + 1 << "    " << r.samples << "      " << r.delay << "     "
            << formatReal(r.sampleInterval) << "     " << formatReal(r.x) << "      "
            << formatReal(r.y) << "      " << formatReal(r.z) << '\n';
    }
    out.close();
    if (out.fail()) {
        std::cerr << "Error in writing file " << name << '\n';
        return false;
    }
    return true;
}

// The samples of header row r, which asks for n of them.
using RowSamples = std::function<std::vector<float>(size_t r, uint32_t n)>;

struct Source {
    double x = 0.0, y = 0.0, z = 0.0;
};

// Reads the text header back into a SEG2 file and writes it to output.
// Throws when the header or the samples do not hold what a row asks for.
void buildAndWrite(std::istream& header, std::ostream& output, const Source& source,
                   const RowSamples& samplesOf)
{
    header.imbue(std::locale::classic());
    Seg2File file;
    for (int pair = 0; pair < 2; ++pair) {
        std::string keyword, value;
        if (!(header >> keyword >> value))
            throw std::runtime_error("text header without its keywords");
        file.setFileDescriptorKeyword(keyword, value);
    }
    for (std::string word; word != "Z";)
        if (!(header >> word))
            throw std::runtime_error("text header without its column titles");

    int traceNumber;
    for (size_t r = 0; header >> traceNumber; ++r) {
        Seg2TraceHeader row;
        if (!(header >> row.samples >> row.delay >> row.sampleInterval >> row.receiverX >>
              row.receiverY >> row.receiverZ))
            throw std::runtime_error("text header row " + std::to_string(r + 1) + " incomplete");
        row.format = 4;
        row.stack = 1;
        row.descaling = 1.0;
        row.sourceX = source.x;
        row.sourceY = source.y;
        row.sourceZ = source.z;
        const std::vector<float> samples = samplesOf(r, row.samples);
        std::cout << "TraceINDEX : " << r << '\n';
        for (float value : samples)
            std::cout << value << '\n';
        file.addTrace(row, samples.data());
    }
    if (!file.write(output))
        throw std::runtime_error("the SEG2 file cannot be written");
}

// Header rows -> text header -> SEG2 file. On failure the SEG2 file, when this
// call created or truncated it, is removed.
bool convertThroughHeader(const std::string& headerName, const std::vector<HeaderRow>& rows,
                          const std::string& outputName, const Source& source,
                          const RowSamples& samplesOf)
{
    if (!writeTextHeader(headerName, rows))
        return false;
    std::ifstream header(headerName);
    if (!header) {
        std::cerr << "Error in reading file " << headerName << '\n';
        return false;
    }
    std::ofstream output(outputName, std::ios::binary | std::ios::trunc);
    if (!output) {
        std::cerr << "Error in opening file " << outputName << '\n';
        return false;
    }
    try {
        buildAndWrite(header, output, source, samplesOf);
        output.close();
        if (!output.fail())
            return true;
        std::cerr << "Error in writing file " << outputName << '\n';
    } catch (const std::exception& e) {
        std::cerr << "EXCEPTION!\n" << e.what() << '\n';
    }
    output.close();
    removeTarget(outputName);
    return false;
}

// The leading integer of a line, as atoi reads it; false when there is none.
bool leadingInteger(const std::string& line, long long& value)
{
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos)
        return false;
    const char* p = line.data() + start;
    if (*p == '+')
        ++p;
    return std::from_chars(p, line.data() + line.size(), value).ec == std::errc();
}

// One Dolang component; false when the conversion must stop. missingMain
// tells a missing main file from other failures.
bool convertDolangComponent(const std::string& base, const std::string& extension,
                            bool& missingMain)
{
    missingMain = false;
    const std::string mainName = base + "." + extension;
    std::ifstream main(mainName);
    if (!main) {
        std::cerr << "Error in reading file " << mainName << '\n';
        missingMain = true;
        return false;
    }
    // Leading lines that begin with '"' are comments; then one integer per
    // line: channels, two unused, delay, samples per channel, rate (Hz).
    std::string line;
    bool inComments = true;
    long long values[6] = {0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 6;) {
        if (!std::getline(main, line))
            break;
        if (inComments && !line.empty() && line[0] == '"')
            continue;
        inComments = false;
        long long v = 0;
        values[i++] = leadingInteger(line, v) ? v : 0;
    }
    const long long channels = values[0], delay = values[3], samples = values[4], rate = values[5];
    if (channels <= 0 || channels > Seg2File::MaxTraces) {
        std::cerr << "Invalid channel count " << channels << " in " << mainName << '\n';
        return false;
    }
    if (samples <= 0 || samples > std::numeric_limits<int32_t>::max() / 4) {
        std::cerr << "Invalid number of samples " << samples << " in " << mainName << '\n';
        return false;
    }
    if (rate <= 0) {
        std::cerr << "Invalid sampling rate " << rate << " in " << mainName << '\n';
        return false;
    }

    std::vector<float> all;
    for (long long c = 1; c <= channels; ++c) {
        const std::string number = (c < 10 ? "0" : "") + std::to_string(c);
        const std::string channelName = base + "." + extension.substr(0, 1) + number;
        std::ifstream channel(channelName);
        if (!channel) {
            std::cerr << "Error in reading file " << mainName << '\n';
            return false;
        }
        for (long long k = 0; k < samples; ++k) {
            long long v = 0;
            if (!std::getline(channel, line) || !leadingInteger(line, v)) {
                std::cerr << "Error in reading file " << channelName << ": " << samples
                          << " samples expected, line " << k + 1 << " holds none\n";
                return false;
            }
            all.push_back(float(v));
        }
    }

    HeaderRow row;
    row.samples = uint32_t(samples);
    row.delay = std::to_string(delay);
    row.sampleInterval = 1.0 / double(rate);
    const std::vector<HeaderRow> rows(size_t(channels), row);
    const RowSamples samplesOf = [&all](size_t r, uint32_t n) {
        std::vector<float> out;
        for (size_t k = 0; k < n; ++k)
            out.push_back(all.at(k + size_t(n) * r));
        return out;
    };
    return convertThroughHeader("tmp_" + extension, rows, base + "_" + extension + "_dolang.seg2",
                                Source{}, samplesOf);
}

} // namespace

std::string pathWithoutSuffix(const std::string& path)
{
    const auto slash = path.rfind('/');
    const auto nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return path;
    return path.substr(0, dot);
}

int convertSuToSeg2(const std::string& path)
{
    std::vector<RawTrace> traces;
    if (readSU(path, traces) != SeismicResult::Ok || traces.empty()) {
        std::cerr << "Cannot read " << path << " as Seismic Unix\n";
        return 1;
    }
    for (const RawTrace& trace : traces)
        if (trace.sampleInterval == DBL_MAX) {
            std::cerr << "No sample interval in " << path << '\n';
            return 1;
        }
    const std::string base = pathWithoutSuffix(path);
    std::vector<HeaderRow> rows;
    for (const RawTrace& trace : traces)
        rows.push_back({uint32_t(trace.samples.size()), "0", trace.sampleInterval, trace.receiverX,
                        0.0, trace.receiverZ});
    const Source source{traces.front().sourceX, 0.0, traces.front().sourceZ};
    const RowSamples samplesOf = [&traces](size_t r, uint32_t n) {
        const RawTrace& trace = traces.at(r);
        std::vector<float> out;
        for (size_t k = 0; k < n; ++k)
            out.push_back(float(trace.samples.at(k)));
        return out;
    };
    return convertThroughHeader(base + "_tmp", rows, base + ".seg2", source, samplesOf) ? 0 : 1;
}

int convertDolangToSeg2(const std::string& base)
{
    const char* components[] = {"ADT", "CDT", "RDT"};
    for (int i = 0; i < 3; ++i) {
        bool missingMain = false;
        if (!convertDolangComponent(base, components[i], missingMain))
            return i > 0 && missingMain ? 0 : 1;
    }
    return 0;
}
