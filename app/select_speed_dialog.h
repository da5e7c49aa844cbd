#pragma once
// "Define Model Velocity": the layered starting model as a list of rows with
// a plot of velocity against depth. OK builds the new grid from the rows; rows
// that cannot make a model keep the dialog open with a warning.

#include "records.h"

#include <QDialog>

#include <vector>

class QListWidgetItem;
class TomoDocument;
class setVelocityWidget;

namespace Ui
{
class select_speed_Dialog;
}

class select_speed_Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit select_speed_Dialog(QWidget* parent = nullptr);
    ~select_speed_Dialog() override;

    // One row per stored layer; without any, the default row
    // {0, 300, D, 2500} (D the grid's depth), kept in the dialog only.
    void fillFromDocument(TomoDocument* document);
    void addLayerRow(setVelocityWidget* row);
    // The rows' values, in order.
    std::vector<VelocityLayer> rowLayers() const;

    TomoDocument* document = nullptr;
    std::vector<setVelocityWidget*> layerRows;
    std::vector<QListWidgetItem*> layerItems;

public slots:
    void onLineeditmod();

private slots:
    // Splits the last row at its middle depth.
    void on_addButton_clicked();
    // Drops the ticked rows; the rest are stretched to run from 0 to D.
    void on_removeButton_clicked();
    void on_buttonBox_accepted();

private:
    // Grid rows x cell side, 0 without a grid.
    double gridDepth() const;
    setVelocityWidget* makeRow(const VelocityLayer& layer, bool connected);
    void showLayers(const std::vector<VelocityLayer>& layers, const char* logLine);

    Ui::select_speed_Dialog* ui;
};
