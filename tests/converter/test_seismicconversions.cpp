// Seismic Unix and Dolang records to SEG2: the text headers, the SEG2 bytes
// (against the independent layout script and walker), the main program's
// SEG2 reader, and failures that must leave no SEG2 file.

#include "convertertestutil.h"
#include "limitedfolder.h"
#include "rawtrace.h"
#include "seg2reader.h"
#include "segyreader.h"
#include "seismicconversions.h"
#include "testenv.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <locale>
#include <map>
#include <optional>

namespace fs = std::filesystem;
using namespace convertertest;
using projecttest::FolderLimit;
using projecttest::LimitedRun;
using projecttest::runInLimitedFolder;

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

// TMPDIR for the temporary files of a conversion, restored afterwards.
class TemporaryFolder
{
public:
    explicit TemporaryFolder(const std::string& dir)
    {
        if (const char* old = std::getenv("TMPDIR"))
            previous = old;
        setenv("TMPDIR", dir.c_str(), 1);
    }
    ~TemporaryFolder()
    {
        if (previous)
            setenv("TMPDIR", previous->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> previous;
};

// Each entry of a folder: a link as its target, a file as its bytes.
std::map<std::string, std::string> folderState(const std::string& dir)
{
    std::map<std::string, std::string> state;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_symlink()) {
            state[name] = "link to " + fs::read_symlink(entry.path()).string();
        } else {
            const auto bytes = testenv::readBytes(entry.path().string());
            state[name] = std::string(bytes.begin(), bytes.end());
        }
    }
    return state;
}

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
    const std::string temporary = testenv::freshDir("dolang-tmp");
    const TemporaryFolder tmp(temporary);
    const WorkingFolder here(dir);
    std::string errors;
    EXPECT_EQ(convertQuietly([&] { return convertDolangToSeg2(dir + "/shot"); }, &errors), 0);
    EXPECT_NE(errors.find("Error in reading file " + dir + "/shot.CDT"), std::string::npos)
        << errors;
    // The text header goes to a folder of its own in the temporary folder.
    EXPECT_FALSE(fs::exists(dir + "/tmp_ADT"));
    std::vector<fs::path> listings;
    for (const auto& entry : fs::recursive_directory_iterator(temporary))
        if (entry.path().filename() == "tmp_ADT")
            listings.push_back(entry.path());
    ASSERT_EQ(listings.size(), 1u);
    EXPECT_EQ(testenv::readText(listings[0].string()),
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

TEST(SuToSeg2, EachTraceKeepsItsValuesOrTheLossIsStated)
{
    // Fixtures that differ from the example only in header fields.
    const auto traces = [](const std::function<void(size_t i, SuTrace&)>& edit) {
        std::vector<SuTrace> t = exampleSuTraces();
        for (size_t i = 0; i < t.size(); ++i)
            edit(i, t[i]);
        return suBytes(t);
    };
    struct Case {
        const char* name;
        std::vector<unsigned char> su;
        std::vector<std::string> notes;   // each found in one note, in order
        std::vector<std::string> strings; // found among the first trace's strings
    };
    std::vector<unsigned char> cut = suBytes(exampleSuTraces());
    cut.resize(cut.size() - 5);
    const Case cases[] = {
        {"delrt -100 ms", traces([](size_t, SuTrace& t) { t.delayMs = -100; }), {}, {"DELAY -0.1"}},
        {"delrt +20 ms",
         traces([](size_t, SuTrace& t) { t.delayMs = 20; }),
         {"the delay of +20 ms (3 traces) will be read as -20 ms by Tervanelo"},
         {"DELAY 0.02"}},
        {"two sources",
         traces([](size_t i, SuTrace& t) { t.sourceX = i < 2 ? 0 : 70; }),
         {"3 traces of 2 records (field record numbers or source positions) loaded as one shot"},
         {"SOURCE_LOCATION 0 0 0"}},
        {"scalco -100, large coordinates",
         traces([](size_t i, SuTrace& t) {
             t.scalar = -100;
             t.groupX = 51234567 + 300 * int32_t(i);
             t.sourceX = 51234012;
         }),
         {},
         {"RECEIVER_LOCATION 512345.67 0 0", "SOURCE_LOCATION 512340.12 0 0"}},
        {"cut last trace",
         cut,
         {"the file ends inside trace 3 (251 of its 256 bytes), which is left out; 2 traces read"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dir = testenv::freshDir("su-values");
        const std::string input = dir + "/line1.su";
        testenv::writeBytes(input, c.su);
        std::vector<RawTrace> su;
        quietly([&] { ASSERT_EQ(readSU(input, su), SeismicResult::Ok); });

        ConversionReport report;
        ASSERT_EQ(convertQuietly([&] { return convertSuToSeg2(input, &report); }), 0)
            << report.reason;
        ASSERT_EQ(report.notes.size(), c.notes.size());
        for (size_t i = 0; i < c.notes.size(); ++i)
            EXPECT_NE(report.notes[i].find(c.notes[i]), std::string::npos) << report.notes[i];

        const QJsonObject walked = walkSeg2(dir + "/line1.seg2");
        EXPECT_EQ(walked["revision"].toInt(), 1);
        const QJsonArray walkedTraces = walked["traces"].toArray();
        ASSERT_EQ(walkedTraces.size(), int(su.size()));
        const QJsonArray strings = walkedTraces[0].toObject()["strings"].toArray();
        for (const std::string& expected : c.strings)
            EXPECT_TRUE(strings.contains(QString::fromStdString(expected))) << expected;

        std::vector<RawTrace> seg2;
        ASSERT_EQ(readSEG2(dir + "/line1.seg2", seg2), SeismicResult::Ok);
        ASSERT_EQ(seg2.size(), su.size());
        for (size_t i = 0; i < su.size(); ++i) {
            EXPECT_EQ(seg2[i].sourceX, su[i].sourceX) << "trace " << i;
            EXPECT_NEAR(seg2[i].receiverX, su[i].receiverX, 1e-6) << "trace " << i;
            EXPECT_EQ(seg2[i].sampleInterval, su[i].sampleInterval) << "trace " << i;
            // Tervanelo reads every SEG2 delay as recording before the shot;
            // the note above says so for a positive one.
            EXPECT_EQ(seg2[i].delay, -std::fabs(su[i].delay)) << "trace " << i;
            EXPECT_EQ(seg2[i].samples, su[i].samples) << "trace " << i;
        }
    }
}

TEST(SeismicConversions, FailuresLeaveNoSeg2File)
{
    struct Case {
        const char* name;
        std::function<void(const std::string& dir)> prepare;
        std::function<int(const std::string& dir, ConversionReport&)> convert;
        std::string named; // in the reason
    };
    const auto su = [](const std::string& dir, ConversionReport& r) {
        return convertSuToSeg2(dir + "/line1.su", &r);
    };
    const auto dolang = [](const std::string& dir, ConversionReport& r) {
        return convertDolangToSeg2(dir + "/shot", &r);
    };
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
         "line1.su cannot be read as Seismic Unix: the byte order cannot be told"},
        {"SU without sample interval",
         [](const std::string& dir) {
             auto traces = exampleSuTraces();
             for (auto& t : traces)
                 t.intervalMicroseconds = 0;
             testenv::writeBytes(dir + "/line1.su", suBytes(traces));
         },
         su, "No sample interval in"},
        {"segyio's small SU file, which gives no sample interval",
         [](const std::string& dir) {
             fs::copy_file(testenv::sharedData("seismic/segyio_small.su"), dir + "/line1.su");
         },
         su, "No sample interval in"},
        {"Dolang rate 0", editDolang("shot.ADT", {"2", "0", "0", "0", "4", "0"}), dolang,
         "shot.ADT: invalid sampling rate 0"},
        {"Dolang no channels", editDolang("shot.ADT", {"0", "0", "0", "0", "4", "4000"}), dolang,
         "shot.ADT: invalid channel count 0"},
        {"Dolang channel count not a number",
         editDolang("shot.ADT", {"\"c\"", "2 channels", "0", "0", "0", "4", "4000"}), dolang,
         "shot.ADT: line 2: the channel count is not a whole number: 2 channels"},
        {"Dolang main file ends early", editDolang("shot.ADT", {"2", "0", "0", "0", "4"}), dolang,
         "shot.ADT: line 6: the file ends where the sampling rate should be"},
        {"Dolang short channel file", editDolang("shot.A02", {"10", "20", "30"}), dolang,
         "shot.A02: line 4: the file ends where sample 4 should be"},
        {"Dolang sample not a number", editDolang("shot.A02", {"10", "2,5", "30", "40"}), dolang,
         "shot.A02: line 2: sample 2 is not a whole number: 2,5"},
        {"Dolang channel file missing", editDolang("shot.A02", {}), dolang,
         "shot.A02 cannot be opened"},
        {"Dolang main file missing", editDolang("shot.ADT", {}), dolang,
         "shot.ADT cannot be opened"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dir = testenv::freshDir("seismic-failure");
        c.prepare(dir);
        const WorkingFolder here(dir);
        ConversionReport report;
        std::string errors;
        EXPECT_EQ(convertQuietly([&] { return c.convert(dir, report); }, &errors), 1);
        EXPECT_NE(report.reason.find(c.named), std::string::npos) << report.reason;
        EXPECT_NE(errors.find(report.reason), std::string::npos) << errors;
        EXPECT_EQ(seg2Files(dir), std::vector<std::string>{});
    }
}

// Refusals and failed writes: every file that was there keeps its bytes, and
// no other file is left.
TEST(SeismicConversions, RefusedOrFailedConversionsKeepEveryFile)
{
    const std::vector<unsigned char> older(4096, 'o');
    // 20,000 traces are more than a SEG2 file holds: refused before the
    // older SEG2 file of that name is touched.
    std::vector<SuTrace> many(20000, SuTrace{0, 0, 0, 250, {1.0f}});
    const std::vector<unsigned char> tooMany = suBytes(many);
    const std::vector<unsigned char> example = suBytes(exampleSuTraces());
    struct Case {
        const char* name;
        std::string input; // in dir
        std::vector<unsigned char> inputBytes;
        std::function<void(const std::string& dir)> prepare; // after the input is written
        std::string named;                                   // in the reason
    };
    const Case cases[] = {
        {"20,000 traces beside an older SEG2 and header", "big.su", tooMany,
         [&](const std::string& dir) {
             testenv::writeBytes(dir + "/big.seg2", older);
             testenv::writeBytes(dir + "/big_tmp", older);
         },
         "20000 traces: a SEG2 file holds 1 to 16383"},
        {"output is the input", "line1.seg2", example, [](const std::string&) {},
         "the output file"},
        {"output is a link to the input", "line1.su", example,
         [](const std::string& dir) { fs::create_symlink(dir + "/line1.su", dir + "/line1.seg2"); },
         "is the input file"},
        {"output is a link to /dev/full", "line1.su", example,
         [](const std::string& dir) { fs::create_symlink("/dev/full", dir + "/line1.seg2"); },
         "is not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dir = testenv::freshDir("seismic-refusal");
        testenv::writeBytes(dir + "/" + c.input, c.inputBytes);
        c.prepare(dir);
        const auto before = folderState(dir);
        ConversionReport report;
        EXPECT_EQ(convertQuietly([&] { return convertSuToSeg2(dir + "/" + c.input, &report); }), 1);
        EXPECT_NE(report.reason.find(c.named), std::string::npos) << report.reason;
        EXPECT_EQ(folderState(dir), before);
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));

    // A full folder: the older SEG2 file keeps its bytes, no other file stays.
    struct Limit {
        const char* name;
        FolderLimit limit;
    } limits[] = {{"full", FolderLimit::Full}, {"read-only", FolderLimit::ReadOnly}};
    for (const Limit& l : limits) {
        SCOPED_TRACE(l.name);
        const std::string dir = testenv::freshDir(std::string("seismic-limited-") + l.name);
        // 44 kB of Seismic Unix, whose SEG2 file does not fit the 16 kB left.
        std::vector<SuTrace> wide(24, SuTrace{0, 0, 0, 250, std::vector<float>(400, 1.0f)});
        const LimitedRun run = runInLimitedFolder(
            dir, l.limit, 64 * 1024, false,
            [&](const std::string& d) {
                testenv::writeBytes(d + "/line1.su", suBytes(wide));
                testenv::writeBytes(d + "/line1.seg2", older);
            },
            [&](const std::string& where) {
                std::string problems;
                ConversionReport report;
                if (convertQuietly([&] { return convertSuToSeg2(dir + "/line1.su", &report); }) !=
                    1)
                    problems += "not refused; ";
                if (report.reason.empty())
                    problems += "no reason; ";
                if (testenv::readBytes(where + "/line1.seg2") != older)
                    problems += "the older SEG2 file changed; ";
                for (const auto& entry : fs::directory_iterator(where)) {
                    const std::string name = entry.path().filename();
                    if (name != "line1.su" && name != "line1.seg2")
                        problems += "left " + name + "; ";
                }
                return problems;
            });
        if (run.skipped) {
            std::cout << "no way to limit a folder here\n";
            continue;
        }
        EXPECT_EQ(run.problems, "") << run.how;
    }
}

TEST(DolangToSeg2, StartedFromAReadOnlyFolder)
{
    // The record and its output are elsewhere; the working folder must stay
    // untouched, and refuses writes where it can be made to.
    const std::string record = testenv::freshDir("dolang-record");
    writeDolang(record);
    const std::string working = testenv::freshDir("dolang-working");
    const LimitedRun run = runInLimitedFolder(
        working, FolderLimit::ReadOnly, 0, false, [](const std::string& d) { fs::current_path(d); },
        [&](const std::string& where) {
            std::string problems;
            ConversionReport report;
            if (convertQuietly([&] { return convertDolangToSeg2(record + "/shot", &report); }) != 0)
                problems += "failed: " + report.reason + "; ";
            if (!fs::exists(record + "/shot_ADT_dolang.seg2"))
                problems += "no SEG2 file; ";
            if (!fs::is_empty(where))
                problems += "the working folder got files; ";
            return problems;
        });
    if (run.skipped)
        GTEST_SKIP() << "no way to limit a folder here";
    EXPECT_EQ(run.problems, "") << run.how;
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
