#include "logger.h"
#include "testenv.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <clocale>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

namespace fs = std::filesystem;
using ::testing::internal::CaptureStderr;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStderr;
using ::testing::internal::GetCapturedStdout;

namespace
{
const std::string stamp = R"(\[\d{4}-\d{2}-\d{2}\.\d{2}:\d{2}:\d{2}\])";

std::vector<std::string> lines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

void expectLineFormat(const char* timeLocale)
{
    const std::string dir = testenv::freshDir("logger-format");
    const std::string path = dir + "/Tervanelo_log.log";
    {
        Logger log(path);
        CaptureStdout();
        CaptureStderr();
        log.writeLog("Application Start", 0);
        log.writeLog("boom", 1);
        const std::string out = GetCapturedStdout();
        const std::string err = GetCapturedStderr();
        EXPECT_TRUE(std::regex_match(out, std::regex(stamp + " Application Start\n"))) << out;
        EXPECT_TRUE(std::regex_match(err, std::regex(stamp + " boom\n"))) << err;
    }
    auto file = lines(path);
    ASSERT_EQ(file.size(), 2u) << "locale " << timeLocale;
    EXPECT_TRUE(std::regex_match(file[0], std::regex(stamp + " Application Start"))) << file[0];
    EXPECT_TRUE(std::regex_match(file[1], std::regex(stamp + " ERROR : boom"))) << file[1];

    // A new Logger (a new run) starts a new file.
    Logger again(path);
    CaptureStdout();
    again.writeLog("", 0);
    GetCapturedStdout();
    file = lines(path);
    ASSERT_EQ(file.size(), 1u);
    EXPECT_TRUE(std::regex_match(file[0], std::regex(stamp + " "))) << file[0];
}

TEST(Logger, LineFormatInCLocale)
{
    expectLineFormat("C");
}

TEST(Logger, LineFormatUnderTwelveHourLocale)
{
    if (!std::setlocale(LC_TIME, "en_US.UTF-8"))
        GTEST_SKIP() << "en_US.UTF-8 is not installed";
    expectLineFormat("en_US.UTF-8");
    std::setlocale(LC_TIME, "C");
}

TEST(Logger, MissingFolderIsRetriedUntilItExists)
{
    const std::string dir = testenv::freshDir("logger-missing") + "/later";
    const std::string path = dir + "/Tervanelo_log.log";
    Logger log(path);
    CaptureStderr();
    log.writeLog("one", 0);
    log.writeLog("two", 0);
    EXPECT_EQ(GetCapturedStderr(), "Impossible to open log file\nImpossible to open log file\n");
    EXPECT_FALSE(fs::exists(path));

    fs::create_directories(dir);
    CaptureStdout();
    log.writeLog("three", 0);
    GetCapturedStdout();
    const auto file = lines(path);
    ASSERT_EQ(file.size(), 1u);
    EXPECT_NE(file[0].find("] three"), std::string::npos);
}

TEST(Logger, FailedWritesAreReportedAndConsoleKeepsLines)
{
    Logger log("/dev/full");
    CaptureStdout();
    CaptureStderr();
    for (int i = 0; i < 3; ++i)
        log.writeLog("line " + std::to_string(i), 0);
    const std::string out = GetCapturedStdout();
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(err, "Impossible to write log file\nImpossible to write log file\n"
                   "Impossible to write log file\n");
    EXPECT_TRUE(std::regex_match(out, std::regex("(" + stamp + " line \\d\n){3}"))) << out;
}

TEST(Logger, AppendsAfterAFileSizeLimitIsLifted)
{
    const std::string path = testenv::freshDir("logger-fsize") + "/Tervanelo_log.log";
    Logger log(path);
    CaptureStdout();
    log.writeLog("before the limit", 0);

    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = rlim_t(fs::file_size(path));
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    CaptureStderr();
    log.writeLog("lost", 0);
    const std::string err = GetCapturedStderr();
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(err, "Impossible to write log file\n");

    log.writeLog("after the limit", 0);
    GetCapturedStdout();
    const auto file = lines(path);
    ASSERT_GE(file.size(), 2u);
    EXPECT_NE(file.front().find("] before the limit"), std::string::npos);
    EXPECT_NE(file.back().find("] after the limit"), std::string::npos);
}

TEST(Logger, ConcurrentWritersKeepWholeLines)
{
    const std::string path = testenv::freshDir("logger-threads") + "/Tervanelo_log.log";
    Logger log(path);
    CaptureStdout();
    auto writer = [&log](const char* who) {
        for (int i = 0; i < 1000; ++i)
            log.writeLog(std::string(who) + " writes line number " + std::to_string(i), 0);
    };
    std::thread a(writer, "first");
    std::thread b(writer, "second");
    a.join();
    b.join();
    GetCapturedStdout();

    const auto file = lines(path);
    ASSERT_EQ(file.size(), 2000u);
    const std::regex line(stamp + " (first|second) writes line number \\d+");
    for (const auto& l : file)
        ASSERT_TRUE(std::regex_match(l, line)) << l;
}
} // namespace
