#pragma once
// Asks an optional y coordinate and z offset for the gridded velocity export.

#include <QDialog>

namespace Ui
{
class ExportTomoVelData;
}

class ExportTomoVelData : public QDialog
{
    Q_OBJECT

public:
    explicit ExportTomoVelData(QWidget* parent = nullptr);
    ~ExportTomoVelData() override;

    // Read after an accepted exec(); an empty edit gives 0.0, other text that
    // is not a number is refused and the dialog stays open.
    double yCoord = 0.0;
    double zOffset = 0.0;

private slots:
    void on_buttonBox_accepted();

private:
    Ui::ExportTomoVelData* ui;
};
