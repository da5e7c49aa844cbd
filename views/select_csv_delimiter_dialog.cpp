#include "select_csv_delimiter_dialog.h"
#include "ui_select_csv_delimiter_dialog.h"

#include "geometryfiles.h"

SelectCSVDelimiterDialog::SelectCSVDelimiterDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::SelectCSVDelimiterDialog>())
{
    ui->setupUi(this);
    // The item texts may be translated; the delimiters themselves may not.
    const char* delimiters[] = {BlankSpaceDelimiter, ";", ","};
    for (int i = 0; i < ui->comboBox->count(); ++i)
        ui->comboBox->setItemData(i, QString(delimiters[i]));
}

SelectCSVDelimiterDialog::~SelectCSVDelimiterDialog() = default;

std::string SelectCSVDelimiterDialog::delimiter() const
{
    return ui->comboBox->currentData().toString().toStdString();
}
