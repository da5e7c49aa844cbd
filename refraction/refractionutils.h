#pragma once
// Small pure routines of the layered refraction analysis.
// Positions in metres, times in seconds, velocities in m/s.

#include <cstdint>
#include <vector>

class TomoDocument;
struct refractionDataStructure;

class refractionUtils
{
public:
    static constexpr uint32_t NoShot = 0xFFFFFFFFu;

    // The enabled records holding layer L nearest before the first receiver
    // (forward) and after the last (reverse); NoShot when there is none.
    // Shots inside the line never qualify; on equal distances the earlier
    // record wins. Spread or shot indexes past their lists throw.
    static void findNearestShots(int8_t L, const TomoDocument& document,
                                 const refractionDataStructure& data, uint32_t& forward,
                                 uint32_t& reverse);

    // Least-squares line t = a x + b over equal-length lists; prints the line
    // on stdout. Fewer than two distinct x give non-finite a and b.
    static void linearFit(std::vector<double> x, std::vector<double> t, double& a, double& b);

    // When any value is not above the threshold, all become their mean.
    static void replaceByMeanIfNotAbove(double threshold, std::vector<double>& values);

    // When any lower[i] >= upper[i], each list becomes its own mean.
    static void replaceBothByMeansIfNotIncreasing(std::vector<double>& lower,
                                                  std::vector<double>& upper);
};
