// The SEG2 writer against bytes built from the SEG-2 layout by an independent
// script, the same script's structural walk, and the main program's reader.

#include "convertertestutil.h"
#include "seg2reader.h"
#include "seg2writer.h"
#include "testenv.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

using namespace convertertest;

namespace
{

struct TraceInput {
    Seg2TraceHeader header;
    std::vector<float> samples;
};

Seg2TraceHeader row(uint32_t samples, double dt, double receiverX, double sourceX)
{
    Seg2TraceHeader h;
    h.samples = samples;
    h.sampleInterval = dt;
    h.receiverX = receiverX;
    h.sourceX = sourceX;
    return h;
}

std::vector<TraceInput> exampleTraces()
{
    std::vector<TraceInput> traces;
    const double receivers[] = {0, 5, 10};
    for (int i = 0; i < 3; ++i)
        traces.push_back({row(4, 0.00025, receivers[i], -3), exampleSuTraces()[size_t(i)].samples});
    return traces;
}

// 24 traces of 1000 samples with -0.0 and a NaN among them.
std::vector<TraceInput> wideTraces()
{
    std::vector<TraceInput> traces;
    for (int i = 0; i < 24; ++i) {
        TraceInput t{row(1000, 0.00025, i, 5), {}};
        for (int k = 0; k < 1000; ++k)
            t.samples.push_back(float(std::sin(0.01 * k * (i + 1))) * 1000.0f);
        t.samples[1] = -0.0f;
        t.samples[2] = std::numeric_limits<float>::quiet_NaN();
        traces.push_back(std::move(t));
    }
    return traces;
}

Seg2File fileOf(const std::vector<TraceInput>& traces)
{
    Seg2File file;
    file.setFileDescriptorKeyword("TRACE_SORT", "AS_ACQUIRED");
    file.setFileDescriptorKeyword("UNITS", "METERS");
    for (const TraceInput& t : traces)
        file.addTrace(t.header, t.samples.data());
    return file;
}

bool writeFile(Seg2File& file, const std::string& path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    file.write(out);
    out.close();
    return !out.fail();
}

std::string bytesOf(Seg2File& file)
{
    std::stringstream out(std::ios::in | std::ios::out | std::ios::binary);
    if (!file.write(out))
        return "(failed)";
    return out.str();
}

TEST(Seg2Writer, WritesTheExampleByteForByte)
{
    const std::string dir = testenv::freshDir("seg2-golden");
    writeGoldenSeg2(dir + "/golden.sg2");
    Seg2File file = fileOf(exampleTraces());
    ASSERT_TRUE(writeFile(file, dir + "/written.sg2"));
    const auto golden = testenv::readBytes(dir + "/golden.sg2");
    ASSERT_EQ(golden.size(), 596u);
    EXPECT_EQ(testenv::readBytes(dir + "/written.sg2"), golden);
}

TEST(Seg2Writer, FilesPassTheStandardWalkAndReadBack)
{
    struct Case {
        const char* name;
        std::vector<TraceInput> traces;
        int firstPointer;
    } cases[] = {{"example", exampleTraces(), 88}, {"wide", wideTraces(), 172}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = testenv::freshDir(c.name) + "/out.sg2";
        Seg2File file = fileOf(c.traces);
        ASSERT_TRUE(writeFile(file, path));

        const QJsonObject walked = walkSeg2(path);
        ASSERT_FALSE(walked.isEmpty());
        EXPECT_EQ(walked["revision"].toInt(), 1);
        EXPECT_EQ(walked["strings"].toArray(),
                  (QJsonArray{"TRACE_SORT AS_ACQUIRED", "UNITS METERS"}));
        const QJsonArray traces = walked["traces"].toArray();
        ASSERT_EQ(traces.size(), int(c.traces.size()));
        EXPECT_EQ(traces[0].toObject()["pointer"].toInt(), c.firstPointer);
        for (int i = 0; i < traces.size(); ++i) {
            const QJsonObject t = traces[i].toObject();
            const TraceInput& in = c.traces[size_t(i)];
            EXPECT_EQ(t["data_size"].toInt(), int(4 * in.samples.size()));
            EXPECT_TRUE(t["strings"].toArray().contains(
                QString("RECEIVER_LOCATION %1 0 0").arg(in.header.receiverX)));
            const QJsonArray bits = t["sample_bits"].toArray();
            ASSERT_EQ(bits.size(), int(in.samples.size()));
            for (size_t k = 0; k < in.samples.size(); ++k)
                ASSERT_EQ(uint32_t(bits[int(k)].toDouble()), bitsOf(in.samples[k]))
                    << "trace " << i << " sample " << k;
        }

        std::vector<RawTrace> read;
        ASSERT_EQ(readSEG2(path, read), SeismicResult::Ok);
        ASSERT_EQ(read.size(), c.traces.size());
        for (size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].sampleInterval, 0.00025);
            EXPECT_EQ(read[i].receiverX, c.traces[i].header.receiverX);
            EXPECT_EQ(read[i].sourceX, c.traces[i].header.sourceX);
            EXPECT_EQ(read[i].delay, 0.0);
            ASSERT_EQ(read[i].samples.size(), c.traces[i].samples.size());
            for (size_t k = 0; k < read[i].samples.size(); ++k)
                ASSERT_EQ(bitsOf(float(read[i].samples[k])), bitsOf(c.traces[i].samples[k]))
                    << "trace " << i << " sample " << k;
        }
    }
}

