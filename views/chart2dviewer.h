#pragma once
// A small 2-D line chart drawn by VTK. Lines are stored by name and drawn
// only on request; misuse is reported on stderr and by result codes.

#include <QColor>
#include <QVTKOpenGLNativeWidget.h>
#include <vtkSmartPointer.h>

#include <map>
#include <string>
#include <vector>

class vtkRenderer;

struct ChartLine {
    std::multimap<double, double> points; // x -> y, equal x kept in insertion order
    QColor colour = Qt::black;
    double width = 1.0;
};

class Chart2DViewer : public QVTKOpenGLNativeWidget
{
public:
    explicit Chart2DViewer(QWidget* parent = nullptr);
    ~Chart2DViewer() override;

    // 3 when stored (not yet drawn), 0 when the name exists, 2 when x and y
    // differ in length.
    int addLine(std::string name, const std::vector<double>& x, const std::vector<double>& y,
                const QColor& colour);
    // 1 when the name is unknown, else 3. Redraws the remaining shown lines
    // if the line was shown; the stored entry stays for the caller to erase.
    int removeLine(const std::string& name);
    // Every stored line, in name order.
    void renderAll();
    // The named lines; unknown names are skipped with a warning.
    void renderLines(const std::vector<std::string>& names);

    std::string yAxisTitle = "Y";
    std::string xAxisTitle = "X";
    bool showLegend = true;
    std::map<std::string, ChartLine> lines;
    std::vector<std::string> shownLines;
    vtkSmartPointer<vtkRenderer> renderer;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
