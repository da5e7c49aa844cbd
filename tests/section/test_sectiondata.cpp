// The section's data arrays, colour lookup, contour levels and overlay
// geometry, read back from the VTK objects without showing the view.

#include "Splines.hh"
#include "contourlevels.h"
#include "grid.h"
#include "refractiondatastructure.h"
#include "sectionfixture.h"
#include "vtkviewer.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkActorCollection.h>
#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkLabeledDataMapper.h>
#include <vtkMapper.h>
#include <vtkMath.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>
#include <vtkUnsignedCharArray.h>

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <set>
#include <vector>

namespace
{

using sectionfixture::setSection;

std::vector<double> arrayValues(vtkDataArray* array)
{
    std::vector<double> values;
    for (vtkIdType i = 0; array && i < array->GetNumberOfTuples(); ++i)
        values.push_back(array->GetTuple1(i));
    return values;
}

// Velocities come back through 1 / (1 / v): compare to the last bits.
void expectValues(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9) << "entry " << i;
}

void expectRange(const vtkViewer::Range& actual, const vtkViewer::Range& expected)
{
    expectValues({actual.first, actual.second}, {expected.first, expected.second});
}

std::vector<double> nodesOf(vtkColorTransferFunction* f)
{
    std::vector<double> xs;
    for (int i = 0; i < f->GetSize(); ++i) {
        double node[6];
        f->GetNodeValue(i, node);
        xs.push_back(node[0]);
    }
    return xs;
}

ColorPalette blueToRed(double min, double max)
{
    ColorPalette p = builtInPalettes().palettes[5];
    p.min_db = min;
    p.max_db = max;
    return p;
}

// The one line overlay a builder added to a bare renderer.
vtkPolyData* onlyLineOverlay(vtkRenderer* r)
{
    vtkActorCollection* actors = r->GetActors();
    EXPECT_EQ(actors->GetNumberOfItems(), 1);
    actors->InitTraversal();
    vtkActor* actor = actors->GetNextActor();
    return actor ? vtkPolyData::SafeDownCast(actor->GetMapper()->GetInputAsDataSet()) : nullptr;
}

std::vector<std::array<double, 2>> pointsOf(vtkPolyData* data)
{
    std::vector<std::array<double, 2>> points;
    for (vtkIdType i = 0; i < data->GetNumberOfPoints(); ++i) {
        double p[3];
        data->GetPoint(i, p);
        points.push_back({p[0], p[1]});
    }
    return points;
}

// Label points of the contour overlay: the input of its labelled-data mapper.
vtkDataSet* contourLabels(vtkRenderer* r)
{
    vtkActor2DCollection* actors = r->GetActors2D();
    actors->InitTraversal();
    while (vtkActor2D* actor = actors->GetNextActor2D())
        if (auto* mapper = vtkLabeledDataMapper::SafeDownCast(actor->GetMapper()))
            return mapper->GetInput();
    return nullptr;
}

class SectionData : public ::testing::Test
{
protected:
    void SetUp() override { view.setDocument(&doc); }

    void setGrid(uint32_t rows, uint32_t columns, const sectionfixture::VelocityOf& velocity)
    {
        setSection(doc, rows, columns, velocity);
    }
    void buildAll()
    {
        view.buildGrid();
        view.buildVerticalGradientIsovalues();
        view.buildLaplacianIsovalues();
        view.buildInformationDensity();
    }

    TomoDocument doc;
    vtkViewer view;
};

} // namespace

