#pragma once
// S2 saved (or the project savedProject, when given, written from S2), then
// opened through loadProjectThreadEntry on a std::thread, as
// the open command runs it; every value compared bit for bit. Needs a
// QCoreApplication. Shared by the reader tests and the decimal-comma run.

#include <string>

namespace projecttest
{
void expectS2RoundTrip(const std::string& name, const std::string& savedProject = {});
}
