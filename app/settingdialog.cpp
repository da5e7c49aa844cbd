#include "settingdialog.h"
#include "ui_settingdialog.h"

#include <QPushButton>

SettingDialog::SettingDialog(const LanguageList& languages, int currentIndex, QWidget* parent)
    : QDialog(parent), selectedLanguage(currentIndex), ui(new Ui::SettingDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("User Settings"));
    ui->toolBox->setItemText(0, tr("Languages"));
    for (const auto& language : languages)
        ui->lang_combobox->addItem(languageDisplayName(language.first));
    ui->lang_combobox->setCurrentIndex(currentIndex);
    connect(ui->lang_combobox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SettingDialog::update_selected_language);
}

SettingDialog::~SettingDialog()
{
    delete ui;
}

void SettingDialog::languageOnlyMode()
{
    setWindowTitle(tr("Tervanelo - User Settings"));
    ui->toolBox->setItemText(0, tr("Select your language:"));
    ui->toolBox->setCurrentIndex(0);
    ui->toolBox->setItemEnabled(1, false);
    ui->toolBox->setItemText(1, QString());
    QWidget* travelTimePage = ui->toolBox->widget(1);
    ui->toolBox->removeItem(1);
    delete travelTimePage;
    resize(width(), 150);
    // By role, not by position: the button order follows the platform.
    if (QPushButton* cancel = ui->buttonBox->button(QDialogButtonBox::Cancel)) {
        ui->buttonBox->removeButton(cancel);
        delete cancel;
    }
}

bool SettingDialog::isZoomIn() const
{
    return ui->zoomCB->isChecked();
}
void SettingDialog::setZoomIn(bool on)
{
    ui->zoomCB->setChecked(on);
}
bool SettingDialog::isCutHorizontal() const
{
    return ui->cutCB->isChecked();
}
void SettingDialog::setCutHorizontal(bool on)
{
    ui->cutCB->setChecked(on);
}
bool SettingDialog::isFillWiggle() const
{
    return ui->wiggleCB->isChecked();
}
void SettingDialog::setFillWiggle(bool on)
{
    ui->wiggleCB->setChecked(on);
}
bool SettingDialog::isShowAllTraces() const
{
    return ui->showAllCB->isChecked();
}
void SettingDialog::setShowAllTraces(bool on)
{
    ui->showAllCB->setChecked(on);
}
bool SettingDialog::isShowFiltered() const
{
    return ui->filteredCB->isChecked();
}
void SettingDialog::setShowFiltered(bool on)
{
    ui->filteredCB->setChecked(on);
}
bool SettingDialog::isTwoColors() const
{
    return ui->use_two_colors->isChecked();
}
void SettingDialog::setTwoColors(bool on)
{
    ui->use_two_colors->setChecked(on);
}

void SettingDialog::update_selected_language(int index)
{
    selectedLanguage = index;
}
