// Saving whole projects: the steps' signals, the layout of the file as
// Python's zipfile and ElementTree see it, and saves that fail.

#include "grid.h"
#include "limitedfolder.h"
#include "projecttestutil.h"
#include "save_project.h"
#include "signallog.h"
#include "testenv.h"

#include "load_project.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <functional>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace projecttest;

namespace
{

int saveOnThread(ProjectWriter& writer, const std::string& project, const std::string& root,
                 Survey& survey, bool withRefraction = true)
{
    int result = -1;
    std::thread worker([&] {
        result = saveProjectThreadEntry(&writer, project, root, &survey.document,
                                        withRefraction ? survey.refraction.get() : nullptr,
                                        std::cref(survey.palettes));
    });
    worker.join();
    return result;
}

const std::vector<std::string> successSignals = {
    "saved_tomo_xml",   "saved_grid",       "saved_traces",   "saved_palettes",
    "saved_refraction", "saved_compressed", "saved_completed"};

TEST(ProjectWriter, SavedS2HasTheLayout)
{
    Survey s2;
    const std::string shots = testenv::freshDir("layout-shots");
    buildS2(s2, shots);
    const std::string root = testenv::freshDir("layout-root") + "/";
    const std::string project = testenv::freshDir("layout") + "/s2.tervo";
    ProjectWriter writer;
    SignalLog log(writer);
    ASSERT_EQ(saveOnThread(writer, project, root, s2), 0);
    EXPECT_EQ(writer.status, 0);
    EXPECT_EQ(log.names(), successSignals);
    EXPECT_EQ(listing(root), std::vector<std::string>{}); // the save's folder is gone

    const QJsonObject seen = checkProject(project, shots);
    EXPECT_EQ(seen["errors"].toArray(), QJsonArray());
    EXPECT_EQ(seen["entries"].toArray(),
              (QJsonArray{"tomodoc.xml", "grid.xml", "traces.xml", "palettes.xml", "s1.sg2",
                          "s2.sg2", "refraction.xml"}));
    const QJsonObject values = seen["values"].toObject();
    const auto items = [&](const QString& path) { return values[path + "#"].toString().toInt(); };
    EXPECT_EQ(items("grid.xml/velocities"), 12);
    EXPECT_EQ(items("grid.xml/to_be_draw"), 12);
    EXPECT_EQ(values["grid.xml/velocities/value5"].toString().toDouble(), 0.001);
    EXPECT_EQ(values["grid.xml/to_be_draw/value1"].toString(), "false");
    EXPECT_EQ(values["tomodoc.xml/title"].toString().toStdString(), " Linea \xC3\xA8 & <1> ");
    EXPECT_EQ(values["traces.xml/wave_type"].toString(), "3");
    EXPECT_EQ(items("traces.xml/shot_pos"), 2);
    EXPECT_EQ(items("traces.xml/filenames"), 2);
    EXPECT_EQ(items("traces.xml/traceSet1"), 4);
    EXPECT_EQ(items("traces.xml/traceSet0/value0/filtered"), 0);
    EXPECT_EQ(values["palettes.xml/n_palettes"].toString().toInt(), items("palettes.xml/palettes"));
    EXPECT_EQ(items("refraction.xml/ttLayer"), items("tomodoc.xml/ttArray"));
    EXPECT_EQ(items("refraction.xml/phnt_A"), 2);
    EXPECT_EQ(items("refraction.xml/phnt_R"), 2);
    EXPECT_EQ(items("refraction.xml/refractData/cData"), 2);
    for (int p = 0; p < items("palettes.xml/palettes"); ++p) {
        const QString palette = QString("palettes.xml/palettes/value%1/").arg(p);
        const int stops = items(palette + "color_gradient/color");
        EXPECT_EQ(values[palette + "color_gradient/n_colors"].toString().toInt(), stops);
        EXPECT_LE(stops, values[palette + "n_colors"].toString().toInt());
        for (int k = 1; k < stops; ++k)
            EXPECT_LT(values[palette + QString("color_gradient/color/value%1/mval").arg(k - 1)]
                          .toString()
                          .toDouble(),
                      values[palette + QString("color_gradient/color/value%1/mval").arg(k)]
                          .toString()
                          .toDouble());
    }
}

// project/s2.tervo was written from S2 (buildS2 over project/s1.sg2 and
// project/s2.sg2) by the writer as it was before archives were streamed to
// disk. Every save of S2 must give the same entries, bytes and methods: files
// written by either version open in the other.
TEST(ProjectWriter, S2SavesTheBytesOfTheCommittedProject)
{
    Survey s2;
    buildS2(s2, testenv::freshDir("fixture-shots"));
    const std::string project = testenv::freshDir("fixture") + "/s2.tervo";
    ProjectWriter writer;
    ASSERT_EQ(saveOnThread(writer, project, testenv::freshDir("fixture-root") + "/", s2), 0);
    const QJsonObject seen =
        QJsonDocument::fromJson(QByteArray::fromStdString(projectZip(
                                    {"compare", testenv::fixture("project/s2.tervo"), project})))
            .object();
    EXPECT_EQ(seen["differences"].toArray(), QJsonArray())
        << QJsonDocument(seen["differences"].toArray()).toJson().toStdString();
}

TEST(ProjectWriter, WithoutRefractionDataThereIsNoRefractionEntry)
{
    Survey s2;
    buildS2(s2, testenv::freshDir("norefraction-shots"));
    const std::string project = testenv::freshDir("norefraction") + "/s2.tervo";
    ProjectWriter writer;
    SignalLog log(writer);
    ASSERT_EQ(
        saveOnThread(writer, project, testenv::freshDir("norefraction-root") + "/", s2, false), 0);
    std::vector<std::string> expected = successSignals;
    expected.erase(std::find(expected.begin(), expected.end(), "saved_refraction"));
    EXPECT_EQ(log.names(), expected);
    EXPECT_EQ(
        checkProject(project)["entries"].toArray(),
        (QJsonArray{"tomodoc.xml", "grid.xml", "traces.xml", "palettes.xml", "s1.sg2", "s2.sg2"}));
}

TEST(ProjectWriter, ShotFilesOfOneNameInTwoFoldersGetTwoEntries)
{
    // Two lines recorded into identically numbered files.
    Survey s2;
    const std::string shots = testenv::freshDir("samename-shots");
    buildS2(s2, shots);
    const std::string other = testenv::freshDir("samename-other");
    QFile::copy(QString::fromStdString(testenv::fixture("project/other_s1.sg2")),
                QString::fromStdString(other + "/s1.sg2"));
    TomoDocument second;
    ASSERT_EQ(second.loadSeismicFile(other + "/s1.sg2"), 0);
    s2.document.traceSets[1] = second.traceSets[0];
    const std::string project = testenv::freshDir("samename") + "/p.tervo";
    ProjectWriter writer;
    ASSERT_EQ(saveOnThread(writer, project, testenv::freshDir("samename-root") + "/", s2), 0);

    const QJsonObject seen = checkProject(project);
    EXPECT_EQ(seen["entries"].toArray(),
              (QJsonArray{"tomodoc.xml", "grid.xml", "traces.xml", "palettes.xml", "s1.sg2",
                          "s1_1.sg2", "refraction.xml"}));
    const QJsonObject values = seen["values"].toObject();
    EXPECT_EQ(values["traces.xml/filenames/value0"].toString(), "s1.sg2");
    EXPECT_EQ(values["traces.xml/filenames/value1"].toString(), "s1_1.sg2");
    const std::string dir = testenv::freshDir("samename-entries");
    QDir().mkpath(QString::fromStdString(dir));
    projectReader reader;
    ASSERT_EQ(reader.read_ZIP(project, dir + "/"), 0);
    EXPECT_EQ(testenv::readBytes(dir + "/s1.sg2"), testenv::readBytes(shots + "/s1.sg2"));
    EXPECT_EQ(testenv::readBytes(dir + "/s1_1.sg2"), testenv::readBytes(other + "/s1.sg2"));
}

// ---- saves that fail -----------------------------------------------------------

enum class Failure { ShotMissing, TemporaryRootFull, TargetFolderFull, TargetFolderReadOnly };

struct FailureCase {
    const char* name;
    Failure failure;
    const char* terminal;
};

const FailureCase failureCases[] = {
    {"ShotFileMissing", Failure::ShotMissing, "error_saved_compressed"},
    // S2's traces.xml (about 17 KB) is the first file that does not fit.
    {"TemporaryRootFull", Failure::TemporaryRootFull, "error_saved_traces"},
    {"TargetFolderFull", Failure::TargetFolderFull, "error_saved_compressed"},
    {"TargetFolderReadOnly", Failure::TargetFolderReadOnly, "error_saved_compressed"},
};

class FailedSave : public ::testing::TestWithParam<FailureCase>
{
};

// Every failure keeps the old project, leaves no folder of the save behind
// and ends with exactly one terminal signal.
TEST_P(FailedSave, KeepsTheOldProject)
{
    const FailureCase& c = GetParam();
    Survey s2;
    const std::string shots = testenv::freshDir(std::string("failed-shots-") + c.name);
    buildS2(s2, shots);
    const std::string root = testenv::freshDir(std::string("failed-root-") + c.name) + "/";
    const std::string target = testenv::freshDir(std::string("failed-target-") + c.name);
    const std::string project = target + "/old.tervo";
    {
        ProjectWriter first;
        ASSERT_EQ(first.saveProject(project, root, &s2.document, s2.refraction.get(), s2.palettes),
                  0);
    }
    const std::vector<unsigned char> old = testenv::readBytes(project);
    s2.document.ttArray[0].ttMisurati[3] = 0.031; // an edit since

    const auto saveAndCheck = [&](const std::string& targetNow, const std::string& rootNow) {
        ProjectWriter writer;
        SignalLog log(writer);
        std::string problems;
        capturedErrors([&] {
            if (saveOnThread(writer, project, root, s2) != 1 || writer.status != 1)
                problems += "status " + std::to_string(writer.status) + "; ";
        });
        if (log.terminal() != std::vector<std::string>{c.terminal})
            problems += "signals: " + log.text() + "; ";
        std::ifstream in(targetNow + "/old.tervo", std::ios::binary);
        if (std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {}) != old)
            problems += "old.tervo changed; ";
        if (listing(targetNow) != std::vector<std::string>{"old.tervo"})
            problems += "target folder holds more than old.tervo; ";
        if (!listing(rootNow).empty())
            problems += "work folder not empty; ";
        return problems;
    };

