#include "seg2writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iostream>
#include <limits>
#include <set>

namespace
{

void putU8(std::ostream& out, uint8_t value)
{
    out.put(char(value));
}

void putU16(std::ostream& out, uint16_t value)
{
    putU8(out, uint8_t(value & 0xFF));
    putU8(out, uint8_t(value >> 8));
}

void putU32(std::ostream& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        putU8(out, uint8_t((value >> shift) & 0xFF));
}

void putU64(std::ostream& out, uint64_t value)
{
    for (int shift = 0; shift < 64; shift += 8)
        putU8(out, uint8_t((value >> shift) & 0xFF));
}

// IEEE samples as their bits, little-endian.
template <typename Real, typename Bits>
void putIeee(std::ostream& out, const std::vector<Real>& samples, size_t n,
             void (*put)(std::ostream&, Bits))
{
    for (size_t k = 0; k < n; ++k) {
        Bits bits;
        const Real value = samples.at(k);
        std::memcpy(&bits, &value, sizeof bits);
        put(out, bits);
    }
}

template <size_t N> void putBytes(std::ostream& out, const std::array<uint8_t, N>& bytes)
{
    for (uint8_t b : bytes)
        putU8(out, b);
}

// The stream position as a file offset; -1 when the stream cannot tell.
int64_t offsetOf(std::ostream& out)
{
    return int64_t(std::streamoff(out.tellp()));
}

bool seekTo(std::ostream& out, int64_t offset)
{
    out.seekp(std::streamoff(offset));
    return bool(out);
}

// Blanks up to the next multiple of 4 of the file offset.
void padToFour(std::ostream& out, int64_t offset)
{
    for (int64_t i = offset; i % 4 != 0; ++i)
        putU8(out, 0x20);
}

std::string location(double x, double y, double z)
{
    return shortestReal(x) + " " + shortestReal(y) + " " + shortestReal(z);
}

const std::set<std::string> StandardFileKeywords = {
    "ACQUISITION_DATE",
    "ACQUISITION_TIME",
    "CLIENT",
    "COMPANY",
    "GENERAL_CONSTANT",
    "INSTRUMENT",
    "JOB_ID",
    "OBSERVER",
    "PROCESSING_DATE",
    "PROCESSING_TIME",
    "TRACE_SORT",
    "UNITS",
    "NOTE",
};

} // namespace

std::string shortestReal(double value)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    char text[400];
    const auto scientific =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    int exponent = 0;
    if (const char* e = std::find(text, scientific.ptr, 'e'); e != scientific.ptr)
        std::from_chars(e + (e[1] == '+' ? 2 : 1), scientific.ptr, exponent);
    // Plain decimals for the magnitudes of positions and intervals
    // ("0.0005", not "5e-04"); exponents beyond them.
    if (exponent < -4 || exponent >= 16 || !std::isfinite(value))
        return std::string(text, scientific.ptr);
    const auto fixed = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, fixed.ptr);
}

Seg2Trace makeSeg2Trace(const Seg2TraceHeader& header, const float* samples)
{
    Seg2Trace trace;
    trace.samples = header.samples;
    trace.dataSize = 4 * header.samples;
    trace.format = 4;
    trace.floatSamples.assign(samples, samples + header.samples);
    trace.keywords["DELAY"] = shortestReal(header.delay);
    trace.keywords["DESCALING_FACTOR"] = shortestReal(header.descaling);
    trace.keywords["RECEIVER_LOCATION"] =
        location(header.receiverX, header.receiverY, header.receiverZ);
    trace.keywords["SAMPLE_INTERVAL"] = shortestReal(header.sampleInterval);
    trace.keywords["SOURCE_LOCATION"] = location(header.sourceX, header.sourceY, header.sourceZ);
    trace.keywords["STACK"] = std::to_string(header.stack);
    return trace;
}

Seg2File::Seg2File()
{
    reserved.fill(0x20);
}

bool Seg2File::fail(std::ostream& out, const std::string& why)
{
    std::cerr << "Cannot write the SEG2 file: " << why << '\n';
    failureReason = why;
    out.setstate(std::ios::failbit);
    return false;
}

void Seg2File::setFileDescriptorKeyword(const std::string& keyword, const std::string& value)
{
    if (!StandardFileKeywords.count(keyword))
        std::cerr << "WARNING: Keyword " << keyword
                  << " is not a standard keyword for the file descriptor block.\n";
    keywords[keyword] = value;
}

void Seg2File::addTrace(const Seg2TraceHeader& header, const float* samples)
{
    traces.push_back(makeSeg2Trace(header, samples));
    ++traceCount;
    tracePointers.push_back(0);
}

