#pragma once
// Readers of travel-time files made by other programs: the OTTE exchange file,
// Geogiga keyword text, Winsism sectioned XYZ and ";" tables. Free of Qt and of
// the document, because the converter program compiles them too.
//
// Common contract of the four readers:
// - the three output lists are emptied first;
// - the result is TravelTimeResult::Ok, or Invalid for a file that cannot be
//   opened or read; after Invalid the lists are to be discarded;
// - `error`, when given, receives one line saying why, naming the file and,
//   where there is one, the line ("<name>: line <n>: not a number: <field>");
//   the same line goes to standard error unless the format stays silent there
//   (a wrong OTTE magic line, a Geogiga keyword out of place, a CSV or Geogiga
//   file that cannot be opened); the fixed texts "File <path> cannot be open."
//   (OTTE) and Winsism's "Invalid header : ..." family reach standard error
//   as they stand, without the name in front;
// - every number is a whole field (parseNumberField, splitstring.h): a decimal
//   comma reads as a point, and a field with anything else after its number
//   ("12.5ms") refuses the file; a number is never cut;
// - times come out in seconds, positions and elevations in metres as written;
// - no exception leaves a reader, and no count written in a file sizes an
//   allocation: running out of lines ends the read with Invalid;
// - one trailing carriage return is removed from every line.
// The stream overloads take a name to use in messages in place of the path.

#include "records.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace TravelTimeResult
{
enum : int {
    Ok = 0,
    Invalid = 1,
    UnsupportedSuffix = 3, // TomoDocument::loadTravelTimes only
};
} // namespace TravelTimeResult

// One shot as a reader delivers it.
struct ImportedShot {
    int32_t spreadIndex = 0; // into the reader's spread list
    int32_t shotIndex = 0;   // into the reader's shot list
    double x = 0.0;
    double z = 0.0;
    std::vector<double> times; // s, one per receiver of the spread, in its order
};
// The converter's name for the same record.
using TravelTimeShot = ImportedShot;

// One entry of a reader's shot list.
struct ImportedDataFile {
    Point2D position;
    std::string fileName; // the seismic file; only Geogiga files name it
};

// Receivers (x, elevation) of each spread, in file order.
using ReceiverSpreads = std::vector<std::vector<Point2D>>;

// OTTE exchange file (times in ms). Record k's position is the shot-list entry
// at its shot index; spread and shot indices are checked against the lists, and
// every times line must hold one value per receiver of its spread.
int readTravelTimesOTTE(const std::string& path, std::vector<ImportedShot>& shots,
                        ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                        std::string* error = nullptr);
int readTravelTimesOTTE(std::istream& in, const std::string& name, std::vector<ImportedShot>& shots,
                        ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                        std::string* error = nullptr);

// Geogiga keyword text (times in s; one elevation for everything). Each block's
// receivers are matched against the spreads read so far (same count, every x and
// elevation equal) and appended when new, so a moving spread keeps its geometry.
// A file of no shots gives one empty spread.
int readTravelTimesTXT(const std::string& path, std::vector<ImportedShot>& shots,
                       ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                       std::string* error = nullptr);
int readTravelTimesTXT(std::istream& in, const std::string& name, std::vector<ImportedShot>& shots,
                       ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                       std::string* error = nullptr);

// Winsism sectioned XYZ (times in ms). Shots come in ascending shot number, the
// single spread in ascending receiver number. Values are split at blanks and tabs.
int readTravelTimesXYZ(const std::string& path, std::vector<ImportedShot>& shots,
                       ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                       std::string* error = nullptr);
int readTravelTimesXYZ(std::istream& in, const std::string& name, std::vector<ImportedShot>& shots,
                       ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                       std::string* error = nullptr);

// Table with shots in columns (times in ms): line 1 the shot abscissae, line 2
// their elevations, each after two label fields; then one row per receiver
// (x; z; one time per shot) up to the end or a row of empty fields. Fields are
// split at every delimiter character and empty ones are kept, so an unpicked
// cell reads 0 (not picked) instead of shifting later picks to another shot.
// ',' is read as the decimal point.
int readTravelTimesCSV(const std::string& path, const std::string& delimiter,
                       std::vector<ImportedShot>& shots, ReceiverSpreads& spreads,
                       std::vector<ImportedDataFile>& shotFiles, std::string* error = nullptr);
int readTravelTimesCSV(std::istream& in, const std::string& name, const std::string& delimiter,
                       std::vector<ImportedShot>& shots, ReceiverSpreads& spreads,
                       std::vector<ImportedDataFile>& shotFiles, std::string* error = nullptr);

// The fields of text: maximal runs of characters not in delimiters. Runs of
// delimiters, leading ones included, give no empty field.
std::vector<std::string> splitRuns(const std::string& text, const char* delimiters);

// The index of the spread equal to receivers (same count, every x and
// elevation exactly equal), appended when new. Receivers are never matched to
// an empty spread: every shot without them gets its own.
int32_t matchSpread(ReceiverSpreads& spreads, std::vector<Point2D>&& receivers);

// Reads one line for the Winsism reader: drops one trailing CR or LF, then the
// leading blanks (not tabs). False at the end of the input.
bool readTrimmedLine(std::istream& in, std::string& line);
