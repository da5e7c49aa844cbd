// SEG-Y and Seismic Unix readers against files written by segyio (see
// tests/fixtures/seismic/make_segy_fixtures.py) and real files of other tools.
// The damaged-file tables run with ASAN_OPTIONS=max_allocation_size_mb=64, so
// an allocation the file cannot justify fails the test.

#include "expectedfiles.h"
#include "logger.h"
#include "segyreader.h"
#include "testenv.h"
#include "tomodocument.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace
{

using Bytes = std::vector<unsigned char>;

// The segyio fixtures: 4 traces x 100 samples, sample k of trace i = k - 50 + i,
// dt 250 us, scalar -100, source X 500, group X 1000 (i + 1).
constexpr size_t FixtureTraces = 4;
constexpr unsigned FixtureSamples = 100;

std::vector<double> fixtureSamples(size_t trace)
{
    std::vector<double> samples(FixtureSamples);
    for (unsigned k = 0; k < FixtureSamples; ++k)
        samples[k] = double(k) - 50.0 + double(trace);
    return samples;
}

// The first `count` traces carry the fixture's values.
void expectFixtureTraces(const std::vector<RawTrace>& traces, size_t count)
{
    ASSERT_EQ(traces.size(), count);
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE("trace " + std::to_string(i));
        EXPECT_EQ(traces[i].samples, fixtureSamples(i));
        EXPECT_DOUBLE_EQ(traces[i].sourceX, 5.0);
        EXPECT_DOUBLE_EQ(traces[i].receiverX, 10.0 * double(i + 1));
        EXPECT_DOUBLE_EQ(traces[i].sampleInterval, 0.00025);
        EXPECT_EQ(traces[i].sourceZ, 0.0);
        EXPECT_EQ(traces[i].receiverZ, 0.0);
        EXPECT_EQ(traces[i].delay, 0.0);
    }
}

Bytes fixtureBytes(const std::string& name)
{
    return testenv::readBytes(testenv::fixture("seismic/" + name));
}

void putBig(Bytes& bytes, size_t offset, unsigned width, uint64_t value)
{
    for (unsigned k = 0; k < width; ++k)
        bytes.at(offset + k) = (unsigned char)(value >> (8 * (width - 1 - k)));
}

void putLittle(Bytes& bytes, size_t offset, unsigned width, uint64_t value)
{
    for (unsigned k = 0; k < width; ++k)
        bytes.at(offset + k) = (unsigned char)(value >> (8 * k));
}

// A reader's messages: none when expected is empty, else exactly one that
// contains expected.
void expectOneMessage(const std::vector<std::string>& messages, const std::string& expected)
{
    if (expected.empty()) {
        EXPECT_TRUE(messages.empty()) << messages.front();
        return;
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(expected), std::string::npos) << messages[0];
}

// Test names from a table's own names.
struct ByName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& p) const
    {
        return p.param.name;
    }
};

// Offset of trace i in a 4-byte-sample fixture.
size_t traceAt(size_t i)
{
    return 3600 + i * (240 + 4 * FixtureSamples);
}

// Every format and byte order segyio writes, with and without the
// revision-2 byte-order constant; one run reads both orders (no carried state).
class SegyioFixture : public testing::TestWithParam<const char*>
{
};

TEST_P(SegyioFixture, ReadsEveryTraceExactly)
{
    std::vector<RawTrace> traces;
    ASSERT_EQ(readSEGY(testenv::fixture(std::string("seismic/") + GetParam()), traces),
              SeismicResult::Ok);
    expectFixtureTraces(traces, FixtureTraces);
}

INSTANTIATE_TEST_SUITE_P(FormatsAndByteOrders, SegyioFixture,
                         testing::Values("segy_f1_big.sgy", "segy_f1_little.sgy", "segy_f2_big.sgy",
                                         "segy_f2_little.sgy", "segy_f3_big.sgy",
                                         "segy_f3_little.sgy", "segy_f5_big.sgy",
                                         "segy_f5_little.sgy", "segy_f8_big.sgy",
                                         "segy_f8_little.sgy", "segy_f1_big_noconst.sgy",
                                         "segy_f1_little_noconst.sgy", "segy_f1_big_ext1.sgy"),
                         [](const testing::TestParamInfo<const char*>& p) {
                             std::string name = p.param;
                             return name.substr(0, name.find('.'));
                         });

