#include "viewoptionswidget.h"

#include "tomodocument.h"
#include "ui_viewoptionswidget.h"

viewOptionsWidget::viewOptionsWidget(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::viewOptionsWidget>())
{
    ui->setupUi(this);
}

viewOptionsWidget::~viewOptionsWidget() = default;

void viewOptionsWidget::setShotLabel(TomoDocument* d, refractionDataStructure::layerStruct* r,
                                     int i)
{
    document = d;
    record = r;
    index = i;
    if (!document || !record || i < 0 || size_t(i) >= document->ttArray.size())
        return;
    const double x = document->ttArray[size_t(i)].shotPos2d.x;
    ui->shotIDAndPos->setText(QStringLiteral("ID ") + QString::number(i) + QStringLiteral(" X: ") +
                              QString::number(x, 'g', 6) + QStringLiteral(" m"));
}

void viewOptionsWidget::setVisibleChecked(bool on)
{
    ui->visibleCkBox->setChecked(on);
}

void viewOptionsWidget::setEnabledChecked(bool on)
{
    ui->enableCkBox->setChecked(on);
}

void viewOptionsWidget::on_visibleCkBox_stateChanged(int)
{
    emit visibleChanged(index, ui->visibleCkBox->isChecked());
}

void viewOptionsWidget::on_enableCkBox_stateChanged(int)
{
    const bool on = ui->enableCkBox->isChecked();
    emit enableChanged(index, on);
    if (record)
        record->enabled = on;
}
