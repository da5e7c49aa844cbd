#pragma once
// Helpers of the converter tests: the independent SEG-2 walker
// (seg2walk.py, Python's struct, written from the SEG-2 standard) and small
// Seismic Unix files built byte by byte.

#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace convertertest
{

// seg2walk.py walk <path>: the file's structure, or an empty object after a
// test failure naming what the walker refused.
QJsonObject walkSeg2(const std::string& path);
// seg2walk.py golden <path>: the three-trace example built from the layout.
void writeGoldenSeg2(const std::string& path);

// The bits of a float32, as the walker reports samples.
uint32_t bitsOf(float value);

// A Seismic Unix trace: the 240-byte header fields the reader uses and float32
// samples, little-endian.
struct SuTrace {
    int32_t sourceX = 0;
    int32_t groupX = 0;
    int16_t scalar = 0;
    uint16_t intervalMicroseconds = 250;
    std::vector<float> samples;
    int16_t delayMs = 0; // delrt: the first sample's time after the shot
};
std::vector<unsigned char> suBytes(const std::vector<SuTrace>& traces);

// The worked example: 3 traces of 4 samples, source -3, receivers 0, 5, 10.
std::vector<SuTrace> exampleSuTraces();

// Runs f with standard output captured and returns what it printed.
template <typename F> std::string quietly(F&& f)
{
    testing::internal::CaptureStdout();
    f();
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

} // namespace convertertest
