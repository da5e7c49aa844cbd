#include "chart2dviewer.h"

#include <vtkAxis.h>
#include <vtkCamera.h>
#include <vtkChartXY.h>
#include <vtkContextActor.h>
#include <vtkContextScene.h>
#include <vtkFloatArray.h>
#include <vtkGenericOpenGLRenderWindow.h>
#include <vtkNew.h>
#include <vtkPlot.h>
#include <vtkRenderer.h>
#include <vtkTable.h>

#include <algorithm>
#include <iostream>

Chart2DViewer::Chart2DViewer(QWidget* parent) : QVTKOpenGLNativeWidget(parent)
{
    setFormat(QVTKOpenGLNativeWidget::defaultFormat());
    setEnableHiDPI(true);
    renderer = vtkSmartPointer<vtkRenderer>::New();
    renderer->ResetCamera();
    vtkNew<vtkGenericOpenGLRenderWindow> window;
    setRenderWindow(window);
    renderer->SetBackground(0.9, 0.9, 0.9);
    renderWindow()->AddRenderer(renderer);
}

Chart2DViewer::~Chart2DViewer() = default;

void Chart2DViewer::resizeEvent(QResizeEvent* event)
{
    QVTKOpenGLNativeWidget::resizeEvent(event);
}

int Chart2DViewer::addLine(std::string name, const std::vector<double>& x,
                           const std::vector<double>& y, const QColor& colour)
{
    if (lines.count(name)) {
        std::cerr << "Line " << name << " already exists " << std::endl;
        return 0;
    }
    if (x.size() != y.size()) {
        std::cerr << "Cannot create line " << name
                  << " because x and y vectors have different size. " << std::endl;
        return 2;
    }
    ChartLine line;
    for (size_t i = 0; i < x.size(); ++i)
        line.points.emplace(x[i], y[i]);
    line.colour = colour;
    line.width = 1.0;
    lines.emplace(std::move(name), std::move(line));
    return 3;
}

int Chart2DViewer::removeLine(const std::string& name)
{
    if (!lines.count(name)) {
        std::cerr << "Line " << name << " does not exist " << std::endl;
        return 1;
    }
    const auto shown = std::find(shownLines.begin(), shownLines.end(), name);
    if (shown != shownLines.end()) {
        shownLines.erase(shown);
        renderLines(std::vector<std::string>(shownLines));
    }
    return 3;
}

void Chart2DViewer::renderAll()
{
    std::vector<std::string> names;
    for (const auto& entry : lines)
        names.push_back(entry.first);
    renderLines(names);
}

void Chart2DViewer::renderLines(const std::vector<std::string>& names)
{
    std::vector<std::string> drawn;
    for (const std::string& name : names) {
        if (!lines.count(name)) {
            std::cerr << "[WARNING] Line " << name << " cannot be shown (it does not exist)."
                      << std::endl;
            continue;
        }
        drawn.push_back(name);
    }

    vtkNew<vtkContextActor> actor;
    vtkNew<vtkChartXY> chart;
    actor->GetScene()->AddItem(chart);
    for (const std::string& name : drawn) {
        std::cout << "Showing line " << name << std::endl;
        const ChartLine& line = lines.at(name);
        vtkNew<vtkTable> table;
        vtkNew<vtkFloatArray> xColumn;
        xColumn->SetName(xAxisTitle.c_str());
        vtkNew<vtkFloatArray> yColumn;
        yColumn->SetName(name.c_str());
        table->AddColumn(xColumn);
        table->AddColumn(yColumn);
        table->SetNumberOfRows(vtkIdType(line.points.size()));
        vtkIdType row = 0;
        for (const auto& point : line.points) {
            table->SetValue(row, 0, point.first);
            table->SetValue(row, 1, point.second);
            ++row;
        }
        vtkPlot* plot = chart->AddPlot(vtkChart::LINE);
        plot->SetInputData(table, 0, 1);
        plot->SetColor(line.colour.red() / 255.0, line.colour.green() / 255.0,
                       line.colour.blue() / 255.0);
        plot->SetWidth(float(line.width));
    }
    chart->GetAxis(vtkAxis::BOTTOM)->SetTitle(xAxisTitle);
    chart->GetAxis(vtkAxis::LEFT)->SetTitle(yAxisTitle);
    chart->SetShowLegend(showLegend);

    renderer->RemoveAllViewProps();
    renderer->AddActor(actor);
    renderWindow()->Render();
    shownLines = drawn;
}
