#pragma once
// Documents and pixel helpers shared by the view tests.
//
// The panel fixture: one shot, 4 traces of kind 3, 1000 samples each at
// 0.25 ms, sample j = sin(2 pi j / 100), picks {0.1, 0.05, -99, -2}, drawn
// with drawShot(p, 400, 500) into a 510 x 620 image. So the traces image is
// 400 x 500 at (55, 60), columns are 100 px wide, 0.5 px per sample, and one
// second is 2000 px.

#include "tomodocument.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>
#include <vector>

class drawTraces;

namespace panelfixture
{
constexpr int kWidth = 510;
constexpr int kHeight = 620;

// n traces per shot, one travel-time record and one spread per shot;
// receivers at x = 5 i, shot s at x = -5 - s.
TomoDocument makeDocument(size_t shots = 1, size_t traces = 4, size_t samples = 1000,
                          double interval = 0.00025,
                          std::vector<double> picks = {0.1, 0.05, -99.0, -2.0});

// drawShot into a white 510 x 620 image.
QImage draw(drawTraces& panel);
} // namespace panelfixture

namespace pixels
{
// Largest channel difference.
int distance(QRgb pixel, QColor colour);
bool near(QRgb pixel, QColor colour, int tolerance = 0);
// Pixels of the rectangle (inclusive bounds) that satisfy the predicate.
int count(const QImage& image, QRect area, const std::function<bool(QRgb)>& predicate);
int countNear(const QImage& image, QRect area, QColor colour, int tolerance = 0);
// Inclusive rectangle from column and row ranges.
QRect columnsRows(int x0, int x1, int y0, int y1);
} // namespace pixels
