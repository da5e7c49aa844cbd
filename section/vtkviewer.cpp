#include "vtkviewer.h"

#include "sectiontypes.h"
#include "ui_vtkviewer.h"

#include "vtkviewerinteractor.h"

#include "grid.h"
#include "tomodocument.h"

#include <QVTKInteractor.h>
#include <vtkGenericOpenGLRenderWindow.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkRenderWindow.h>

#include <QSurfaceFormat>

#include <algorithm>

vtkViewer::vtkViewer(QWidget* parent)
    : QVTKOpenGLNativeWidget(parent), ui(std::make_unique<Ui::vtkViewer>())
{
    ui->setupUi(this);
    vtkObject::SetGlobalWarningDisplay(0);

    renderer = vtkSmartPointer<vtkRenderer>::New();
    renderer->ResetCamera();

    QSurfaceFormat format = QVTKOpenGLNativeWidget::defaultFormat();
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    setFormat(format);
    setEnableHiDPI(true);

    vtkNew<vtkGenericOpenGLRenderWindow> window;
    setRenderWindow(window);

    renderer->SetBackground(1.0, 1.0, 1.0);
    renderWindow()->AddRenderer(renderer);

    vtkNew<vtkViewerInteractor> style;
    interactor()->SetInteractorStyle(style);
}

vtkViewer::~vtkViewer() = default;

void vtkViewer::setPalette(const ColorPalette& p)
{
    palette = p;
    if (structuredGrid)
        buildLookupTable();
}

void vtkViewer::resetView(int type)
{
    // Fitted after the scene is rebuilt: the props on the renderer now may
    // still be those of another survey.
    resetCameraPending = true;
    showProfile(type);
}

void vtkViewer::clearSection()
{
    structuredGrid = nullptr;
    gridPoints = nullptr;
    velocityArray = nullptr;
    verticalGradientArray = nullptr;
    laplacianArray = nullptr;
    densityArray = nullptr;
    cubeAxes = nullptr;
    activeCells.clear();
    verticalGradient.clear();
    laplacian.clear();
    velocityRange = gradientRange = laplacianRange = densityRange = UnsetRange;
    renderer->RemoveAllViewProps();
    resetCameraPending = true;
    if (isVisible())
        renderWindow()->Render();
}

void vtkViewer::resizeEvent(QResizeEvent* event)
{
    QVTKOpenGLNativeWidget::resizeEvent(event);
    if (structuredGrid)
        showProfile(sectiontypes::value(SectionType::Current));
}

void vtkViewer::setContourLabelMinPoints(int choice)
{
    switch (choice) {
    case 0:
        contourLabelMinPoints = 30;
        break;
    case 1:
        contourLabelMinPoints = 15;
        break;
    case 2:
        contourLabelMinPoints = 10;
        break;
    default:
        break;
    }
}

// ---- Data arrays ----

namespace
{
void widen(vtkViewer::Range& range, double v)
{
    if (v < range.first)
        range.first = v;
    if (v > range.second)
        range.second = v;
}

vtkSmartPointer<vtkDoubleArray> namedArray(const char* name, const std::vector<double>& values)
{
    auto array = vtkSmartPointer<vtkDoubleArray>::New();
    array->SetNumberOfComponents(1);
    array->SetName(name);
    array->SetNumberOfTuples(static_cast<vtkIdType>(values.size()));
    for (size_t i = 0; i < values.size(); ++i)
        array->SetValue(static_cast<vtkIdType>(i), values[i]);
    return array;
}
} // namespace

std::vector<double> vtkViewer::cellVelocities() const
{
    const Grid& grid = *document->grid;
    std::vector<double> v(grid.numberOfCells());
    for (size_t i = 0; i < v.size(); ++i) {
        const double s = grid.cells[i].slowness;
        v[i] = s == 0.0 ? DBL_MAX : 1.0 / s;
    }
    return v;
}

bool vtkViewer::arraysMatchGrid() const
{
    return document && document->grid && document->grid->numberOfCells() > 0 &&
           activeCells.size() == document->grid->numberOfCells() && structuredGrid &&
           structuredGrid->GetNumberOfPoints() ==
               static_cast<vtkIdType>(document->grid->numberOfCells());
}

void vtkViewer::updateScalarArrays()
{
    buildGrid();
    buildVerticalGradientIsovalues();
    buildLaplacianIsovalues();
    buildInformationDensity();
    if (structuredGrid && velocityArray)
        structuredGrid->GetPointData()->SetScalars(velocityArray);
    buildLookupTable();
}

