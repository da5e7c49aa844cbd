// Overlays of the section: contour lines with labels and filled bands, rays,
// refractor lines, geophone and shot markers.

#include "sectionscene.h"
#include "vtkviewer.h"

#include "sectiontypes.h"

#include "Splines.hh"
#include "grid.h"
#include "refractiondatastructure.h"
#include "tomodocument.h"

#include <vtkActor2D.h>
#include <vtkAppendPolyData.h>
#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkCleanPolyData.h>
#include <vtkClipPolyData.h>
#include <vtkFloatArray.h>
#include <vtkLabeledDataMapper.h>
#include <vtkMath.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkStripper.h>
#include <vtkStructuredGridGeometryFilter.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <array>
#include <iostream>

namespace
{
using Point = std::array<double, 3>;
using Polyline = std::vector<Point>;

// Polylines as two-point lines (the later point first), one colour per line.
vtkSmartPointer<vtkActor> lineActor(const std::vector<Polyline>& polylines,
                                    const unsigned char rgb[3], double width)
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataTypeToDouble();
    auto lines = vtkSmartPointer<vtkCellArray>::New();
    auto colours = vtkSmartPointer<vtkUnsignedCharArray>::New();
    colours->SetNumberOfComponents(3);
    for (const Polyline& polyline : polylines) {
        vtkIdType previous = -1;
        for (const Point& p : polyline) {
            const vtkIdType id = points->InsertNextPoint(p.data());
            if (previous >= 0) {
                const vtkIdType line[2] = {id, previous};
                lines->InsertNextCell(2, line);
                colours->InsertNextTypedTuple(rgb);
            }
            previous = id;
        }
    }
    auto data = vtkSmartPointer<vtkPolyData>::New();
    data->SetPoints(points);
    data->SetLines(lines);
    data->GetCellData()->SetScalars(colours);
    auto mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
    mapper->SetInputData(data);
    auto actor = vtkSmartPointer<vtkActor>::New();
    actor->SetMapper(mapper);
    if (width > 0.0)
        actor->GetProperty()->SetLineWidth(width);
    return actor;
}

const unsigned char GeophoneColour[3] = {20, 100, 140};
const unsigned char ShotColour[3] = {220, 120, 0};
const unsigned char RayColour[3] = {100, 100, 104};
const unsigned char RefractorColour[3] = {30, 40, 40};
const unsigned char Black[3] = {0, 0, 0};

// The velocities the filled bands run between: the value at the middle of
// every contour line of at least minPoints points, and the two ends of the
// range, ascending without repeats.
std::vector<double> bandLevels(vtkPolyData* contours, vtkDataArray* values, int minPoints,
                               double vmin, double vmax)
{
    std::vector<double> levels;
    if (values) {
        vtkCellArray* lines = contours->GetLines();
        vtkIdType count = 0;
        const vtkIdType* ids = nullptr;
        lines->InitTraversal();
        while (lines->GetNextCell(count, ids))
            if (count >= minPoints)
                levels.push_back(values->GetTuple1(ids[count / 2]));
    }
    levels.push_back(vmin);
    levels.push_back(vmax);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    return levels;
}

// The grid's surface cut by velocity ("Isovalues") into one band between
// each two successive levels, every cell of a band carrying its lower level;
// bands without cells are left out. Null when no band has a cell.
vtkSmartPointer<vtkAppendPolyData> clipBands(vtkStructuredGrid* grid,
                                             const std::vector<double>& levels)
{
    auto append = vtkSmartPointer<vtkAppendPolyData>::New();
    vtkSmartPointer<vtkClipPolyData> previousUpper;
    int bands = 0;
    for (size_t b = 0; b + 1 < levels.size(); ++b) {
        const double lo = levels[b];
        const double hi = levels[b + 1];
        auto lower = vtkSmartPointer<vtkClipPolyData>::New();
        lower->SetInputArrayToProcess(0, 0, 0, vtkDataObject::FIELD_ASSOCIATION_POINTS,
                                      "Isovalues");
        if (b == 0) {
            auto surface = vtkSmartPointer<vtkStructuredGridGeometryFilter>::New();
            surface->SetInputData(grid);
            surface->Update();
            lower->SetInputConnection(surface->GetOutputPort());
        } else {
            lower->SetInputConnection(previousUpper->GetOutputPort(1));
        }
        lower->SetValue(lo);
        lower->InsideOutOff();
        lower->Update();

        auto upper = vtkSmartPointer<vtkClipPolyData>::New();
        upper->SetInputArrayToProcess(0, 0, 0, vtkDataObject::FIELD_ASSOCIATION_POINTS,
                                      "Isovalues");
        upper->SetInputConnection(lower->GetOutputPort());
        upper->SetValue(hi);
        upper->GenerateClippedOutputOn();
        upper->InsideOutOn();
        upper->Update();
        previousUpper = upper;

        // Detached from the pipeline: a re-executed clip would drop the
        // scalars attached here, and the band would render white.
        if (upper->GetOutput()->GetNumberOfCells() > 0) {
            auto band = vtkSmartPointer<vtkPolyData>::New();
            band->ShallowCopy(upper->GetOutput());
            auto values = vtkSmartPointer<vtkFloatArray>::New();
            values->SetNumberOfComponents(1);
            values->SetNumberOfTuples(band->GetNumberOfCells());
            values->FillComponent(0, lo);
            band->GetCellData()->SetScalars(values);
            append->AddInputData(band);
            ++bands;
        }
    }
    return bands > 0 ? append : nullptr;
}

} // namespace