// Where the traces are, how many, and which files are refused. A refused file
// appends nothing.
struct LayoutCase {
    const char* name;
    const char* fixture;
    std::function<void(Bytes&)> patch;
    int code;
    size_t traces;       // traces read, each with the fixture's values
    const char* message; // part of the reader's one message; empty: none
};

const LayoutCase layoutCases[] = {
    {"ZeroCountMeansEveryWholeTrace", "segy_f1_big.sgy", [](Bytes& b) { putBig(b, 3212, 2, 0); },
     SeismicResult::Ok, 4, ""},
    {"CountLargerThanFileIsBounded", "segy_f1_big.sgy", [](Bytes& b) { putBig(b, 3212, 2, 1000); },
     SeismicResult::Ok, 4, ""},
    // The count is per ensemble: a file of several ensembles, or a field
    // record that says 1, still holds every trace.
    {"CountBelowFileDoesNotCap", "segy_f5_little.sgy", [](Bytes& b) { putLittle(b, 3212, 2, 1); },
     SeismicResult::Ok, 4, ""},
    {"FileCutInsideLastTrace", "segy_f5_little.sgy", [](Bytes& b) { b.resize(b.size() - 10); },
     SeismicResult::Ok, 3,
     "the file ends inside trace 4 (630 of its 640 bytes), which is left out"},
    // Without the constant, comparing the count both ways calls a count of 0
    // or 256 little-endian; the format code still says big.
    {"BigEndianNoConstantZeroCount", "segy_f1_big_noconst.sgy",
     [](Bytes& b) { putBig(b, 3212, 2, 0); }, SeismicResult::Ok, 4, ""},
    {"BigEndianNoConstantCount256", "segy_f1_big_noconst.sgy",
     [](Bytes& b) { putBig(b, 3212, 2, 256); }, SeismicResult::Ok, 4, ""},
    {"FormatCodeOutvotesConstant", "segy_f5_little.sgy",
     [](Bytes& b) { putBig(b, 3296, 4, 0x01020304); }, SeismicResult::Ok, 4, ""},
    {"TraceSamplesZeroTakesBinaryHeader", "segy_f5_big.sgy",
     [](Bytes& b) {
         for (size_t i = 0; i < FixtureTraces; ++i)
             putBig(b, traceAt(i) + 114, 2, 0);
     },
     SeismicResult::Ok, 4, ""},
    {"StaleTraceSamplesLoseToBinaryHeader", "segy_f5_big.sgy",
     [](Bytes& b) {
         for (size_t i = 0; i < FixtureTraces; ++i)
             putBig(b, traceAt(i) + 114, 2, 462);
     },
     SeismicResult::Ok, 4, ""},
    {"LaterTraceSampleCountIgnored", "segy_f5_big.sgy",
     [](Bytes& b) { putBig(b, traceAt(2) + 114, 2, 7); }, SeismicResult::Ok, 4, ""},
    {"StaleBinarySamplesLoseToTraceHeader", "segy_f5_big.sgy",
     [](Bytes& b) { putBig(b, 3220, 2, 462); }, SeismicResult::Ok, 4, ""},
    // 260 samples tile the data too (2 traces of 1280 bytes): the trace header wins a tie.
    {"BothSampleCountsTileTraceHeaderWins", "segy_f5_big.sgy",
     [](Bytes& b) { putBig(b, 3220, 2, 260); }, SeismicResult::Ok, 4, ""},
    {"UndecodedFormat4", "segy_f5_big.sgy", [](Bytes& b) { putBig(b, 3224, 2, 4); },
     SeismicResult::CannotRead, 0, "sample format 4 is not read"},
    {"UnknownFormat13", "segy_f5_big.sgy", [](Bytes& b) { putBig(b, 3224, 2, 13); },
     SeismicResult::CannotRead, 0, "sample format 13 is not read"},
    {"FormatNeitherOrderReads", "segy_f5_big.sgy", [](Bytes& b) { putBig(b, 3224, 2, 0); },
     SeismicResult::CannotRead, 0, "sample format 0 is not read"},
    {"FileOf3000Bytes", "segy_f5_big.sgy", [](Bytes& b) { b.resize(3000); },
     SeismicResult::CannotRead, 0, "shorter than the 3600 bytes"},
    {"HeadersWithoutTraces", "segy_f5_big.sgy", [](Bytes& b) { b.resize(3600); },
     SeismicResult::CannotRead, 0, "no trace header after the file headers"},
    {"EmptyFile", "segy_f5_big.sgy", [](Bytes& b) { b.clear(); }, SeismicResult::CannotRead, 0,
     "shorter than the 3600 bytes"},
    {"VariableExtendedHeaders", "segy_f5_big.sgy", [](Bytes& b) { putBig(b, 3504, 2, 0xFFFF); },
     SeismicResult::CannotRead, 0, "a variable number of extended textual headers"},
    {"ExtendedHeadersPastEnd", "segy_f5_big.sgy", [](Bytes& b) { putBig(b, 3504, 2, 32767); },
     SeismicResult::CannotRead, 0, "no trace header after the file headers"},
    {"NoSampleCountAnywhere", "segy_f5_big.sgy",
     [](Bytes& b) {
         putBig(b, 3220, 2, 0);
         putBig(b, traceAt(0) + 114, 2, 0);
     },
     SeismicResult::CannotRead, 0, "no sample count in the headers"},
    {"SampleCountFarLargerThanFile", "segy_f5_big.sgy",
     [](Bytes& b) {
         putBig(b, 3220, 2, 65535);
         putBig(b, traceAt(0) + 114, 2, 65535);
         putBig(b, 3212, 2, 65535);
     },
     SeismicResult::CannotRead, 0, "no whole trace of 65535 samples"},
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.name;
}

