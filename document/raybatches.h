#pragma once
// The batch runner shared by computeRayPaths and the inversion: one worker per
// shot, run T at a time. Shot i always uses sum slot i mod T, and the slot
// sums are added into the totals in shot order after each batch, so the
// results do not depend on T bit for bit.

#include "dijkstracomputepathsthread.h"

#include <memory>
#include <string>
#include <vector>

class TomoDocument;

// Writes to the document's log, or to the console when it has none.
void logLine(const TomoDocument& doc, const std::string& text, int level = 0);

// The platform's hardware thread count, at least 1.
unsigned hardwareThreads();

class RayBatchRunner
{
public:
    // Checks every shot (spread index, time vector lengths, source and
    // receiver nodes on the grid's surface); a shot that fails is skipped for
    // the whole run: its ttCalcolati become 0.0, it adds no sums and no paths,
    // and a level-1 log line names it. `verbose` logs the batch lines of an
    // inversion; otherwise they only go to standard output.
    RayBatchRunner(TomoDocument& doc, unsigned threads, bool verbose);
    ~RayBatchRunner();
    RayBatchRunner(const RayBatchRunner&) = delete;
    RayBatchRunner& operator=(const RayBatchRunner&) = delete;

    // Ray phase: searches every shot, adds the shots' sums into the totals
    // (when given) and appends the paths to the document's rayPaths.
    void trace(std::vector<double>* correctionTotals, std::vector<double>* lengthTotals);
    // Solver run `iteration`: the same workers recompute times and sums along
    // their kept rays with the current slowness, on the calling thread.
    void retrace(int iteration, std::vector<double>* correctionTotals,
                 std::vector<double>* lengthTotals);

private:
    void runBatches(bool first, int iteration, std::vector<double>* correctionTotals,
                    std::vector<double>* lengthTotals);
    std::string skipReason(uint32_t shot) const;

    TomoDocument& doc;
    unsigned threads;
    bool verbose;
    std::vector<std::unique_ptr<DijkstraComputePathsThread>> workers; // null: shot skipped
    std::vector<std::vector<double>> slotCorrection;
    std::vector<std::vector<double>> slotLength;
};
