#include "sectionfixture.h"

#include "Splines.hh"
#include "grid.h"
#include "vtkviewer.h"

#include <QTest>

#include <vtkRenderWindow.h>

namespace sectionfixture {

void setSection(TomoDocument& doc, uint32_t rows, uint32_t columns, const VelocityOf& velocity,
                double cell, double xShift)
{
    auto ground = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    const double x[] = {-10000.0, 10000.0};
    const double z[] = {0.0, 0.0};
    ground->buildFromPoints(x, 1, z, 1, 2);
    std::vector<double> slowness;
    for (uint32_t r = 0; r < rows; ++r)
        for (uint32_t c = 0; c < columns; ++c)
            slowness.push_back(1.0 / velocity(r, c));
    doc.grid = std::make_unique<Grid>(rows, columns, 2u, cell, slowness, *ground);
    doc.topography = std::move(ground);
    doc.xShift = xShift;
    doc.info_density.assign(static_cast<size_t>(rows) * columns, -1.0);
}

void addSurvey(TomoDocument& doc, double spacing)
{
    const double length = doc.grid->col * doc.grid->aLato;
    std::vector<Point2D> spread;
    for (double x = spacing; x < length - 1e-9; x += spacing)
        spread.push_back({x - doc.xShift, 0.0});
    doc.goephonesStringSet = {spread};
    doc.ttArray.clear();
    for (double x : {0.0, length}) {
        TravelTime record;
        record.shotPos2d = {x - doc.xShift, 0.0};
        record.ttMisurati.assign(spread.size(), 0.0);
        record.ttCalcolati.assign(spread.size(), 0.0);
        doc.ttArray.push_back(record);
    }
}

void showView(vtkViewer& view, int width, int height)
{
    view.resize(width, height);
    view.show();
    QTest::qWaitForWindowExposed(&view);
    view.updateScalarArrays();
    view.resetView(6);
}

QImage grab(vtkViewer& view)
{
    view.renderWindow()->Render();
    return view.grabFramebuffer();
}

} // namespace sectionfixture
