#include "select_speed_dialog.h"
#include "ui_select_speed_dialog.h"

#include "draw1dvelocityprofile.h"
#include "grid.h"
#include "setvelocitywidget.h"
#include "tomodocument.h"
#include "velocitymodel.h"

#include <QHBoxLayout>
#include <QListWidgetItem>
#include <QMessageBox>

#include <cmath>
#include <exception>
#include <iostream>

namespace
{
VelocityLayer defaultLayer(double depth)
{
    return {0.0, 300.0, depth, 2500.0};
}
} // namespace

select_speed_Dialog::select_speed_Dialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::select_speed_Dialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Define Model Velocity"));
}

select_speed_Dialog::~select_speed_Dialog()
{
    delete ui;
}

double select_speed_Dialog::gridDepth() const
{
    if (!document || !document->grid)
        return 0.0;
    return document->grid->righe * document->grid->aLato;
}

setVelocityWidget* select_speed_Dialog::makeRow(const VelocityLayer& layer, bool connected)
{
    auto* row = new setVelocityWidget;
    row->setValues(layer.initialDepth, layer.initialVelocity, layer.finalDepth,
                   layer.finalVelocity);
    if (connected)
        connect(row, &setVelocityWidget::lineEditModified, this,
                &select_speed_Dialog::onLineeditmod);
    return row;
}

void select_speed_Dialog::fillFromDocument(TomoDocument* doc)
{
    document = doc;
    std::vector<VelocityLayer> layers = document->velocityLayers;
    if (layers.empty())
        layers.push_back(defaultLayer(gridDepth()));
    for (const VelocityLayer& layer : layers) {
        addLayerRow(makeRow(layer, true));
        std::cout << "[LOG] speedlayer for loop " << std::endl;
    }
    ui->widget->setLayers(gridDepth(), layers);
}

void select_speed_Dialog::addLayerRow(setVelocityWidget* row)
{
    auto* item = new QListWidgetItem;
    auto* container = new QWidget;
    auto* layout = new QHBoxLayout(container);
    layout->addWidget(row);
    layout->addStretch();
    item->setSizeHint(container->sizeHint());
    ui->listWidget->addItem(item);
    ui->listWidget->setItemWidget(item, container);
    layerRows.push_back(row);
    layerItems.push_back(item);
}

std::vector<VelocityLayer> select_speed_Dialog::rowLayers() const
{
    std::vector<VelocityLayer> layers;
    for (const setVelocityWidget* row : layerRows) {
        VelocityLayer l;
        row->getValues(l.initialDepth, l.initialVelocity, l.finalDepth, l.finalVelocity);
        layers.push_back(l);
    }
    return layers;
}

void select_speed_Dialog::showLayers(const std::vector<VelocityLayer>& layers, const char* logLine)
{
    if (logLine)
        for (size_t i = 0; i < layers.size(); ++i)
            std::cout << logLine << std::endl;
    ui->widget->setLayers(gridDepth(), layers);
    ui->widget->update();
}

void select_speed_Dialog::onLineeditmod()
{
    showLayers(rowLayers(), "[LOG] accepted - speedlayer for loop ");
}

void select_speed_Dialog::on_addButton_clicked()
{
    if (layerRows.empty())
        return;
    VelocityLayer last;
    layerRows.back()->getValues(last.initialDepth, last.initialVelocity, last.finalDepth,
                                last.finalVelocity);
    const double middleDepth = (last.initialDepth + last.finalDepth) * 0.5;
    const double middleVelocity =
        std::trunc(std::fabs(last.initialVelocity + last.finalVelocity) * 0.5);
    layerRows.back()->setValues(last.initialDepth, last.initialVelocity, middleDepth,
                                middleVelocity);
    addLayerRow(makeRow({middleDepth, middleVelocity, last.finalDepth, last.finalVelocity}, true));
    onLineeditmod();
}

void select_speed_Dialog::on_removeButton_clicked()
{
    std::vector<VelocityLayer> kept;
    for (const setVelocityWidget* row : layerRows)
        if (!row->isChecked()) {
            VelocityLayer l;
            row->getValues(l.initialDepth, l.initialVelocity, l.finalDepth, l.finalVelocity);
            kept.push_back(l);
        }
    // Clearing the list deletes the items and, with them, the rows.
    ui->listWidget->clear();
    layerRows.clear();
    layerItems.clear();

    const double depth = gridDepth();
    if (kept.empty()) {
        kept.push_back(defaultLayer(depth));
    } else {
        kept.back().finalDepth = depth;
        kept.front().initialDepth = 0.0;
    }
    // As before the removal, edits of these rows reach the plot only at the
    // next Add or Remove.
    for (const VelocityLayer& layer : kept)
        addLayerRow(makeRow(layer, false));
    showLayers(kept, nullptr);
}

void select_speed_Dialog::on_buttonBox_accepted()
{
    // Nothing may escape: this runs inside the dialog's own event loop.
    try {
        const std::vector<VelocityLayer> layers = rowLayers();
        const LayerCheck check = checkVelocityLayers(layers);
        QString problem;
        switch (check.problem) {
        case LayerCheck::Ok:
            break;
        case LayerCheck::NoLayer:
            problem = tr("The model needs at least one layer.");
            break;
        case LayerCheck::TooThin:
            problem = tr("Layer %1: the final depth must exceed the initial depth by more than "
                         "0.02 m.")
                          .arg(check.row + 1);
            break;
        case LayerCheck::Overlapping:
            problem = tr("Layer %1 begins above the end of the layer before it: the layers must "
                         "be sorted by depth and must not overlap.")
                          .arg(check.row + 1);
            break;
        }
        if (problem.isEmpty() && !applyVelocityModel(*document, layers))
            problem = tr("The grid could not be built from this velocity model.");
        if (!problem.isEmpty()) {
            QMessageBox::warning(this, tr("Warning"), problem);
            return;
        }
        accept();
    } catch (const std::exception& e) {
        QMessageBox::warning(this, tr("Warning"), QString::fromLocal8Bit(e.what()));
    }
}
