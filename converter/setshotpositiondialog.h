#pragma once
// Asks the position of the shot of one generic travel-time file.

#include <QDialog>

#include <string>

namespace Ui
{
class SetShotPositionDialog;
}

class SetShotPositionDialog : public QDialog
{
    Q_OBJECT

public:
    // Shows fileName and pre-fills the fields with *x and *z ("%f").
    SetShotPositionDialog(std::string fileName, double* x, double* z, QWidget* parent = nullptr);
    ~SetShotPositionDialog() override;

    // The fields as numbers; a field that holds none leaves its value as it
    // was (an accepted dialog always holds two).
    void values(double& x, double& z) const;
    // Closes the dialog only when both fields hold numbers; otherwise a box
    // names the field and the dialog stays open.
    void accept() override;

    Ui::SetShotPositionDialog* ui;
};
