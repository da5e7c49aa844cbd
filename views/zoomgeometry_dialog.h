#pragma once
// The geometry plot enlarged in a resizable dialog, opened by a click on a plot.

#include <QDialog>

#include <memory>

class showGeometry;

namespace Ui
{
class zoomGeometry_Dialog;
}

class zoomGeometry_Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit zoomGeometry_Dialog(QWidget* parent = nullptr);
    ~zoomGeometry_Dialog() override;

    showGeometry* plot() const;

private slots:
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::zoomGeometry_Dialog> ui;
};
