#include "seg2reader.h"

#include "splitstring.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

namespace
{
constexpr uint16_t FileBlockId = 0x3A55;
constexpr size_t FileBlockSize = 32;   // the trace pointer table follows it
constexpr size_t TraceHeaderSize = 32; // the descriptor strings follow it

// Little-endian loads from a buffer whose bounds the caller has checked.
// Byte arithmetic keeps them independent of the host's byte order and of
// alignment.
uint16_t loadU16(const unsigned char* p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

uint32_t loadU32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint64_t loadU64(const unsigned char* p)
{
    return uint64_t(loadU32(p)) | uint64_t(loadU32(p + 4)) << 32;
}

int32_t asInt16(uint16_t v)
{
    return v >= 0x8000u ? int32_t(v) - 0x10000 : int32_t(v);
}

int64_t asInt32(uint32_t v)
{
    return v >= 0x80000000u ? int64_t(v) - 0x100000000 : int64_t(v);
}

// True when [offset, offset + n) lies inside a buffer of the given size.
bool fits(size_t size, uint64_t offset, uint64_t n)
{
    return offset <= size && n <= size - offset;
}

// Storage of the sample formats: samplesPerGroup samples in bytesPerGroup bytes.
struct SampleFormat {
    unsigned bytesPerGroup = 0;
    unsigned samplesPerGroup = 1;
};

std::optional<SampleFormat> sampleFormat(unsigned code)
{
    switch (code) {
    case 1:
        return SampleFormat{2, 1};
    case 2:
    case 4:
    case 10:
        return SampleFormat{4, 1};
    case 5:
        return SampleFormat{8, 1};
    case 3:
        return SampleFormat{10, 4};
    default:
        return std::nullopt;
    }
}

// Format 3 packs four samples in five u16 words: word 0 holds the exponents
// (4 bits each, the first sample in the low bits), words 1-4 the mantissas.
// Sample k of a group needs word 0 and word k+1, so a cut group still yields
// its leading samples.
constexpr uint64_t packedHeadBytes = 2;

// Bytes that the first n samples of a data block occupy.
uint64_t bytesForSamples(const SampleFormat& f, uint64_t n)
{
    if (f.samplesPerGroup == 1)
        return n * f.bytesPerGroup;
    const uint64_t rest = n % f.samplesPerGroup;
    return n / f.samplesPerGroup * f.bytesPerGroup + (rest ? packedHeadBytes + 2 * rest : 0);
}

// Whole samples that fit in the given number of bytes.
uint64_t samplesInBytes(const SampleFormat& f, uint64_t bytes)
{
    if (f.samplesPerGroup == 1)
        return bytes / f.bytesPerGroup;
    const uint64_t rest = bytes % f.bytesPerGroup;
    const uint64_t partial = rest >= packedHeadBytes + 2 ? (rest - packedHeadBytes) / 2 : 0;
    return bytes / f.bytesPerGroup * f.samplesPerGroup +
           std::min<uint64_t>(partial, f.samplesPerGroup - 1);
}

double decodeSample(unsigned code, const unsigned char* data, size_t i)
{
    switch (code) {
    case 1:
        return asInt16(loadU16(data + 2 * i));
    case 2:
        return double(asInt32(loadU32(data + 4 * i)));
    case 4: {
        const uint32_t bits = loadU32(data + 4 * i);
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    case 5: {
        const uint64_t bits = loadU64(data + 8 * i);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    case 10:
        return asInt16(loadU16(data + 4 * i));
    case 3: {
        const unsigned char* group = data + 10 * (i / 4);
        const unsigned k = unsigned(i % 4);
        const unsigned exponent = (loadU16(group) >> (4 * k)) & 0xFu;
        // One's complement: a negative word reads one below its magnitude.
        int32_t mantissa = asInt16(loadU16(group + 2 + 2 * k));
        if (mantissa < 0)
            mantissa += 1;
        return std::ldexp(double(mantissa), int(exponent));
    }
    default:
        return 0.0;
    }
}

std::optional<SEG2File> openSEG2Bytes(std::vector<unsigned char> bytes)
{
    const size_t size = bytes.size();
    if (!fits(size, 0, FileBlockSize) || loadU16(bytes.data()) != FileBlockId)
        return std::nullopt;
    const unsigned count = loadU16(bytes.data() + 6);
    std::cout << "Numero tracce:" << count << std::endl;
    if (count == 0 || !fits(size, FileBlockSize, 4ull * count))
        return std::nullopt;
    SEG2File file;
    file.tracePointers.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        file.tracePointers.push_back(loadU32(bytes.data() + FileBlockSize + 4 * i));
    file.bytes = std::move(bytes);
    return file;
}

// Where and how one trace is stored, after every bound has been checked.
struct TraceLayout {
    size_t descriptor = 0; // offset of the descriptor strings
    size_t textSize = 0;
    size_t data = 0; // offset of the data block
    unsigned format = 0;
    size_t samples = 0; // announced count, capped to what the file holds
};

// Checks every trace of the file before anything is allocated for it.
std::optional<std::vector<TraceLayout>> layoutTraces(const SEG2File& file,
                                                     std::vector<std::string>& notes)
{
    const std::vector<unsigned char>& bytes = file.bytes;
    const size_t size = bytes.size();
    std::vector<uint32_t> blocks = file.tracePointers;
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());

    std::vector<TraceLayout> layouts;
    layouts.reserve(file.tracePointers.size());
    uint64_t needed = 0;
    for (size_t i = 0; i < file.tracePointers.size(); ++i) {
        const uint32_t p = file.tracePointers[i];
        if (!fits(size, p, TraceHeaderSize))
            return std::nullopt;
        const unsigned blockSize = loadU16(bytes.data() + p + 2);
        if (blockSize < TraceHeaderSize || !fits(size, p, blockSize))
            return std::nullopt;
        const uint32_t announced = loadU32(bytes.data() + p + 8);
        const unsigned code = bytes[p + 12];
        const auto format = sampleFormat(code);
        if (!format) {
            notes.push_back("unsupported SEG2 data format " + std::to_string(code) + " in trace " +
                            std::to_string(i + 1));
            return std::nullopt;
        }

        TraceLayout t;
        t.descriptor = p + TraceHeaderSize;
        t.textSize = blockSize - TraceHeaderSize;
        t.data = size_t(p) + blockSize;
        t.format = code;
        // The data block ends where the next trace block begins.
        const auto next = std::upper_bound(blocks.begin(), blocks.end(), p);
        const size_t end = next == blocks.end() ? size : *next;
        const uint64_t present = end > t.data ? samplesInBytes(*format, end - t.data) : 0;
        t.samples = size_t(std::min<uint64_t>(announced, present));
        if (t.samples < announced)
            notes.push_back("trace " + std::to_string(i + 1) +
                            " is cut short: " + std::to_string(t.samples) + " of its " +
                            std::to_string(announced) + " samples read");

        needed += blockSize + bytesForSamples(*format, t.samples);
        if (needed > size)
            return std::nullopt;
        layouts.push_back(t);
    }
    return layouts;
}

int decodeSEG2(const SEG2File& file, std::vector<RawTrace>& traces,
               std::vector<std::string>* messages)
{
    std::vector<std::string> notes;
    const auto layouts = layoutTraces(file, notes);
    // Also on standard error, for callers without a log.
    for (const std::string& note : notes)
        std::cerr << note << std::endl;
    if (messages)
        messages->insert(messages->end(), notes.begin(), notes.end());
    if (!layouts)
        return SeismicResult::CannotRead;
    const unsigned char* bytes = file.bytes.data();
    int result = SeismicResult::Ok;
    std::vector<RawTrace> decoded;
    decoded.reserve(layouts->size());
    for (const TraceLayout& t : *layouts) {
        RawTrace raw;
        const char* text = reinterpret_cast<const char*>(bytes + t.descriptor);
        if (parseSEG2Descriptor(std::string(text, t.textSize), raw) != SeismicResult::Ok)
            result = SeismicResult::NoSampleInterval;
        raw.samples.resize(t.samples);
        for (size_t i = 0; i < t.samples; ++i)
            raw.samples[i] = decodeSample(t.format, bytes + t.data, i);
        decoded.push_back(std::move(raw));
    }
    traces.insert(traces.end(), std::make_move_iterator(decoded.begin()),
                  std::make_move_iterator(decoded.end()));
    return result;
}

// Each SEG2 string starts with a u16 offset to the next one; an offset of 0
// ends the list. The chain is trusted only when every offset is at least 2
// and lands inside the text, and the list is closed by a 0.
bool validStringChain(const std::string& text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    for (size_t at = 0; at + 2 <= text.size();) {
        const uint16_t offset = loadU16(p + at);
        if (offset == 0)
            return true;
        if (offset < 2)
            return false;
        at += offset;
    }
    return false;
}

// Blanks the two offset bytes of every string, which would otherwise read as
// stray tokens: an offset of 48..57 is a digit, and after a one-value location
// it would be taken for the elevation.
void blankStringOffsets(std::string& text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    for (size_t at = 0; at + 2 <= text.size();) {
        const uint16_t offset = loadU16(p + at);
        if (offset == 0)
            return;
        text[at] = text[at + 1] = ' ';
        at += offset;
    }
}

bool usableInterval(double s)
{
    return std::isfinite(s) && s > 0.0 && s != DBL_MAX;
}

// A whole number token, with a decimal point or comma like every value.
bool isDecimal(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    return isExactFloat(text);
}

// Reads "x [y] [z]" after a location keyword at tokens[k]: x, and z when two
// numbers follow x, or the one number that follows x. Returns false when x
// is no number.
bool readLocation(const std::vector<std::string>& tokens, size_t k, double& x, double& z)
{
    if (!parseLeadingNumber(tokens[k + 1], x))
        return false;
    const size_t next = k + 2;
    const bool first = next < tokens.size() && isDecimal(tokens[next]);
    const bool second = first && next + 1 < tokens.size() && isDecimal(tokens[next + 1]);
    double elevation;
    if (second) {
        std::cout << "Y: " << tokens[next] << std::endl;
        if (parseLeadingNumber(tokens[next + 1], elevation))
            z = elevation;
    } else if (first && parseLeadingNumber(tokens[next], elevation)) {
        z = elevation;
    } else {
        return true;
    }
    std::cout << "Z: " << z << std::endl;
    return true;
}
} // namespace

std::optional<SEG2File> openSEG2(const std::string& path)
{
    std::cout << "opening seg2 file " << path << std::endl;
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes;
    bool read = false;
    if (in) {
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        in.seekg(0, std::ios::beg);
        if (size >= 0 && in) {
            bytes.resize(size_t(size));
            in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
            read = in.gcount() == std::streamsize(size);
        }
    }
    if (!read) {
        std::cerr << "Error while loading " << path << std::endl;
        return std::nullopt;
    }
    return openSEG2Bytes(std::move(bytes));
}

int readSEG2(std::string path, std::vector<RawTrace>& traces, std::vector<std::string>* messages)
{
    const auto file = openSEG2(path);
    return file ? decodeSEG2(*file, traces, messages) : SeismicResult::CannotRead;
}

int readSEG2Bytes(std::vector<unsigned char> bytes, std::vector<RawTrace>& traces,
                  std::vector<std::string>* messages)
{
    const auto file = openSEG2Bytes(std::move(bytes));
    return file ? decodeSEG2(*file, traces, messages) : SeismicResult::CannotRead;
}

int parseSEG2Descriptor(std::string text, RawTrace& trace)
{
    // Some writers omit the offsets; their text is tokenised as it stands.
    if (validStringChain(text))
        blankStringOffsets(text);
    std::replace(text.begin(), text.end(), '\0', ' ');
    static const char separators[] = " \n\r\t";
    text.erase(0, std::min(text.find_first_not_of(separators), text.size()));
    std::vector<std::string> tokens;
    splitString(text, tokens, separators);

    // A keyword's value is the next token, and the scan goes on after it.
    for (size_t k = 0; k + 1 < tokens.size(); ++k) {
        const std::string& key = tokens[k];
        const std::string& value = tokens[k + 1];
        double v;
        if (key == "SAMPLE_INTERVAL") {
            if (parseLeadingNumber(value, v) && usableInterval(v))
                trace.sampleInterval = v;
        } else if (key == "DELAY") {
            // Vendors write the pre-trigger time with either sign.
            if (parseLeadingNumber(value, v))
                trace.delay = v == 0.0 ? 0.0 : -std::fabs(v);
        } else if (key == "SOURCE_LOCATION") {
            if (!readLocation(tokens, k, trace.sourceX, trace.sourceZ))
                std::cout << "Exception Source location" << std::endl;
        } else if (key == "RECEIVER_LOCATION") {
            if (!readLocation(tokens, k, trace.receiverX, trace.receiverZ))
                std::cout << "Exception Receiver Location" << std::endl;
        } else {
            continue;
        }
        ++k;
    }

    if (usableInterval(trace.sampleInterval))
        return SeismicResult::Ok;
    std::cout << "FATAL ERROR no sample interval provided" << std::endl;
    return SeismicResult::NoSampleInterval;
}
