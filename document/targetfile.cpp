#include "targetfile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{

std::string folderOf(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string systemReason(int error)
{
    return std::strerror(error);
}

// The mode a new file gets from open(2) with 0666, which mkstemp does not give.
mode_t defaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const std::string& bytes, int& error)
{
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

std::string targetProblem(const std::string& path)
{
    if (path.empty())
        return "no file name";
    std::error_code ec;
    const auto status = fs::status(path, ec); // follows links
    if (!ec && fs::exists(status) && !fs::is_regular_file(status))
        return path + " is not a regular file";
    const std::string folder = folderOf(path);
    if (!fs::is_directory(folder, ec))
        return "the folder " + folder + " does not exist";
    return {};
}

bool writeWholeFile(const std::string& path, const std::string& bytes, std::string* reason)
{
    auto fail = [&](const std::string& why) {
        if (reason)
            *reason = why;
        return false;
    };
    const std::string problem = targetProblem(path);
    if (!problem.empty())
        return fail(problem);

    // A link is replaced at its target, so the link itself stays.
    std::error_code ec;
    std::string target = path;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path resolved = fs::canonical(path, ec);
        if (ec)
            return fail(path + ": " + ec.message());
        target = resolved.string();
    }

    const std::string folder = folderOf(target);
    std::string name =
        (fs::path(folder) / ("." + fs::path(target).filename().string() + ".XXXXXX")).string();
    std::vector<char> tmpl(name.begin(), name.end());
    tmpl.push_back('\0');
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return fail("cannot create a file in " + folder + ": " + systemReason(errno));
    const std::string temporary(tmpl.data());

    struct stat older {
    };
    const mode_t mode =
        ::stat(target.c_str(), &older) == 0 ? (older.st_mode & 07777) : defaultMode();

    int error = 0;
    bool ok = writeAll(fd, bytes, error);
    if (ok && ::fchmod(fd, mode) != 0) {
        error = errno;
        ok = false;
    }
    if (ok && ::fsync(fd) != 0) {
        error = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return fail("cannot write " + path + ": " + systemReason(error));
    }
    return true;
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}
