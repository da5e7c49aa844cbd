#include "seismicconversions.h"

#include "ottewriter.h"
#include "rawtrace.h"
#include "seg2writer.h"
#include "segyreader.h"
#include "splitstring.h"
#include "targetfile.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>
#include <locale>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace
{

// One row of a text header.
struct HeaderRow {
    uint32_t samples = 0;
    std::string delay; // as the row shows it, in seconds
    double sampleInterval = 0.0;
    double x = 0.0, y = 0.0, z = 0.0;
};

struct Source {
    double x = 0.0, y = 0.0, z = 0.0;
};

// Where a conversion writes, and the files it reads, which it must not
// replace.
struct Target {
    std::string headerName;
    std::string outputName;
    std::vector<std::string> inputs;
};

// The samples of header row r, which asks for n of them.
using RowSamples = std::function<std::vector<float>(size_t r, uint32_t n)>;

int fail(ConversionReport& report, const std::string& why)
{
    std::cerr << why << '\n';
    report.reason = why;
    return 1;
}

std::string number(uint64_t value)
{
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string textHeader(const std::vector<HeaderRow>& rows)
{
    std::string text = "TRACE_SORT   AS_ACQUIRED\n"
                       "UNITS\t\tMETERS\n"
                       "\n"
                       "                  Time    Sample\n"
                       "Trace   No. of    Delay   Interval       Receiver Location\n"
                       "No.     Samples   (s)     (s)        X           Y         Z\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        const HeaderRow& r = rows[i];
        text += number(i + 1) + "    " + number(r.samples) + "      " + r.delay + "     " +
                shortestReal(r.sampleInterval) + "     " + shortestReal(r.x) + "      " +
                shortestReal(r.y) + "      " + shortestReal(r.z) + '\n';
    }
    return text;
}

// Reads the text header back into a SEG2 file and returns the file's bytes.
// Positive delays are counted by value. Throws, with the reason, when the
// header or the samples do not hold what a row asks for, or when the SEG2
// file cannot hold the record.
std::string buildSeg2(const std::string& headerText, const std::vector<Source>& sources,
                      const RowSamples& samplesOf, std::map<double, size_t>& positiveDelays)
{
    // Our own text from textHeader, not a user's file: the C stream suffices.
    std::istringstream header(headerText);
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
        const Source& source = sources.at(r);
        row.format = 4;
        row.stack = 1;
        row.descaling = 1.0;
        row.sourceX = source.x;
        row.sourceY = source.y;
        row.sourceZ = source.z;
        if (row.delay > 0.0)
            ++positiveDelays[row.delay];
        const std::vector<float> samples = samplesOf(r, row.samples);
        std::cout << "TraceINDEX : " << r << '\n';
        for (float value : samples)
            std::cout << value << '\n';
        file.addTrace(row, samples.data());
    }
    std::stringstream bytes(std::ios::in | std::ios::out | std::ios::binary);
    if (!file.write(bytes))
        throw std::runtime_error(file.failure().empty()
                                     ? "the SEG2 file cannot be made"
                                     : "a SEG2 file cannot hold this record: " + file.failure());
    return bytes.str();
}

// Refusals that need no bytes: an output that is an input, or a place
// writeWholeFile would refuse.
std::string targetRefusal(const Target& target)
{
    for (const std::string& name : {target.headerName, target.outputName}) {
        for (const std::string& input : target.inputs)
            if (sameFile(name, input))
                return "the output file " + name + " is the input file " + input;
        if (std::string problem = targetProblem(name); !problem.empty())
            return problem;
    }
    return {};
}

// Tervanelo's SEG2 reader takes every delay as recording before the shot,
// whichever sign a recorder wrote it with.
std::string positiveDelayNote(double delay, size_t traces)
{
    const std::string ms = formatReal(delay * 1000.0);
    return "the delay of +" + ms + " ms (" + std::to_string(traces) +
           (traces == 1 ? " trace" : " traces") + ") will be read as -" + ms + " ms by Tervanelo";
}

