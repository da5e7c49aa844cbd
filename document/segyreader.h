#pragma once
// SEG-Y and Seismic Unix readers. Free of the document and of Qt: the
// converter compiles the Seismic Unix reader too.
//
// Result codes (SeismicResult): Ok, or CannotRead when the file cannot be read
// or holds no trace we can decode (no whole trace, no sample count, an
// undecoded sample format, a negative extended-header count; for Seismic Unix
// a byte order that no trace header confirms). Positions are the scaled
// source and group X of each trace header; elevations stay 0.0. The delay is
// the trace header's delay recording time scaled by its time scalar, in
// seconds after the shot (negative when recording began before it). The
// sample interval is in seconds, DBL_MAX when the file has none.
//
// Every trace that fits in the file is read, whatever the binary header says
// of traces per ensemble; a file cut inside a trace keeps the whole traces
// before the cut. Trace and sample counts are bounded by the file's size, so
// no header value can demand more memory than the file justifies.
//
// `messages`, when given, receives one line per thing the caller should know
// (a trace left out at a cut, several records loaded as one shot, why a file
// is refused); the same lines go to standard error.

#include "rawtrace.h"

#include <string>
#include <vector>

// Append one RawTrace per trace of the file. Return a SeismicResult code;
// nothing is appended unless it is Ok.
int readSEGY(std::string path, std::vector<RawTrace>& traces,
             std::vector<std::string>* messages = nullptr);
int readSU(std::string path, std::vector<RawTrace>& traces,
           std::vector<std::string>* messages = nullptr);

// The same readers over a file already in memory.
int decodeSEGY(const std::vector<unsigned char>& bytes, std::vector<RawTrace>& traces,
               std::vector<std::string>* messages = nullptr);
int decodeSU(const std::vector<unsigned char>& bytes, std::vector<RawTrace>& traces,
             std::vector<std::string>* messages = nullptr);
