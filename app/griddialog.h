#pragma once
// "Grid Settings": cell size, depth and nodes per cell side of a new grid
// over a profile of known length.

#include <QDialog>

namespace Ui
{
class gridDialog;
}

// Columns and rows of a grid of square cells covering a profile of `length`
// metres down to `depth` metres. Columns are rounded up, so the last receiver
// and shot stay inside the grid (the 1e-9 keeps exact multiples exact against
// rounding: 4.2 / 0.3 is 14.000000000000002); rows are rounded half away from
// zero. Values that give no sensible count (not finite, not positive, beyond
// a million) give 0.
struct GridDimensions {
    int columns = 0;
    int rows = 0;
};
GridDimensions gridDimensions(double length, double cellSize, double depth);

class gridDialog : public QDialog
{
    Q_OBJECT

public:
    explicit gridDialog(QWidget* parent = nullptr);
    ~gridDialog() override;

    // Shows the profile length and proposes the cell size, the nodes and half
    // the length as depth (each spin box clamps to its own minimum).
    void init(double length, double cellSize, int nodes);

    // Read after an accepted exec().
    double cellSize = 0.0;
    double maxDepth = 0.0;
    double nodesPerSide = 0.0;

private slots:
    // OK: a depth of 0.0 or a grid without rows or columns is refused with a
    // warning and the dialog stays open; otherwise the values are stored.
    void on_buttonBox_accepted();

private:
    Ui::gridDialog* ui;
    double length = 0.0;
};
