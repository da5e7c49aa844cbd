#include "sectionfixture.h"

#include "Splines.hh"
#include "contourlevels.h"
#include "grid.h"
#include "refractiondatastructure.h"
#include "vtkviewer.h"

#include <QTest>

#include <vtkRenderWindow.h>

#include <cmath>

namespace sectionfixture
{

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

void setShowcase(TomoDocument& doc, refractionDataStructure& refraction)
{
    const uint32_t rows = 12, columns = 40;
    setSection(doc, rows, columns, [](uint32_t r, uint32_t c) {
        return 800.0 + 90.0 * r + 150.0 * std::sin(c / 6.0) * (r / 11.0);
    });
    for (uint32_t r = 0; r < rows; ++r)
        for (uint32_t c = 0; c < columns; ++c) {
            const size_t i = static_cast<size_t>(r) * columns + c;
            // The covered area narrows with depth.
            doc.grid->cells[i].to_be_draw = r < 6 || (c + 6 > r && c < columns + 5 - r);
            doc.info_density[i] = 12.0 - 0.8 * r + 2.0 * std::cos(c / 5.0);
        }
    addSurvey(doc, 2.0);

    // Rays on the node lines (2 nodes per side: node L * (columns + 1) + k
    // sits at grid x = k, depth L), from each shot down and back up.
    doc.rayPaths.clear();
    for (int shot : {0, 20, 40})
        for (int receiver = 2; receiver <= 38; receiver += 4) {
            if (receiver == shot)
                continue;
            std::vector<int> path;
            const int span = std::abs(receiver - shot);
            const int deepest = std::min<int>(rows, 1 + span / 4);
            const int step = receiver > shot ? 1 : -1;
            for (int k = 0; k <= span; ++k) {
                const int depth =
                    static_cast<int>(std::lround(deepest * (1.0 - std::abs(2.0 * k / span - 1.0))));
                path.push_back(depth * static_cast<int>(columns + 1) + shot + step * k);
            }
            doc.rayPaths.push_back(path);
        }

    refraction = refractionDataStructure();
    refractionDataStructure::phantom phantom;
    std::vector<double> depth;
    for (int j = 0; j < 20; ++j) {
        phantom.pos.push_back({2.0 * j, 0.0});
        depth.push_back(j == 9 ? 0.0 : 5.0 + 1.5 * std::sin(j / 3.0));
    }
    refraction.phnt_A = {phantom, phantom};
    refraction.refractData.cData[0].z = depth;
    doc.RMSE_tomography = 2.5;
    doc.title = "Showcase";
}

void showcaseContours(vtkViewer& view)
{
    view.contourFilter = makeContourFilter(view.structuredGrid, view.velocityArray, {}, 4);
}

void fitPalette(vtkViewer& view, int type)
{
    vtkViewer::Range range = view.velocityRange;
    if (type >= 7 && type <= 9)
        range = view.gradientRange;
    else if (type >= 10 && type <= 12)
        range = view.laplacianRange;
    else if (type >= 13 && type <= 15)
        range = view.densityRange;
    ColorPalette palette = view.palette;
    palette.min_db = range.first;
    palette.max_db = range.second;
    view.setPalette(palette);
}

void showView(vtkViewer& view, int width, int height)
{
    view.resize(width, height);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return;
    view.updateScalarArrays();
    view.resetView(6);
}

QImage grab(vtkViewer& view)
{
    view.renderWindow()->Render();
    return view.grabFramebuffer();
}

} // namespace sectionfixture
