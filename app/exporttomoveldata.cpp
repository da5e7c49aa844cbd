#include "exporttomoveldata.h"
#include "ui_exporttomoveldata.h"

ExportTomoVelData::ExportTomoVelData(QWidget* parent)
    : QDialog(parent), ui(new Ui::ExportTomoVelData)
{
    ui->setupUi(this);
}

ExportTomoVelData::~ExportTomoVelData()
{
    delete ui;
}

void ExportTomoVelData::on_buttonBox_accepted()
{
    // QString::toDouble always reads a decimal point, whatever the interface
    // language; a failed conversion gives 0.0.
    yCoord = ui->y_coord_edit->text().toDouble();
    zOffset = ui->z_offset_edit->text().toDouble();
}
