#pragma once
// Folders that refuse writes, for the failure tests. No test may depend on
// running as a normal user: root ignores permissions, and CI runs as root.
//
// The body runs in a forked child, in which:
// - Full: the folder is a tmpfs of the given size, mounted in a private
//   mount namespace (as root, or in a user namespace without root). Where
//   no namespace can be made and the case allows it, a file-size limit
//   (RLIMIT_FSIZE, SIGXFSZ ignored) makes every larger write fail instead.
//   Otherwise the run is skipped.
// - ReadOnly: the folder is a tmpfs remounted read-only once fill has run;
//   where mounts are not allowed, the folder is moved aside (its contents
//   untouched) and a regular file takes its name, so that every path below
//   it fails with "Not a directory", for root as well.

#include <functional>
#include <string>

namespace projecttest
{

enum class FolderLimit { Full, ReadOnly };

struct LimitedRun {
    bool skipped = false;
    std::string how;      // how the limit was made
    std::string problems; // what the body reported; empty when it passed
};

// fill(dir) puts the starting files into the folder before the limit takes
// effect. body(where) runs the operation on paths inside dir and returns its
// problems; where is the folder's contents' place after the limit (dir, or
// the moved-aside folder), for checking what stayed.
LimitedRun runInLimitedFolder(const std::string& dir, FolderLimit limit, long bytes,
                              bool fileSizeLimitWillDo,
                              const std::function<void(const std::string& dir)>& fill,
                              const std::function<std::string(const std::string& where)>& body);
} // namespace projecttest
