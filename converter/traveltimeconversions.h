#pragma once
// Travel-time files of other programs turned into one OTTE exchange file.
// Free of Qt.
//
// Every conversion reads all its input into three lists (records, spreads,
// shots), and only then writes the OTTE file with writeOtteFile: a failed
// conversion leaves no output file. Statuses: 0 success, 1 failure (an input
// that cannot be read, an output that cannot be written completely).
// A line that lacks a required field ends a conversion with an exception
// (std::out_of_range naming the file and the line), as does a generic
// conversion given fewer positions than files.
//
// Times are in seconds in the lists, positions in metres. Numbers are read
// without the locale ('.' is the decimal point); a field that does not begin
// with a number reads as 0. One trailing CR is dropped from every line.

#include "traveltimereaders.h"

#include <string>
#include <vector>

// Geogiga keyword text and Winsism XYZ, through the main program's parsers.
int convertGeogigaToOtte(const std::string& input, const std::string& output);
int convertWinsismXyzToOtte(const std::string& input, const std::string& output);

// One SeisImager ".vs" file; its shots get the ids 0, 1, ... in file order.
int convertSeisImagerToOtte(const std::string& input, const std::string& output);
// Several SeisImager files merged; the k-th shot read gets the id k.
int convertSeisImagerFilesToOtte(const std::vector<std::string>& inputs, const std::string& output);
// One shot per ";" text file, at the position given for it; the i-th file's
// shot gets the id i.
int convertGenericTextToOtte(const std::vector<std::string>& inputs, const std::string& output,
                             const std::vector<double>& shotX, const std::vector<double>& shotZ);

// SeisImager ".vs" (blank-separated): line 1 ignored; line 2, field 2 the
// shot count; per shot a line "x n" and n lines "receiver_x time_ms". Appends
// to the lists; elevations are 0. 1 when the file cannot be opened.
int readSeisImagerTravelTimes(const std::string& path, std::vector<TravelTimeShot>& records,
                              ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shots);
// Generic ";" text: each line "x;z;t" (t in s) after leading blanks. Appends
// one record with the given position and id. 1 when the file cannot be opened.
int readGenericTextTravelTimes(const std::string& path, std::vector<TravelTimeShot>& records,
                               ReceiverSpreads& spreads, const Point2D& shot, int shotId);