void vtkViewer::addGeophoneMarker(vtkSmartPointer<vtkRenderer> r, double x, double e)
{
    const double d = markerScale * 0.3;
    const Polyline marker = {
        {x, e, 0.0}, {x - d, e + d, 0.0}, {x + d, e + d, 0.0}, {x, e, 0.0}, {x, e - d, 0.0}};
    r->AddActor(lineActor({marker}, GeophoneColour, 2.0));
}

void vtkViewer::addShotMarker(vtkSmartPointer<vtkRenderer> r, double x, double e)
{
    const double d = markerScale * 0.3;
    const Polyline marker = {{x, e, 0.0},         {x - d, e, 0.0}, {x - d, e + d, 0.0},
                             {x + d, e + d, 0.0}, {x + d, e, 0.0}, {x, e, 0.0},
                             {x, e - d, 0.0}};
    r->AddActor(lineActor({marker}, ShotColour, 2.0));
}

void vtkViewer::addGeophoneMarkers(vtkSmartPointer<vtkRenderer> r)
{
    if (!document)
        return;
    for (const std::vector<Point2D>& spread : document->goephonesStringSet)
        for (const Point2D& p : spread)
            addGeophoneMarker(r, p.x, p.z);
}

void vtkViewer::addShotMarkers(vtkSmartPointer<vtkRenderer> r)
{
    if (!document)
        return;
    for (const TravelTime& record : document->ttArray)
        addShotMarker(r, record.shotPos2d.x, record.shotPos2d.z);
}

void vtkViewer::addRaysActor(vtkSmartPointer<vtkRenderer> r)
{
    if (!document || !document->grid)
        return;
    // All paths in one actor: a survey has thousands of rays, and one actor
    // each made every redraw (every resize) take a large multiple of the
    // section itself, for the same pixels.
    const std::vector<GridNode>& nodes = document->grid->nodes;
    std::vector<Polyline> polylines;
    polylines.reserve(document->rayPaths.size());
    for (const std::vector<int>& path : document->rayPaths) {
        Polyline polyline;
        polyline.reserve(path.size());
        for (int id : path)
            if (id >= 0 && static_cast<size_t>(id) < nodes.size())
                polyline.push_back({nodes[id].x - document->xShift, -nodes[id].z, 0.0});
        polylines.push_back(std::move(polyline));
    }
    r->AddActor(lineActor(polylines, RayColour, 0.0));
}

void vtkViewer::addRefractionActor(vtkSmartPointer<vtkRenderer> r)
{
    if (!document)
        return;
    document->computeCoverageBottom();
    if (!refractionData)
        return;
    if (!document->coverageBottom) {
        std::cout << "[LOG] No ray-covered area: refractor lines are not drawn." << std::endl;
        return;
    }
    const Splines::BesselSpline& bottom = *document->coverageBottom;
    const auto& computed = refractionData->refractData.cData;
    const auto& phantoms = refractionData->phnt_A;
    std::vector<Polyline> polylines;
    // A short or old project file may hold fewer phantoms or stations than depths.
    for (size_t i = 0; i < std::min(computed.size(), phantoms.size()); ++i) {
        const std::vector<double>& depth = computed[i].z;
        const std::vector<Point2D>& pos = phantoms[i].pos;
        Polyline current;
        for (size_t j = 0; j < std::min(depth.size(), pos.size()); ++j) {
            if (depth[j] <= 0.0) {
                polylines.push_back(std::move(current));
                current.clear();
                continue;
            }
            const double e = pos[j].z - depth[j];
            // Stations whose refractor lies below the covered area are bridged.
            if (bottom(pos[j].x) > -e)
                current.push_back({pos[j].x, e, 0.0});
        }
        polylines.push_back(std::move(current));
    }
    polylines.erase(std::remove_if(polylines.begin(), polylines.end(),
                                   [](const Polyline& p) { return p.size() < 2; }),
                    polylines.end());
    r->AddActor(lineActor(polylines, RefractorColour, 3.0));
}

