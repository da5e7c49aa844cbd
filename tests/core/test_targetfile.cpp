#include "limitedfolder.h"
#include "targetfile.h"
#include "testenv.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
const std::string older = "the older file\n";
} // namespace

TEST(WholeFile, ReplacesTheTargetAndKeepsItsMode)
{
    const std::string dir = testenv::freshDir("whole-mode");
    const std::string path = dir + "/out.txt";
    for (const mode_t mode : {mode_t(0644), mode_t(0600), mode_t(0664)}) {
        testenv::writeText(path, older);
        ::chmod(path.c_str(), mode);
        std::string reason;
        ASSERT_TRUE(writeWholeFile(path, "new bytes\n", &reason)) << reason;
        EXPECT_EQ(testenv::readText(path), "new bytes\n");
        EXPECT_EQ(testenv::fileMode(path), unsigned(mode));
        EXPECT_EQ(testenv::otherFiles(dir, {"out.txt"}), "");
    }

    // A new file gets what open(2) would give it, not mkstemp's 0600.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(writeWholeFile(dir + "/fresh.txt", "x"));
    ::umask(mask);
    EXPECT_EQ(testenv::fileMode(dir + "/fresh.txt"), 0644u);
}

TEST(WholeFile, ALinkIsWrittenThroughAndStaysALink)
{
    const std::string dir = testenv::freshDir("whole-link");
    testenv::writeText(dir + "/real.txt", older);
    fs::create_symlink("real.txt", dir + "/link.txt");
    ASSERT_TRUE(writeWholeFile(dir + "/link.txt", "through\n"));
    EXPECT_TRUE(fs::is_symlink(dir + "/link.txt"));
    EXPECT_EQ(testenv::readText(dir + "/real.txt"), "through\n");
}

TEST(WholeFile, RefusedTargetsAreLeftAsTheyWere)
{
    const std::string dir = testenv::freshDir("whole-refused");
    ::mkfifo((dir + "/fifo").c_str(), 0644);
    fs::create_directory(dir + "/folder");
    struct Case {
        std::string path;
        std::string reasonHas;
    };
    const Case cases[] = {
        {"/dev/full", "not a regular file"},
        {dir + "/fifo", "not a regular file"},
        {dir + "/folder", "not a regular file"},
        {dir + "/missing/out.txt", "does not exist"},
        {"", "no file name"},
    };
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(writeWholeFile(c.path, "bytes", &reason)) << c.path;
        EXPECT_NE(reason.find(c.reasonHas), std::string::npos) << c.path << ": " << reason;
    }
    struct stat st {
    };
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_TRUE(fs::is_fifo(dir + "/fifo"));
    EXPECT_EQ(testenv::otherFiles(dir), "fifo folder ");
}

// A full folder fails at a write or at the final flush; a read-only one
// cannot take the temporary file. The older file keeps its bytes, and no
// temporary file stays.
TEST(WholeFile, AFolderThatRefusesWritesKeepsTheOlderFile)
{
    using projecttest::FolderLimit;
    struct Case {
        const char* name;
        FolderLimit limit;
        long bytes;
        size_t size;
        const char* reasonHas;
    };
    const Case cases[] = {
        {"full", FolderLimit::Full, 64 * 1024, 256 * 1024, "cannot write"},
        {"nearly full", FolderLimit::Full, 64 * 1024, 60 * 1024, "cannot write"},
        {"read-only", FolderLimit::ReadOnly, 0, 100, "cannot create a file in"},
    };
    for (const auto& c : cases) {
        const std::string dir = testenv::freshDir(std::string("whole-limit-") +
                                                  (c.limit == FolderLimit::Full ? "full" : "ro"));
        const auto run = projecttest::runInLimitedFolder(
            dir, c.limit, c.bytes, false,
            [](const std::string& d) {
                // Fill most of the folder so that even a small new file fails.
                testenv::writeText(d + "/out.bin", older);
                testenv::writeText(d + "/ballast", std::string(40 * 1024, 'b'));
            },
            [&](const std::string& where) {
                std::string problems;
                std::string reason;
                if (writeWholeFile(where + "/out.bin", std::string(c.size, 'n'), &reason))
                    problems += "written; ";
                else if (reason.find(c.reasonHas) == std::string::npos)
                    problems += "reason: " + reason + "; ";
                if (testenv::readText(where + "/out.bin") != older)
                    problems += "older file changed; ";
                const std::string extra = testenv::otherFiles(where, {"out.bin"});
                if (extra != "ballast ")
                    problems += "left: " + extra;
                return problems;
            });
        if (run.skipped)
            GTEST_SKIP() << "no way to limit a folder here";
        EXPECT_EQ(run.problems, "") << c.name << " (" << run.how << ")";
    }
}

TEST(WholeFile, SameFileSeesThroughLinks)
{
    const std::string dir = testenv::freshDir("whole-same");
    testenv::writeText(dir + "/a", "a");
    testenv::writeText(dir + "/b", "b");
    fs::create_symlink("a", dir + "/to-a");
    EXPECT_TRUE(sameFile(dir + "/a", dir + "/to-a"));
    EXPECT_TRUE(sameFile(dir + "/a", dir + "/../" + fs::path(dir).filename().string() + "/a"));
    EXPECT_FALSE(sameFile(dir + "/a", dir + "/b"));
    EXPECT_FALSE(sameFile(dir + "/a", dir + "/missing"));
}
