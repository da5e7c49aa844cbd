#pragma once
// Travel-time files of other programs turned into one OTTE exchange file.
// Free of Qt.
//
// Every conversion first checks its output (a name is given, it is none of
// the inputs, a file can be written there), then reads all its input into
// three lists (records, spreads, shots), and only then writes the OTTE file
// whole (writeWholeFile): a failed conversion leaves an older output file as
// it was. Statuses: 0 success, 1 failure. On failure `reason`, when given,
// receives one line saying why, naming the file and, where there is one, the
// line ("<file>: line <n>: not a number: <field>"); the same line goes to
// standard error. No exception leaves these functions.
//
// Times are in seconds in the lists, positions in metres. Every number is a
// whole field read with parseNumberField (splitstring.h): a decimal comma
// reads as a point, and a field that is not one finite number refuses the
// file; a number is never cut or read as 0. One trailing CR is dropped from
// every line.

#include "traveltimereaders.h"

#include <string>
#include <vector>

// Geogiga keyword text and Winsism XYZ, through the main program's parsers.
int convertGeogigaToOtte(const std::string& input, const std::string& output,
                         std::string* reason = nullptr);
int convertWinsismXyzToOtte(const std::string& input, const std::string& output,
                            std::string* reason = nullptr);

// One SeisImager ".vs" file; its shots get the ids 0, 1, ... in file order.
int convertSeisImagerToOtte(const std::string& input, const std::string& output,
                            std::string* reason = nullptr);
// Several SeisImager files merged; the k-th shot read gets the id k.
int convertSeisImagerFilesToOtte(const std::vector<std::string>& inputs, const std::string& output,
                                 std::string* reason = nullptr);
// One shot per ";" text file, at the position given for it; the i-th file's
// shot gets the id i. Fewer positions than files is a failure.
int convertGenericTextToOtte(const std::vector<std::string>& inputs, const std::string& output,
                             const std::vector<double>& shotX, const std::vector<double>& shotZ,
                             std::string* reason = nullptr);

// SeisImager ".vs" (blank-separated): line 1 ignored; line 2, field 2 the
// shot count (at least 1); per shot a line "x n" (n at least 1) and n lines
// "receiver_x time_ms". Whatever follows the last shot (the "0 0" trailer) is
// not read. A count that the lines do not bear out (a shot line where the
// trailer stands, the end of the file inside a shot) refuses the file.
// Appends to the lists; elevations are 0. 1 on failure, with the reason.
int readSeisImagerTravelTimes(const std::string& path, std::vector<TravelTimeShot>& records,
                              ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shots,
                              std::string* reason = nullptr);
// Generic ";" text: each line "x;z;t" (t in s) after leading blanks; a header
// line or a blank line refuses the file. Appends one record with the given
// position and id. 1 on failure (a file that cannot be opened included).
int readGenericTextTravelTimes(const std::string& path, std::vector<TravelTimeShot>& records,
                               ReceiverSpreads& spreads, const Point2D& shot, int shotId,
                               std::string* reason = nullptr);