// Header rows -> text header -> SEG2 bytes, every check made before either
// file is written; then both are written whole, the SEG2 file first.
bool convertThroughHeader(const Target& target, const std::vector<HeaderRow>& rows,
                          const std::vector<Source>& sources, const RowSamples& samplesOf,
                          ConversionReport& report)
{
    if (rows.empty() || rows.size() > Seg2File::MaxTraces)
        return !fail(report, std::to_string(rows.size()) + " traces: a SEG2 file holds 1 to " +
                                 std::to_string(Seg2File::MaxTraces));
    // Before the bytes are made: a record whose offsets outgrow the 32-bit
    // trace pointers would only be found after all of it was in memory.
    uint64_t size = 0;
    for (const HeaderRow& row : rows)
        size += 4 * uint64_t(row.samples);
    if (size > std::numeric_limits<uint32_t>::max())
        return !fail(report, "the record's samples take " + std::to_string(size) +
                                 " bytes, more than a SEG2 file can address");
    if (const std::string why = targetRefusal(target); !why.empty())
        return !fail(report, why);

    const std::string header = textHeader(rows);
    std::string seg2;
    std::map<double, size_t> positiveDelays;
    try {
        seg2 = buildSeg2(header, sources, samplesOf, positiveDelays);
    } catch (const std::exception& e) {
        std::cerr << "EXCEPTION!\n";
        return !fail(report, e.what());
    }
    std::string why;
    if (!writeWholeFile(target.outputName, seg2, &why))
        return !fail(report, why);
    const auto note = [&report](const std::string& text) {
        report.notes.push_back(text);
        std::cerr << text << '\n';
    };
    // The text header only lists what the SEG2 file holds: the SEG2 file
    // stands without it.
    if (!writeWholeFile(target.headerName, header, &why))
        note("the text header was not written: " + why);
    for (const auto& [delay, traces] : positiveDelays)
        note(positiveDelayNote(delay, traces));
    return true;
}

// A Dolang text file of one whole integer per line.
class IntegerLines
{
public:
    explicit IntegerLines(const std::string& path) : in(path), path(path) {}
    bool opened() const { return bool(in); }

    // The next line, which is none of the leading comment lines (those that
    // begin with '"'; an empty line ends them).
    void skipComments()
    {
        while (in.peek() == '"') {
            std::string line;
            std::getline(in, line);
            ++lineNumber;
        }
    }
    void skip()
    {
        std::string line;
        std::getline(in, line);
        ++lineNumber;
    }
    // Throws, naming the line, when it is missing or not a whole number.
    int64_t next(const std::string& what)
    {
        std::string line;
        ++lineNumber;
        if (!std::getline(in, line))
            throw std::runtime_error(where() + "the file ends where " + what + " should be");
        int64_t value = 0;
        if (!parseIntegerField(line, value))
            throw std::runtime_error(where() + what + " is not a whole number: " + line);
        return value;
    }
    std::string where() const { return lineReason(path, lineNumber, ""); }

private:
    std::ifstream in;
    std::string path;
    int lineNumber = 0;
};

// The folder of a Dolang conversion's text headers: new, in the temporary
// folder, made when first needed.
class ListingFolder
{
public:
    // Throws with the reason when it cannot be made.
    const std::string& path()
    {
        if (folder.empty()) {
            std::error_code ec;
            fs::path temporary = fs::temp_directory_path(ec);
            if (ec)
                temporary = "/tmp";
            const std::string name = (temporary / "convert2tervanelo-XXXXXX").string();
            std::vector<char> buffer(name.begin(), name.end());
            buffer.push_back('\0');
            if (!mkdtemp(buffer.data()))
                throw std::runtime_error("cannot create a folder in " + temporary.string() +
                                         " for the text header");
            folder = buffer.data();
        }
        return folder;
    }

private:
    std::string folder;
};

enum class Component { Written, MissingMain, Failed };

