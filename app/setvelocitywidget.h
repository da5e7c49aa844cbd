#pragma once
// One row of the layered starting model: initial depth and velocity, final
// depth and velocity, and a box that marks the row for removal. Velocities are
// whole metres per second.

#include <QWidget>

namespace Ui
{
class setVelocityWidget;
}

class setVelocityWidget : public QWidget
{
    Q_OBJECT

public:
    explicit setVelocityWidget(QWidget* parent = nullptr);
    ~setVelocityWidget() override;

    void getValues(double& initialDepth, double& initialVelocity, double& finalDepth,
                   double& finalVelocity) const;
    // Velocities are truncated to whole numbers.
    void setValues(double initialDepth, double initialVelocity, double finalDepth,
                   double finalVelocity);
    bool isChecked() const;

signals:
    void lineEditModified();

private slots:
    void on_d1Edit_editingFinished();
    void on_v1Edit_editingFinished();
    void on_d2Edit_editingFinished();
    void on_v2Edit_editingFinished();

private:
    Ui::setVelocityWidget* ui;
};