TEST_F(SectionData, ThreeByThreeGrid)
{
    setGrid(3, 3, [](uint32_t r, uint32_t c) { return 100.0 * (3 * r + c + 1); });
    buildAll();

    ASSERT_TRUE(view.structuredGrid);
    int dims[3];
    view.structuredGrid->GetDimensions(dims);
    EXPECT_EQ((std::array<int, 3>{dims[0], dims[1], dims[2]}), (std::array<int, 3>{3, 3, 1}));
    vtkPointData* pd = view.structuredGrid->GetPointData();
    EXPECT_EQ(std::string(pd->GetScalars()->GetName()), "Isovalues");
    expectValues(arrayValues(pd->GetArray("Isovalues")),
                 {100, 200, 300, 400, 500, 600, 700, 800, 900});
    expectValues(arrayValues(pd->GetArray("VerticalGradientIsovalues")),
                 {300, 300, 300, 300, 300, 300, 0, 0, 0});
    expectValues(arrayValues(pd->GetArray("LaplacianIsovalues")),
                 {-800, -900, -400, -300, 0, 300, 400, 900, 800});
    expectValues(arrayValues(pd->GetArray("information_density")), std::vector<double>(9, -1.0));

    expectRange(view.velocityRange, {100, 900});
    expectRange(view.gradientRange, {0, 300});
    expectRange(view.laplacianRange, {-900, 900});
    expectRange(view.densityRange, {-1, -1});

    // One point per cell at the middle of its diagonal, in profile x (xShift
    // 1) and elevation: cell 0 spans x 0..1 and depth 0..1 of the grid.
    double p[3];
    view.gridPoints->GetPoint(0, p);
    EXPECT_EQ((std::array<double, 3>{p[0], p[1], p[2]}), (std::array<double, 3>{-0.5, -0.5, 0}));
    view.gridPoints->GetPoint(5, p);
    EXPECT_EQ((std::array<double, 3>{p[0], p[1], p[2]}), (std::array<double, 3>{1.5, -1.5, 0}));
}

TEST_F(SectionData, LinearFieldHasNoInteriorLaplacianAndAConstantGradient)
{
    // The symmetric stencil cancels every linear term.
    setGrid(5, 5, [](uint32_t r, uint32_t c) { return 1000.0 + 50.0 * r + 7.0 * c; });
    buildAll();
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) {
            SCOPED_TRACE(testing::Message() << "row " << r << " column " << c);
            const size_t i = static_cast<size_t>(r * 5 + c);
            if (r > 0 && r < 4 && c > 0 && c < 4) {
                EXPECT_NEAR(view.laplacian[i], 0.0, 1e-9);
            }
            EXPECT_NEAR(view.verticalGradient[i], r == 4 ? 0.0 : 50.0, 1e-9);
        }
}

TEST_F(SectionData, EdgeCasesOfTheGrid)
{
    // A single cell has no neighbours and no row below.
    setGrid(1, 1, [](uint32_t, uint32_t) { return 700.0; });
    buildAll();
    EXPECT_EQ(view.verticalGradient, std::vector<double>{0.0});
    EXPECT_EQ(view.laplacian, std::vector<double>{0.0});

    // Slowness 0 reads as the largest double and stretches the range.
    setGrid(2, 2, [](uint32_t, uint32_t) { return 700.0; });
    doc.grid->cells[3].slowness = 0.0;
    buildAll();
    EXPECT_EQ(view.velocityArray->GetValue(3), DBL_MAX);
    EXPECT_NEAR(view.velocityRange.first, 700.0, 1e-9);
    EXPECT_EQ(view.velocityRange.second, DBL_MAX);

    // Without an active cell the ranges stay unset and every point is hidden.
    for (GridCell& cell : doc.grid->cells)
        cell.to_be_draw = false;
    buildAll();
    for (const vtkViewer::Range& range :
         {view.velocityRange, view.gradientRange, view.laplacianRange, view.densityRange})
        EXPECT_EQ(range, (vtkViewer::Range{FLT_MAX, -FLT_MAX}));
    for (vtkIdType i = 0; i < 4; ++i)
        EXPECT_FALSE(view.structuredGrid->IsPointVisible(i));
}

TEST_F(SectionData, ShortInformationDensityReadsAsUnset)
{
    setGrid(2, 3, [](uint32_t, uint32_t) { return 1000.0; });
    doc.info_density = {4.0, 2.0}; // an interrupted run, or an old project
    buildAll();
    EXPECT_EQ(arrayValues(view.densityArray), (std::vector<double>{4, 2, -1, -1, -1, -1}));
    EXPECT_EQ(view.densityRange, (vtkViewer::Range{-1, 4}));
}

TEST_F(SectionData, BuildersWithoutDocumentGridOrMatchingCellsChangeNothing)
{
    vtkViewer bare;
    bare.buildGrid();
    bare.buildVerticalGradientIsovalues();
    bare.buildLaplacianIsovalues();
    bare.buildInformationDensity();
    bare.updateScalarArrays();
    EXPECT_FALSE(bare.structuredGrid);
    EXPECT_TRUE(bare.verticalGradient.empty());

    // A grid replaced after buildGrid: the other builders wait for it.
    setGrid(2, 2, [](uint32_t, uint32_t) { return 1000.0; });
    view.buildGrid();
    setGrid(3, 3, [](uint32_t, uint32_t) { return 1000.0; });
    view.buildVerticalGradientIsovalues();
    view.buildLaplacianIsovalues();
    view.buildInformationDensity();
    EXPECT_TRUE(view.verticalGradient.empty());
    EXPECT_TRUE(view.laplacian.empty());
    EXPECT_FALSE(view.densityArray);
}