void vtkViewer::buildGrid()
{
    if (!document || !document->grid || document->grid->numberOfCells() == 0)
        return;
    const Grid& grid = *document->grid;
    const std::vector<double> v = cellVelocities();

    velocityRange = UnsetRange;
    activeCells.clear();
    for (size_t i = 0; i < v.size(); ++i) {
        const bool active = grid.cells[i].to_be_draw;
        if (active)
            widen(velocityRange, v[i]);
        activeCells.push_back(active);
    }

    structuredGrid = vtkSmartPointer<vtkStructuredGrid>::New();
    gridPoints = vtkSmartPointer<vtkPoints>::New();
    gridPoints->SetDataTypeToDouble();
    velocityArray = namedArray("Isovalues", v);
    gridPoints->SetNumberOfPoints(static_cast<vtkIdType>(v.size()));
    for (size_t i = 0; i < v.size(); ++i) {
        const auto [x, z] = grid.cellCentre(static_cast<uint32_t>(i));
        gridPoints->SetPoint(static_cast<vtkIdType>(i), x - document->xShift, -z, 0.0);
    }
    structuredGrid->SetDimensions(static_cast<int>(grid.col), static_cast<int>(grid.righe), 1);
    structuredGrid->SetPoints(gridPoints);
    structuredGrid->GetPointData()->SetScalars(velocityArray);
    for (size_t i = 0; i < v.size(); ++i)
        if (!activeCells[i])
            structuredGrid->BlankPoint(static_cast<vtkIdType>(i));
}

void vtkViewer::buildVerticalGradientIsovalues()
{
    if (!arraysMatchGrid())
        return;
    const Grid& grid = *document->grid;
    const std::vector<double> v = cellVelocities();
    const size_t cols = grid.col;

    gradientRange = UnsetRange;
    verticalGradient.assign(v.size(), 0.0);
    for (size_t i = 0; i < v.size(); ++i) {
        if (i + cols < v.size())
            verticalGradient[i] = v[i + cols] - v[i];
        if (activeCells[i])
            widen(gradientRange, verticalGradient[i]);
    }
    verticalGradientArray = namedArray("VerticalGradientIsovalues", verticalGradient);
    structuredGrid->GetPointData()->AddArray(verticalGradientArray);
}

void vtkViewer::buildLaplacianIsovalues()
{
    if (!arraysMatchGrid())
        return;
    const Grid& grid = *document->grid;
    const std::vector<double> v = cellVelocities();
    const int rows = static_cast<int>(grid.righe);
    const int cols = static_cast<int>(grid.col);

    laplacianRange = UnsetRange;
    laplacian.assign(v.size(), 0.0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const size_t i = static_cast<size_t>(r) * cols + c;
            int n = 0;
            double sum = 0.0;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc) {
                    if ((dr == 0 && dc == 0) || !Grid::isInside(r + dr, c + dc, rows, cols))
                        continue;
                    ++n;
                    sum += v[static_cast<size_t>(r + dr) * cols + (c + dc)];
                }
            laplacian[i] = n * v[i] - sum;
            if (activeCells[i])
                widen(laplacianRange, laplacian[i]);
        }
    laplacianArray = namedArray("LaplacianIsovalues", laplacian);
    structuredGrid->GetPointData()->AddArray(laplacianArray);
}

void vtkViewer::buildInformationDensity()
{
    if (!arraysMatchGrid())
        return;
    const size_t cells = document->grid->numberOfCells();
    const std::vector<double>& stored = document->info_density;
    // A stored project or an interrupted run can hold fewer values than cells.
    std::vector<double> density(cells, -1.0);
    std::copy_n(stored.begin(), std::min(cells, stored.size()), density.begin());

    densityRange = UnsetRange;
    for (size_t i = 0; i < cells; ++i)
        if (activeCells[i])
            widen(densityRange, density[i]);
    densityArray = namedArray("information_density", density);
    structuredGrid->GetPointData()->AddArray(densityArray);
}

vtkViewer::Range vtkViewer::rangeOfType(int type) const
{
    switch (sectiontypes::familyOf(type)) {
    case SectionFamily::Gradient:
        return gradientRange;
    case SectionFamily::Laplacian:
        return laplacianRange;
    case SectionFamily::Density:
        return densityRange;
    default:
        return velocityRange;
    }
}

void vtkViewer::buildLookupTable()
{
    colorTransferFunction = vtkSmartPointer<vtkColorTransferFunction>::New();
    colorTransferFunction->SetColorSpaceToRGB();
    const auto [lo, hi] = rangeOfType(showType);
    const double min = palette.min_db;
    const double max = palette.max_db;
    const std::vector<GradientColorPoint>& stops = palette.color_gradient.color;
    // Without stops there is no first or last colour: the function stays
    // empty and maps everything to black.
    if (!stops.empty()) {
        if (lo < min)
            colorTransferFunction->AddRGBPoint(lo, stops.front().mr, stops.front().mg,
                                               stops.front().mb);
        if (hi > max)
            colorTransferFunction->AddRGBPoint(hi, stops.back().mr, stops.back().mg,
                                               stops.back().mb);
        for (const GradientColorPoint& stop : stops) {
            double x = min + (max - min) * stop.mval;
            if (stop.mval == 1.0)
                x += 1.0;
            colorTransferFunction->AddRGBPoint(x, stop.mr, stop.mg, stop.mb);
        }
    }
    colorTransferFunction->SetScaleToLinear();
}
