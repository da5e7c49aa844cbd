#include "exporttomoveldata.h"
#include "ui_exporttomoveldata.h"

#include "typedfields.h"

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
    // Empty edits shift nothing; other text that is no number keeps the dialog
    // open. The form no longer accepts on its own, so a refusal stores nothing.
    double y = 0.0, z = 0.0;
    if (!readTypedNumber(this, ui->y_coord_edit, ui->label->text(), EmptyEdit::ReadsAsZero, y) ||
        !readTypedNumber(this, ui->z_offset_edit, ui->label_2->text(), EmptyEdit::ReadsAsZero, z))
        return;
    yCoord = y;
    zOffset = z;
    accept();
}
