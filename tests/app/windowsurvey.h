#pragma once
// Surveys for the window's display and processing commands, put into the
// window's document directly, as loading shots leaves it: the two-layer
// survey of tests/fixtures/seismic/make_two_layer_shots.py (24 receivers at
// 0..46 m, shots at -1, 11, 23, 35, 47 m, dt 0.25 ms, 512 samples).

#include "windowfixture.h"

#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class Tervanelo_MainWindows;

namespace surveytest
{

// The first `count` shot files of the two-layer survey.
QStringList twoLayerShots(int count = 5);

// A window with pre-written settings; showAllTraces as given.
std::unique_ptr<Tervanelo_MainWindows> startWindow(const windowtest::FreshHome& home,
                                                   bool showAllTraces = false);

// Replaces the window's document by the shots: travel-time records, the
// profile, with `grid` a grid of 1 m cells 12 m deep with 6 nodes per side,
// one panel per shot, the first shot on show, the actions of a loaded survey
// and the Traces tab's rules.
void loadSurvey(Tervanelo_MainWindows& w, const QStringList& files, bool grid = true);

// Picks every receiver at its true first break, then runs one inversion
// iteration on a coarse grid (2 m cells, 8 m deep, 3 nodes per side) with
// the rays and the information density of the result, and builds the
// section view's arrays: a computed survey.
void computeSurvey(Tervanelo_MainWindows& w);

// What the picker and the velocity screening should leave, per shot and
// receiver, in file order (shots, then receivers).
struct ExpectedPick {
    double shotX;
    double receiverX;
    double onset; // s, the model's first break
    int index;    // the picked sample, -1 for none
    double time;  // s after the screening; -99 rejected
};
std::vector<ExpectedPick> expectedPicks();

} // namespace surveytest