class SegyLayout : public testing::TestWithParam<LayoutCase>
{
};

TEST_P(SegyLayout, ReadsTheTracesTheFileHolds)
{
    const LayoutCase& c = GetParam();
    Bytes bytes = fixtureBytes(c.fixture);
    c.patch(bytes);
    std::vector<RawTrace> traces(1); // a trace from an earlier file stays
    std::vector<std::string> messages;
    testing::internal::CaptureStderr();
    ASSERT_EQ(decodeSEGY(bytes, traces, &messages), c.code);
    testing::internal::GetCapturedStderr();
    traces.erase(traces.begin());
    expectFixtureTraces(traces, c.traces);
    expectOneMessage(messages, c.message);
}

INSTANTIATE_TEST_SUITE_P(Structure, SegyLayout, testing::ValuesIn(layoutCases), ByName());

// Single header fields and sample words.
struct ValueCase {
    const char* name;
    const char* fixture;
    std::function<void(Bytes&)> patch;
    std::function<double(const RawTrace&)> field; // of the first trace
    double expected;
};

double firstSample(const RawTrace& t)
{
    return t.samples.at(0);
}

const ValueCase valueCases[] = {
    {"IntervalFromTraceHeader", "segy_f1_big.sgy", [](Bytes& b) { putBig(b, 3216, 2, 0); },
     [](const RawTrace& t) { return t.sampleInterval; }, 0.00025},
    // The binary header's field is signed: -2 is no interval of 65534 us.
    {"NegativeBinaryIntervalLosesToTraceHeader", "segy_f1_big.sgy",
     [](Bytes& b) { putBig(b, 3216, 2, 0xFFFE); },
     [](const RawTrace& t) { return t.sampleInterval; }, 0.00025},
    {"BinaryInterval32768LosesToTraceHeader", "segy_f1_big.sgy",
     [](Bytes& b) { putBig(b, 3216, 2, 0x8000); },
     [](const RawTrace& t) { return t.sampleInterval; }, 0.00025},
    {"NeitherIntervalValid", "segy_f1_big.sgy",
     [](Bytes& b) {
         putBig(b, 3216, 2, 0xFFFE);
         putBig(b, traceAt(0) + 116, 2, 0x8000);
     },
     [](const RawTrace& t) { return t.sampleInterval; }, DBL_MAX},
    {"DelayBeforeTheShot", "segy_f1_big.sgy",
     [](Bytes& b) { putBig(b, traceAt(0) + 108, 2, 0xFF9C); },
     [](const RawTrace& t) { return t.delay; }, -0.1},
    {"NoIntervalAnywhere", "segy_f1_big.sgy",
     [](Bytes& b) {
         putBig(b, 3216, 2, 0);
         putBig(b, traceAt(0) + 116, 2, 0);
     },
     [](const RawTrace& t) { return t.sampleInterval; }, DBL_MAX},
    // In single precision this gives 1234567.875.
    {"GroupXScaledInDouble", "segy_f1_big.sgy",
     [](Bytes& b) { putBig(b, traceAt(0) + 80, 4, 123456789); },
     [](const RawTrace& t) { return t.receiverX; }, 1234567.89},
    {"PositiveScalarMultiplies", "segy_f1_big.sgy",
     [](Bytes& b) { putBig(b, traceAt(0) + 70, 2, 2); },
     [](const RawTrace& t) { return t.sourceX; }, 1000.0},
    {"ZeroScalarKeepsValue", "segy_f1_big.sgy", [](Bytes& b) { putBig(b, traceAt(0) + 70, 2, 0); },
     [](const RawTrace& t) { return t.sourceX; }, 500.0},
    {"Int16BigEndianPositive", "segy_f3_big.sgy",
     [](Bytes& b) { putBig(b, 3600 + 240, 2, 0x0180); }, firstSample, 384.0},
    {"Int16BigEndianNegative", "segy_f3_big.sgy",
     [](Bytes& b) { putBig(b, 3600 + 240, 2, 0xFF38); }, firstSample, -200.0},
    {"IbmHundred", "segy_f1_big.sgy", [](Bytes& b) { putBig(b, 3600 + 240, 4, 0x42640000); },
     firstSample, 100.0},
    {"IbmNegative", "segy_f1_big.sgy", [](Bytes& b) { putBig(b, 3600 + 240, 4, 0xC276A000); },
     firstSample, -118.625},
    {"IbmHalf", "segy_f1_big.sgy", [](Bytes& b) { putBig(b, 3600 + 240, 4, 0x40800000); },
     firstSample, 0.5},
};

