#pragma once
// The map reference of the line: easting and northing of the first and the
// last geophone (metres in the projected system) and its EPSG code. The
// values are read after an accepted exec(); the dialog is accepted only when
// every edit holds a number (a decimal comma reads as a point).

#include <QDialog>

#include <cstdint>

namespace Ui
{
class setGeographyDialog;
}

class setGeographyDialog : public QDialog
{
    Q_OBJECT

public:
    explicit setGeographyDialog(QWidget* parent = nullptr);
    ~setGeographyDialog() override;

    // Shows each coordinate with four decimals and the code in decimal.
    void set(double eastFirst, double eastLast, double northFirst, double northLast, uint32_t epsg);

    double estFstGeoph = 0.0;
    double estLstGeoph = 0.0;
    double northFstGeoph = 0.0;
    double northLstGeoph = 0.0;
    uint32_t epsg = 0;

private slots:
    void on_buttonBox_accepted();

private:
    Ui::setGeographyDialog* ui;
};
