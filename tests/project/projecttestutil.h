#pragma once
// Shared helpers of the project-file tests: survey S2, the independent Python
// view of project files (tests/project/projectzip.py) and small helpers.

#include "colorpalette.h"
#include "refractiondatastructure.h"
#include "tomodocument.h"

#include <QJsonArray>
#include <QJsonObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace projecttest
{

// Survey S2: two SEG2 shots s1.sg2 and s2.sg2 (4 receivers at x 0, 5, 10,
// 15 m), picks and computed times, filtered samples on shot 2 only, an
// inverted 3 x 4 grid (nV 6, side 6 m), a geographic reference, a title
// with outer blanks, nine built-in palettes and the user palettes U1 and U2,
// and refraction data with values in every list.
struct Survey {
    TomoDocument document;
    ColorPaletteList palettes;
    std::unique_ptr<refractionDataStructure> refraction;
};

// Copies the S2 shot files into shotDir and builds S2 from them there.
void buildS2(Survey& survey, const std::string& shotDir);

// Runs /usr/bin/python3 tests/project/projectzip.py with arguments; fails the
// test when the script fails. Returns its standard output.
std::string projectZip(const std::vector<std::string>& arguments);
// "check": {"errors", "entries", "values"}.
QJsonObject checkProject(const std::string& project, const std::string& shotDir = {});
// "check-xml": one archive file checked as the project entry called entry.
QJsonObject checkArchive(const std::string& entry, const std::string& file);
// "edit-xml": operations on one archive file, in place.
void editArchive(const std::string& file, const QJsonArray& operations);
void editProject(const std::string& from, const std::string& to, const QJsonArray& operations);

// Everything written to std::cerr while fn runs.
std::string capturedErrors(const std::function<void()>& fn);

// Every saved value of the document (spreads, records, results, reference,
// title) and of the refraction data, bit for bit.
void expectSameRecords(const TomoDocument& a, const TomoDocument& b);
void expectSameRefraction(const refractionDataStructure& a, const refractionDataStructure& b);

bool sameBits(double a, double b);
bool sameBits(const std::vector<double>& a, const std::vector<double>& b);

// Names in a folder, sorted; "" for a missing folder.
std::vector<std::string> listing(const std::string& dir);
} // namespace projecttest