void PrintTo(const ValueCase& c, std::ostream* os)
{
    *os << c.name;
}

class SegyValue : public testing::TestWithParam<ValueCase>
{
};

TEST_P(SegyValue, DecodesField)
{
    const ValueCase& c = GetParam();
    Bytes bytes = fixtureBytes(c.fixture);
    c.patch(bytes);
    std::vector<RawTrace> traces;
    ASSERT_EQ(decodeSEGY(bytes, traces), SeismicResult::Ok);
    ASSERT_EQ(traces.size(), FixtureTraces);
    EXPECT_DOUBLE_EQ(c.field(traces[0]), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Fields, SegyValue, testing::ValuesIn(valueCases), ByName());

// Files segyio wrote with several field records, or with a delay (see
// make_segy_fixtures.py): every trace, its samples and its delay.
struct SegyioFileCase {
    const char* name;
    const char* fixture;
    std::vector<double> delays; // s, one per trace
    std::vector<double> sourceX;
    const char* message; // part of the reader's one message; empty: none
};

const SegyioFileCase segyioFileCases[] = {
    {"ThreeEnsemblesOfFour",
     "segy_3_ensembles.sgy",
     std::vector<double>(12, 0.0),
     {0, 0, 0, 0, 100, 100, 100, 100, 200, 200, 200, 200},
     "12 traces of 3 records (field record numbers or source positions) loaded as one shot"},
    {"OneTracePerEnsembleOverThree", "segy_1_per_ensemble.sgy", {0.0, 0.0, 0.0}, {0, 0, 0}, ""},
    // 1 ms x 1000, 10000 ms / 10, and -100 ms with a scalar of 0.
    {"DelaysWithTimeScalar", "segy_delays.sgy", {1.0, 1.0, -0.1}, {500, 500, 500}, ""},
};

void PrintTo(const SegyioFileCase& c, std::ostream* os)
{
    *os << c.name;
}

class SegyioFile : public testing::TestWithParam<SegyioFileCase>
{
};

TEST_P(SegyioFile, ReadsEveryTraceWithItsDelay)
{
    const SegyioFileCase& c = GetParam();
    std::vector<RawTrace> traces;
    std::vector<std::string> messages;
    testing::internal::CaptureStderr();
    ASSERT_EQ(readSEGY(testenv::fixture(std::string("seismic/") + c.fixture), traces, &messages),
              SeismicResult::Ok);
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(traces.size(), c.delays.size());
    for (size_t i = 0; i < traces.size(); ++i) {
        SCOPED_TRACE("trace " + std::to_string(i));
        EXPECT_EQ(traces[i].samples, fixtureSamples(i));
        EXPECT_DOUBLE_EQ(traces[i].delay, c.delays[i]);
        EXPECT_DOUBLE_EQ(traces[i].sourceX, c.sourceX[i]);
        EXPECT_DOUBLE_EQ(traces[i].sampleInterval, 0.00025);
    }
    expectOneMessage(messages, c.message);
}

INSTANTIATE_TEST_SUITE_P(Segyio, SegyioFile, testing::ValuesIn(segyioFileCases), ByName());

// The revision-2 formats segyio does not write: a two-trace file built here
// per code. A wrong width misplaces the second trace's header and samples.
struct WideFormatCase {
    int format;
    std::vector<unsigned char> sample0; // big-endian bytes
    std::vector<unsigned char> sample1;
    double value0;
    double value1;
};

const WideFormatCase wideFormatCases[] = {
    {6, {0x3F, 0xF8, 0, 0, 0, 0, 0, 0}, {0xC0, 0x24, 0, 0, 0, 0, 0, 1}, 1.5, -10.000000000000002},
    {7, {0xFF, 0xFF, 0xFE}, {0x7F, 0xFF, 0xFF}, -2.0, 8388607.0},
    {9,
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFD},
     {0, 0, 0, 1, 0, 0, 0, 0},
     -3.0,
     4294967296.0},
    {10, {0xFF, 0xFF, 0xFF, 0xFF}, {0, 0, 0, 7}, 4294967295.0, 7.0},
    {11, {0xFF, 0xFE}, {0x01, 0x00}, 65534.0, 256.0},
    {12, {0x80, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 9}, 9223372036854775808.0, 9.0},
    {15, {0xFF, 0xFF, 0xFE}, {0, 0x01, 0}, 16777214.0, 256.0},
    {16, {0xFF}, {0x80}, 255.0, 128.0},
};