TEST_F(SectionData, LookupTableFollowsThePaletteAndTheShownRange)
{
    struct Case {
        const char* name;
        vtkViewer::Range velocities;
        bool stops;
        std::vector<double> nodes;
    };
    const Case cases[] = {
        // A stop at mval 1 sits at max_db + 1.
        {"inside the palette", {100, 900}, true, {0, 1001}},
        {"beyond both ends", {-100, 1200}, true, {-100, 0, 1001, 1200}},
        {"palette without stops", {-100, 1200}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ColorPalette palette = blueToRed(0, 1000);
        if (!c.stops)
            palette.color_gradient.color.clear();
        view.setPalette(palette);
        view.velocityRange = c.velocities;
        view.buildLookupTable();
        EXPECT_EQ(nodesOf(view.colorTransferFunction), c.nodes);
    }

    view.setPalette(blueToRed(0, 1000));
    view.velocityRange = {100, 900};
    view.buildLookupTable();
    double rgb[3];
    view.colorTransferFunction->GetColor(500.5, rgb);
    EXPECT_NEAR(rgb[0], 0.5, 1e-9);
    EXPECT_NEAR(rgb[1], 0.0, 1e-9);
    EXPECT_NEAR(rgb[2], 0.5, 1e-9);
    // The bottom end beyond the palette takes the first colour.
    view.velocityRange = {-100, 1200};
    view.buildLookupTable();
    view.colorTransferFunction->GetColor(-50, rgb);
    EXPECT_EQ((std::array<double, 3>{rgb[0], rgb[1], rgb[2]}), (std::array<double, 3>{0, 0, 1}));

    // Each family takes its own range.
    view.velocityRange = {100, 900};
    view.gradientRange = {-2000, 50};
    view.showType = 8;
    view.buildLookupTable();
    EXPECT_EQ(nodesOf(view.colorTransferFunction), (std::vector<double>{-2000, 0, 1001}));
}

TEST_F(SectionData, PaletteBeforeAnyGridIsOnlyStored)
{
    view.setPalette(blueToRed(0, 1000));
    EXPECT_FALSE(view.colorTransferFunction);
    EXPECT_EQ(view.palette.max_db, 1000.0);
    setGrid(2, 2, [](uint32_t, uint32_t) { return 1000.0; });
    view.updateScalarArrays();
    view.setPalette(blueToRed(0, 500));
    ASSERT_TRUE(view.colorTransferFunction);
    EXPECT_EQ(nodesOf(view.colorTransferFunction), (std::vector<double>{0, 501, 1000}));
}

TEST_F(SectionData, ContourLevels)
{
    // 500 .. 3000 m/s, both ends visible.
    setGrid(2, 2, [](uint32_t r, uint32_t c) {
        return std::vector<double>{500, 1000, 2000, 3000}[r * 2 + c];
    });
    view.buildGrid();
    struct Case {
        int count;
        std::set<double> custom;
        std::vector<double> levels;
    };
    const Case cases[] = {
        {4, {}, {500, 1125, 1750, 2375, 3000}},
        {3, {1000}, {500, 1000, 1750, 3000}},
        {1, {}, {1750}},
        {0, {1200, 800}, {800, 1200}},
        {2, {}, {500, 1750, 3000}},
        {0, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "count " << c.count << ", " << c.custom.size() << " custom values");
        testing::internal::CaptureStdout();
        auto filter = makeContourFilter(view.structuredGrid, view.velocityArray, c.custom, c.count);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Contour lines range : 500, 3000\n");
        std::vector<double> levels;
        for (int i = 0; i < filter->GetNumberOfContours(); ++i)
            levels.push_back(filter->GetValue(i));
        ASSERT_EQ(levels.size(), c.levels.size());
        for (size_t i = 0; i < levels.size(); ++i)
            EXPECT_NEAR(levels[i], c.levels[i], 1e-9);
    }

    // The upper end looks only at visible points: hide the 3000 m/s cell.
    doc.grid->cells[3].to_be_draw = false;
    view.buildGrid();
    testing::internal::CaptureStdout();
    makeContourFilter(view.structuredGrid, view.velocityArray, {}, 2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Contour lines range : 500, 2000\n");

    // No visible point: the upper end stays at the lowest double.
    for (GridCell& cell : doc.grid->cells)
        cell.to_be_draw = false;
    view.buildGrid();
    auto filter = makeContourFilter(view.structuredGrid, view.velocityArray, {}, 1);
    EXPECT_EQ(filter->GetNumberOfContours(), 1);
    filter->Update();
}

TEST_F(SectionData, MarkerGeometry)
{
    struct Case {
        const char* name;
        double scale;
        bool shot;
        std::vector<std::array<double, 2>> points;
        std::array<unsigned char, 3> colour;
    };
    const Case cases[] = {
        {"geophone",
         1.0,
         false,
         {{10, 100}, {9.7, 100.3}, {10.3, 100.3}, {10, 100}, {10, 99.7}},
         {20, 100, 140}},
        {"shot",
         1.0,
         true,
         {{10, 100}, {9.7, 100}, {9.7, 100.3}, {10.3, 100.3}, {10.3, 100}, {10, 100}, {10, 99.7}},
         {220, 120, 0}},
        {"small geophone",
         0.5,
         false,
         {{10, 100}, {9.85, 100.15}, {10.15, 100.15}, {10, 100}, {10, 99.85}},
         {20, 100, 140}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto r = vtkSmartPointer<vtkRenderer>::New();
        view.markerScale = c.scale;
        if (c.shot)
            view.addShotMarker(r, 10, 100);
        else
            view.addGeophoneMarker(r, 10, 100);
        vtkPolyData* data = onlyLineOverlay(r);
        ASSERT_TRUE(data);
        const auto points = pointsOf(data);
        ASSERT_EQ(points.size(), c.points.size());
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i][0], c.points[i][0], 1e-12);
            EXPECT_NEAR(points[i][1], c.points[i][1], 1e-12);
        }
        // Two-point lines, the later point first, each in the marker colour.
        vtkCellArray* lines = data->GetLines();
        ASSERT_EQ(lines->GetNumberOfCells(), static_cast<vtkIdType>(c.points.size() - 1));
        auto* colours = vtkUnsignedCharArray::SafeDownCast(data->GetCellData()->GetScalars());
        ASSERT_TRUE(colours);
        vtkIdType n = 0;
        const vtkIdType* ids = nullptr;
        lines->InitTraversal();
        for (vtkIdType k = 0; lines->GetNextCell(n, ids); ++k) {
            ASSERT_EQ(n, 2);
            EXPECT_EQ(ids[0], k + 1);
            EXPECT_EQ(ids[1], k);
            EXPECT_EQ((std::array<unsigned char, 3>{colours->GetValue(3 * k),
                                                    colours->GetValue(3 * k + 1),
                                                    colours->GetValue(3 * k + 2)}),
                      c.colour);
        }
        vtkActorCollection* actors = r->GetActors();
        actors->InitTraversal();
        EXPECT_EQ(actors->GetNextActor()->GetProperty()->GetLineWidth(), 2.0f);
    }

    // A receiver in two spreads gets two markers.
    doc.goephonesStringSet = {{{5, 0}, {6, 0}}, {{6, 0}}};
    auto r = vtkSmartPointer<vtkRenderer>::New();
    view.addGeophoneMarkers(r);
    EXPECT_EQ(r->GetActors()->GetNumberOfItems(), 3);
}