Component convertDolangComponent(const std::string& base, const std::string& extension,
                                 ListingFolder& listings, ConversionReport& report)
{
    const std::string mainName = base + "." + extension;
    IntegerLines main(mainName);
    if (!main.opened()) {
        std::cerr << "Error in reading file " << mainName << '\n';
        fail(report, mainName + " cannot be opened");
        return Component::MissingMain;
    }
    Target target{"", base + "_" + extension + "_dolang.seg2", {mainName}};
    int64_t channels = 0, delay = 0, samples = 0, rate = 0;
    std::vector<float> all;
    try {
        main.skipComments();
        channels = main.next("the channel count");
        main.skip();
        main.skip();
        delay = main.next("the delay");
        samples = main.next("the number of samples per channel");
        rate = main.next("the sampling rate");
        if (channels <= 0 || channels > Seg2File::MaxTraces)
            throw std::runtime_error(mainName + ": invalid channel count " +
                                     std::to_string(channels));
        if (samples <= 0 || samples > std::numeric_limits<int32_t>::max() / 4)
            throw std::runtime_error(mainName + ": invalid number of samples " +
                                     std::to_string(samples));
        if (rate <= 0)
            throw std::runtime_error(mainName + ": invalid sampling rate " + std::to_string(rate));

        for (int64_t c = 1; c <= channels; ++c) {
            const std::string digits = (c < 10 ? "0" : "") + std::to_string(c);
            const std::string channelName = base + "." + extension.substr(0, 1) + digits;
            target.inputs.push_back(channelName);
            IntegerLines channel(channelName);
            if (!channel.opened()) {
                std::cerr << "Error in reading file " << mainName << '\n';
                throw std::runtime_error(channelName + " cannot be opened");
            }
            for (int64_t k = 0; k < samples; ++k)
                all.push_back(float(channel.next("sample " + std::to_string(k + 1))));
        }
        target.headerName = listings.path() + "/tmp_" + extension;
    } catch (const std::exception& e) {
        fail(report, e.what());
        return Component::Failed;
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
    return convertThroughHeader(target, rows, std::vector<Source>(rows.size()), samplesOf, report)
               ? Component::Written
               : Component::Failed;
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

int convertSuToSeg2(const std::string& path, ConversionReport* given)
{
    ConversionReport local;
    ConversionReport& report = given ? *given : local;
    std::vector<RawTrace> traces;
    std::vector<std::string> messages;
    if (readSU(path, traces, &messages) != SeismicResult::Ok || traces.empty())
        return fail(report, path + " cannot be read as Seismic Unix" +
                                (messages.empty() ? std::string() : ": " + messages.back()));
    for (const RawTrace& trace : traces)
        if (trace.sampleInterval == DBL_MAX)
            return fail(report, "No sample interval in " + path);
    const std::string base = pathWithoutSuffix(path);
    std::vector<HeaderRow> rows;
    std::vector<Source> sources;
    for (const RawTrace& trace : traces) {
        rows.push_back({uint32_t(trace.samples.size()), shortestReal(trace.delay),
                        trace.sampleInterval, trace.receiverX, 0.0, trace.receiverZ});
        sources.push_back({trace.sourceX, 0.0, trace.sourceZ});
    }
    const RowSamples samplesOf = [&traces](size_t r, uint32_t n) {
        const RawTrace& trace = traces.at(r);
        std::vector<float> out;
        for (size_t k = 0; k < n; ++k)
            out.push_back(float(trace.samples.at(k)));
        return out;
    };
    // The reader's notes (a trace left out, several records) come first.
    report.notes.insert(report.notes.end(), messages.begin(), messages.end());
    return convertThroughHeader({base + "_tmp", base + ".seg2", {path}}, rows, sources, samplesOf,
                                report)
               ? 0
               : 1;
}

int convertDolangToSeg2(const std::string& base, ConversionReport* given)
{
    ConversionReport local;
    ConversionReport& report = given ? *given : local;
    ListingFolder listings;
    const char* components[] = {"ADT", "CDT", "RDT"};
    for (int i = 0; i < 3; ++i) {
        switch (convertDolangComponent(base, components[i], listings, report)) {
        case Component::Written:
            break;
        case Component::MissingMain:
            // A record of fewer components ends at the first missing one.
            if (i == 0)
                return 1;
            report.reason.clear();
            return 0;
        case Component::Failed:
            return 1;
        }
    }
    return 0;
}