Bytes twoTraceSegy(const WideFormatCase& c, bool bigEndian)
{
    const auto put = bigEndian ? putBig : putLittle;
    const size_t width = c.sample0.size();
    const size_t stride = 240 + 2 * width;
    Bytes bytes(3600 + 2 * stride, 0);
    put(bytes, 3216, 2, 1000);
    put(bytes, 3220, 2, 2);
    put(bytes, 3224, 2, uint64_t(c.format));
    for (size_t i = 0; i < 2; ++i) {
        const size_t trace = 3600 + i * stride;
        put(bytes, trace + 72, 4, 10 * (i + 1));
        put(bytes, trace + 114, 2, 2);
        for (size_t s = 0; s < 2; ++s) {
            const auto& sample = s == 0 ? c.sample0 : c.sample1;
            for (size_t k = 0; k < width; ++k)
                bytes[trace + 240 + s * width + k] = sample[bigEndian ? k : width - 1 - k];
        }
    }
    return bytes;
}

TEST(SegyWideFormats, DecodeEachCodeByItsWidthInBothOrders)
{
    for (const WideFormatCase& c : wideFormatCases) {
        for (const bool bigEndian : {true, false}) {
            SCOPED_TRACE("format " + std::to_string(c.format) +
                         (bigEndian ? " big-endian" : " little-endian"));
            std::vector<RawTrace> traces;
            ASSERT_EQ(decodeSEGY(twoTraceSegy(c, bigEndian), traces), SeismicResult::Ok);
            ASSERT_EQ(traces.size(), 2u);
            for (size_t i = 0; i < 2; ++i) {
                EXPECT_EQ(traces[i].sourceX, 10.0 * double(i + 1));
                EXPECT_EQ(traces[i].samples, (std::vector<double>{c.value0, c.value1}));
            }
            EXPECT_EQ(traces[0].sampleInterval, 0.001);
        }
    }
}

// Seismic Unix: su_24x1000.su is a little-endian segyio SEG-Y of 24
// traces x 1000 samples (sample k of trace i = k / 2 + i, dt 500 us, scalar
// -100, source X 500, group X 100 i) without its 3600 header bytes.
struct SuCase {
    const char* name;
    std::function<void(Bytes&)> patch;
    int code;
    size_t traces;
    double interval;
    const char* message; // part of the reader's one message; empty: none
};

