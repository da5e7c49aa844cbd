#include "setvelocitywidget.h"
#include "ui_setvelocitywidget.h"

setVelocityWidget::setVelocityWidget(QWidget* parent)
    : QWidget(parent), ui(new Ui::setVelocityWidget)
{
    ui->setupUi(this);
    setStyleSheet(" border-top: 1px solid grey;                      border-bottom: 1px solid "
                  "grey;");
    ui->checkBox->setStyleSheet("border: 0px solid grey;");
}

setVelocityWidget::~setVelocityWidget()
{
    delete ui;
}

void setVelocityWidget::getValues(double& initialDepth, double& initialVelocity, double& finalDepth,
                                  double& finalVelocity) const
{
    initialDepth = ui->d1Edit->value();
    initialVelocity = ui->v1Edit->value();
    finalDepth = ui->d2Edit->value();
    finalVelocity = ui->v2Edit->value();
}

void setVelocityWidget::setValues(double initialDepth, double initialVelocity, double finalDepth,
                                  double finalVelocity)
{
    ui->d1Edit->setValue(initialDepth);
    ui->v1Edit->setValue(int(initialVelocity));
    ui->d2Edit->setValue(finalDepth);
    ui->v2Edit->setValue(int(finalVelocity));
}

bool setVelocityWidget::isChecked() const
{
    return ui->checkBox->isChecked();
}

void setVelocityWidget::on_d1Edit_editingFinished()
{
    emit lineEditModified();
}

void setVelocityWidget::on_v1Edit_editingFinished()
{
    emit lineEditModified();
}

void setVelocityWidget::on_d2Edit_editingFinished()
{
    emit lineEditModified();
}

void setVelocityWidget::on_v2Edit_editingFinished()
{
    emit lineEditModified();
}
