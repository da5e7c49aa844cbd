#include "setshotpositiondialog.h"

#include "ui_setshotpositiondialog.h"

#include "splitstring.h"

#include <QMessageBox>

namespace
{

// The edit's text as a number; false when it holds none.
bool typedNumber(const QLineEdit* edit, double& value)
{
    return parseNumberField(edit->text().toStdString(), value);
}

} // namespace

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
    typedNumber(ui->lineEdit, x);
    typedNumber(ui->lineEdit_2, z);
}

void SetShotPositionDialog::accept()
{
    // A field that is no number would place the shot at 0 without a word.
    for (QLineEdit* edit : {ui->lineEdit, ui->lineEdit_2}) {
        double value = 0.0;
        if (typedNumber(edit, value))
            continue;
        const QString name = edit == ui->lineEdit ? ui->label_2->text() : ui->label_3->text();
        QMessageBox::warning(this, "Warning",
                             QString("%1 is not a number: \"%2\"").arg(name, edit->text()));
        edit->setFocus();
        edit->selectAll();
        return;
    }
    QDialog::accept();
}
