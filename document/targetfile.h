#pragma once
// How every writer puts a file the user named on disk: whole or not at all.
// Free of Qt: the converter's conversions compile it too.

#include <string>

// Writes bytes to path through a temporary file in the same folder, renamed
// over the target only after every write and the close succeeded. On failure
// the temporary file is removed, an older file at path keeps its bytes, and
// the reason is returned in reason (when given).
// Refused before anything is written: a target that exists and is not a
// regular file after resolving links (a device or a FIFO would otherwise be
// replaced), a missing folder, a folder where no file can be created ("cannot
// create a file in <folder>"). The new file gets the older file's mode, or
// 0666 minus the umask when there was none.
bool writeWholeFile(const std::string& path, const std::string& bytes,
                    std::string* reason = nullptr);

// The checks writeWholeFile makes before it writes, for writers that must
// refuse before they start long work. Returns an empty string when path can
// be written, else the reason.
std::string targetProblem(const std::string& path);

// True when both paths name one existing file, after resolving links.
bool sameFile(const std::string& a, const std::string& b);
