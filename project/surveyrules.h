#pragma once
// The rules a survey's spreads and travel-time records follow in a project:
// the reader refuses a file that breaks one, and the writer refuses to write
// such a survey instead of leaving a file that will not open.

#include "records.h"

#include <string>
#include <vector>

// Empty when every rule holds, else the first broken one in plain words:
// finite receiver and shot positions, a spread index within the spreads,
// measured and computed times as many as the spread's receivers, all finite
// ("not picked" and "rejected" are ordinary finite values). traceSets is the
// number of trace sets records may name (NoTraceSet is always allowed); a
// negative value skips that rule.
std::string surveyProblem(const std::vector<std::vector<Point2D>>& spreads,
                          const std::vector<TravelTime>& records, long long traceSets = -1);
