#pragma once
// SEG-2 writer: a file descriptor block (header, trace pointer table, keyword
// strings), then per trace a descriptor block and its samples. Every field is
// written little-endian, byte by byte; numbers in keyword values are written
// with shortestReal, so that they read back as the same double.
//
// The revision field is written as 1, the standard's revision. Keywords are
// written in byte-wise order, except "NOTE", which always comes last. Free of
// Qt.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

// The shortest text that reads back as the same double, without the locale:
// plain decimals from 1e-4 up to 1e16 ("0.000333", "0.0005", "512345.67",
// "-0.1", "1000000"), exponent notation beyond ("1e-05").
std::string shortestReal(double value);

// One row of a SEG2 text header: what makeSeg2Trace needs of a trace.
struct Seg2TraceHeader {
    uint8_t format = 4; // set by the callers, not read here
    uint32_t samples = 0;
    double sampleInterval = 0.0; // s
    uint32_t stack = 1;
    double delay = 0.0; // s
    double descaling = 1.0;
    double receiverX = 0.0, receiverY = 0.0, receiverZ = 0.0;
    double sourceX = 0.0, sourceY = 0.0, sourceZ = 0.0;
};

struct Seg2Trace {
    uint16_t blockId = 0x4422;
    uint16_t descriptorSize = 0; // set when written
    uint32_t dataSize = 0;       // recomputed when written
    uint32_t samples = 0;
    uint8_t format = 4; // 1 int16, 2 int32, 3 packed bytes, 4 float32, 5 float64
    std::array<uint8_t, 19> reserved;
    std::map<std::string, std::string> keywords;
    // Only the array of the format code is written.
    std::vector<int16_t> int16Samples;
    std::vector<int32_t> int32Samples;
    std::vector<uint8_t> packedBytes; // format 3: written as they stand
    std::vector<float> floatSamples;
    std::vector<double> doubleSamples;

    Seg2Trace() { reserved.fill(0x20); }
};

// A format-4 trace of header.samples floats copied from samples, with the
// keywords DELAY, DESCALING_FACTOR, RECEIVER_LOCATION, SAMPLE_INTERVAL,
// SOURCE_LOCATION and STACK.
Seg2Trace makeSeg2Trace(const Seg2TraceHeader& header, const float* samples);

class Seg2File
{
public:
    // The largest trace count whose pointer table size (4 per trace) fits the
    // 16-bit header field.
    static constexpr uint32_t MaxTraces = 16383;

    Seg2File();

    // Sets (or replaces) a file keyword; one outside the standard list is
    // kept too, after a warning on standard error.
    void setFileDescriptorKeyword(const std::string& keyword, const std::string& value);
    void addTrace(const Seg2TraceHeader& header, const float* samples);

    // Writes the whole file to a binary stream that can seek back, starting at
    // its current end (a std::stringstream, or a file opened with binary |
    // trunc). A file of no traces or more than MaxTraces, a descriptor block
    // or offset that does not fit its field, or a stream error leaves the
    // stream failed: test it after. failure() then says why.
    std::ostream& write(std::ostream& out);
    const std::string& failure() const { return failureReason; }

    uint16_t blockId = 0x3A55;
    uint16_t revision = 1;
    uint16_t pointerSubBlockSize = 0; // set when written
    uint16_t traceCount = 0;
    uint8_t stringTerminatorSize = 1;
    std::array<uint8_t, 2> stringTerminator{0x00, 0x20};
    uint8_t lineTerminatorSize = 1;
    std::array<uint8_t, 2> lineTerminator{0x0A, 0x20};
    std::array<uint8_t, 18> reserved;
    std::vector<uint32_t> tracePointers;
    std::map<std::string, std::string> keywords;
    std::vector<Seg2Trace> traces;

private:
    bool fail(std::ostream& out, const std::string& why);
    bool writeFileDescriptorBlock(std::ostream& out);
    bool writeDescriptorStrings(std::ostream& out,
                                const std::map<std::string, std::string>& strings);
    bool writeTraceBlock(std::ostream& out, Seg2Trace& trace, uint32_t& pointer);

    std::string failureReason;
};
