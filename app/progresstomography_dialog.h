#pragma once
// "Running tomography ...": the inversion's progress with its log and a stop
// request. The inversion command shows it application-modal for the whole
// run, so the survey cannot be replaced under the running loop; the dialog
// therefore never hides itself: Cancel, Escape and the close button only ask
// for a stop, which the command honours after the current iteration.

#include <QDialog>
#include <QString>

namespace Ui
{
class ProgressTomography_Dialog;
}

class ProgressTomography_Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProgressTomography_Dialog(QWidget* parent = nullptr);
    ~ProgressTomography_Dialog() override;

    // A run of n external iterations begins: the bar runs 0 to 100 and OK
    // stays disabled until the command closes the dialog.
    void setIterations(int n);
    // Appends "Completed iteration <k>" for the completed count.
    void logIteration();
    // The bar at the completed share; lets pending events through.
    void updateProgress();

    double completedIterations = 0.0; // counted up by the command
    double totalIterations = 0.0;
    QString logText;

signals:
    void stopped();

public slots:
    // Escape and the close button: a stop request, the dialog stays.
    void reject() override;

private slots:
    void on_buttonBox_rejected();

private:
    Ui::ProgressTomography_Dialog* ui;
};
