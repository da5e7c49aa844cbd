#pragma once
// The batch runner shared by computeRayPaths and the inversion: one worker per
// shot, traced by T lanes (the calling thread and T - 1 threads kept for the
// runner's life) that each take the next untraced shot. A shot's sums are
// kept apart and, block of cells by block, added into the totals strictly in
// shot order as the shots finish, so the results do not depend on T, nor on
// which lane traced a shot, bit for bit. Log lines still name batches of T
// shots.

#include "dijkstracomputepathsthread.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
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
    // their kept rays with the current slowness.
    void retrace(int iteration, std::vector<double>* correctionTotals,
                 std::vector<double>* lengthTotals);

private:
    struct Lane;
    // A shot's sums in the cells its rays cross, in cell order; those of
    // block b are [blockStart[b], blockStart[b + 1]).
    struct ShotSums {
        std::vector<uint32_t> cells;
        std::vector<double> correction;
        std::vector<double> length;
        std::vector<size_t> blockStart;
    };
    // One of the equal runs of cells whose totals lanes add in parallel.
    struct Block {
        size_t added = 0;    // shots 0 .. added-1 are in its totals
        bool adding = false; // a lane is adding to it
    };

    void runBatches(bool first, int iteration, std::vector<double>* correctionTotals,
                    std::vector<double>* lengthTotals);
    std::string skipReason(uint32_t shot) const;
    // Every lane through every shot; returns when all are traced and their
    // sums added into the totals given.
    void runLanes(bool first, std::vector<double>* correctionTotals,
                  std::vector<double>* lengthTotals);
    void takeShots(Lane& lane);
    void addFinishedShots(size_t shot);
    void addSums(size_t shot, size_t block);
    void traceShot(Lane& lane, size_t shot);
    void startPool();
    void poolThread(Lane& lane);

    TomoDocument& doc;
    unsigned threads;
    bool verbose;
    std::vector<std::unique_ptr<DijkstraComputePathsThread>> workers; // null: shot skipped
    std::vector<ShotSums> shotSums;
    std::vector<std::unique_ptr<Lane>> lanes; // lanes[0] is the calling thread's

    // The pool. A run bumps `run`, and every lane then draws shot numbers
    // from nextShot until they are used up; the run ends when every shot's
    // sums are added. The members below `mutex` are guarded by it; the
    // atomics and those set only between runs (firstRun, the totals) excepted.
    std::vector<std::thread> pool;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable finished;
    std::atomic<unsigned> run{0};
    unsigned sleeping = 0; // pool threads waiting on `wake`
    std::atomic<bool> stopping{false};
    bool firstRun = false;
    std::vector<double>* addCorrectionTo = nullptr;
    std::vector<double>* addLengthTo = nullptr;
    std::vector<char> shotDone; // traced in this run
    std::vector<Block> blocks;
    alignas(64) std::atomic<size_t> nextShot{0};
};
