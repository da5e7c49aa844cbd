#pragma once
// Which pictures an image series or a report makes, and how the section
// pictures look. The caller offers the pictures that can be made (the
// availability setters), runs exec() and reads the options after OK; a box
// never offered stays disabled and its option false.

#include <QColor>
#include <QDialog>
#include <QString>

namespace Ui
{
class selectExport;
}

struct ExportImageOptions {
    QColor backgroundColor;
    bool exportTraces = false;
    bool exportTT = false;
    bool exportProf = false;
    bool exportProfVelocityRays = false;
    bool exportProfIsolines = false;
    bool exportProfIsolinesFilled = false;
    bool exportProfIsolinesOnGradient = false;
    bool exportProfIsolinesOnLaplacian = false;
    bool exportProfGradient = false;
    bool exportProfGradientRays = false;
    bool exportProfLaplacian = false;
    bool exportProfLaplacianRays = false;
    bool exportEquidistantLabels = false;
    bool exportHorizontalColorBar = true;
    bool usesNewEngine = true;
    double fontScaleFactor = 1.0;
    int numberOfLabels = 1; // contour-label density: 0 less, 1 normal, 2 more
};

class selectExport : public QDialog, public ExportImageOptions
{
    Q_OBJECT

public:
    explicit selectExport(const QColor& background, QWidget* parent = nullptr);
    ~selectExport() override;

    // Document mode: no file basename, the report's title.
    void setDocumentExport();
    void disableTracesExport();
    QString fileBasename() const;
    void setFontScaleFactor(double f);
    void setNumberOfLabels(int n);

public slots:
    // Each says its value on standard output; true offers and checks the box.
    void setExportTraces(bool b);
    void setExportTT(bool b);
    void setExportProf(bool b);
    void setExportProfIsolines(bool b);
    void setExportProfIsolinesOnGradient(bool b);
    void setExportProfIsolinesOnLaplacian(bool b);
    void setExportProfIsolinesFilled(bool b);
    void setExportProfVelocityRays(bool b);
    void setExportProfGradient(bool b);
    void setExportProfGradientRays(bool b);
    void setExportProfLaplacian(bool b);
    void setExportProfLaplacianRays(bool b);
    void setExportEquidistantLabels(bool b);
    void setExportHorizontalColorBar(bool b);
    void setUsesNewEngine(bool b);

private slots:
    void on_buttonBox_accepted();
    void on_horizontalBarCB_stateChanged(int state);
    void on_botton_background_clicked();

private:
    void paintColorButton();
    Ui::selectExport* ui;
};
