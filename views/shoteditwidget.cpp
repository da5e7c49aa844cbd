#include "shoteditwidget.h"
#include "ui_shoteditwidget.h"

shotEditWidget::shotEditWidget(const QString& title, std::pair<double, double> position,
                               QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::shotEditWidget>())
{
    ui->setupUi(this);
    ui->label->setText(title);
    ui->lineEdit->setValue(position.first);
    ui->lineEdit_2->setValue(position.second);
}

shotEditWidget::~shotEditWidget() = default;

void shotEditWidget::fillSpreadCombo(int count, int current)
{
    for (int i = 0; i < count; ++i)
        ui->comboBox->addItem(QString::number(i), i);
    ui->comboBox->setCurrentIndex(current >= 0 && current < count ? current : -1);
}

int shotEditWidget::spreadId() const
{
    return ui->comboBox->currentData().toInt(); // 0 when none is chosen
}

double shotEditWidget::x() const
{
    return ui->lineEdit->value();
}

double shotEditWidget::z() const
{
    return ui->lineEdit_2->value();
}
