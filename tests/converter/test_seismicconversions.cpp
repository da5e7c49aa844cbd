// Seismic Unix and Dolang records to SEG2: the text headers, the SEG2 bytes
// (against the independent layout script and walker), the main program's
// SEG2 reader, and failures that must leave no SEG2 file.

#include "convertertestutil.h"
#include "rawtrace.h"
#include "seg2reader.h"
#include "segyreader.h"
#include "seismicconversions.h"
#include "testenv.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <locale>

namespace fs = std::filesystem;
using namespace convertertest;

namespace
{

const std::string HeaderTop = "TRACE_SORT   AS_ACQUIRED\n"
                              "UNITS\t\tMETERS\n"
                              "\n"
                              "                  Time    Sample\n"
                              "Trace   No. of    Delay   Interval       Receiver Location\n"
                              "No.     Samples   (s)     (s)        X           Y         Z\n";

// The working folder of a Dolang conversion, restored afterwards.
class WorkingFolder
{
public:
    explicit WorkingFolder(const std::string& dir) : previous(fs::current_path())
    {
        fs::current_path(dir);
    }
    ~WorkingFolder() { fs::current_path(previous); }

private:
    fs::path previous;
};

int convertQuietly(const std::function<int()>& convert, std::string* errors = nullptr)
{
    int status = -1;
    testing::internal::CaptureStderr();
    quietly([&] { status = convert(); });
    const std::string e = testing::internal::GetCapturedStderr();
    if (errors)
        *errors = e;
    return status;
}

void writeLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    testenv::writeText(path, text);
}

// The Dolang record of the checks: two channels of four samples at 4000 Hz.
void writeDolang(const std::string& dir)
{
    writeLines(dir + "/shot.ADT",
               {"\"Dolang test\"", "\"second line\"", "2", "0", "0", "0", "4", "4000"});
    writeLines(dir + "/shot.A01", {"1", "-2", "3", "-4"});
    writeLines(dir + "/shot.A02", {"10", "20", "30", "40"});
}

std::vector<std::string> seg2Files(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().extension() == ".seg2")
            names.push_back(entry.path().filename().string());
    return names;
}

TEST(SuToSeg2, TheExampleGivesTheHeaderAndTheLayoutBytes)
{
    // A folder name outside ASCII, as users have them.
    const std::string dir = testenv::freshDir("su example \xC3\xA8");
    writeGoldenSeg2(dir + "/golden.sg2");
    testenv::writeBytes(dir + "/line1.su", suBytes(exampleSuTraces()));

    std::string output;
    int status = -1;
    output = quietly([&] { status = convertSuToSeg2(dir + "/line1.su"); });
    ASSERT_EQ(status, 0);
    EXPECT_NE(output.find("TraceINDEX : 2\n"), std::string::npos);
    EXPECT_EQ(testenv::readText(dir + "/line1_tmp"),
              HeaderTop + "1    4      0     0.00025     0      0      0\n"
                          "2    4      0     0.00025     5      0      0\n"
                          "3    4      0     0.00025     10      0      0\n");
    EXPECT_EQ(testenv::readBytes(dir + "/line1.seg2"), testenv::readBytes(dir + "/golden.sg2"));

    std::vector<RawTrace> traces;
    ASSERT_EQ(readSEG2(dir + "/line1.seg2", traces), SeismicResult::Ok);
    ASSERT_EQ(traces.size(), 3u);
    const double receivers[] = {0, 5, 10};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(traces[i].sampleInterval, 0.00025);
        EXPECT_EQ(traces[i].receiverX, receivers[i]);
        EXPECT_EQ(traces[i].receiverZ, 0.0);
        EXPECT_EQ(traces[i].sourceX, -3.0);
        EXPECT_EQ(traces[i].delay, 0.0);
        const auto expected = exampleSuTraces()[i].samples;
        ASSERT_EQ(traces[i].samples.size(), expected.size());
        for (size_t k = 0; k < expected.size(); ++k)
            EXPECT_EQ(bitsOf(float(traces[i].samples[k])), bitsOf(expected[k]));
    }
}