constexpr size_t SuTrace = 240 + 4 * 1000;

const SuCase suCases[] = {
    {"AsWritten", [](Bytes&) {}, SeismicResult::Ok, 24, 0.0005, ""},
    {"TrailingPartialTraceLeftOut", [](Bytes& b) { b.resize(b.size() + 100, 0xAB); },
     SeismicResult::Ok, 24, 0.0005, "the file ends inside trace 25 (100 of its 4240 bytes)"},
    {"CutInsideLastTrace", [](Bytes& b) { b.resize(b.size() - 1000); }, SeismicResult::Ok, 23,
     0.0005, "the file ends inside trace 24 (3240 of its 4240 bytes), which is left out"},
    // A one-trace file fits both orders: read as little-endian.
    {"OneTrace", [](Bytes& b) { b.resize(SuTrace); }, SeismicResult::Ok, 1, 0.0005, ""},
    {"ZeroIntervalIsNoValue", [](Bytes& b) { putLittle(b, 116, 2, 0); }, SeismicResult::Ok, 24,
     DBL_MAX, ""},
    {"ZeroSamples", [](Bytes& b) { putLittle(b, 114, 2, 0); }, SeismicResult::CannotRead, 0, 0.0,
     "the byte order cannot be told"},
    // The first header alone says big-endian; the second disagrees.
    {"OnlyFirstHeaderBigEndian", [](Bytes& b) { putBig(b, 114, 2, 1000); },
     SeismicResult::CannotRead, 0, 0.0, "the byte order cannot be told"},
    {"LastHeaderDisagrees", [](Bytes& b) { putLittle(b, 23 * SuTrace + 114, 2, 999); },
     SeismicResult::CannotRead, 0, 0.0, "the byte order cannot be told"},
    {"ShorterThanOneHeader", [](Bytes& b) { b.resize(200); }, SeismicResult::CannotRead, 0, 0.0,
     "the byte order cannot be told"},
    {"EmptyFile", [](Bytes& b) { b.clear(); }, SeismicResult::CannotRead, 0, 0.0,
     "the byte order cannot be told"},
};

void PrintTo(const SuCase& c, std::ostream* os)
{
    *os << c.name;
}

class SeismicUnix : public testing::TestWithParam<SuCase>
{
};

