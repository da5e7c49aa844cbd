#include "zoomgeometry_dialog.h"
#include "ui_zoomgeometry_dialog.h"

zoomGeometry_Dialog::zoomGeometry_Dialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::zoomGeometry_Dialog>())
{
    ui->setupUi(this);
}

zoomGeometry_Dialog::~zoomGeometry_Dialog() = default;

showGeometry* zoomGeometry_Dialog::plot() const
{
    return ui->widget;
}

void zoomGeometry_Dialog::on_pushButton_clicked()
{
    close();
}