// The contour filter's output joined into polylines, with the velocity of
// their points. The contour filter reads "Isovalues" by name, so the contours
// follow the velocity whatever array colours the section.
struct vtkViewer::ContourLines {
    vtkSmartPointer<vtkStripper> stripper;
    vtkPolyData* lines = nullptr;   // the stripper's output
    vtkDataArray* values = nullptr; // null when the output has no scalars
};

vtkViewer::ContourLines vtkViewer::stripContours() const
{
    ContourLines c;
    c.stripper = vtkSmartPointer<vtkStripper>::New();
    c.stripper->SetInputConnection(contourFilter->GetOutputPort());
    c.stripper->Update();
    c.lines = c.stripper->GetOutput();
    c.values = c.lines->GetPointData()->GetArray("Isovalues");
    if (!c.values)
        c.values = c.lines->GetPointData()->GetScalars();
    return c;
}

void vtkViewer::addContourActor(vtkSmartPointer<vtkRenderer> r, int t,
                                vtkSmartPointer<vtkTextProperty> textProperty)
{
    if (sectiontypes::overlayOf(t) != SectionOverlay::Contours) {
        std::cerr << "vtkViewer::addContourActor"
                  << " INVALID Parameter Type " << std::endl;
        return;
    }
    if (!contourFilter)
        return;

    const ContourLines contours = stripContours();
    addContourLabels(r, contours, t, textProperty);
    addContourLines(r, contours, t);
    addContourOverlay(r, contours, t);
    if (t == sectiontypes::value(SectionType::FilledContours))
        addFilledBands(r, contours);
}

void vtkViewer::addContourLabels(vtkRenderer* r, const ContourLines& contours, int t,
                                 vtkSmartPointer<vtkTextProperty> textProperty)
{
    // One label on every labelEveryN-th long line, at a random point of it.
    // The points are drawn for every type, so the random sequence that
    // places later labels does not depend on the types drawn before.
    auto labelPoints = vtkSmartPointer<vtkPoints>::New();
    auto labelValues = vtkSmartPointer<vtkDoubleArray>::New();
    labelValues->SetNumberOfComponents(1);
    labelValues->SetName("Isovalues");
    {
        vtkCellArray* lines = contours.lines->GetLines();
        vtkIdType count = 0;
        const vtkIdType* ids = nullptr;
        long long longLines = 0;
        lines->InitTraversal();
        while (lines->GetNextCell(count, ids)) {
            if (count < contourLabelMinPoints || labelEveryN == 0)
                continue;
            if (longLines++ % labelEveryN != 0)
                continue;
            const vtkIdType k = std::min<vtkIdType>(
                static_cast<vtkIdType>(vtkMath::Random(0.0, static_cast<double>(count))),
                count - 1);
            labelPoints->InsertNextPoint(contours.lines->GetPoint(ids[k]));
            labelValues->InsertNextValue(contours.values ? contours.values->GetTuple1(ids[k])
                                                         : 0.0);
        }
    }
    auto labelData = vtkSmartPointer<vtkPolyData>::New();
    labelData->SetPoints(labelPoints);
    labelData->GetPointData()->SetScalars(labelValues);

    if (!textProperty) {
        textProperty = vtkSmartPointer<vtkTextProperty>::New();
        textProperty->SetColor(contourColor);
        textProperty->ShadowOff();
        textProperty->SetFontSize(static_cast<int>(contourLabelSize * fontScale));
    }
    auto labelMapper = vtkSmartPointer<vtkLabeledDataMapper>::New();
    labelMapper->SetFieldDataName("Isovalues");
    labelMapper->SetInputData(labelData);
    labelMapper->SetLabelModeToLabelScalars();
    labelMapper->SetLabelFormat("%3.0f");
    labelMapper->SetLabelTextProperty(textProperty);
    auto labelActor = vtkSmartPointer<vtkActor2D>::New();
    labelActor->SetMapper(labelMapper);
    // Velocity numbers over ray counts would read as counts.
    if (t != sectiontypes::value(SectionType::DensityContours))
        r->AddActor2D(labelActor);
}

