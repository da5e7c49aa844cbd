#pragma once
// The plain textbook search kept as the reference for the ray tracer's
// queue: an ordered set of (time, node) pairs with erase on improvement and a
// strict '>' test. Same contract and outputs as DijkstraComputePaths; used
// only by tests and benchmarks.

#include "grid.h"

#include <cstdint>
#include <vector>

void DijkstraComputePathsOrderedSet(int32_t source, const EdgeRows& graph,
                                    std::vector<int32_t>& previous,
                                    GridEdgeVector& predecessorEdges,
                                    std::vector<double>* distances = nullptr);
