#pragma once
// "Tomography Settings": the parameters of one inversion run.

#include <QDialog>

#include <cstdint>

namespace Ui
{
class runTomography_Dialog;
}

class runTomography_Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit runTomography_Dialog(QWidget* parent = nullptr);
    ~runTomography_Dialog() override;

    // Presets the velocity limits (m/s).
    void setVelocityLimits(int minimum, int maximum);

    // Written by OK only; read after an accepted exec().
    int32_t externalIterations = 0;
    int32_t solverIterations = 0;
    int32_t smoothingParameter = 0;
    int32_t smoothingType = 0; // 0 uniform, 1 linear, 2 Gaussian, 3 ray based
    double minimumVelocity = 0.0;
    double maximumVelocity = 0.0;
    bool singleThread = false;
    bool symmetricSmoothing = false;

private slots:
    void on_buttonBox_accepted();
    // Keep the minimum at or below the maximum, and the maximum at or above
    // the minimum.
    void checkMinWRTMax(int v);
    void checkMaxWRTMin(int v);

private:
    Ui::runTomography_Dialog* ui;
};