TEST(Seg2Writer, Keywords)
{
    Seg2TraceHeader h = row(1, 1.0 / 3000.0, 1234567.5, 0);
    const float sample = 1.0f;
    Seg2File file;
    file.setFileDescriptorKeyword("NOTE", "first set, last written");
    file.setFileDescriptorKeyword("COMPANY", "one");
    file.setFileDescriptorKeyword("COMPANY", "two");
    testing::internal::CaptureStderr();
    file.setFileDescriptorKeyword("LINE_NAME", "L1");
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(),
        "WARNING: Keyword LINE_NAME is not a standard keyword for the file descriptor block.\n");
    file.addTrace(h, &sample);

    const std::string path = testenv::freshDir("seg2-keywords") + "/k.sg2";
    ASSERT_TRUE(writeFile(file, path));
    const QJsonObject walked = walkSeg2(path);
    EXPECT_EQ(walked["strings"].toArray(),
              (QJsonArray{"COMPANY two", "LINE_NAME L1", "NOTE first set, last written"}));
    // The shortest text that reads back as the same double: six significant
    // digits put a receiver half a metre off and the sample interval 1 ns a
    // sample.
    EXPECT_EQ(
        walked["traces"].toArray()[0].toObject()["strings"].toArray(),
        (QJsonArray{"DELAY 0", "DESCALING_FACTOR 1", "RECEIVER_LOCATION 1234567.5 0 0",
                    "SAMPLE_INTERVAL 0.0003333333333333333", "SOURCE_LOCATION 0 0 0", "STACK 1"}));
}

TEST(Seg2Writer, NumbersReadBackExactly)
{
    const std::pair<double, const char*> cases[] = {
        {333e-6, "0.000333"},
        {0.0005, "0.0005"},
        {0.00025, "0.00025"},
        {1.0 / 3000.0, "0.0003333333333333333"},
        {51234567 / 100.0, "512345.67"},
        {-0.1, "-0.1"},
        {100.0, "100"},
        {1e6, "1000000"},
        {-0.0, "0"},
        {1e-5, "1e-05"},
        {1e16, "1e+16"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(shortestReal(value), text);
        EXPECT_EQ(std::stod(shortestReal(value)), value) << text;
    }
}

TEST(Seg2Writer, TraceCountsAndStreamFailures)
{
    const float none = 0.0f;
    auto fileOfCount = [&](size_t count) {
        Seg2File file;
        for (size_t i = 0; i < count; ++i)
            file.addTrace(row(0, 0.001, 0, 0), &none);
        return file;
    };
    struct Case {
        const char* name;
        size_t traces;
        bool written;
    } cases[] = {{"none", 0, false}, {"largest", 16383, true}, {"one too many", 16384, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seg2File file = fileOfCount(c.traces);
        testing::internal::CaptureStderr();
        const std::string bytes = bytesOf(file);
        const std::string errors = testing::internal::GetCapturedStderr();
        if (!c.written) {
            EXPECT_EQ(bytes, "(failed)");
            EXPECT_NE(errors.find("traces"), std::string::npos) << errors;
            continue;
        }
        ASSERT_GT(bytes.size(), 8u);
        EXPECT_EQ(uint8_t(bytes[4]), 0xFC); // 4 x 16383 = 0xFFFC
        EXPECT_EQ(uint8_t(bytes[5]), 0xFF);
        EXPECT_EQ(uint8_t(bytes[6]), 0xFF); // 16383 = 0x3FFF
        EXPECT_EQ(uint8_t(bytes[7]), 0x3F);
    }

    // A full disk: the stream fails when its buffer goes out.
    Seg2File file = fileOf(exampleTraces());
    std::ofstream full("/dev/full", std::ios::binary | std::ios::trunc);
    ASSERT_TRUE(full.is_open());
    EXPECT_FALSE(file.write(full));
}

} // namespace
