#pragma once
// External programs a test runs to read what the program wrote (Python,
// LibreOffice, the PDF tools, xmllint, cs2cs).

#include <QProcess>

namespace testenv
{
// The one time limit of an external program: generous on a heavily loaded
// machine, and well inside the 300 s CTest timeout of every test that runs
// one, so that a tool that hangs fails its own check with a message instead
// of the CTest timeout ending the whole test program.
constexpr int toolTimeLimitMs = 90000;

// Waits for a started process up to the time limit. A process still running
// then is killed and waited for, never left behind; false is returned, as for
// a process that did not start.
inline bool waitForTool(QProcess& process)
{
    if (process.waitForFinished(toolTimeLimitMs))
        return true;
    process.kill();
    process.waitForFinished(-1);
    return false;
}
} // namespace testenv
