#include "setprojecttitle.h"
#include "ui_setprojecttitle.h"

setProjectTitle::setProjectTitle(QWidget* parent) : QDialog(parent), ui(new Ui::setProjectTitle)
{
    ui->setupUi(this);
}

setProjectTitle::~setProjectTitle()
{
    delete ui;
}

void setProjectTitle::setText(const std::string& text)
{
    title = text;
    ui->titleEdit->setText(QString::fromStdString(text));
}

void setProjectTitle::on_buttonBox_accepted()
{
    title = ui->titleEdit->text().toStdString();
}
