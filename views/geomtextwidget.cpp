#include "geomtextwidget.h"
#include "ui_geomtextwidget.h"

geomTextWidget::geomTextWidget(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::geomTextWidget>())
{
    ui->setupUi(this);
    setMinimumHeight(85);
    setMaximumHeight(85);
    connect(ui->checkBox, &QCheckBox::stateChanged, this, &geomTextWidget::changed_selection);
}

geomTextWidget::~geomTextWidget() = default;

bool geomTextWidget::isChecked() const
{
    return ui->checkBox->isChecked();
}

void geomTextWidget::setChecked(bool checked)
{
    ui->checkBox->setChecked(checked);
}

void geomTextWidget::setHtml(const QString& html)
{
    ui->textEdit->setHtml(html);
}

void geomTextWidget::changed_selection(int)
{
    emit changed_selection_status();
}