TEST_F(SectionData, RefractorLines)
{
    // Ten rows of 1 m: every column is covered down to 9.5 m.
    setGrid(10, 8, [](uint32_t, uint32_t) { return 1000.0; });
    refractionDataStructure refraction;
    view.refractionData = &refraction;
    auto stations = [](size_t n) {
        std::vector<Point2D> pos;
        for (size_t j = 0; j < n; ++j)
            pos.push_back({static_cast<double>(j), 0.0});
        return pos;
    };

    struct Case {
        const char* name;
        std::vector<std::vector<double>> depths; // per layer
        size_t phantoms;
        std::vector<std::array<double, 2>> points;
    };
    const Case cases[] = {
        // A station without a refractor ends the line; lone points draw nothing.
        {"split at depth 0", {{2, 0, 3, 4}, {}}, 2, {{2, -3}, {3, -4}}},
        // A refractor point below the covered area is bridged.
        {"bridged below coverage", {{2, 20, 3}, {}}, 2, {{0, -2}, {2, -3}}},
        // An old project with one phantom for two layers draws layer 2 only.
        {"fewer phantoms than layers", {{1, 1}, {2, 2}}, 1, {{0, -1}, {1, -1}}},
        // Fewer stations than depths.
        {"fewer stations than depths",
         {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {}},
         2,
         {{0, -1}, {1, -1}, {2, -1}, {3, -1}, {4, -1}, {5, -1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        refraction.refractData.cData.assign(2, {});
        for (size_t layer = 0; layer < 2; ++layer)
            refraction.refractData.cData[layer].z = c.depths[layer];
        refraction.phnt_A.assign(c.phantoms, {});
        for (auto& phantom : refraction.phnt_A)
            phantom.pos = stations(std::min<size_t>(6, c.depths[0].size()));
        auto r = vtkSmartPointer<vtkRenderer>::New();
        view.addRefractionActor(r);
        vtkPolyData* data = onlyLineOverlay(r);
        ASSERT_TRUE(data);
        const auto points = pointsOf(data);
        ASSERT_EQ(points.size(), c.points.size());
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i][0], c.points[i][0], 1e-12);
            EXPECT_NEAR(points[i][1], c.points[i][1], 1e-12);
        }
        EXPECT_EQ(data->GetNumberOfLines(), static_cast<vtkIdType>(points.size() - 1));
    }

    // A single row has no coverage boundary: nothing is drawn.
    setGrid(1, 8, [](uint32_t, uint32_t) { return 1000.0; });
    doc.coverageBottom.reset();
    refraction.refractData.cData[0].z = {1, 1, 1};
    auto r = vtkSmartPointer<vtkRenderer>::New();
    view.addRefractionActor(r);
    EXPECT_EQ(r->GetActors()->GetNumberOfItems(), 0);
}

