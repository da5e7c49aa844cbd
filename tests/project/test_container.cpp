// The zip container and the work sub-folders. Damaged and hostile archives
// are made by projectzip.py with Python's zipfile, independent of libzip.

#include "grid.h"
#include "limitedfolder.h"
#include "load_project.h"
#include "projecttestutil.h"
#include "save_project.h"
#include "testenv.h"
#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace projecttest;

namespace
{

const char* validTomodoc = R"(<?xml version="1.0" encoding="utf-8"?>
<cereal>
	<title>t</title>
</cereal>
)";

struct HostileCase {
    const char* name;
    std::string zipCase; // the case of projectzip.py hostile; "{abs}" is the scratch folder
    int expected;
    const char* message; // part of the error lines, or ""
};

const HostileCase hostileCases[] = {
    {"ParentFolder", "name:../evil.txt", 1, "../evil.txt"},
    {"AbsoluteName", "name:{abs}/evil.txt", 1, "/evil.txt"},
    {"SubFolder", "name:sub/x.sg2", 1, "sub/x.sg2"},
    {"Backslash", "name:a\\b.sg2", 1, "a\\b.sg2"},
    {"RepeatedName", "repeated", 1, "s1.sg2"},
    // More bytes stated than held: a loop waiting for the stated size never ends.
    {"RaisedSize", "raised-size", 1, "writing s1.sg2"},
    // libzip checks the CRC only on the read that reaches the end of the entry.
    {"DamagedData", "bad-crc", 1, "writing s1.sg2"},
    {"Truncated", "cut", 1, "couldn't open input file"},
    {"ZeroBytes", "zero-bytes", 1, "couldn't open input file"},
    {"Text", "text", 1, "couldn't open input file"},
    {"EmptyZip", "empty-zip", 1, "read_ZIP() : empty"},
    {"CapitalT", "only:Tomodoc.xml", 1, "read_ZIP() : no tomodoc.xml into"},
    {"Backup", "only:tomodoc.xml.bak", 1, "read_ZIP() : no tomodoc.xml into"},
    // Entries the project does not use stay in the zip.
    {"Unreferenced", "noext", 0, "skip [ noext ]"},
    // Refused for its stated size, before anything is written.
    {"FourGiBOfZeros", "zeros-4gib", 1, "zeros.bin states 4294967296 bytes"},
};

class HostileZip : public ::testing::TestWithParam<HostileCase>
{
};

TEST_P(HostileZip, ReadZipRefusesWithoutWritingOutside)
{
    const HostileCase& c = GetParam();
    const std::string scratch = testenv::freshDir(std::string("hostile-") + c.name);
    const std::string tomodoc = scratch + "/valid-tomodoc.xml";
    testenv::writeText(tomodoc, validTomodoc);
    std::string zipCase = c.zipCase;
    const auto at = zipCase.find("{abs}");
    if (at != std::string::npos)
        zipCase.replace(at, 5, scratch);
    const std::string zip = scratch + "/project.tervo";
    projectZip({"hostile", zipCase, zip, tomodoc});

    const std::string dest = scratch + "/work/1/";
    QDir().mkpath(QString::fromStdString(dest));
    const std::vector<std::string> before = listing(scratch);
    const std::vector<std::string> beforeWork = listing(scratch + "/work");
    int result = -1;
    projectReader reader;
    std::string output;
    const std::string errors = capturedErrors([&] {
        testing::internal::CaptureStdout();
        result = reader.read_ZIP(zip, dest);
        output = testing::internal::GetCapturedStdout();
    });
    EXPECT_EQ(result, c.expected) << errors;
    EXPECT_NE((errors + output).find(c.message), std::string::npos) << errors << output;
    EXPECT_EQ(listing(scratch), before);
    EXPECT_EQ(listing(scratch + "/work"), beforeWork);
    // Every refusal has a reason for the window to show.
    EXPECT_EQ(reader.failure.empty(), c.expected == 0) << reader.failure;
    if (c.expected == 0) {
        EXPECT_EQ(listing(dest), std::vector<std::string>{"tomodoc.xml"});
        EXPECT_EQ(testenv::readText(dest + "tomodoc.xml"), validTomodoc);
    } else if (zipCase == "zeros-4gib" || zipCase.rfind("name:", 0) == 0 || zipCase == "repeated") {
        EXPECT_EQ(listing(dest), std::vector<std::string>{}); // nothing extracted
    }
}

