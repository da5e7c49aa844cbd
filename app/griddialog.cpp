#include "griddialog.h"
#include "ui_griddialog.h"

#include <QMessageBox>

#include <cmath>

GridDimensions gridDimensions(double length, double cellSize, double depth)
{
    // A grid of a million cells along one side is far beyond what the ray
    // tracer can handle; above that the counts would not fit an int anyway.
    constexpr double largest = 1e6;
    auto count = [&](double v) { return std::isfinite(v) && v > 0.0 && v <= largest ? int(v) : 0; };
    if (!(cellSize > 0.0))
        return {};
    return {count(std::ceil(length / cellSize - 1e-9)), count(std::round(depth / cellSize))};
}

gridDialog::gridDialog(QWidget* parent) : QDialog(parent), ui(new Ui::gridDialog)
{
    ui->setupUi(this);
}

gridDialog::~gridDialog()
{
    delete ui;
}

void gridDialog::init(double length, double cellSize, int nodes)
{
    this->length = length;
    ui->rangeLabel->setText(QString::number(length, 'g', 6));
    ui->celSize_edit->setValue(cellSize);
    ui->numNode_edit->setValue(nodes);
    // The range first: the spin box's default maximum of 99.99 would clamp
    // half the length of any profile longer than 199.98 m.
    ui->maxProf_edit->setRange(0.0, length);
    ui->maxProf_edit->setValue(length * 0.5);
}

void gridDialog::on_buttonBox_accepted()
{
    const double cell = ui->celSize_edit->value();
    const double depth = ui->maxProf_edit->value();
    const int nodes = ui->numNode_edit->value();
    if (depth == 0.0) {
        QMessageBox::warning(this, tr("Invalid parameter"),
                             tr("The max depth parameter set to 0.0 is not valid for tomography"));
        return;
    }
    const GridDimensions size = gridDimensions(length, cell, depth);
    if (size.columns < 1 || size.rows < 1) {
        QMessageBox::warning(this, tr("Invalid parameter"),
                             tr("With this cell size the grid has no rows: the max depth must be "
                                "at least half a cell."));
        return;
    }
    if (nodes > 15)
        QMessageBox::warning(this, tr("Memory warning"),
                             tr("A large number of nodes may require a lot of memory"));
    cellSize = cell;
    nodesPerSide = nodes;
    maxDepth = depth;
    accept();
}
