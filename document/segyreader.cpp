#include "segyreader.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>

namespace
{

constexpr size_t TextualHeaderSize = 3200;
constexpr size_t FileHeadersSize = 3600; // textual + binary header
constexpr size_t TraceHeaderSize = 240;

// Binary header fields, from the start of the file.
constexpr size_t BinTraceCount = 3212;
constexpr size_t BinInterval = 3216;
constexpr size_t BinSamples = 3220;
constexpr size_t BinFormat = 3224;
constexpr size_t BinByteOrder = 3296;
constexpr size_t BinExtendedHeaders = 3504;

// Trace header fields, from the start of the trace.
constexpr size_t TrFieldRecord = 8;
constexpr size_t TrScalar = 70;
constexpr size_t TrSourceX = 72;
constexpr size_t TrSourceY = 76;
constexpr size_t TrGroupX = 80;
constexpr size_t TrDelay = 108; // ms, signed: the first sample's time after the shot
constexpr size_t TrSamples = 114;
constexpr size_t TrInterval = 116;
constexpr size_t TrTimeScalar = 214;

constexpr int SuFormat = 5; // Seismic Unix samples are IEEE floats

// Where the traces of one file are and how to decode them. Established per
// file from its headers; nothing carries over to the next file.
struct TraceLayout {
    bool bigEndian = false;
    int format = 5; // SEG-Y data sample format code
    unsigned samplesPerTrace = 0;
    double sampleInterval = DBL_MAX;  // s
    std::vector<size_t> traceOffsets; // file offset of each 240-byte trace header
};

// Loads from a file held in memory, in the file's byte order. Every caller
// checks has() for the whole range before it loads.
class Bytes
{
public:
    Bytes(const std::vector<unsigned char>& bytes, bool bigEndian)
        : data(bytes), bigEndian(bigEndian)
    {
    }

    bool has(size_t offset, size_t width) const
    {
        return offset <= data.size() && width <= data.size() - offset;
    }

    uint64_t unsignedAt(size_t offset, unsigned width) const
    {
        uint64_t value = 0;
        for (unsigned k = 0; k < width; ++k)
            value = (value << 8) | data[offset + (bigEndian ? k : width - 1 - k)];
        return value;
    }

