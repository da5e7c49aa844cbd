#include "setgeographydialog.h"

#include "ui_setgeographydialog.h"

#include "typedfields.h"

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
    // A coordinate read as 0 would place the line off the map without a word:
    // every field must hold a number, and nothing is stored until all do.
    auto name = [](const QLabel* label) {
        QString text = label->text().trimmed();
        if (text.endsWith(':'))
            text.chop(1);
        return text.trimmed();
    };
    double eastFirst = 0.0, eastLast = 0.0, northFirst = 0.0, northLast = 0.0;
    uint32_t code = 0;
    const EmptyEdit refused = EmptyEdit::Refused;
    if (!readTypedNumber(this, ui->estFstGeoph, name(ui->label), refused, eastFirst) ||
        !readTypedNumber(this, ui->northFstGeoph, name(ui->label_3), refused, northFirst) ||
        !readTypedNumber(this, ui->estLstGeoph, name(ui->label_2), refused, eastLast) ||
        !readTypedNumber(this, ui->northLstGeoph, name(ui->label_4), refused, northLast) ||
        !readTypedCode(this, ui->epsgEdit, name(ui->label_5), code))
        return;
    estFstGeoph = eastFirst;
    estLstGeoph = eastLast;
    northFstGeoph = northFirst;
    northLstGeoph = northLast;
    epsg = code;
    accept();
}
