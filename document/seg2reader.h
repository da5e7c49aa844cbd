#pragma once
// SEG-2 reader: little-endian files that begin with the identifier bytes 55 3A.
//
// Free of Qt (the bytes live in a std::vector) and of global state, so it runs
// on the project loader thread too. Every header field is read with a bounds
// check and an explicit little-endian load; nothing is allocated before the
// file has been shown to hold what its headers announce:
//   - a trace pointer table, trace descriptor block or descriptor text that
//     does not fit in the file, no traces at all, or an unknown sample format
//     gives SeismicResult::CannotRead and appends nothing;
//   - a trace announcing more samples than lie between its data start and the
//     next trace block (or the end of the file) keeps the samples present, and
//     a message says so;
//   - the descriptor blocks and samples of all traces together may not need
//     more bytes than the file has (aliased pointers cannot multiply a small
//     file into gigabytes).
// Sample formats: 1 int16, 2 int32, 3 20-bit floating point, 4 float32,
// 5 float64, 10 the low int16 of each 32-bit word. Values are stored as they
// are in the file, without descaling.

#include "rawtrace.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A SEG2 file held in memory with its trace pointer table.
struct SEG2File {
    std::vector<unsigned char> bytes;    // the whole file
    std::vector<uint32_t> tracePointers; // offsets of the trace descriptor blocks, in file order
};

// Reads the whole file and its file descriptor block. Empty when the file
// cannot be read, does not begin with 55 3A, announces no traces, or its
// trace pointer table runs past the end.
std::optional<SEG2File> openSEG2(const std::string& path);

// Appends one RawTrace per trace of the file, in file order. Returns
// SeismicResult::Ok, CannotRead (nothing appended) or NoSampleInterval (every
// trace appended, but at least one has no usable sample interval).
// `messages`, when given, receives a line for every trace cut short and for an
// unsupported sample format; the same lines go to standard error.
int readSEG2(std::string path, std::vector<RawTrace>& traces,
             std::vector<std::string>* messages = nullptr);
// The same for a file image already in memory.
int readSEG2Bytes(std::vector<unsigned char> bytes, std::vector<RawTrace>& traces,
                  std::vector<std::string>* messages = nullptr);

// Parses the strings of one trace descriptor block (the bytes after its first
// 32) into trace: SAMPLE_INTERVAL (s), DELAY (stored as -|d|), SOURCE_LOCATION
// and RECEIVER_LOCATION (x [y] [z]; z becomes the elevation, y is ignored).
// A decimal comma is accepted. Returns SeismicResult::NoSampleInterval when the
// trace is left without a positive, finite sample interval, else Ok.
int parseSEG2Descriptor(std::string text, RawTrace& trace);