    uint16_t u16(size_t offset) const { return uint16_t(unsignedAt(offset, 2)); }
    int16_t i16(size_t offset) const { return int16_t(unsignedAt(offset, 2)); }
    int32_t i32(size_t offset) const { return int32_t(unsignedAt(offset, 4)); }

private:
    const std::vector<unsigned char>& data;
    bool bigEndian;
};

// Bytes per sample of the formats we decode; 0 for the others (4, the
// fixed-point-with-gain format, and codes no revision defines).
unsigned sampleWidth(int format)
{
    switch (format) {
    case 8:
    case 16:
        return 1;
    case 3:
    case 11:
        return 2;
    case 7:
    case 15:
        return 3;
    case 1:
    case 2:
    case 5:
    case 10:
        return 4;
    case 6:
    case 9:
    case 12:
        return 8;
    default:
        return 0;
    }
}

// IBM System/360 single precision: sign, excess-64 base-16 exponent, 24-bit fraction.
double ibmToDouble(uint32_t word)
{
    const int exponent = int((word >> 24) & 0x7F);
    const double magnitude = std::ldexp(double(word & 0xFFFFFF), 4 * (exponent - 64) - 24);
    return (word & 0x80000000u) ? -magnitude : magnitude;
}

// A two's complement integer of the given width, without signed overflow.
double signedValue(uint64_t value, unsigned bits)
{
    const uint64_t sign = uint64_t(1) << (bits - 1);
    if (!(value & sign))
        return double(value);
    const uint64_t mask = sign | (sign - 1);
    return -double((~value & mask) + 1);
}

double decodeSample(const Bytes& in, size_t offset, int format)
{
    const uint64_t raw = in.unsignedAt(offset, sampleWidth(format));
    switch (format) {
    case 1:
        return ibmToDouble(uint32_t(raw));
    case 5: {
        const uint32_t bits = uint32_t(raw);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 6: {
        double value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    case 2:
        return signedValue(raw, 32);
    case 3:
        return signedValue(raw, 16);
    case 7:
        return signedValue(raw, 24);
    case 8:
        return signedValue(raw, 8);
    case 9:
        return signedValue(raw, 64);
    default: // 10, 11, 12, 15, 16: unsigned integers
        return double(raw);
    }
}

// Scalar 0 means 1, a negative scalar divides; coordinates and times alike.
// Formed in double: in single precision a map coordinate loses its centimetres.
double scaled(int32_t value, int16_t scalar)
{
    if (scalar > 0)
        return double(value) * scalar;
    if (scalar < 0)
        return double(value) / std::abs(int(scalar));
    return value;
}

// The interval fields are signed 16-bit in the standard: 32768 us and above
// are negative values written by a careless tool, and 0 is no value.
std::optional<double> intervalSeconds(uint16_t microseconds)
{
    if (microseconds == 0 || microseconds >= 0x8000u)
        return std::nullopt;
    return microseconds / 1e6;
}

bool readsAsFormatCode(uint64_t value)
{
    return value >= 1 && value <= 16;
}

// The format code decides whenever one byte order reads it as 1 to 16: a
// valid code read in the wrong order is 256 or more. The revision-2 constant
// and the traces-per-ensemble comparison only matter when neither does, and
// such a file is refused for its format anyway. The bytes hold the file headers.
bool isBigEndianSEGY(const std::vector<unsigned char>& bytes)
{
    const Bytes big(bytes, true), little(bytes, false);
    const bool bigReads = readsAsFormatCode(big.u16(BinFormat));
    if (bigReads != readsAsFormatCode(little.u16(BinFormat)))
        return bigReads;

    const uint32_t constant = uint32_t(little.unsignedAt(BinByteOrder, 4));
    switch (constant) {
    case 0x01020304:
        std::cout << "same endianess" << std::endl;
        return false;
    case 0x04030201:
        std::cout << "inverted byte Order " << uint32_t(big.unsignedAt(BinByteOrder, 4))
                  << std::endl;
        return true;
    case 0x02010403:
        std::cout << "byte swabed" << std::endl;
        return true;
    case 0:
        return little.u16(BinTraceCount) > big.u16(BinTraceCount);
    default:
        return false;
    }
}

using Notes = std::vector<std::string>;

// Every whole trace from first on. A file cut inside a trace keeps the
// traces before the cut and says which one was left out.
void placeTraces(TraceLayout& layout, size_t first, size_t stride, size_t fileSize, Notes& notes)
{
    const size_t count = (fileSize - first) / stride;
    layout.traceOffsets.resize(count);
    for (size_t i = 0; i < count; ++i)
        layout.traceOffsets[i] = first + i * stride;
    if (const size_t rest = (fileSize - first) % stride; rest != 0)
        notes.push_back("the file ends inside trace " + std::to_string(count + 1) + " (" +
                        std::to_string(rest) + " of its " + std::to_string(stride) +
                        " bytes), which is left out; " + std::to_string(count) + " traces read");
}

size_t traceSize(unsigned samples, int format)
{
    return TraceHeaderSize + size_t(samples) * sampleWidth(format);
}

std::optional<TraceLayout> segyLayout(const std::vector<unsigned char>& bytes, Notes& notes)
{
    const auto refuse = [&notes](const std::string& why) -> std::optional<TraceLayout> {
        notes.push_back(why);
        return std::nullopt;
    };
    if (bytes.size() < FileHeadersSize)
        return refuse("shorter than the 3600 bytes of the file headers");
    TraceLayout layout;
    layout.bigEndian = isBigEndianSEGY(bytes);
    const Bytes in(bytes, layout.bigEndian);

    layout.format = in.i16(BinFormat);
    if (sampleWidth(layout.format) == 0)
        return refuse("sample format " + std::to_string(layout.format) + " is not read");

    // A negative count is revision 2's mark for a variable number of
    // extended headers, which only a stanza scan could resolve.
    const int extendedHeaders = in.i16(BinExtendedHeaders);
    if (extendedHeaders < 0)
        return refuse("a variable number of extended textual headers is not read");
    const size_t first = FileHeadersSize + TextualHeaderSize * size_t(extendedHeaders);
    if (!in.has(first, TraceHeaderSize))
        return refuse("no trace header after the file headers");
    const size_t dataBytes = bytes.size() - first;

    unsigned samples = in.u16(first + TrSamples);
    const unsigned binarySamples = in.u16(BinSamples);
    if (samples == 0) {
        samples = binarySamples;
    } else if (binarySamples != 0 && binarySamples != samples) {
        // Some writers leave a stale count in every trace header; believe the
        // binary header only when its count alone tiles the data exactly.
        const bool traceTiles = dataBytes % traceSize(samples, layout.format) == 0;
        const bool binaryTiles = dataBytes % traceSize(binarySamples, layout.format) == 0;
        if (binaryTiles && !traceTiles)
            samples = binarySamples;
    }
    if (samples == 0)
        return refuse("no sample count in the headers");
    layout.samplesPerTrace = samples;

    // The count in the binary header is per ensemble, not per file: the
    // traces are whatever fits after the headers.
    const size_t stride = traceSize(samples, layout.format);
    if (dataBytes < stride)
        return refuse("no whole trace of " + std::to_string(samples) + " samples in the file");
    placeTraces(layout, first, stride, bytes.size(), notes);

    // A valid binary-header interval wins; else the first trace's.
    if (const auto interval = intervalSeconds(in.u16(BinInterval)))
        layout.sampleInterval = *interval;
    else if (const auto traceInterval = intervalSeconds(in.u16(first + TrInterval)))
        layout.sampleInterval = *traceInterval;
    return layout;
}

// Seismic Unix: SEG-Y trace records without file headers, in the byte order
// of the machine that wrote them. An order is plausible when its sample count
// gives at least one whole trace and the headers of the first, second and last
// trace all give that count; `exact` also asks the traces to fill the file.
bool suOrderFits(const std::vector<unsigned char>& bytes, bool bigEndian, bool exact)
{
    const Bytes in(bytes, bigEndian);
    if (!in.has(0, TraceHeaderSize))
        return false;
    const unsigned samples = in.u16(TrSamples);
    if (samples == 0)
        return false;
    const size_t stride = traceSize(samples, SuFormat);
    const size_t count = bytes.size() / stride;
    if (count == 0 || (exact && bytes.size() % stride != 0))
        return false;
    for (const size_t trace : {size_t(1), count - 1})
        if (trace < count && in.u16(trace * stride + TrSamples) != samples)
            return false;
    return true;
}

std::optional<bool> suByteOrder(const std::vector<unsigned char>& bytes)
{
    // A 1024-sample file read in the wrong order still gives 4 samples per
    // trace, which may tile the file too: only the headers tell them apart.
    for (const bool exact : {true, false}) {
        const bool little = suOrderFits(bytes, false, exact);
        const bool big = suOrderFits(bytes, true, exact);
        if (little || big)
            return !little; // both: a one-trace file, read as little-endian
    }
    return std::nullopt;
}

std::optional<TraceLayout> suLayout(const std::vector<unsigned char>& bytes, Notes& notes)
{
    const auto bigEndian = suByteOrder(bytes);
    if (!bigEndian) {
        notes.push_back("the byte order cannot be told: in neither order do the trace headers "
                        "give one sample count for traces that fit the file");
        return std::nullopt;
    }
    const Bytes in(bytes, *bigEndian);
    TraceLayout layout;
    layout.bigEndian = *bigEndian;
    layout.format = SuFormat;
    layout.samplesPerTrace = in.u16(TrSamples);
    placeTraces(layout, 0, traceSize(layout.samplesPerTrace, SuFormat), bytes.size(), notes);
    if (const auto interval = intervalSeconds(in.u16(TrInterval)))
        layout.sampleInterval = *interval;
    return layout;
}

// Every trace is read with the first trace's sample count (fixed-length traces).
int decodeTraces(const std::vector<unsigned char>& bytes, const TraceLayout& layout,
                 std::vector<RawTrace>& traces, Notes& notes)
{
    const unsigned width = sampleWidth(layout.format);
    if (width == 0)
        return SeismicResult::CannotRead;
    const Bytes in(bytes, layout.bigEndian);
    std::vector<RawTrace> decoded;
    decoded.reserve(layout.traceOffsets.size());
    std::set<std::array<int32_t, 3>> records; // field record number, source X and Y
    for (const size_t offset : layout.traceOffsets) {
        if (!in.has(offset, traceSize(layout.samplesPerTrace, layout.format)))
            return SeismicResult::CannotRead;
        RawTrace trace;
        const int16_t scalar = in.i16(offset + TrScalar);
        trace.sourceX = scaled(in.i32(offset + TrSourceX), scalar);
        trace.receiverX = scaled(in.i32(offset + TrGroupX), scalar);
        trace.delay = scaled(in.i16(offset + TrDelay), in.i16(offset + TrTimeScalar)) / 1000.0;
        trace.sampleInterval = layout.sampleInterval;
        records.insert({in.i32(offset + TrFieldRecord), in.i32(offset + TrSourceX),
                        in.i32(offset + TrSourceY)});
        trace.samples.resize(layout.samplesPerTrace);
        const size_t data = offset + TraceHeaderSize;
        for (size_t k = 0; k < trace.samples.size(); ++k)
            trace.samples[k] = decodeSample(in, data + k * width, layout.format);
        decoded.push_back(std::move(trace));
    }
    // Several shots in one file are loaded whole, as one shot gather: say so,
    // since their picks then share one shot position.
    if (records.size() > 1)
        notes.push_back(std::to_string(decoded.size()) + " traces of " +
                        std::to_string(records.size()) +
                        " records (field record numbers or source positions) loaded as one shot");
    traces.insert(traces.end(), std::make_move_iterator(decoded.begin()),
                  std::make_move_iterator(decoded.end()));
    return SeismicResult::Ok;
}

using LayoutReader = std::optional<TraceLayout> (*)(const std::vector<unsigned char>&, Notes&);

// The notes go to standard error too, for callers without a log.
void handOver(Notes& notes, std::vector<std::string>* messages)
{
    for (const std::string& note : notes)
        std::cerr << note << std::endl;
    if (messages)
        messages->insert(messages->end(), notes.begin(), notes.end());
}

int decodeWith(const std::vector<unsigned char>& bytes, LayoutReader readLayout,
               std::vector<RawTrace>& traces, std::vector<std::string>* messages)
{
    Notes notes;
    const auto layout = readLayout(bytes, notes);
    const int code =
        layout ? decodeTraces(bytes, *layout, traces, notes) : SeismicResult::CannotRead;
    handOver(notes, messages);
    return code;
}

int readWith(const std::string& path, const char* message, LayoutReader readLayout,
             std::vector<RawTrace>& traces, std::vector<std::string>* messages)
{
    std::cout << message << path << std::endl;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "Error while loading " << path << std::endl;
        return SeismicResult::CannotRead;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    return decodeWith(bytes, readLayout, traces, messages);
}

} // namespace

int readSEGY(std::string path, std::vector<RawTrace>& traces, std::vector<std::string>* messages)
{
    return readWith(path, "opening segy file ", segyLayout, traces, messages);
}

int readSU(std::string path, std::vector<RawTrace>& traces, std::vector<std::string>* messages)
{
    return readWith(path, "opening su file ", suLayout, traces, messages);
}

int decodeSEGY(const std::vector<unsigned char>& bytes, std::vector<RawTrace>& traces,
               std::vector<std::string>* messages)
{
    return decodeWith(bytes, segyLayout, traces, messages);
}

int decodeSU(const std::vector<unsigned char>& bytes, std::vector<RawTrace>& traces,
             std::vector<std::string>* messages)
{
    return decodeWith(bytes, suLayout, traces, messages);
}