bool Seg2File::writeDescriptorStrings(std::ostream& out,
                                      const std::map<std::string, std::string>& strings)
{
    auto put = [&](const std::string& keyword, const std::string& value) {
        const size_t length = keyword.size() + 1 + value.size() + 1 + 2;
        if (length > std::numeric_limits<uint16_t>::max())
            return fail(out, "keyword " + keyword + " is too long");
        putU16(out, uint16_t(length));
        out << keyword << ' ' << value;
        putU8(out, stringTerminator[0]);
        return true;
    };
    for (const auto& [keyword, value] : strings)
        if (keyword != "NOTE" && !put(keyword, value))
            return false;
    if (const auto note = strings.find("NOTE"); note != strings.end() && !put("NOTE", note->second))
        return false;
    putU16(out, 0);
    return bool(out);
}

bool Seg2File::writeFileDescriptorBlock(std::ostream& out)
{
    const int64_t start = offsetOf(out);
    putU16(out, blockId);
    putU16(out, revision);
    putU16(out, pointerSubBlockSize);
    putU16(out, traceCount);
    putU8(out, stringTerminatorSize);
    putBytes(out, stringTerminator);
    putU8(out, lineTerminatorSize);
    putBytes(out, lineTerminator);
    putBytes(out, reserved);
    for (size_t i = 0; i < traces.size(); ++i)
        putU32(out, 0);
    const int64_t afterPointers = offsetOf(out);
    if (!out || start < 0 || afterPointers < 0)
        return false;
    pointerSubBlockSize = uint16_t(afterPointers - start - 32); // checked by write
    if (!writeDescriptorStrings(out, keywords))
        return false;
    padToFour(out, offsetOf(out));
    const int64_t end = offsetOf(out);
    if (!seekTo(out, start + 4))
        return false;
    putU16(out, pointerSubBlockSize);
    return seekTo(out, end);
}

bool Seg2File::writeTraceBlock(std::ostream& out, Seg2Trace& trace, uint32_t& pointer)
{
    const int64_t start = offsetOf(out);
    if (start < 0)
        return false;
    if (start > int64_t(std::numeric_limits<uint32_t>::max()))
        return fail(out, "the file outgrows the 32-bit trace pointers");
    pointer = uint32_t(start);
    putU16(out, trace.blockId);
    putU16(out, trace.descriptorSize);
    putU32(out, trace.dataSize);
    putU32(out, trace.samples);
    putU8(out, trace.format);
    putBytes(out, trace.reserved);
    if (!writeDescriptorStrings(out, trace.keywords))
        return false;
    padToFour(out, offsetOf(out));
    const int64_t dataStart = offsetOf(out);
    if (dataStart - start > int64_t(std::numeric_limits<uint16_t>::max()))
        return fail(out, "a trace descriptor block outgrows its 16-bit size");
    trace.descriptorSize = uint16_t(dataStart - start);

    const size_t n = trace.samples;
    switch (trace.format) {
    case 1:
        for (size_t k = 0; k < n; ++k)
            putU16(out, uint16_t(trace.int16Samples.at(k)));
        break;
    case 2:
        for (size_t k = 0; k < n; ++k)
            putU32(out, uint32_t(trace.int32Samples.at(k)));
        break;
    case 3:
        for (uint8_t b : trace.packedBytes)
            putU8(out, b);
        break;
    case 4:
        putIeee<float, uint32_t>(out, trace.floatSamples, n, putU32);
        break;
    case 5:
        putIeee<double, uint64_t>(out, trace.doubleSamples, n, putU64);
        break;
    default:
        return fail(out, "unknown sample format " + std::to_string(trace.format));
    }
    const int64_t end = offsetOf(out);
    if (!out || end < 0)
        return false;
    if (end - dataStart > int64_t(std::numeric_limits<uint32_t>::max()))
        return fail(out, "a trace data block outgrows its 32-bit size");
    trace.dataSize = uint32_t(end - dataStart);
    if (!seekTo(out, start + 2))
        return false;
    putU16(out, trace.descriptorSize);
    putU32(out, trace.dataSize);
    return seekTo(out, end);
}

std::ostream& Seg2File::write(std::ostream& out)
{
    failureReason.clear();
    if (traces.empty() || traces.size() > MaxTraces) {
        fail(out, std::to_string(traces.size()) + " traces (a SEG2 file holds 1 to " +
                      std::to_string(MaxTraces) + ")");
        return out;
    }
    traceCount = uint16_t(traces.size());
    tracePointers.assign(traces.size(), 0);
    const int64_t start = offsetOf(out);
    if (!writeFileDescriptorBlock(out))
        return out;
    for (size_t i = 0; i < traces.size(); ++i)
        if (!writeTraceBlock(out, traces[i], tracePointers[i]))
            return out;
    const int64_t end = offsetOf(out);
    if (!seekTo(out, start + 32))
        return out;
    for (uint32_t pointer : tracePointers)
        putU32(out, pointer);
    seekTo(out, end);
    out.flush();
    return out;
}
