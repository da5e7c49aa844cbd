#pragma once
// Pictures are compared with pictures: a rendered image against a committed
// baseline PNG under tests/baselines/.

#include <QColor>
#include <QImage>
#include <QString>

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
} // namespace imagecompare