    LimitedRun run;
    switch (c.failure) {
    case Failure::ShotMissing:
        QFile::remove(QString::fromStdString(shots + "/s2.sg2"));
        EXPECT_EQ(saveAndCheck(target, root), "");
        return;
    case Failure::TemporaryRootFull:
        run = runInLimitedFolder(
            root, FolderLimit::Full, 16 * 1024, true, [](const std::string&) {},
            [&](const std::string& where) { return saveAndCheck(target, where); });
        break;
    case Failure::TargetFolderFull: {
        // Room for the old project, not for the new one beside it.
        const long pages = long((old.size() + 4095) / 4096) + 1;
        run = runInLimitedFolder(
            target, FolderLimit::Full, pages * 4096, false,
            [&](const std::string& dir) { testenv::writeBytes(dir + "/old.tervo", old); },
            [&](const std::string& where) { return saveAndCheck(where, root); });
        break;
    }
    case Failure::TargetFolderReadOnly:
        run = runInLimitedFolder(
            target, FolderLimit::ReadOnly, 0, false,
            [&](const std::string& dir) { testenv::writeBytes(dir + "/old.tervo", old); },
            [&](const std::string& where) { return saveAndCheck(where, root); });
        break;
    }
    if (run.skipped)
        GTEST_SKIP() << "no way to limit a folder here";
    std::cout << "limited by " << run.how << std::endl;
    EXPECT_EQ(run.problems, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedSave, ::testing::ValuesIn(failureCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ProjectWriter, ATargetInsideAWorkSubFolderIsRefused)
{
    // The next open would delete it.
    Survey s2;
    buildS2(s2, testenv::freshDir("inside-shots"));
    const std::string root = testenv::freshDir("inside-root") + "/";
    QDir().mkpath(QString::fromStdString(root + "1700000000000"));
    ProjectWriter writer;
    SignalLog log(writer);
    capturedErrors(
        [&] { EXPECT_EQ(saveOnThread(writer, root + "1700000000000/p.tervo", root, s2), 1); });
    EXPECT_EQ(log.names(), std::vector<std::string>{"error_saved_compressed"});
    EXPECT_EQ(listing(root + "1700000000000"), std::vector<std::string>{});
}

// A survey the reader would refuse is not written: the old project stays,
// and the reason is the reader's.
TEST(ProjectWriter, ASurveyThatWouldNotOpenIsNotSaved)
{
    Survey s2;
    buildS2(s2, testenv::freshDir("unsaved-shots"));
    const std::string root = testenv::freshDir("unsaved-root") + "/";
    const std::string project = testenv::freshDir("unsaved") + "/s2.tervo";
    {
        ProjectWriter first;
        ASSERT_EQ(first.saveProject(project, root, &s2.document, s2.refraction.get(), s2.palettes),
                  0);
    }
    const std::vector<unsigned char> old = testenv::readBytes(project);
    const struct {
        const char* name;
        std::function<void(TomoDocument&)> damage;
        const char* reason;
    } cases[] = {
        {"spread moved, times not", [](TomoDocument& d) { d.ttArray[1].indexStesa = 1; },
         "record 1 names spread 1 of 1"},
        {"a time list too short", [](TomoDocument& d) { d.ttArray[0].ttMisurati.pop_back(); },
         "record 0 has times for another number of receivers than its spread"},
        {"a pick not a number", [](TomoDocument& d) { d.ttArray[1].ttMisurati[0] = std::nan(""); },
         "record 1: measured time 0 is not a number"},
        {"a receiver at infinity", [](TomoDocument& d) { d.goephonesStringSet[0][2].x = HUGE_VAL; },
         "receiver 2 of spread 0 has a position that is not a number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Survey damaged;
        buildS2(damaged, testenv::freshDir("unsaved-damaged"));
        c.damage(damaged.document);
        ProjectWriter writer;
        SignalLog log(writer);
        capturedErrors([&] { EXPECT_EQ(saveOnThread(writer, project, root, damaged), 1); });
        EXPECT_EQ(writer.failure, c.reason);
        EXPECT_EQ(log.names(), std::vector<std::string>{"error_saved_tomo_xml"});
        EXPECT_EQ(testenv::readBytes(project), old);
        EXPECT_EQ(listing(root), std::vector<std::string>{});
    }
}

// libzip packs into "<project>.XXXXXX" and renames it at the end: a save
// killed meanwhile leaves that file for ever.
TEST(ProjectWriter, LeftoversOfKilledSavesGoUnlessASaveIsRunning)
{
    const std::string dir = testenv::freshDir("leftovers");
    testenv::writeText(dir + "/tomodoc.xml", "<cereal/>");
    const std::vector<std::string> others = {"p.tervo.bak", "p.tervo.lock7", "q.tervo.Ab12Cd"};
    for (const std::string& name : others)
        testenv::writeText(dir + "/" + name, "x");
    testenv::writeText(dir + "/p.tervo.Ab12Cd", "left by a killed save");
    testenv::writeText(dir + "/p.tervo.zz9ZZ9", "left by a killed save");
    ProjectWriter writer;
    capturedErrors(
        [&] { EXPECT_EQ(writer.compress_project(dir + "/p.tervo", {dir + "/tomodoc.xml"}), 0); });
    std::vector<std::string> expected = others;
    expected.push_back("p.tervo");
    expected.push_back("tomodoc.xml");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listing(dir), expected);

    // While a running process saves p.tervo, its temporary is in use.
    testenv::writeText(dir + "/p.tervo.Ab12Cd", "being written");
    {
        QLockFile running(QString::fromStdString(dir + "/p.tervo.lock"));
        ASSERT_TRUE(running.tryLock(0));
        capturedErrors([&] {
            EXPECT_EQ(writer.compress_project(dir + "/p.tervo", {dir + "/tomodoc.xml"}), 1);
        });
        EXPECT_EQ(writer.failure, dir + "/p.tervo is being opened or saved by another Tervanelo");
        EXPECT_EQ(testenv::readText(dir + "/p.tervo.Ab12Cd"), "being written");
    }
    // A lock held only for a moment, as an open by another instance holds it,
    // is waited for.
    {
        auto opening = std::make_unique<QLockFile>(QString::fromStdString(dir + "/p.tervo.lock"));
        ASSERT_TRUE(opening->tryLock(0));
        int result = -1;
        std::thread save([&] {
            capturedErrors([&] {
                result = writer.compress_project(dir + "/p.tervo", {dir + "/tomodoc.xml"});
            });
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        opening.reset();
        save.join();
        EXPECT_EQ(result, 0) << writer.failure;
        // That save cleared the temporary away; the open below must find one.
        testenv::writeText(dir + "/p.tervo.Ab12Cd", "left by a killed save");
    }
    // Opening the project clears them too, as after a crash.
    projectReader reader;
    TomoDocument document;
    Grid grid;
    std::vector<double> velocities;
    std::vector<bool> flags;
    ColorPaletteList palettes;
    refractionDataStructure refraction(&document);
    capturedErrors([&] {
        reader.loadProject(dir + "/p.tervo", testenv::freshDir("leftovers-root") + "/", &document,
                           &grid, &velocities, &flags, &refraction, &palettes);
    });
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir + "/p.tervo.Ab12Cd")));

    // At start-up, for every project of the last folder no process is saving.
    testenv::writeText(dir + "/p.tervo.Ab12Cd", "left by a killed save");
    {
        QLockFile running(QString::fromStdString(dir + "/p.tervo.lock"));
        ASSERT_TRUE(running.tryLock(0));
        capturedErrors([&] { removeSaveLeftoversIn(dir); });
    }
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dir + "/p.tervo.Ab12Cd")));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir + "/q.tervo.Ab12Cd")));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dir + "/p.tervo.bak")));
    capturedErrors([&] { removeSaveLeftoversIn(dir); });
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir + "/p.tervo.Ab12Cd")));
}

// Under a file-size limit the kernel sends SIGXFSZ, which would end the
// program without a word: the save must fail as on a full disk instead.
TEST(ProjectWriter, AFileSizeLimitFailsTheSave)
{
    Survey s2;
    buildS2(s2, testenv::freshDir("limit-shots"));
    const std::string root = testenv::freshDir("limit-root") + "/";
    const std::string project = testenv::freshDir("limit") + "/s2.tervo";
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const rlimit limit{8192, 8192};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::cerr.setstate(std::ios::failbit);
        std::cout.setstate(std::ios::failbit);
        ProjectWriter writer;
        const int result = saveProjectThreadEntry(&writer, project, root, &s2.document,
                                                  s2.refraction.get(), s2.palettes);
        _exit(result == 1 && writer.status == 1 && !writer.failure.empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(project)));
}

} // namespace
