#include "addhandledialog.h"
#include "ui_addhandledialog.h"

#include <QPushButton>

AddHandleDialog::AddHandleDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::AddHandleDialog>())
{
    ui->setupUi(this);
}

AddHandleDialog::~AddHandleDialog() = default;

void AddHandleDialog::setErrorText(const std::string& text)
{
    ui->errorLabel->setText(QString::fromStdString(text));
}

QSpinBox* AddHandleDialog::valueBox() const
{
    return ui->valueBox;
}
QLabel* AddHandleDialog::errorLabel() const
{
    return ui->errorLabel;
}
QPushButton* AddHandleDialog::okButton() const
{
    return ui->buttonBox->button(QDialogButtonBox::Ok);
}

void AddHandleDialog::updateErrorMessage(int v)
{
    const bool used = usedValues.count(v) > 0;
    okButton()->setEnabled(!used);
    ui->errorLabel->setText(used ? tr("ERROR. Color already set for this value.") : QString());
    repaint();
}
