#include "setgeographydialog.h"

#include "ui_setgeographydialog.h"

#include "splitstring.h"

setGeographyDialog::setGeographyDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::setGeographyDialog)
{
    ui->setupUi(this);
    ui->epsg_label->setText(QStringLiteral("<a href=\"https://epsg.io/\">%1</a>")
                                .arg(tr("List of EPSG code. Open in browser.")));
    ui->epsg_label->setTextFormat(Qt::RichText);
    ui->epsg_label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    ui->epsg_label->setOpenExternalLinks(true);
}

setGeographyDialog::~setGeographyDialog()
{
    delete ui;
}

void setGeographyDialog::set(double eastFirst, double eastLast, double northFirst, double northLast,
                             uint32_t code)
{
    estFstGeoph = eastFirst;
    estLstGeoph = eastLast;
    northFstGeoph = northFirst;
    northLstGeoph = northLast;
    epsg = code;
    ui->estFstGeoph->setText(QString::number(eastFirst, 'f', 4));
    ui->estLstGeoph->setText(QString::number(eastLast, 'f', 4));
    ui->northFstGeoph->setText(QString::number(northFirst, 'f', 4));
    ui->northLstGeoph->setText(QString::number(northLast, 'f', 4));
    ui->epsgEdit->setText(QString::number(code));
}

void setGeographyDialog::on_buttonBox_accepted()
{
    // Text that is no number, or no code, gives 0.
    estFstGeoph = typedNumberOrZero(ui->estFstGeoph->text().toStdString());
    estLstGeoph = typedNumberOrZero(ui->estLstGeoph->text().toStdString());
    northFstGeoph = typedNumberOrZero(ui->northFstGeoph->text().toStdString());
    northLstGeoph = typedNumberOrZero(ui->northLstGeoph->text().toStdString());
    int64_t code = 0;
    parseIntegerField(ui->epsgEdit->text().toStdString(), code);
    epsg = code >= 0 && code <= int64_t(UINT32_MAX) ? uint32_t(code) : 0;
}
