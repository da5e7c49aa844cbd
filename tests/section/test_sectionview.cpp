// The section view on screen (Xvfb with Mesa): what each display type draws,
// compared with committed baselines, and the pixels, titles and camera that
// matter on their own.

#include "builtinpalette.h"
#include "contourlevels.h"
#include "imagecompare.h"
#include "refractiondatastructure.h"
#include "sectionfixture.h"
#include "testenv.h"
#include "vtkviewer.h"
#include "vtkviewerinteractor.h"

#include <QVTKInteractor.h>
#include <vtkActor2DCollection.h>
#include <vtkActorCollection.h>
#include <vtkCamera.h>
#include <vtkCommand.h>
#include <vtkLabeledDataMapper.h>
#include <vtkMapper.h>
#include <vtkMath.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>
#include <vtkRenderWindow.h>
#include <vtkScalarBarActor.h>
#include <vtkTextActor.h>

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace
{

using sectionfixture::grab;
using sectionfixture::setSection;
using sectionfixture::showView;

// Mean channel difference allowed against a baseline (0..255): Mesa renders
// the same picture to within rounding, and a missing overlay or a wrong
// colour moves the mean by far more.
constexpr double Tolerance = 1.0;

ColorPalette withRange(ColorPalette p, double min, double max)
{
    p.min_db = min;
    p.max_db = max;
    return p;
}

QColor pixelAt(const QImage& image, QPoint p)
{
    return image.pixelColor(p);
}

template <typename Predicate>
bool anyPixel(const QImage& image, const QRect& area, Predicate wanted)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (wanted(image.pixelColor(x, y)))
                return true;
    return false;
}

class SectionView : public ::testing::Test
{
protected:
    void SetUp() override { view.setDocument(&doc); }

    // Where the section point (x, elevation) appears in the grabbed image.
    QPoint onScreen(double x, double elevation)
    {
        view.renderer->SetWorldPoint(x, elevation, 0.0, 1.0);
        view.renderer->WorldToDisplay();
        double d[3];
        view.renderer->GetDisplayPoint(d);
        return QPoint(static_cast<int>(std::lround(d[0])),
                      view.height() - 1 - static_cast<int>(std::lround(d[1])));
    }

    std::string titleText()
    {
        vtkActor2DCollection* actors = view.renderer->GetActors2D();
        actors->InitTraversal();
        while (vtkActor2D* a = actors->GetNextActor2D())
            if (auto* text = vtkTextActor::SafeDownCast(a))
                return text->GetInput();
        return "(no title)";
    }

    std::string barTitle()
    {
        vtkActor2DCollection* actors = view.renderer->GetActors2D();
        actors->InitTraversal();
        while (vtkActor2D* a = actors->GetNextActor2D())
            if (auto* bar = vtkScalarBarActor::SafeDownCast(a))
                return bar->GetTitle();
        return "(no bar)";
    }

    // Contour labels in the scene: the value labels of its labelled-data
    // mappers.
    vtkIdType contourLabels()
    {
        vtkIdType n = 0;
        vtkActor2DCollection* actors = view.renderer->GetActors2D();
        actors->InitTraversal();
        while (vtkActor2D* a = actors->GetNextActor2D())
            if (auto* m = vtkLabeledDataMapper::SafeDownCast(a->GetMapper()))
                if (auto* labels = vtkDataSet::SafeDownCast(m->GetInput()))
                    n += labels->GetNumberOfPoints();
        return n;
    }

    // The contour lines drawn in the contour colour.
    vtkPolyData* colouredContours()
    {
        vtkActorCollection* actors = view.renderer->GetActors();
        actors->InitTraversal();
        while (vtkActor* a = actors->GetNextActor()) {
            double c[3];
            a->GetProperty()->GetColor(c);
            if (!a->GetMapper()->GetScalarVisibility() && c[0] == view.contourColor[0] &&
                c[1] == view.contourColor[1] && c[2] == view.contourColor[2])
                return vtkPolyData::SafeDownCast(a->GetMapper()->GetInput());
        }
        return nullptr;
    }

    TomoDocument doc;
    vtkViewer view;
};

} // namespace

