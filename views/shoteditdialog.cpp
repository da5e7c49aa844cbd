#include "shoteditdialog.h"
#include "ui_shoteditdialog.h"

#include "shoteditwidget.h"

#include <QVBoxLayout>

#include <iostream>

shotEditDialog::shotEditDialog(const std::vector<std::vector<Point2D>>& spreads_,
                               const std::vector<TravelTime>& travelTimes_,
                               const std::vector<TraceSet>& traceSets_, QWidget* parent)
    : QDialog(parent), spreads(spreads_), travelTimes(travelTimes_), traceSets(traceSets_),
      ui(std::make_unique<Ui::shotEditDialog>())
{
    ui->setupUi(this);
}

shotEditDialog::~shotEditDialog() = default;

void shotEditDialog::setSelection(std::vector<int> shots)
{
    selection = std::move(shots);
}

void shotEditDialog::buildRows()
{
    rowContainer = new QWidget;
    rowLayout = new QVBoxLayout(rowContainer);
    rowLayout->setSpacing(0);
    rowLayout->setContentsMargins(1, 1, 1, 1);
    rowLayout->setAlignment(Qt::AlignTop);
    shotEditRows.clear();
    for (int s : selection) {
        const TravelTime& shot = travelTimes.at(size_t(s));
        // Imported records, and damaged projects, have no trace set behind the shot.
        const QString title = shot.traceSetID < traceSets.size()
                                  ? QString::fromStdString(traceSets[shot.traceSetID].fileName)
                                  : QString::number(s);
        auto* row = new shotEditWidget(title, {shot.shotPos2d.x, shot.shotPos2d.z}, rowContainer);
        row->fillSpreadCombo(int(spreads.size()), int(shot.indexStesa));
        rowLayout->addWidget(row);
        shotEditRows.push_back(row);
    }
    ui->scrollArea->setWidget(rowContainer);
}

void shotEditDialog::on_buttonBox_accepted()
{
    for (size_t k = 0; k < selection.size() && k < shotEditRows.size(); ++k) {
        const int s = selection[k];
        std::cout << "index sel: " << s << std::endl;
        TravelTime& shot = travelTimes.at(size_t(s));
        shot.shotPos2d.x = shotEditRows[k]->x();
        shot.shotPos2d.z = shotEditRows[k]->z();
        // The times follow the receivers onto the new spread: lists of the
        // old spread's length would not open again once saved.
        moveShotToSpread(shot, spreads, uint32_t(shotEditRows[k]->spreadId()));
    }
}