TEST_P(SeismicUnix, ReadsWholeTraces)
{
    const SuCase& c = GetParam();
    Bytes bytes = fixtureBytes("su_24x1000.su");
    c.patch(bytes);
    std::vector<RawTrace> traces;
    std::vector<std::string> messages;
    testing::internal::CaptureStderr();
    ASSERT_EQ(decodeSU(bytes, traces, &messages), c.code);
    testing::internal::GetCapturedStderr();
    expectOneMessage(messages, c.message);
    ASSERT_EQ(traces.size(), c.traces);
    if (c.traces > 3) {
        EXPECT_EQ(traces[3].samples.at(7), 6.5);
    }
    for (size_t i = 0; i < traces.size(); ++i) {
        SCOPED_TRACE("trace " + std::to_string(i));
        ASSERT_EQ(traces[i].samples.size(), 1000u);
        EXPECT_EQ(traces[i].samples.back(), 499.5 + double(i));
        EXPECT_DOUBLE_EQ(traces[i].sourceX, 5.0);
        EXPECT_DOUBLE_EQ(traces[i].receiverX, double(i));
        EXPECT_DOUBLE_EQ(traces[i].sampleInterval, c.interval);
        EXPECT_EQ(traces[i].delay, 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Structure, SeismicUnix, testing::ValuesIn(suCases), ByName());

// Seismic Unix files segyio wrote in either byte order (make_segy_fixtures.py):
// sample k of trace i = k / 2 + i, dt 500 us, group X 100 i. A count that is
// a multiple of 256 reads as 4 or 8 samples in the other order, and with 16
// traces those wrong traces fill the file exactly; the headers decide.
struct SuOrderCase {
    const char* file;
    size_t traces;
    size_t samples;
};

const SuOrderCase suOrderCases[] = {
    {"su_16x1024_big.su", 16, 1024},
    {"su_16x2048_little.su", 16, 2048},
    {"su_3x1024_little.su", 3, 1024},
    {"su_3x2048_big.su", 3, 2048},
};

TEST(SeismicUnixByteOrder, EitherOrderReadsItsTracesAndSamples)
{
    for (const SuOrderCase& c : suOrderCases) {
        SCOPED_TRACE(c.file);
        std::vector<RawTrace> traces;
        std::vector<std::string> messages;
        ASSERT_EQ(readSU(testenv::fixture(std::string("seismic/") + c.file), traces, &messages),
                  SeismicResult::Ok);
        EXPECT_TRUE(messages.empty());
        ASSERT_EQ(traces.size(), c.traces);
        for (size_t i = 0; i < c.traces; ++i) {
            SCOPED_TRACE("trace " + std::to_string(i));
            ASSERT_EQ(traces[i].samples.size(), c.samples);
            for (size_t k = 0; k < c.samples; ++k)
                ASSERT_EQ(traces[i].samples[k], double(k) * 0.5 + double(i)) << "sample " << k;
            EXPECT_EQ(traces[i].receiverX, 100.0 * double(i));
            EXPECT_EQ(traces[i].sampleInterval, 0.0005);
        }
    }
}

// Real files of other tools against what segyio sees in them.
struct RealFileCase {
    const char* file;
    int code;
};

const RealFileCase realFileCases[] = {
    {"segyio_small.sgy", SeismicResult::Ok},      // trace headers say 0 samples
    {"segyio_Format1msb.sgy", SeismicResult::Ok}, // every trace header says 462 samples
    {"segyio_Format5lsb.sgy", SeismicResult::Ok}, {"segyio_small-lsb.su", SeismicResult::Ok},
    {"segyio_small.su", SeismicResult::Ok}, // big-endian Seismic Unix
};

double scaled(const QJsonObject& header, const char* key)
{
    const double value = header[key].toDouble();
    const int scalar = header["scalco"].toInt();
    return scalar > 0 ? value * scalar : scalar < 0 ? value / -scalar : value;
}

void expectTraceMatches(const RawTrace& trace, const QJsonObject& expected,
                        const QJsonObject& header, double delay)
{
    ASSERT_EQ(trace.samples.size(), size_t(expected["n_samples"].toInt()));
    expectSampleSummary(trace.samples, expected);
    EXPECT_DOUBLE_EQ(trace.sourceX, scaled(header, "sx"));
    EXPECT_DOUBLE_EQ(trace.receiverX, scaled(header, "gx"));
    EXPECT_DOUBLE_EQ(trace.delay, delay);
}

void PrintTo(const RealFileCase& c, std::ostream* os)
{
    *os << c.file;
}

class RealFile : public testing::TestWithParam<RealFileCase>
{
};

TEST_P(RealFile, MatchesIndependentReader)
{
    SKIP_WITHOUT_SHARED_DATA();
    const RealFileCase& c = GetParam();
    const std::string file = c.file;
    const QJsonObject json = expectedJson(file);
    ASSERT_FALSE(json.isEmpty()) << "missing " << file << ".expected.json";
    const bool su = file.substr(file.size() - 3) == ".su";
    std::vector<RawTrace> traces;
    const std::string path = testenv::sharedData("seismic/" + file);
    ASSERT_EQ(su ? readSU(path, traces) : readSEGY(path, traces), c.code);
    if (c.code != SeismicResult::Ok) {
        EXPECT_TRUE(traces.empty());
        return;
    }

    ASSERT_EQ(traces.size(), size_t(json["n_traces"].toInt()));
    const double interval =
        json["sample_interval_s"].isNull() ? DBL_MAX : json["sample_interval_s"].toDouble();
    for (const RawTrace& t : traces) {
        ASSERT_EQ(t.samples.size(), size_t(json["samples_per_trace"].toInt()));
        ASSERT_DOUBLE_EQ(t.sampleInterval, interval);
    }
    const QJsonObject headers = json[su ? "su" : "segy"].toObject()["trace_headers"].toObject();
    for (const QJsonValue& value : json["traces"].toArray()) {
        const QJsonObject expected = value.toObject();
        const int index = expected["index"].toInt();
        SCOPED_TRACE("trace " + std::to_string(index));
        expectTraceMatches(traces.at(size_t(index)), expected,
                           headers[QString::number(index)].toObject(), json["delay_s"].toDouble());
    }
}

INSTANTIATE_TEST_SUITE_P(SharedData, RealFile, testing::ValuesIn(realFileCases),
                         [](const testing::TestParamInfo<RealFileCase>& p) {
                             std::string name = p.param.file;
                             for (char& ch : name)
                                 if (!std::isalnum((unsigned char)ch))
                                     ch = '_';
                             return name;
                         });

// The document's loader reaches these readers by suffix and makes kind-3 traces.
TEST(LoadSeismicFile, SegyAndSuSuffixesMakeOrdinaryTraces)
{
    const std::string dir = testenv::freshDir("segy-load");
    const struct {
        const char* fixture;
        const char* name;
        size_t traces;
        double secondReceiverX;
    } cases[] = {
        {"segy_f5_little.sgy", "shot.sgy", 4, 20.0},
        {"segy_f1_big.sgy", "shot.SEGY", 4, 20.0},
        {"su_24x1000.su", "shot.su", 24, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir + "/" + c.name;
        testenv::writeBytes(path, fixtureBytes(c.fixture));
        TomoDocument doc;
        ASSERT_EQ(doc.loadSeismicFile(path), SeismicResult::Ok);
        ASSERT_EQ(doc.traceSets.size(), 1u);
        const TraceSet& set = doc.traceSets[0];
        EXPECT_EQ(set.fileName, path);
        ASSERT_EQ(set.traces.size(), c.traces);
        for (const Trace& t : set.traces)
            EXPECT_EQ(t.kind, Trace::Ordinary);
        EXPECT_DOUBLE_EQ(set.traces[1].receiverX, c.secondReceiverX);
    }
}

// What a reader says of a file reaches the log as an error line that names
// the file, whether the file loads or not.
TEST(LoadSeismicFile, ReaderMessagesAreLoggedAsErrors)
{
    const std::string dir = testenv::freshDir("segy-log");
    const struct {
        const char* fixture;
        const char* name;
        std::function<void(Bytes&)> patch;
        int code;
        size_t traces;
        const char* logged;
    } cases[] = {
        {"seismic/segy_f5_little.sgy", "cut.sgy", [](Bytes& b) { b.resize(b.size() - 10); },
         SeismicResult::Ok, 3,
         "the file ends inside trace 4 (630 of its 640 bytes), which is left out; 3 traces read"},
        {"seismic/su_24x1000.su", "cut.su", [](Bytes& b) { b.resize(b.size() - 1000); },
         SeismicResult::Ok, 23, "the file ends inside trace 24"},
        {"seismic/formats.sg2", "cut.sg2", [](Bytes& b) { b.resize(b.size() - 2); },
         SeismicResult::Ok, 6, "trace 6 is cut short: 1 of its 2 samples read"},
        {"seismic/segy_3_ensembles.sgy", "records.sgy", [](Bytes&) {}, SeismicResult::Ok, 12,
         "12 traces of 3 records"},
        {"seismic/su_24x1000.su", "short.su", [](Bytes& b) { b.resize(200); },
         SeismicResult::CannotRead, 0, "the byte order cannot be told"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir + "/" + c.name;
        const std::string logPath = path + ".log";
        Bytes bytes = testenv::readBytes(testenv::fixture(c.fixture));
        c.patch(bytes);
        testenv::writeBytes(path, bytes);
        {
            Logger logger(logPath);
            TomoDocument doc(&logger);
            testing::internal::CaptureStderr();
            testing::internal::CaptureStdout();
            EXPECT_EQ(doc.loadSeismicFile(path), c.code);
            testing::internal::GetCapturedStdout();
            testing::internal::GetCapturedStderr();
            EXPECT_EQ(doc.traceSets.empty() ? 0u : doc.traceSets[0].traces.size(), c.traces);
        }
        const std::string log = testenv::readText(logPath);
        EXPECT_NE(log.find("] ERROR : " + path + ": " + c.logged), std::string::npos) << log;
    }
}

TEST(OpenFile, MissingFileGivesCannotRead)
{
    std::vector<RawTrace> traces;
    const std::string missing = testenv::freshDir("segy-missing") + "/none";
    EXPECT_EQ(readSEGY(missing + ".sgy", traces), SeismicResult::CannotRead);
    EXPECT_EQ(readSU(missing + ".su", traces), SeismicResult::CannotRead);
    EXPECT_TRUE(traces.empty());
}

} // namespace
