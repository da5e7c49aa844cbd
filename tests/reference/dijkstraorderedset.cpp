#include "dijkstraorderedset.h"

#include <limits>
#include <set>
#include <utility>

void DijkstraComputePathsOrderedSet(int32_t source, const EdgeRows& graph,
                                    std::vector<int32_t>& previous,
                                    GridEdgeVector& predecessorEdges,
                                    std::vector<double>* distances)
{
    const size_t n = graph.nodeCount;
    std::vector<double> local;
    std::vector<double>& minDistance = distances ? *distances : local;
    minDistance.assign(n, std::numeric_limits<double>::infinity());
    previous.assign(n, -1);
    predecessorEdges.assign(n, GridEdge{});
    if (source < 0 || size_t(source) >= n)
        return;

    minDistance[source] = 0.0;
    std::set<std::pair<double, int32_t>> queue;
    queue.insert({0.0, source});
    while (!queue.empty()) {
        const auto [d, u] = *queue.begin();
        queue.erase(queue.begin());
        for (uint64_t k = graph.first[u]; k < graph.first[u + 1]; ++k) {
            const GridEdge e = graph.edge(k);
            const double alt = d + e.weight;
            if (minDistance[e.target] > alt) {
                queue.erase({minDistance[e.target], e.target});
                minDistance[e.target] = alt;
                predecessorEdges[e.target] = e;
                previous[e.target] = u;
                queue.insert({alt, e.target});
            }
        }
    }
}