void vtkViewer::addContourLines(vtkRenderer* r, const ContourLines& contours, int t)
{
    using T = SectionType;
    // In the contour colour over velocity and density.
    if (!sectiontypes::isOneOf(t, {T::VelocityContours, T::FilledContours, T::DensityContours}))
        return;
    auto mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
    mapper->SetInputConnection(contours.stripper->GetOutputPort());
    mapper->ScalarVisibilityOff();
    auto actor = vtkSmartPointer<vtkActor>::New();
    actor->SetMapper(mapper);
    actor->GetProperty()->SetColor(contourColor);
    actor->GetProperty()->SetLineWidth(1.0);
    r->AddActor(actor);
}

void vtkViewer::addContourOverlay(vtkRenderer* r, const ContourLines& contours, int t)
{
    using T = SectionType;
    // Black lines over the gradients, and over density on top of the
    // coloured ones.
    if (!sectiontypes::isOneOf(t, {T::GradientContours, T::LaplacianContours, T::DensityContours}))
        return;
    auto black = vtkSmartPointer<vtkPolyData>::New();
    black->SetPoints(contours.lines->GetPoints());
    black->SetLines(contours.lines->GetLines());
    auto colours = vtkSmartPointer<vtkUnsignedCharArray>::New();
    colours->SetNumberOfComponents(3);
    for (vtkIdType i = 0; i < contours.lines->GetNumberOfLines(); ++i)
        colours->InsertNextTypedTuple(Black);
    black->GetCellData()->SetScalars(colours);
    auto mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
    mapper->SetInputData(black);
    auto actor = vtkSmartPointer<vtkActor>::New();
    actor->SetMapper(mapper);
    r->AddActor(actor);
}

void vtkViewer::addFilledBands(vtkRenderer* r, const ContourLines& contours)
{
    // Filled bands between the velocity minimum, the long contour lines and
    // the maximum, coloured by the palette spread over the velocity range.
    const double vmin = velocityRange.first;
    const double vmax = velocityRange.second;
    const std::vector<double> levels =
        bandLevels(contours.lines, contours.values, contourLabelMinPoints, vmin, vmax);

    auto bandColours = vtkSmartPointer<vtkColorTransferFunction>::New();
    bandColours->SetColorSpaceToRGB();
    for (size_t b = 0; b + 1 < levels.size(); ++b) {
        // A flat section has no range to spread the palette over.
        const double q = vmax == vmin ? 0.0 : (levels[b] - vmin) / (vmax - vmin);
        const QColor colour = ColorGradient::getColorAt(palette.color_gradient.color, q);
        bandColours->AddRGBPoint(levels[b], colour.red() / 255.0, colour.green() / 255.0,
                                 colour.blue() / 255.0);
    }
    bandColours->SetScaleToLinear();

    if (vtkSmartPointer<vtkAppendPolyData> bands = clipBands(structuredGrid, levels)) {
        auto clean = vtkSmartPointer<vtkCleanPolyData>::New();
        clean->SetInputConnection(bands->GetOutputPort());
        auto bandMapper = vtkSmartPointer<vtkPolyDataMapper>::New();
        bandMapper->SetInputConnection(clean->GetOutputPort());
        bandMapper->SetScalarRange(vmin, vmax);
        bandMapper->SetScalarModeToUseCellData();
        bandMapper->SetLookupTable(bandColours);
        auto bandActor = vtkSmartPointer<vtkActor>::New();
        bandActor->SetMapper(bandMapper);
        bandActor->GetProperty()->SetInterpolationToFlat();
        r->AddActor(bandActor);
    }

    auto blackMapper = vtkSmartPointer<vtkPolyDataMapper>::New();
    blackMapper->SetInputConnection(contourFilter->GetOutputPort());
    blackMapper->SetScalarRange(vmin, vmax);
    blackMapper->ScalarVisibilityOff();
    auto blackActor = vtkSmartPointer<vtkActor>::New();
    blackActor->SetMapper(blackMapper);
    blackActor->GetProperty()->SetLineWidth(1.0);
    blackActor->GetProperty()->SetColor(0.0, 0.0, 0.0);
    r->AddActor(blackActor);

    if (refractionApplies())
        addRefractionActor(r);
}