INSTANTIATE_TEST_SUITE_P(Archives, HostileZip, ::testing::ValuesIn(hostileCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ZipContainer, MoreDataThanFreeSpaceIsRefusedBeforeExtracting)
{
    const std::string scratch = testenv::freshDir("bomb");
    testenv::writeText(scratch + "/tomodoc.xml", validTomodoc);
    projectZip({"hostile", "bomb", scratch + "/bomb.tervo", scratch + "/tomodoc.xml"});
    const std::string dest = scratch + "/work";
    QDir().mkpath(QString::fromStdString(dest));
    const LimitedRun run = runInLimitedFolder(
        dest, FolderLimit::Full, 64 * 1024, false, [](const std::string&) {},
        [&](const std::string& where) {
            projectReader reader;
            int result = -1;
            const std::string errors = capturedErrors(
                [&] { result = reader.read_ZIP(scratch + "/bomb.tervo", dest + "/"); });
            std::string problems;
            if (result != 1)
                problems += "result " + std::to_string(result) + "; ";
            if (errors.find("more than the free space") == std::string::npos)
                problems += "errors: " + errors;
            if (!listing(where).empty())
                problems += "something was extracted; ";
            return problems;
        });
    if (run.skipped)
        GTEST_SKIP() << "no way to limit a folder here";
    EXPECT_EQ(run.problems, "");
}

TEST(ZipContainer, NonAsciiShotNamesRoundTrip)
{
    const std::string scratch = testenv::freshDir("utf8");
    testenv::writeText(scratch + "/tomodoc.xml", validTomodoc);
    testenv::writeText(scratch + "/shot \xC3\xA8 1.sg2", "bytes");
    testenv::writeText(scratch + "/traces.xml",
                       "<cereal><filenames size=\"dynamic\"><value0>"
                       "shot \xC3\xA8 1.sg2</value0></filenames></cereal>");
    ProjectWriter writer;
    ASSERT_EQ(writer.compress_project(scratch + "/p.tervo",
                                      {scratch + "/tomodoc.xml", scratch + "/shot \xC3\xA8 1.sg2",
                                       scratch + "/traces.xml"}),
              0);
    const QJsonObject seen = checkProject(scratch + "/p.tervo", scratch);
    EXPECT_EQ(seen["entries"].toArray().at(1).toString().toStdString(), "shot \xC3\xA8 1.sg2");
    QDir().mkpath(QString::fromStdString(scratch + "/out"));
    projectReader reader;
    ASSERT_EQ(reader.read_ZIP(scratch + "/p.tervo", scratch + "/out/"), 0);
    EXPECT_EQ(testenv::readText(scratch + "/out/shot \xC3\xA8 1.sg2"), "bytes");
}

// ---- replacing a project file ------------------------------------------------

std::vector<unsigned char> randomBytes(size_t n)
{
    std::mt19937 random(7);
    std::vector<unsigned char> bytes(n);
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(random());
    return bytes;
}

// What must hold in the target folder after a failed pack: the old project
// unchanged and no temporary "old.tervo.XXXXXX" left beside it.
std::string oldProjectKept(const std::string& folder, const std::vector<unsigned char>& old)
{
    std::string problems;
    std::ifstream in(folder + "/old.tervo", std::ios::binary);
    const std::vector<unsigned char> now{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
    if (now != old)
        problems += "old.tervo changed; ";
    for (const std::string& name : listing(folder))
        if (name != "old.tervo")
            problems += "left behind: " + name + "; ";
    return problems;
}

enum class Setup { SourceDeleted, FolderFull, FolderReadOnly, FolderRemoved, Normal };

struct ReplaceCase {
    const char* name;
    Setup setup;
    int expected;
};

const ReplaceCase replaceCases[] = {
    {"SourceDeleted", Setup::SourceDeleted, 1},
    {"FolderFull", Setup::FolderFull, 1},
    {"FolderReadOnly", Setup::FolderReadOnly, 1},
    {"FolderRemoved", Setup::FolderRemoved, 1},
    {"Normal", Setup::Normal, 0},
};

class ReplaceProject : public ::testing::TestWithParam<ReplaceCase>
{
};

TEST_P(ReplaceProject, OldFileChangesOnlyOnSuccess)
{
    const ReplaceCase& c = GetParam();
    const std::string scratch = testenv::freshDir(std::string("replace-") + c.name);
    const std::string src = scratch + "/src";
    const std::string target = scratch + "/target";
    QDir().mkpath(QString::fromStdString(src));
    QDir().mkpath(QString::fromStdString(target));
    testenv::writeText(src + "/a.xml", "<a/>\n");
    testenv::writeText(src + "/b.sg2", "shot b");
    testenv::writeBytes(src + "/big.sg2", randomBytes(200000));
    ProjectWriter writer;
    ASSERT_EQ(writer.compress_project(target + "/old.tervo", {src + "/a.xml"}), 0);
    const std::vector<unsigned char> old = testenv::readBytes(target + "/old.tervo");
    const std::string project = target + "/old.tervo";

    switch (c.setup) {
    case Setup::SourceDeleted: {
        testenv::writeText(src + "/gone.sg2", "soon gone");
        const std::vector<std::string> files = {src + "/a.xml", src + "/gone.sg2"};
        QFile::remove(QString::fromStdString(src + "/gone.sg2"));
        capturedErrors([&] { EXPECT_EQ(writer.compress_project(project, files), 1); });
        EXPECT_EQ(oldProjectKept(target, old), "");
        break;
    }
    case Setup::FolderFull:
    case Setup::FolderReadOnly: {
        const bool full = c.setup == Setup::FolderFull;
        const LimitedRun run = runInLimitedFolder(
            target, full ? FolderLimit::Full : FolderLimit::ReadOnly, 64 * 1024, true,
            [&](const std::string& dir) { testenv::writeBytes(dir + "/old.tervo", old); },
            [&](const std::string& where) {
                int result = -1;
                const std::string errors = capturedErrors([&] {
                    result = writer.compress_project(project, {src + "/a.xml", src + "/big.sg2"});
                });
                std::string problems = oldProjectKept(where, old);
                if (result != 1)
                    problems += "result " + std::to_string(result) + "; ";
                if (full && errors.find("No space left on device") == std::string::npos &&
                    errors.find("File too large") == std::string::npos)
                    problems += "errors: " + errors;
                return problems;
            });
        if (run.skipped)
            GTEST_SKIP() << "no way to limit a folder here";
        std::cout << "the target folder is " << run.how << std::endl;
        EXPECT_EQ(run.problems, "");
        break;
    }
    case Setup::FolderRemoved:
        QDir(QString::fromStdString(target)).removeRecursively();
        capturedErrors([&] { EXPECT_EQ(writer.compress_project(project, {src + "/a.xml"}), 1); });
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(target)));
        break;
    case Setup::Normal: {
        ASSERT_EQ(
            writer.compress_project(project, {src + "/b.sg2", src + "/a.xml", src + "/big.sg2"}),
            0);
        const QJsonObject seen = checkProject(project, src);
        EXPECT_EQ(seen["errors"].toArray(), QJsonArray());
        EXPECT_EQ(seen["entries"].toArray(), (QJsonArray{"b.sg2", "a.xml", "big.sg2"}));
        EXPECT_EQ(listing(target), std::vector<std::string>{"old.tervo"});
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceProject, ::testing::ValuesIn(replaceCases),
                         [](const auto& p) { return std::string(p.param.name); });

// ---- work sub-folders shared by several instances ----------------------------

// A process that takes the lock and keeps it until it is killed, or one that
// takes it and ends without releasing it.
pid_t lockHolder(const std::string& lockPath, bool stayAlive)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        auto* lock = new QLockFile(QString::fromStdString(lockPath));
        lock->setStaleLockTime(0);
        const char taken = lock->tryLock(0) ? '1' : '0';
        (void)!write(ready[1], &taken, 1);
        if (stayAlive)
            for (;;)
                pause();
        _exit(0);
    }
    char taken = '0';
    (void)!read(ready[0], &taken, 1);
    close(ready[0]);
    close(ready[1]);
    EXPECT_EQ(taken, '1');
    return child;
}

