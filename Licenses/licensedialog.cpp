#include "licensedialog.h"
#include "ui_licensedialog.h"

#include <QUrl>

licenseDialog::licenseDialog(const QString& source, QWidget* parent)
    : QDialog(parent), ui(new Ui::licenseDialog)
{
    ui->setupUi(this);
    ui->textBrowser->setSource(QUrl(source));
}

licenseDialog::~licenseDialog()
{
    delete ui;
}