TEST(SuToSeg2, NumbersIgnoreTheUsersLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "it_IT.UTF-8"))
        GTEST_SKIP() << "it_IT.UTF-8 is not installed";
    const std::locale savedGlobal = std::locale::global(std::locale("it_IT.UTF-8"));

    const std::string dir = testenv::freshDir("su-locale");
    writeGoldenSeg2(dir + "/golden.sg2");
    testenv::writeBytes(dir + "/line1.su", suBytes(exampleSuTraces()));
    const int status = convertQuietly([&] { return convertSuToSeg2(dir + "/line1.su"); });

    std::locale::global(savedGlobal);
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_EQ(status, 0);
    EXPECT_NE(testenv::readText(dir + "/line1_tmp").find("     0.00025     10      0      0\n"),
              std::string::npos);
    EXPECT_EQ(testenv::readBytes(dir + "/line1.seg2"), testenv::readBytes(dir + "/golden.sg2"));
}

TEST(SuToSeg2, TwentyFourTracesOfAThousandSamples)
{
    // Written by segyio: 24 traces, 0.5 ms, source at 5 m, receivers 0 ... 23 m.
    const std::string dir = testenv::freshDir("su-24");
    fs::copy_file(testenv::fixture("seismic/su_24x1000.su"), dir + "/line1.su");
    std::vector<RawTrace> su;
    quietly([&] { ASSERT_EQ(readSU(dir + "/line1.su", su), SeismicResult::Ok); });
    ASSERT_EQ(su.size(), 24u);

    ASSERT_EQ(convertQuietly([&] { return convertSuToSeg2(dir + "/line1.su"); }), 0);
    const std::string header = testenv::readText(dir + "/line1_tmp");
    EXPECT_EQ(std::count(header.begin(), header.end(), '\n'), 6 + 24);
    EXPECT_NE(header.find("\n24    1000      0     0.0005     23      0      0\n"),
              std::string::npos);

    const QJsonObject walked = walkSeg2(dir + "/line1.seg2");
    const QJsonArray traces = walked["traces"].toArray();
    ASSERT_EQ(traces.size(), 24);
    EXPECT_EQ(traces[0].toObject()["pointer"].toInt(), 172);
    for (int i = 0; i < 24; ++i) {
        const QJsonObject t = traces[i].toObject();
        EXPECT_EQ(t["data_size"].toInt(), 4000);
        EXPECT_EQ(
            t["strings"].toArray(),
            (QJsonArray{"DELAY 0", "DESCALING_FACTOR 1", QString("RECEIVER_LOCATION %1 0 0").arg(i),
                        "SAMPLE_INTERVAL 0.0005", "SOURCE_LOCATION 5 0 0", "STACK 1"}));
    }
    std::vector<RawTrace> seg2;
    ASSERT_EQ(readSEG2(dir + "/line1.seg2", seg2), SeismicResult::Ok);
    ASSERT_EQ(seg2.size(), 24u);
    for (size_t i = 0; i < 24; ++i)
        EXPECT_EQ(seg2[i].samples, su[i].samples) << "trace " << i;
}

TEST(DolangToSeg2, TheFirstComponentIsWrittenAndAMissingSecondEndsIt)
{
    const std::string dir = testenv::freshDir("dolang");
    writeDolang(dir);
    const WorkingFolder here(dir);
    std::string errors;
    EXPECT_EQ(convertQuietly([&] { return convertDolangToSeg2(dir + "/shot"); }, &errors), 0);
    EXPECT_NE(errors.find("Error in reading file " + dir + "/shot.CDT"), std::string::npos)
        << errors;
    EXPECT_EQ(testenv::readText(dir + "/tmp_ADT"),
              HeaderTop + "1    4      0     0.00025     0      0      0\n"
                          "2    4      0     0.00025     0      0      0\n");

    const std::string out = dir + "/shot_ADT_dolang.seg2";
    EXPECT_EQ(fs::file_size(out), 420u);
    const QJsonArray traces = walkSeg2(out)["traces"].toArray();
    ASSERT_EQ(traces.size(), 2);
    const float samples[2][4] = {{1, -2, 3, -4}, {10, 20, 30, 40}};
    for (int i = 0; i < 2; ++i) {
        const QJsonObject t = traces[i].toObject();
        EXPECT_EQ(t["pointer"].toInt(), i == 0 ? 84 : 252);
        EXPECT_EQ(t["descriptor_size"].toInt(), 152);
        const QJsonArray strings = t["strings"].toArray();
        for (const char* s :
             {"RECEIVER_LOCATION 0 0 0", "SAMPLE_INTERVAL 0.00025", "SOURCE_LOCATION 0 0 0"})
            EXPECT_TRUE(strings.contains(QString(s))) << s;
        const QJsonArray bits = t["sample_bits"].toArray();
        ASSERT_EQ(bits.size(), 4);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(uint32_t(bits[k].toDouble()), bitsOf(samples[i][k]));
    }
}