TEST_F(SectionData, ContourLabelsOnEveryNthLongLine)
{
    // Velocity rises with depth; a small slow block near the top makes a
    // short closed contour at 700 m/s that comes first in the filter's output.
    setGrid(20, 100, [](uint32_t r, uint32_t c) {
        if (r >= 2 && r < 5 && c >= 10 && c < 13)
            return 500.0;
        return 1000.0 + 1000.0 * r / 19.0;
    });
    view.buildGrid();
    view.contourFilter =
        makeContourFilter(view.structuredGrid, view.velocityArray, {700, 1250, 1500, 1750}, 0);

    struct Case {
        int every;
        int minPoints;
        int labels;
    };
    const Case cases[] = {{0, 25, 0}, {1, 25, 3}, {2, 25, 2}, {3, 25, 1}, {1, 500, 0}, {1, 5, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "every " << c.every << ", long from " << c.minPoints);
        view.labelEveryN = c.every;
        view.contourLabelMinPoints = c.minPoints;
        vtkMath::RandomSeed(7);
        auto r = vtkSmartPointer<vtkRenderer>::New();
        view.addContourActor(r, 2, nullptr);
        vtkDataSet* labels = contourLabels(r);
        ASSERT_TRUE(labels);
        EXPECT_EQ(labels->GetNumberOfPoints(), c.labels);
        for (double v : arrayValues(labels->GetPointData()->GetScalars()))
            EXPECT_TRUE(std::set<double>({700, 1250, 1500, 1750}).count(v)) << v;
    }

    testing::internal::CaptureStderr();
    auto r = vtkSmartPointer<vtkRenderer>::New();
    view.addContourActor(r, 5, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vtkViewer::addContourActor INVALID Parameter Type \n");
    EXPECT_EQ(r->GetViewProps()->GetNumberOfItems(), 0);
}

TEST(ContourLabelDensity, ChoicesAndOthers)
{
    vtkViewer view;
    const std::pair<int, int> cases[] = {{0, 30}, {1, 15}, {2, 10}, {3, 10}, {-1, 10}};
    for (const auto& [choice, points] : cases) {
        view.setContourLabelMinPoints(choice);
        EXPECT_EQ(view.contourLabelMinPoints, points) << choice;
    }
}