TEST_F(SectionView, EveryDisplayTypeMatchesItsBaseline)
{
    refractionDataStructure refraction;
    sectionfixture::setShowcase(doc, refraction);
    view.refractionData = &refraction;
    view.showRefraction = true;
    view.setPalette(builtIn("Dark rainbow"));
    showView(view, 640, 400);
    sectionfixture::showcaseContours(view);

    for (int type : {2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15}) {
        SCOPED_TRACE(type);
        sectionfixture::fitPalette(view, type);
        vtkMath::RandomSeed(1);
        view.showProfile(type);
        const auto result = imagecompare::compareWithBaseline(
            grab(view), QString("view_type%1").arg(type), Tolerance);
        EXPECT_TRUE(result.ok) << result.message.toStdString();
    }
}

TEST_F(SectionView, BlockColourAndColourBar)
{
    setSection(doc, 20, 100, [](uint32_t r, uint32_t c) {
        return r >= 5 && r < 15 && c >= 45 && c < 55 ? 1500.0 : 1000.0;
    });
    view.setPalette(withRange(builtIn("Blue to red"), 1000, 2000));
    showView(view, 800, 600);
    view.showProfile(5);
    const QImage image = grab(view);

    // The block spans grid x 45..55 and depth 5..15: profile x 44..54 (xShift 1).
    const QColor centre = pixelAt(image, onScreen(49.0, -10.0));
    EXPECT_NEAR(centre.red(), 127, 3);
    EXPECT_NEAR(centre.green(), 0, 3);
    EXPECT_NEAR(centre.blue(), 128, 3);

    // The bar stands at the right from 11.5 % to 83.5 % of the height: blue
    // at its bottom (1000), red at its top (2001).
    const int w = image.width(), h = image.height();
    const QRect nearBottom(QPoint(int(0.885 * w), int((1 - 0.15) * h)),
                           QPoint(int(0.925 * w), int((1 - 0.115) * h)));
    const QRect nearTop(QPoint(int(0.885 * w), int((1 - 0.835) * h)),
                        QPoint(int(0.925 * w), int((1 - 0.80) * h)));
    EXPECT_TRUE(
        anyPixel(image, nearBottom, [](QColor c) { return c.blue() > 200 && c.red() < 40; }));
    EXPECT_TRUE(anyPixel(image, nearTop, [](QColor c) { return c.red() > 200 && c.blue() < 40; }));
    EXPECT_FALSE(
        anyPixel(image, nearBottom, [](QColor c) { return c.red() > 200 && c.blue() < 40; }));
}

