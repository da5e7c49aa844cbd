#pragma once
// What every writer does before it writes a file the user named. Free of Qt:
// the converter compiles it too.

#include <string>

// Removes the file at path when it is a regular file or a symbolic link (the
// link itself), so that an old file never survives a failed write and is taken
// for the new one. A device, a directory or a missing path is left alone.
void removeTarget(const std::string& path);
