#include "runtomography_dialog.h"
#include "ui_runtomography_dialog.h"

runTomography_Dialog::runTomography_Dialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::runTomography_Dialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Tomography Settings"));
    connect(ui->minVelEdit, qOverload<int>(&QSpinBox::valueChanged), this,
            &runTomography_Dialog::checkMinWRTMax);
    connect(ui->maxVelEdit, qOverload<int>(&QSpinBox::valueChanged), this,
            &runTomography_Dialog::checkMaxWRTMin);
}

runTomography_Dialog::~runTomography_Dialog()
{
    delete ui;
}

void runTomography_Dialog::setVelocityLimits(int minimum, int maximum)
{
    // The maximum first when it grows, so that neither value is clamped by the other.
    if (maximum >= ui->maxVelEdit->value()) {
        ui->maxVelEdit->setValue(maximum);
        ui->minVelEdit->setValue(minimum);
    } else {
        ui->minVelEdit->setValue(minimum);
        ui->maxVelEdit->setValue(maximum);
    }
}

void runTomography_Dialog::checkMinWRTMax(int v)
{
    if (v > ui->maxVelEdit->value())
        ui->minVelEdit->setValue(ui->maxVelEdit->value());
}

void runTomography_Dialog::checkMaxWRTMin(int v)
{
    if (v < ui->minVelEdit->value())
        ui->maxVelEdit->setValue(ui->minVelEdit->value());
}

void runTomography_Dialog::on_buttonBox_accepted()
{
    // The values, not the texts: those follow the language's number format.
    externalIterations = ui->extIter_edit->value();
    solverIterations = ui->solvIter_Edit->value();
    smoothingParameter = ui->smooth_Edit->value();
    singleThread = ui->checkBox->isChecked();
    minimumVelocity = ui->minVelEdit->value();
    maximumVelocity = ui->maxVelEdit->value();
    symmetricSmoothing = ui->symmetricSmoothCBox->isChecked();
    smoothingType = ui->typeOfSmoothingCBox->currentIndex();
}