TEST(SeismicConversions, FailuresLeaveNoSeg2File)
{
    struct Case {
        const char* name;
        std::function<void(const std::string& dir)> prepare;
        std::function<int(const std::string& dir)> convert;
        std::string named; // in the error text
    };
    const auto su = [](const std::string& dir) { return convertSuToSeg2(dir + "/line1.su"); };
    const auto dolang = [](const std::string& dir) { return convertDolangToSeg2(dir + "/shot"); };
    auto editDolang = [](const std::string& file, std::vector<std::string> lines) {
        return [=](const std::string& dir) {
            writeDolang(dir);
            if (lines.empty())
                fs::remove(dir + "/" + file);
            else
                writeLines(dir + "/" + file, lines);
        };
    };
    const Case cases[] = {
        {"ten-byte SU file",
         [](const std::string& dir) { testenv::writeText(dir + "/line1.su", "0123456789"); }, su,
         "line1.su"},
        {"SU without sample interval",
         [](const std::string& dir) {
             auto traces = exampleSuTraces();
             for (auto& t : traces)
                 t.intervalMicroseconds = 0;
             testenv::writeBytes(dir + "/line1.su", suBytes(traces));
         },
         su, "No sample interval in"},
        {"Dolang rate 0", editDolang("shot.ADT", {"2", "0", "0", "0", "4", "0"}), dolang,
         "shot.ADT"},
        {"Dolang no channels", editDolang("shot.ADT", {"0", "0", "0", "0", "4", "4000"}), dolang,
         "shot.ADT"},
        {"Dolang short channel file", editDolang("shot.A02", {"10", "20", "30"}), dolang,
         "shot.A02"},
        {"Dolang channel file missing", editDolang("shot.A02", {}), dolang, "shot.ADT"},
        {"Dolang main file missing", editDolang("shot.ADT", {}), dolang, "shot.ADT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dir = testenv::freshDir("seismic-failure");
        c.prepare(dir);
        const WorkingFolder here(dir);
        std::string errors;
        EXPECT_EQ(convertQuietly([&] { return c.convert(dir); }, &errors), 1);
        EXPECT_NE(errors.find(c.named), std::string::npos) << errors;
        EXPECT_EQ(seg2Files(dir), std::vector<std::string>{});
    }
}

TEST(SeismicConversions, ASeg2ThatCannotBeWrittenIsRemoved)
{
    // 16384 traces do not fit a SEG2 file: the file is refused after it was
    // created, and must not stay behind empty.
    const std::string dir = testenv::freshDir("too-many");
    std::vector<SuTrace> traces(16384, SuTrace{0, 0, 0, 250, {1.0f}});
    testenv::writeBytes(dir + "/big.su", suBytes(traces));
    std::string errors;
    EXPECT_EQ(convertQuietly([&] { return convertSuToSeg2(dir + "/big.su"); }, &errors), 1);
    EXPECT_EQ(seg2Files(dir), std::vector<std::string>{});
    EXPECT_TRUE(fs::exists(dir + "/big_tmp")); // the text header stays
}

TEST(SeismicConversions, BasePaths)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/d/shot1.ADT", "/d/shot1"},
        {"/d/line.1/shot", "/d/line.1/shot"},
        {"/d/a.b.su", "/d/a.b"},
        {"shot", "shot"},
    };
    for (const auto& [path, base] : cases)
        EXPECT_EQ(pathWithoutSuffix(path), base) << path;
}

} // namespace