TEST(WorkFolders, AnOpenRemovesOnlyFoldersNoRunningInstanceUses)
{
    const std::string root = testenv::freshDir("instances") + "/";
    for (const char* dir : {"1000", "2000", "3000", "notanumber"})
        QDir().mkpath(QString::fromStdString(root + dir + "/inside"));
    testenv::writeText(root + "Tervanelo_log.log", "log");
    testenv::writeText(root + "1000/inside/s1.sg2", "in use");
    const pid_t live = lockHolder(root + "1000.lock", true);
    const pid_t dead = lockHolder(root + "2000.lock", false);
    waitpid(dead, nullptr, 0);

    // A project with nothing in it, saved and then opened.
    const std::string other = testenv::freshDir("instances-other") + "/";
    TomoDocument empty;
    ProjectWriter writer;
    ASSERT_EQ(writer.saveProject(other + "p.tervo", other, &empty, nullptr, {}), 0);
    TomoDocument document;
    Grid grid;
    std::vector<double> velocities;
    std::vector<bool> flags;
    ColorPaletteList palettes;
    projectReader reader;
    ASSERT_EQ(reader.loadProject(other + "p.tervo", root, &document, &grid, &velocities, &flags,
                                 nullptr, &palettes),
              0);

    const std::vector<std::string> left = listing(root);
    kill(live, SIGKILL);
    waitpid(live, nullptr, 0);
    std::vector<std::string> expected = {"1000", "1000.lock", "Tervanelo_log.log", "notanumber"};
    const std::unique_ptr<WorkFolder> opened = reader.takeWorkFolder();
    ASSERT_TRUE(opened);
    const std::string own = QDir(QString::fromStdString(opened->path())).dirName().toStdString();
    expected.push_back(own);
    expected.push_back(own + ".lock");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
    EXPECT_EQ(testenv::readText(root + "1000/inside/s1.sg2"), "in use");
}

TEST(WorkFolders, FoldersOfOneMillisecondGetTheirOwnNumbers)
{
    const std::string root = testenv::freshDir("same-ms") + "/";
    std::vector<std::unique_ptr<WorkFolder>> folders;
    for (int i = 0; i < 5; ++i)
        folders.push_back(WorkFolder::create(root));
    std::set<std::string> paths;
    for (const auto& f : folders) {
        ASSERT_TRUE(f);
        paths.insert(f->path());
    }
    EXPECT_EQ(paths.size(), 5u);
    // The folders of this instance stay until it releases them.
    removeUnusedWorkFolders(root);
    EXPECT_EQ(listing(root).size(), 10u);
    folders.clear();
    removeUnusedWorkFolders(root);
    EXPECT_EQ(listing(root), std::vector<std::string>{});
}

} // namespace
