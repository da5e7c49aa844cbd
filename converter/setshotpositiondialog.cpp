#include "setshotpositiondialog.h"

#include "ui_setshotpositiondialog.h"

#include "splitstring.h"

SetShotPositionDialog::SetShotPositionDialog(std::string fileName, double* x, double* z,
                                             QWidget* parent)
    : QDialog(parent), ui(new Ui::SetShotPositionDialog)
{
    ui->setupUi(this);
    ui->fileNameLabel->setText(QString::fromStdString(fileName));
    // QString::asprintf follows no locale: "%f" always has a decimal point.
    ui->lineEdit->setText(QString::asprintf("%f", *x));
    ui->lineEdit_2->setText(QString::asprintf("%f", *z));
}

SetShotPositionDialog::~SetShotPositionDialog()
{
    delete ui;
}

void SetShotPositionDialog::values(double& x, double& z) const
{
    x = typedNumberOrZero(ui->lineEdit->text().toStdString());
    z = typedNumberOrZero(ui->lineEdit_2->text().toStdString());
}
