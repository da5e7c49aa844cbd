#pragma once
// SEG-Y and Seismic Unix readers. Free of the document and of Qt: the
// converter compiles the Seismic Unix reader too.
//
// Result codes (SeismicResult): Ok, or CannotRead when the file cannot be read
// or holds no trace we can decode (no whole trace, no sample count, an
// undecoded sample format, a negative extended-header count). Positions are
// the scaled source and group X of each trace header; elevations and delay
// stay 0.0. The sample interval is in seconds, DBL_MAX when the file has none.
// Trace and sample counts are bounded by the file's size, so no header value
// can demand more memory than the file justifies.

#include "rawtrace.h"

#include <cfloat>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Where the traces of one file are and how to decode them. Established per
// file from its headers; nothing carries over to the next file.
struct TraceLayout {
    bool bigEndian = false;
    int format = 5; // SEG-Y data sample format code
    unsigned samplesPerTrace = 0;
    double sampleInterval = DBL_MAX;  // s
    std::vector<size_t> traceOffsets; // file offset of each 240-byte trace header
};

struct SeismicFile {
    std::vector<unsigned char> bytes;
    TraceLayout layout;
};

// Append one RawTrace per trace of the file. Return a SeismicResult code;
// nothing is appended unless it is Ok.
int readSEGY(std::string path, std::vector<RawTrace>& traces);
int readSU(std::string path, std::vector<RawTrace>& traces);

// Read the whole file and its headers. Nothing when the file cannot be read
// (reported on standard error) or its headers describe no decodable trace.
std::optional<SeismicFile> openSEGY(const std::string& path);
std::optional<SeismicFile> openSU(const std::string& path);

// The same readers over a file already in memory.
int decodeSEGY(const std::vector<unsigned char>& bytes, std::vector<RawTrace>& traces);
int decodeSU(const std::vector<unsigned char>& bytes, std::vector<RawTrace>& traces);
