#include "set_screenshot_scale_dialog.h"
#include "ui_set_screenshot_scale_dialog.h"

set_screenshot_scale_dialog::set_screenshot_scale_dialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::set_screenshot_scale_dialog)
{
    ui->setupUi(this);
}

set_screenshot_scale_dialog::~set_screenshot_scale_dialog()
{
    delete ui;
}

double set_screenshot_scale_dialog::scale() const
{
    return ui->screenshot_scale_SpinBox->value();
}
