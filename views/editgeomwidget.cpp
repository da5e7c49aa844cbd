#include "editgeomwidget.h"
#include "ui_editgeomwidget.h"

editGeomWidget::editGeomWidget(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::editGeomWidget>())
{
    ui->setupUi(this);
}

editGeomWidget::~editGeomWidget() = default;

void editGeomWidget::setRow(const QString& name, double x, double z)
{
    ui->lineName->setText(name);
    setX(x);
    setZ(z);
}

void editGeomWidget::setX(double x)
{
    ui->xEdit->setValue(x);
}

void editGeomWidget::setZ(double z)
{
    ui->yEdit->setValue(z);
}

double editGeomWidget::x() const
{
    return ui->xEdit->value();
}

double editGeomWidget::z() const
{
    return ui->yEdit->value();
}

std::vector<NumberRange> editGeomWidget::ranges()
{
    // The form is the one place the limits are written.
    const editGeomWidget row;
    return {{row.ui->xEdit->minimum(), row.ui->xEdit->maximum()},
            {row.ui->yEdit->minimum(), row.ui->yEdit->maximum()}};
}
