#pragma once
// First-break picking by energy ratio.

#include <vector>

// Sample index of the first break in samples, or -1 when there is none.
// For every i with window <= i < n - window:
//   er[i] = |s[i] - mean| * (after / before)^3
// where before sums (s[k] - mean)^2 over k = i - window .. i (window + 1 samples)
// and after over k = i .. i + window - 1. The result is the first index of the
// largest er above 0. A stretch equal to the mean gives 0/0, which never wins.
// A trace of 2 * window samples or fewer has no pick, and an onset before
// sample `window` is picked late, since no earlier index is a candidate.
// Cost: (2 * window + 1) squares per sample.
int energyRatioPick(const std::vector<double>& samples, double mean, unsigned window);
