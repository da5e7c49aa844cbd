#include "limitedfolder.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace projecttest
{
namespace
{
constexpr int skippedCode = 77;

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    return static_cast<bool>(out);
}

// A mount namespace of our own: directly as root, else inside a user
// namespace that maps us to root.
bool privateMounts()
{
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWNS) != 0) {
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        writeFile("/proc/self/setgroups", "deny");
        if (!writeFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !writeFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return false;
    }
    return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

std::string limitInChild(const std::string& dir, FolderLimit limit, long bytes,
                         bool fileSizeLimitWillDo,
                         const std::function<void(const std::string&)>& fill, std::string& where)
{
    where = dir;
    if (privateMounts()) {
        const long size = limit == FolderLimit::Full ? bytes : 16L << 20;
        const std::string options = "size=" + std::to_string(size);
        if (mount("tmpfs", dir.c_str(), "tmpfs", 0, options.c_str()) == 0) {
            fill(dir);
            if (limit == FolderLimit::Full)
                return "a tmpfs of " + std::to_string(bytes) + " bytes";
            if (mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0)
                return "a read-only tmpfs";
        }
    }
    if (limit == FolderLimit::Full) {
        if (!fileSizeLimitWillDo)
            return {};
        fill(dir);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{rlim_t(bytes), rlim_t(bytes)};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        return "a file-size limit of " + std::to_string(bytes) + " bytes";
    }
    fill(dir);
    where = dir + ".aside";
    if (std::rename(dir.c_str(), where.c_str()) != 0 || !writeFile(dir, "not a folder\n"))
        return {};
    return "a file in place of the folder";
}
} // namespace

LimitedRun runInLimitedFolder(const std::string& dir, FolderLimit limit, long bytes,
                              bool fileSizeLimitWillDo,
                              const std::function<void(const std::string&)>& fill,
                              const std::function<std::string(const std::string&)>& body)
{
    int channel[2];
    LimitedRun run;
    if (pipe(channel) != 0) {
        run.problems = "no pipe";
        return run;
    }
    std::cout.flush();
    std::cerr.flush();
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string where;
        const std::string how = limitInChild(dir, limit, bytes, fileSizeLimitWillDo, fill, where);
        int code = skippedCode;
        std::string report = how;
        if (!how.empty()) {
            report += '\n' + body(where);
            code = 0;
        }
        std::cout.flush();
        std::cerr.flush();
        (void)!write(channel[1], report.data(), report.size());
        _exit(code);
    }
    close(channel[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, size_t(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == skippedCode) {
        run.skipped = true;
        return run;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        run.problems = "the child failed (status " + std::to_string(status) + ")";
        return run;
    }
    const auto newline = report.find('\n');
    run.how = report.substr(0, newline);
    run.problems = newline == std::string::npos ? "" : report.substr(newline + 1);
    return run;
}
} // namespace projecttest
