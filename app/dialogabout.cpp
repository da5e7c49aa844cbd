#include "dialogabout.h"
#include "ui_dialogabout.h"

#include "initresources.h"
#include "licensedialog.h"

DialogAbout::DialogAbout(QWidget* parent) : QDialog(parent), ui(new Ui::DialogAbout)
{
    tervanelo::initResources();
    ui->setupUi(this);
    ui->versionLabel->setText(tr("Version: ") + QStringLiteral("2022.0"));
    setWindowTitle(tr("About"));
}

DialogAbout::~DialogAbout()
{
    delete ui;
}

void DialogAbout::on_pushButton_clicked()
{
    licenseDialog dialog(QStringLiteral("qrc:/licenses/tervoLicense"));
    dialog.exec();
}

void DialogAbout::on_pushButton_2_clicked()
{
    licenseDialog dialog(QStringLiteral("qrc:/licenses/qtlgpl"));
    dialog.exec();
}
