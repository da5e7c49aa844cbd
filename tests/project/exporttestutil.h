#pragma once
// Surveys and tools for the export tests: small documents built in memory and
// the independent programs that open what the exports wrote.

#include "tomodocument.h"

#include <QJsonObject>

#include <string>
#include <vector>

namespace exporttest
{
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};
// Runs a program to its end, within the tools' time limit (toolprocess.h);
// exit code -1 when it does not start, crashes or is stopped at the limit.
ToolRun runTool(const std::string& program, const std::vector<std::string>& args);
// soffice --headless with the profile folder `profile` and the arguments. The
// first start of a profile builds it, which on a loaded machine can take longer
// than any conversion: a tiny file is converted first, once per profile, so
// that the time limit applies to the conversion asked for alone.
ToolRun runLibreOffice(const std::string& profile, const std::vector<std::string>& args);
// exportcheck.py COMMAND FILE [ARGS]: its JSON.
QJsonObject exportCheck(const std::string& command, const std::string& file,
                        const std::vector<std::string>& args = {});

// Receivers at 1000, 1002, 1004 (elevation 100); a 2 x 3 grid of 2 m cells
// with velocities 500 ... 3000 row-major, cell 4 not drawn; the reference
// (500000, 500004, 4649776.224, 4649776.224, EPSG 32633).
void buildGridSurvey(TomoDocument& doc);
// One spread of `receivers` geophones 5 m apart from 0; `shots` records with
// a trace set each named by name(k), picks rising with offset up to maxPick (s),
// computed = measured + 0.001 s.
void buildPickedSurvey(TomoDocument& doc, int shots, int receivers, double maxPick,
                       const std::vector<std::string>& names);
} // namespace exporttest
