#pragma once
// The OTTE travel-time exchange writer, shared by the main program's export and
// the converter; free of Qt and of the document.
//
// Layout, one item per line (LF): "otte", "1.0", "2", the spread count; per
// spread a line of receiver x and a line of receiver elevations; a line of shot
// x and a line of shot elevations (from `shots`); per record its spread index,
// its shot index and its times in ms. Every value of a list line is followed
// by ";". Reals are written like printf's %g (6 significant digits, classic
// locale): 12.5, 100000, -99000, 1.23457e+06.

#include "traveltimereaders.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace OtteWriteResult
{
enum : int {
    Ok = 0,
    CannotWrite = 1,   // the file cannot be created, or the stream failed
    InvalidRecord = 2, // a record the reader would refuse; nothing written
};
} // namespace OtteWriteResult

// Every record is checked before anything is written: its spread and its shot
// must exist and it must hold one time (s) per receiver of its spread. The
// first record that does not is stored in *badRecord when given.
int writeOtte(std::ostream& out, const std::vector<ImportedShot>& records,
              const ReceiverSpreads& spreads, const std::vector<ImportedDataFile>& shots,
              std::size_t* badRecord = nullptr);

// Creates or replaces path, whole or not at all (writeWholeFile): on
// CannotWrite an older file keeps its bytes and *reason, when given, says
// why; an invalid record touches no file.
int writeOtteFile(const std::string& path, const std::vector<ImportedShot>& records,
                  const ReceiverSpreads& spreads, const std::vector<ImportedDataFile>& shots,
                  std::size_t* badRecord = nullptr, std::string* reason = nullptr);

// A real as our text files write it: like printf's %g (6 significant digits),
// whatever the locale ("12.5", "100000", "1.23457e+06").
std::string formatReal(double value);
