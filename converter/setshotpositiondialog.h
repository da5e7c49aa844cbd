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

    // The fields as numbers; text that is no number gives 0.
    void values(double& x, double& z) const;

    Ui::SetShotPositionDialog* ui;
};