TEST_F(SectionView, TitleAndBarTexts)
{
    setSection(doc, 4, 8, [](uint32_t r, uint32_t) { return 1000.0 + 100 * r; });
    doc.title = "T";
    showView(view, 400, 300);

    struct Case {
        int type;
        double rmse;
        int stored;
        std::string title;
        std::string bar;
        bool unknown;
    };
    const Case cases[] = {
        {5, -1.0, 5, "T - Tomographic Profile - Velocity - RMSE - %", "(m/s)", false},
        {5, 3.25, 5, "T - Tomographic Profile - Velocity - RMSE 3.250000 %", "(m/s)", false},
        {8, -1.0, 8, "T - Tomographic Profile - Vertical Gradient with Isolines - RMSE - %",
         "(m/s)", false},
        {12, -1.0, 12, "T - Tomographic Profile - Laplacian Gradient with Rays - RMSE - %", "(m/s)",
         false},
        {14, -1.0, 14, "T - Ray density - RMSE - %", "ray/cell", false},
        {6, -1.0, 14, "T - Ray density - RMSE - %", "ray/cell", false},
        {999, -1.0, 999, "T -  - RMSE - %", "(m/s)", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        doc.RMSE_tomography = c.rmse;
        testing::internal::CaptureStderr();
        view.showProfile(c.type);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(view.showType, c.stored);
        EXPECT_EQ(titleText(), c.title);
        EXPECT_EQ(barTitle(), c.bar);
        EXPECT_EQ(errors.find("Unknown showType!") != std::string::npos, c.unknown);
    }

    // Display type 6 on a fresh view draws the velocity.
    vtkViewer fresh;
    fresh.setDocument(&doc);
    showView(fresh, 400, 300);
    fresh.showProfile(6);
    EXPECT_EQ(fresh.showType, 5);
}

TEST_F(SectionView, NothingBeforeAGrid)
{
    view.resize(400, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.resize(500, 350);
    view.showProfile(5);
    EXPECT_EQ(view.renderer->GetViewProps()->GetNumberOfItems(), 0);
    EXPECT_FALSE(view.cubeAxes);
}

TEST_F(SectionView, ContoursFollowTheVelocityWhateverArrayIsShown)
{
    refractionDataStructure refraction;
    sectionfixture::setShowcase(doc, refraction);
    view.setPalette(builtIn("Dark rainbow"));
    showView(view, 640, 400);
    sectionfixture::showcaseContours(view);

    view.showProfile(2);
    grab(view);
    vtkPolyData* velocity = colouredContours();
    ASSERT_TRUE(velocity);
    const vtkIdType points = velocity->GetNumberOfPoints();
    std::array<double, 6> bounds;
    velocity->GetBounds(bounds.data());
    ASSERT_GT(points, 0);

    EXPECT_GT(contourLabels(), 0);

    // The gradient and Laplacian keep the labelled velocity contours.
    for (int t : {8, 11}) {
        view.showProfile(t);
        grab(view);
        EXPECT_GT(contourLabels(), 0) << "type " << t;
    }

    // Type 14 colours the ray counts: its lines stay on velocity, but carry
    // no velocity numbers that would read as counts.
    view.showProfile(14);
    grab(view);
    vtkPolyData* onDensity = colouredContours();
    ASSERT_TRUE(onDensity);
    EXPECT_EQ(onDensity->GetNumberOfPoints(), points);
    std::array<double, 6> densityBounds;
    onDensity->GetBounds(densityBounds.data());
    EXPECT_EQ(densityBounds, bounds);
    EXPECT_EQ(contourLabels(), 0);

    // An export of a contour type must not change what the view shows.
    sectionfixture::fitPalette(view, 10);
    view.showProfile(10);
    const QImage before = grab(view);
    const std::string dir = testenv::freshDir("exports");
    EXPECT_TRUE(view.renderToImage(2, dir + "/old.png", Qt::white, true, false, 1024, 1.0));
    EXPECT_TRUE(view.renderExportImage(2, dir + "/new.png", Qt::white, true, false, 1024, 1.0));
    vtkMath::RandomSeed(3);
    view.showProfile(6);
    const QImage after = grab(view);
    ASSERT_EQ(before.size(), after.size());
    int differing = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            differing +=
                imagecompare::colourDistance(before.pixelColor(x, y), after.pixelColor(x, y)) > 8;
    EXPECT_EQ(differing, 0);
}

TEST_F(SectionView, FilledBandsKeepTheirColours)
{
    // Velocity rising linearly with depth over 20 rows: every contour crosses
    // all 100 columns, far more than the 25 points a labelled line needs.
    setSection(doc, 20, 100, [](uint32_t r, uint32_t) { return 1000.0 + 1000.0 * r / 19.0; });
    view.setPalette(builtIn("Black to White"));
    showView(view, 900, 500);
    view.contourFilter =
        makeContourFilter(view.structuredGrid, view.velocityArray, {1250, 1500, 1750}, 0);
    view.labelEveryN = 0; // labels land at random places
    view.showProfile(3);

    // Elevation of the point where the velocity is v (cell centres at -(r + 0.5)).
    auto elevation = [](double v) { return -((v - 1000.0) * 19.0 / 1000.0 + 0.5); };
    const double x = 70.0;
    auto check = [&](const char* when) {
        SCOPED_TRACE(when);
        const QImage image = grab(view);
        const std::pair<double, int> bands[] = {{1125, 0}, {1375, 63}, {1625, 127}, {1875, 191}};
        for (const auto& [v, grey] : bands) {
            SCOPED_TRACE(v);
            const QColor c = pixelAt(image, onScreen(x, elevation(v)));
            EXPECT_NEAR(c.red(), grey, 3);
            EXPECT_NEAR(c.green(), grey, 3);
            EXPECT_NEAR(c.blue(), grey, 3);
        }
        // Black contour lines run between the bands. A one-pixel line seldom
        // falls on a pixel row exactly, and the view is multisampled: look for
        // a pixel clearly darker than both bands it separates.
        for (const auto& [v, darkerBand] : {std::pair<double, int>{1500, 63}, {1750, 127}}) {
            const QPoint p = onScreen(x, elevation(v));
            int darkest = 255;
            for (int dy = -2; dy <= 2; ++dy)
                darkest = std::min(darkest, pixelAt(image, p + QPoint(0, dy)).value());
            EXPECT_LT(darkest, darkerBand - 10) << v;
        }
    };
    check("first drawn");
    view.resize(950, 520);
    QApplication::processEvents();
    check("after a resize");
    view.showProfile(6);
    check("after a redraw");
}

TEST_F(SectionView, CameraKeysAreDisabled)
{
    setSection(doc, 10, 40, [](uint32_t r, uint32_t) { return 1000.0 + 50 * r; });
    showView(view, 400, 300);
    view.showProfile(5);
    // A prior click gives the style its renderer; without one the base style
    // ignores the keys anyway.
    auto* style = vtkViewerInteractor::SafeDownCast(view.interactor()->GetInteractorStyle());
    ASSERT_TRUE(style);
    style->SetCurrentRenderer(view.renderer);
    vtkCamera* camera = view.renderer->GetActiveCamera();

    for (char key : {'x', 'Y', 'z'}) {
        SCOPED_TRACE(key);
        std::array<double, 9> before, after;
        camera->GetPosition(before.data());
        camera->GetFocalPoint(before.data() + 3);
        camera->GetViewUp(before.data() + 6);
        const char sym[2] = {key, 0};
        testing::internal::CaptureStdout();
        view.interactor()->SetKeyEventInformation(0, 0, key, 1, sym);
        view.interactor()->InvokeEvent(vtkCommand::KeyPressEvent);
        view.interactor()->InvokeEvent(vtkCommand::CharEvent);
        const std::string out = testing::internal::GetCapturedStdout();
        camera->GetPosition(after.data());
        camera->GetFocalPoint(after.data() + 3);
        camera->GetViewUp(after.data() + 6);
        EXPECT_EQ(after, before);
        const std::string disabled = key == 'x'
                                         ? "X Reset to an sagittal view - Disabled"
                                         : (key == 'Y' ? "Y Reset to an coronal view - Disabled"
                                                       : "Z Reset to an axial view - Disabled");
        EXPECT_EQ(out, std::string("Pressed ") + key + "\n" + disabled + "\n");
    }

    // Other keys still reach the base style: Shift+R fits the camera again.
    camera->SetPosition(500, 500, 500);
    view.interactor()->SetKeyEventInformation(0, 1, 'R', 1, "R");
    testing::internal::CaptureStdout();
    view.interactor()->InvokeEvent(vtkCommand::KeyPressEvent);
    view.interactor()->InvokeEvent(vtkCommand::CharEvent);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Pressed R\n");
    EXPECT_NE(camera->GetPosition()[0], 500.0);
}

TEST_F(SectionView, LeftDragsPanOnlyWithShift)
{
    setSection(doc, 10, 40, [](uint32_t r, uint32_t) { return 1000.0 + 50 * r; });
    showView(view, 400, 300);
    view.showProfile(5);
    vtkCamera* camera = view.renderer->GetActiveCamera();
    QVTKInteractor* rwi = view.interactor();

    auto dragFrom = [&](int control, int shift) {
        rwi->SetEventInformation(200, 150, control, shift);
        rwi->InvokeEvent(vtkCommand::LeftButtonPressEvent);
        rwi->SetEventInformation(260, 190, control, shift);
        rwi->InvokeEvent(vtkCommand::MouseMoveEvent);
        rwi->InvokeEvent(vtkCommand::LeftButtonReleaseEvent);
    };
    struct Case {
        const char* name;
        int control, shift;
        bool focalMoves, zooms;
        std::string log;
    };
    const Case cases[] = {
        {"plain", 0, 0, false, false, "Pressed left mouse button.\n"},
        {"shift pans", 0, 1, true, false, "Shift held. Pressed left mouse button.\n"},
        {"shift and control zoom", 1, 1, false, true,
         "Shift held. Control held. Pressed left mouse button.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::array<double, 3> focal, position;
        camera->GetFocalPoint(focal.data());
        const double scale = camera->GetParallelScale();
        const double distance = camera->GetDistance();
        camera->GetPosition(position.data());
        testing::internal::CaptureStdout();
        dragFrom(c.control, c.shift);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.log);
        std::array<double, 3> focalAfter;
        camera->GetFocalPoint(focalAfter.data());
        EXPECT_EQ(focalAfter != focal, c.focalMoves);
        const bool zoomed =
            camera->GetParallelScale() != scale || camera->GetDistance() != distance;
        EXPECT_EQ(zoomed, c.zooms);
    }
}
