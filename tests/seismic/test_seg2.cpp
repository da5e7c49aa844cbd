// SEG2 reader and seismic loading, against files written by an independent
// struct writer (tests/fixtures/seismic/make_seg2_fixtures.py) and by real
// recorders (the shared data folder, with what ObsPy reads in them).

#include "expectedfiles.h"
#include "seg2reader.h"
#include "splitstring.h"
#include "testenv.h"
#include "tomodocument.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstring>
#include <functional>
#include <locale>

using namespace std::string_literals;

namespace
{
using Bytes = std::vector<unsigned char>;

Bytes formatsFile()
{
    return testenv::readBytes(testenv::fixture("seismic/formats.sg2"));
}

uint32_t u32At(const Bytes& b, size_t at)
{
    return uint32_t(b.at(at)) | uint32_t(b.at(at + 1)) << 8 | uint32_t(b.at(at + 2)) << 16 |
           uint32_t(b.at(at + 3)) << 24;
}

void setU16(Bytes& b, size_t at, uint16_t v)
{
    b.at(at) = uint8_t(v);
    b.at(at + 1) = uint8_t(v >> 8);
}

void setU32(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = uint8_t(v >> (8 * i));
}

// Offset of the descriptor block of trace i (0-based).
size_t tracePointer(const Bytes& b, size_t i)
{
    return u32At(b, 32 + 4 * i);
}

// Overwrites the n-th occurrence (0-based) of `from` with `to`, padded with
// NULs to the same length so every offset in the file stays valid.
void replaceText(Bytes& b, const std::string& from, const std::string& to, int n)
{
    ASSERT_LE(to.size(), from.size());
    auto at = b.begin();
    for (int i = 0;; ++i) {
        at = std::search(at, b.end(), from.begin(), from.end());
        ASSERT_NE(at, b.end()) << "no occurrence " << n << " of " << from;
        if (i == n)
            break;
        ++at;
    }
    std::fill(at, at + from.size(), 0);
    std::copy(to.begin(), to.end(), at);
}

// ---------------------------------------------------------------------------
// Every sample format, the descriptor keywords, and a decimal-comma locale.

struct ExpectedTrace {
    std::vector<double> samples;
    double sourceX = 0.0, sourceZ = 0.0, receiverX = 0.0, receiverZ = 0.0, delay = 0.0;
};

const std::vector<ExpectedTrace>& formatsExpected()
{
    static const std::vector<ExpectedTrace> table = {
        {{1, -1, 2, -2}, 10, 2.5, 12.5, 0, -0.01}, // format 1, "0,000125" interval
        {{100000, -5}, 10, 2.5, 0, 0, -0.01},      // format 2, "x z" location
        {{0.5, -1.25}, 0, 0, 17.5, 0, 0},          // format 4; the next string's offset is '5'
        {{0.1, -2.5e-7}, 0, 0, 0, 0, 0},           // format 5
        {{1, -1, 96, -96}, 0, 0, 0, 0, 0},         // format 3
        {{100, -3}, 0, 0, 0, 0, 0},                // format 10: high halves ignored
    };
    return table;
}

class Seg2Formats : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        const std::string name = GetParam();
        if (name == "C")
            return;
        if (!std::setlocale(LC_NUMERIC, name.c_str()))
            GTEST_SKIP() << name << " is not installed";
        std::locale::global(std::locale(name.c_str()));
    }
    void TearDown() override
    {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_P(Seg2Formats, EveryTraceDecodes)
{
    std::vector<RawTrace> traces;
    ASSERT_EQ(readSEG2(testenv::fixture("seismic/formats.sg2"), traces), SeismicResult::Ok);
    const auto& expected = formatsExpected();
    ASSERT_EQ(traces.size(), expected.size());
    for (size_t i = 0; i < traces.size(); ++i) {
        SCOPED_TRACE("trace " + std::to_string(i + 1));
        const RawTrace& t = traces[i];
        const ExpectedTrace& e = expected[i];
        EXPECT_EQ(t.samples, e.samples);
        EXPECT_EQ(t.sampleInterval, 0.000125);
        EXPECT_EQ(t.sourceX, e.sourceX);
        EXPECT_EQ(t.sourceZ, e.sourceZ);
        EXPECT_EQ(t.receiverX, e.receiverX);
        EXPECT_EQ(t.receiverZ, e.receiverZ);
        EXPECT_EQ(t.delay, e.delay);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, Seg2Formats, ::testing::Values("C", "it_IT.UTF-8"),
                         [](const auto& p) {
                             return std::string(p.param) == "C" ? "C" : "DecimalComma";
                         });

// Descriptor texts as some writers store them: without the two-byte offsets.
struct DescriptorCase {
    std::string text;
    int code;
    double sampleInterval, sourceX, sourceZ, receiverX, receiverZ, delay;
};

class Seg2Descriptor : public ::testing::TestWithParam<DescriptorCase>
{
};

TEST_P(Seg2Descriptor, Fields)
{
    const DescriptorCase& c = GetParam();
    RawTrace t;
    EXPECT_EQ(parseSEG2Descriptor(c.text, t), c.code);
    EXPECT_EQ(t.sampleInterval, c.sampleInterval);
    EXPECT_EQ(t.sourceX, c.sourceX);
    EXPECT_EQ(t.sourceZ, c.sourceZ);
    EXPECT_EQ(t.receiverX, c.receiverX);
    EXPECT_EQ(t.receiverZ, c.receiverZ);
    EXPECT_EQ(t.delay, c.delay);
}

constexpr double None = DBL_MAX;
INSTANTIATE_TEST_SUITE_P(
    Table, Seg2Descriptor,
    ::testing::Values(
        DescriptorCase{"SAMPLE_INTERVAL 0,00025", 0, 0.00025, 0, 0, 0, 0, 0},
        DescriptorCase{"SAMPLE_INTERVAL 2.5e-4\nDELAY 0.01", 0, 0.00025, 0, 0, 0, 0, -0.01},
        DescriptorCase{"DELAY -0.01 SAMPLE_INTERVAL 0.001", 0, 0.001, 0, 0, 0, 0, -0.01},
        DescriptorCase{"DELAY abc SAMPLE_INTERVAL 0.001", 0, 0.001, 0, 0, 0, 0, 0},
        // no usable interval: missing, not a number, zero, negative, infinite, overflowing
        DescriptorCase{"DELAY 0.01", 2, None, 0, 0, 0, 0, -0.01},
        DescriptorCase{"SAMPLE_INTERVAL abc", 2, None, 0, 0, 0, 0, 0},
        DescriptorCase{"SAMPLE_INTERVAL 0", 2, None, 0, 0, 0, 0, 0},
        DescriptorCase{"SAMPLE_INTERVAL -0.001", 2, None, 0, 0, 0, 0, 0},
        DescriptorCase{"SAMPLE_INTERVAL inf", 2, None, 0, 0, 0, 0, 0},
        DescriptorCase{"SAMPLE_INTERVAL 1e999", 2, None, 0, 0, 0, 0, 0},
        DescriptorCase{"DELAY 0.01 SAMPLE_INTERVAL", 2, None, 0, 0, 0, 0, -0.01},
        // locations: x y z takes z, x z takes z, x alone gives no elevation
        DescriptorCase{"SOURCE_LOCATION 10 0 2.5 SAMPLE_INTERVAL 1", 0, 1, 10, 2.5, 0, 0, 0},
        DescriptorCase{"SOURCE_LOCATION 10 2.5 SAMPLE_INTERVAL 1", 0, 1, 10, 2.5, 0, 0, 0},
        DescriptorCase{"SAMPLE_INTERVAL 1 SOURCE_LOCATION 10", 0, 1, 10, 0, 0, 0, 0},
        DescriptorCase{"SAMPLE_INTERVAL 1 RECEIVER_LOCATION 4 -1.5", 0, 1, 0, 0, 4, -1.5, 0},
        DescriptorCase{"RECEIVER_LOCATION 4,5 SAMPLE_INTERVAL 1", 0, 1, 0, 0, 4.5, 0, 0},
        // a decimal comma in every number of a location, as in x and the interval
        DescriptorCase{"RECEIVER_LOCATION 10,0 0,0 2,5 SAMPLE_INTERVAL 1", 0, 1, 0, 0, 10, 2.5, 0},
        DescriptorCase{"SOURCE_LOCATION 10,0 -2,5 SAMPLE_INTERVAL 1", 0, 1, 10, -2.5, 0, 0, 0},
        DescriptorCase{"SOURCE_LOCATION 10,0 0,0 2,5a SAMPLE_INTERVAL 1", 0, 1, 10, 0, 0, 0, 0},
        DescriptorCase{"RECEIVER_LOCATION abc 3 SAMPLE_INTERVAL 1", 0, 1, 0, 0, 0, 0, 0},
        // without offsets a stray digit after a location still reads as elevation
        DescriptorCase{"RECEIVER_LOCATION 17.5\0005\0NOTE x\0\0\0SAMPLE_INTERVAL 1"s, 0, 1, 0, 0,
                       17.5, 5, 0}));

struct NumberCase {
    std::string text;
    bool number;
};

class Seg2IsNumber : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(Seg2IsNumber, WholeText)
{
    EXPECT_EQ(isExactFloat(GetParam().text), GetParam().number) << "'" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(Table, Seg2IsNumber,
                         ::testing::Values(NumberCase{"12", true}, NumberCase{"-3.5", true},
                                           NumberCase{"1e3", true}, NumberCase{"12,5", false},
                                           NumberCase{"12a", false}, NumberCase{" 12", false},
                                           NumberCase{"12 ", false}, NumberCase{"", false},
                                           NumberCase{"NOTE", false}));

// ---------------------------------------------------------------------------
// Loading into the document: suffixes, result codes, lists and DX/SX pairs.

struct LoadCase {
    const char* name;
    std::string fileName;
    std::function<void(Bytes&)> patch; // null: the file is not written
    int code;
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class SeismicLoad : public ::testing::TestWithParam<LoadCase>
{
};

TEST_P(SeismicLoad, OneFile)
{
    const LoadCase& c = GetParam();
    const std::string dir = testenv::freshDir("load");
    const std::string path = dir + "/" + c.fileName;
    if (c.patch) {
        Bytes bytes = formatsFile();
        c.patch(bytes);
        testenv::writeBytes(path, bytes);
    }
    TomoDocument doc;
    EXPECT_EQ(doc.loadSeismicFile(path), c.code);
    if (c.code != SeismicResult::Ok) {
        EXPECT_TRUE(doc.traceSets.empty());
        return;
    }
    ASSERT_EQ(doc.traceSets.size(), 1u);
    const TraceSet& set = doc.traceSets[0];
    EXPECT_EQ(set.fileName, path);
    EXPECT_TRUE(set.fileNameDX.empty() && set.fileNameSX.empty());
    EXPECT_FALSE(set.hasFiltered || set.useFiltered);
    const auto& expected = formatsExpected();
    ASSERT_EQ(set.traces.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Trace& t = set.traces[i];
        EXPECT_EQ(t.kind, Trace::Ordinary);
        EXPECT_EQ(t.samples, expected[i].samples);
        EXPECT_EQ(t.sampleInterval, 0.000125);
        EXPECT_EQ(t.sourceZ, expected[i].sourceZ);
        EXPECT_EQ(t.receiverX, expected[i].receiverX);
        EXPECT_EQ(t.delay, expected[i].delay);
        EXPECT_EQ(t.spreadIndex, Trace::NoSpread);
        EXPECT_TRUE(t.samplesDX.empty() && t.samplesSX.empty());
    }
}

const auto asIs = [](Bytes&) {};
const auto keepTwoTraces = [](Bytes& b) { setU16(b, 6, 2); };

INSTANTIATE_TEST_SUITE_P(
    Table, SeismicLoad,
    ::testing::Values(
        LoadCase{"Good", "good.sg2", asIs, 0}, LoadCase{"UpperSG2", "shot.SG2", asIs, 0},
        LoadCase{"UpperDAT", "shot.DAT", asIs, 0}, LoadCase{"Seg2", "shot.seg2", asIs, 0},
        // SEG2 bytes under a suffix we do not read, and a dotted folder
        LoadCase{"Txt", "shot.txt", asIs, 3}, LoadCase{"DottedFolder", "v1.2/shot", nullptr, 3},
        LoadCase{"Missing", "missing.sg2", nullptr, 1},
        LoadCase{"BigEndianId", "swapped.sg2", [](Bytes& b) { std::swap(b[0], b[1]); }, 1},
        LoadCase{"IntervalAbcLast", "abc_last.sg2",
                 [](Bytes& b) { replaceText(b, "0.000125", "abc", 4); }, 2},
        LoadCase{"IntervalAbcFirstOfTwo", "abc_first.sg2",
                 [](Bytes& b) {
                     keepTwoTraces(b);
                     replaceText(b, "0,000125", "abc", 0);
                 },
                 2},
        LoadCase{"IntervalMissing", "no_interval.sg2",
                 [](Bytes& b) { replaceText(b, "SAMPLE_INTERVAL", "NOTE", 2); }, 2},
        LoadCase{"IntervalZero", "zero.sg2", [](Bytes& b) { replaceText(b, "0.000125", "0", 1); },
                 2},
        LoadCase{"IntervalNegative", "negative.sg2",
                 [](Bytes& b) { replaceText(b, "0.000125", "-0.0001", 1); }, 2}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SeismicLoad, FileListsStopAtTheFirstFailure)
{
    const std::string dir = testenv::freshDir("lists");
    const QString good = QString::fromStdString(dir + "/good.sg2");
    testenv::writeBytes(good.toStdString(), formatsFile());
    const QString missing = QString::fromStdString(dir + "/missing.sg2");
    const struct {
        QStringList files;
        int code;
        size_t sets;
    } table[] = {
        {{}, 0, 0},
        {{good, good}, 0, 2},
        {{good, "x.txt", good}, 3, 1},
        {{good, missing, good}, 1, 1},
    };
    for (const auto& row : table) {
        TomoDocument doc;
        EXPECT_EQ(doc.loadSeismicFiles(row.files), row.code) << row.files.join(", ").toStdString();
        EXPECT_EQ(doc.traceSets.size(), row.sets) << row.files.join(", ").toStdString();
    }
}

struct PairCase {
    const char* name;
    const char* dxFile;
    double shotX;
    int spreadIndex;
    int code;
    bool travelTime;
};

void PrintTo(const PairCase& c, std::ostream* os)
{
    *os << c.name;
}

class SeismicPair : public ::testing::TestWithParam<PairCase>
{
};

TEST_P(SeismicPair, TwoPolarityShot)
{
    const PairCase& c = GetParam();
    const std::string sx = testenv::fixture("seismic/pair_sx.sg2");
    const std::string dx = testenv::fixture(std::string("seismic/") + c.dxFile);
    TomoDocument doc;
    doc.goephonesStringSet = {{{0, 0}, {2, 0}, {4, 0}}};
    EXPECT_EQ(doc.loadSeismicFilePair(sx, dx, c.shotX, 0.5, c.spreadIndex), c.code);
    if (c.code != SeismicResult::Ok) {
        EXPECT_TRUE(doc.traceSets.empty());
        EXPECT_TRUE(doc.ttArray.empty());
        return;
    }
    ASSERT_EQ(doc.traceSets.size(), 1u);
    const TraceSet& set = doc.traceSets[0];
    EXPECT_EQ(set.fileNameSX, sx);
    EXPECT_EQ(set.fileNameDX, dx);
    EXPECT_TRUE(set.fileName.empty());
    ASSERT_EQ(set.traces.size(), 3u);
    const bool moved = std::string(c.dxFile) == "pair_dx_moved.sg2";
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE("trace " + std::to_string(i + 1));
        const Trace& t = set.traces[i];
        const double k = 10.0 * double(i);
        EXPECT_EQ(t.kind, Trace::TwoPolarity);
        EXPECT_EQ(t.samplesSX, (std::vector<double>{1 + k, 2 + k, 3 + k, 4 + k}));
        EXPECT_EQ(t.samplesDX, (std::vector<double>{-1 - k, -2 - k, -3 - k, -4 - k}));
        EXPECT_TRUE(t.samples.empty());
        EXPECT_EQ(t.sampleInterval, 0.00025);
        EXPECT_EQ(t.sourceX, -2.0);
        EXPECT_EQ(t.receiverX, moved && i == 2 ? DBL_MAX : 2.0 * double(i));
        EXPECT_EQ(t.delay, 0.0);
        EXPECT_EQ(t.spreadIndex, c.shotX == DBL_MAX ? Trace::NoSpread : c.spreadIndex);
    }
    if (!c.travelTime) {
        EXPECT_TRUE(doc.ttArray.empty());
        return;
    }
    ASSERT_EQ(doc.ttArray.size(), 1u);
    const TravelTime& tt = doc.ttArray[0];
    EXPECT_EQ(tt.indexStesa, uint32_t(c.spreadIndex));
    EXPECT_EQ(tt.traceSetID, 0u);
    EXPECT_EQ(tt.shotPos2d.x, c.shotX);
    EXPECT_EQ(tt.shotPos2d.z, 0.5);
    EXPECT_EQ(tt.ttMisurati, std::vector<double>(3, 0.0));
    EXPECT_EQ(tt.ttCalcolati, std::vector<double>(3, 0.0));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SeismicPair,
    ::testing::Values(PairCase{"WithSpread", "pair_dx.sg2", -2.0, 0, 0, true},
                      PairCase{"ProjectLoader", "pair_dx.sg2", -2.0, INT_MAX, 0, false},
                      PairCase{"NoShotPosition", "pair_dx.sg2", DBL_MAX, INT_MAX, 0, false},
                      PairCase{"UnknownSpread", "pair_dx.sg2", -2.0, 5, 0, false},
                      PairCase{"ReceiverMoved", "pair_dx_moved.sg2", -2.0, 0, 0, true},
                      PairCase{"ShortDX", "pair_dx_short.sg2", -2.0, 0, 1, false},
                      PairCase{"MissingDX", "missing.sg2", -2.0, 0, 1, false}),
    [](const auto& p) { return std::string(p.param.name); });

// ---------------------------------------------------------------------------
// Damaged files: each gives its code without crashing or allocating more than
// the file justifies (the test runs with ASan's allocation limit at 64 MB).

struct MalformedCase {
    const char* name;
    std::function<void(Bytes&)> patch;
    int code;
    std::vector<size_t> sampleCounts; // per trace, when the code is 0
    std::string stderrText;           // expected in the diagnostics, if any
};

void PrintTo(const MalformedCase& c, std::ostream* os)
{
    *os << c.name;
}

class Seg2Malformed : public ::testing::TestWithParam<MalformedCase>
{
};

TEST_P(Seg2Malformed, Code)
{
    const MalformedCase& c = GetParam();
    Bytes bytes = formatsFile();
    c.patch(bytes);
    std::vector<RawTrace> traces;
    testing::internal::CaptureStderr();
    const int code = readSEG2Bytes(bytes, traces);
    const std::string diagnostics = testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, c.code);
    std::vector<size_t> counts;
    for (const RawTrace& t : traces)
        counts.push_back(t.samples.size());
    EXPECT_EQ(counts, c.sampleCounts);
    EXPECT_NE(diagnostics.find(c.stderrText), std::string::npos) << diagnostics;
}

// N pointers to one trace block holding `samples` format-1 samples.
void aliasedTraces(Bytes& b, uint16_t n, uint32_t samples)
{
    const size_t first = tracePointer(b, 0);
    const size_t blockSize = b[first + 2] | b[first + 3] << 8;
    Bytes block(b.begin() + long(first), b.begin() + long(first + blockSize));
    setU32(block, 8, samples);
    Bytes out(b.begin(), b.begin() + 32);
    setU16(out, 6, n);
    const uint32_t at = 32 + 4u * n;
    for (uint16_t i = 0; i < n; ++i)
        out.insert(out.end(), {uint8_t(at), uint8_t(at >> 8), uint8_t(at >> 16), 0});
    out.insert(out.end(), block.begin(), block.end());
    out.resize(out.size() + 2 * samples);
    b = out;
}

const std::vector<size_t> allSamples = {4, 2, 2, 2, 4, 2};

INSTANTIATE_TEST_SUITE_P(
    Table, Seg2Malformed,
    ::testing::Values(
        MalformedCase{"NoTraces", [](Bytes& b) { setU16(b, 6, 0); }, 1, {}, ""},
        MalformedCase{"PointerTablePastEnd", [](Bytes& b) { setU16(b, 6, 65535); }, 1, {}, ""},
        MalformedCase{"ShorterThanFileBlock", [](Bytes& b) { b.resize(20); }, 1, {}, ""},
        MalformedCase{"CutInPointerTable", [](Bytes& b) { b.resize(40); }, 1, {}, ""},
        MalformedCase{"PointerNearEnd",
                      [](Bytes& b) { setU32(b, 32 + 4, uint32_t(b.size() - 8)); },
                      1,
                      {},
                      ""},
        MalformedCase{"PointerPastEnd", [](Bytes& b) { setU32(b, 32, 0xFFFFFFF0u); }, 1, {}, ""},
        MalformedCase{"BlockSizeBelowHeader",
                      [](Bytes& b) { setU16(b, tracePointer(b, 0) + 2, 16); },
                      1,
                      {},
                      ""},
        MalformedCase{"DescriptorPastEnd",
                      [](Bytes& b) { setU16(b, tracePointer(b, 5) + 2, 0xFFFC); },
                      1,
                      {},
                      ""},
        MalformedCase{"UnknownFormat",
                      [](Bytes& b) { b[tracePointer(b, 2) + 12] = 7; },
                      1,
                      {},
                      "unsupported SEG2 data format 7"},
        MalformedCase{"HugeCountLastTrace",
                      [](Bytes& b) { setU32(b, tracePointer(b, 5) + 8, 0xFFFFFFFFu); }, 0,
                      allSamples, "of its 4294967295 samples read"},
        MalformedCase{"HugeCountFirstTrace",
                      [](Bytes& b) { setU32(b, tracePointer(b, 0) + 8, 0xFFFFFFFFu); }, 0,
                      allSamples, "of its 4294967295 samples read"},
        MalformedCase{"HugeCountPackedTrace",
                      [](Bytes& b) { setU32(b, tracePointer(b, 4) + 8, 0xFFFFFFFFu); }, 0,
                      allSamples, "of its 4294967295 samples read"},
        MalformedCase{"AliasedPointers", [](Bytes& b) { aliasedTraces(b, 3000, 3000); }, 1, {}, ""},
        MalformedCase{"CutInLastSample",
                      [](Bytes& b) { b.resize(b.size() - 2); },
                      0,
                      {4, 2, 2, 2, 4, 1},
                      "trace 6 is cut short: 1 of its 2 samples read"},
        MalformedCase{"CutInPackedGroup",
                      [](Bytes& b) {
                          setU16(b, 6, 5);
                          b.resize(tracePointer(b, 5) - 4);
                      },
                      0,
                      {4, 2, 2, 2, 2},
                      "trace 5 is cut short: 2 of its 4 samples read"}),
    [](const auto& p) { return std::string(p.param.name); });

// ---------------------------------------------------------------------------
// Real recorder files against what ObsPy reads in them.

class Seg2RealFiles : public ::testing::TestWithParam<const char*>
{
};

TEST_P(Seg2RealFiles, MatchIndependentReader)
{
    SKIP_WITHOUT_SHARED_DATA();
    const std::string file = GetParam();
    const QJsonObject json = expectedJson(file);
    ASSERT_FALSE(json.isEmpty()) << "no expected values for " << file;
    std::vector<RawTrace> traces;
    ASSERT_EQ(readSEG2(testenv::sharedData("seismic/" + file), traces), SeismicResult::Ok);
    ASSERT_EQ(traces.size(), size_t(json["n_traces"].toInt()));

    const QJsonArray perTrace = json["seg2"].toObject()["per_trace"].toArray();
    ASSERT_EQ(size_t(perTrace.size()), traces.size());
    for (const QJsonValue& v : perTrace) {
        const QJsonObject e = v.toObject();
        const RawTrace& t = traces.at(size_t(e["i"].toInt()));
        SCOPED_TRACE("trace index " + std::to_string(e["i"].toInt()));
        EXPECT_EQ(t.samples.size(), size_t(e["ns"].toInt()));
        EXPECT_EQ(t.sampleInterval, e["SAMPLE_INTERVAL"].toString().toDouble());
        EXPECT_EQ(t.delay, -std::fabs(e["DELAY"].toString().toDouble()));
        EXPECT_EQ(t.sourceX, e["SOURCE_LOCATION"].toString().toDouble());
        EXPECT_EQ(t.receiverX, e["RECEIVER_LOCATION"].toString().toDouble());
        EXPECT_EQ(t.sourceZ, 0.0);
        EXPECT_EQ(t.receiverZ, 0.0);
    }
    EXPECT_EQ(traces[0].sampleInterval, json["sample_interval_s"].toDouble());
    EXPECT_EQ(traces[0].delay, json["delay_s"].toDouble());

    for (const QJsonValue& v : json["traces"].toArray()) {
        const QJsonObject e = v.toObject();
        SCOPED_TRACE("trace index " + std::to_string(e["index"].toInt()));
        expectSampleSummary(traces.at(size_t(e["index"].toInt())).samples, e);
    }
}

INSTANTIATE_TEST_SUITE_P(SharedData, Seg2RealFiles,
                         ::testing::Values("refrapy_ex01_2001.dat", "graphseg2_102.dat",
                                           "obspy_20180307_031245000.0.seg2"),
                         [](const auto& p) {
                             std::string name = p.param;
                             name = name.substr(0, name.find('_'));
                             return name;
                         });
} // namespace
