#pragma once
// Pictures are compared with pictures: a rendered image against a committed
// baseline PNG under tests/baselines/.

#include <QColor>
#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace imagecompare
{
struct Result {
    bool ok = false;
    double meanDifference = 0.0; // mean absolute channel difference, 0..255
    QString message;
};

// Compares image with the baseline <name>.png. The mean absolute difference
// over the RGB channels of all pixels must not exceed tolerance (0..255), and
// the sizes must agree. On failure the image is saved as <name>.png in the
// test output folder so a person can look at it. With the environment
// variable TERVANELO_UPDATE_BASELINES=1 a missing baseline is written instead.
Result compareWithBaseline(const QImage& image, const QString& name, double tolerance);

// Where failed renderings go: <build>/tests/test-output/.
QString outputPath(const QString& fileName);

// Colour distance between two pixels, the largest channel difference.
int colourDistance(QColor a, QColor b);

// Runs of ink inside area: the maximal runs of rows (Qt::Vertical, top to
// bottom) or of columns (Qt::Horizontal, left to right) that hold a pixel
// darker than grey 128; each as its first and last index. Lines of text
// set apart by blank space come out as separate runs, whatever the font.
std::vector<std::pair<int, int>> inkRuns(const QImage& image, QRect area, Qt::Orientation across);
// The bounding box of the ink inside area; null when there is none.
QRect inkBounds(const QImage& image, QRect area);
} // namespace imagecompare
