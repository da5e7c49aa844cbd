#include "progresstomography_dialog.h"
#include "ui_progresstomography_dialog.h"

#include <QCoreApplication>
#include <QPushButton>

ProgressTomography_Dialog::ProgressTomography_Dialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::ProgressTomography_Dialog)
{
    ui->setupUi(this);
}

ProgressTomography_Dialog::~ProgressTomography_Dialog()
{
    delete ui;
}

void ProgressTomography_Dialog::setIterations(int n)
{
    totalIterations = n;
    ui->progressBar->setRange(0, 100);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

void ProgressTomography_Dialog::logIteration()
{
    logText += tr("Completed iteration ") + QString::number(int(completedIterations)) + "\n";
    ui->textBrowser->setText(logText);
    ui->textBrowser->update();
}

void ProgressTomography_Dialog::updateProgress()
{
    ui->progressBar->setValue(int(completedIterations / totalIterations * 100.0));
    ui->progressBar->update();
    QCoreApplication::processEvents();
}

void ProgressTomography_Dialog::reject()
{
    emit stopped();
}

void ProgressTomography_Dialog::on_buttonBox_rejected()
{
    emit stopped();
}
