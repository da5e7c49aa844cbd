// Section pictures: both off-screen renderers against baselines, their sizes
// and failures, the colour range of exports, the screenshot and the VTK to
// Qt image conversion.

#include "builtinpalette.h"
#include "imagecompare.h"
#include "refractiondatastructure.h"
#include "sectionfixture.h"
#include "testenv.h"
#include "vtkviewer.h"

#include <vtkCubeAxesActor.h>
#include <vtkImageData.h>
#include <vtkMath.h>
#include <vtkProperty.h>
#include <vtkTextProperty.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace
{

using sectionfixture::setSection;
using sectionfixture::showView;

// Mean channel difference allowed against a baseline (0..255).
constexpr double Tolerance = 1.0;

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& wanted)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += wanted(image.pixelColor(x, y));
    return count;
}

bool near(QColor c, int r, int g, int b, int tolerance)
{
    return std::abs(c.red() - r) <= tolerance && std::abs(c.green() - g) <= tolerance &&
           std::abs(c.blue() - b) <= tolerance;
}

using Renderer = bool (vtkViewer::*)(int, std::string, const QColor&, bool, bool, int, double);
struct Engine {
    const char* name;
    Renderer render;
};
const Engine Engines[] = {{"old", &vtkViewer::renderToImage},
                          {"new", &vtkViewer::renderExportImage}};

class SectionImages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view.setDocument(&doc);
        dir = testenv::freshDir("images");
    }

    TomoDocument doc;
    vtkViewer view;
    std::string dir;
};

} // namespace

TEST_F(SectionImages, BothRenderersMatchTheirBaselines)
{
    refractionDataStructure refraction;
    sectionfixture::setShowcase(doc, refraction);
    view.refractionData = &refraction;
    view.showRefraction = true;
    view.setPalette(builtIn("Dark rainbow"));
    showView(view, 640, 400);
    sectionfixture::showcaseContours(view);

    struct Case {
        int type;
        bool equidistant, horizontal;
        QString suffix;
    };
    std::vector<Case> cases;
    for (int type : {2, 3, 4, 5, 7, 8, 9, 10, 11, 12})
        cases.push_back({type, true, false, ""});
    cases.push_back({5, false, true, "_annotated_horizontal"});
    for (const Case& c : cases) {
        // The export colours the family the view shows with the palette's range.
        sectionfixture::fitPalette(view, c.type);
        view.showProfile(c.type);
        for (const Engine& engine : Engines) {
            SCOPED_TRACE(testing::Message()
                         << engine.name << " type " << c.type << c.suffix.toStdString());
            const std::string path = dir + "/picture.png";
            vtkMath::RandomSeed(1);
            ASSERT_TRUE((view.*engine.render)(c.type, path, QColor(255, 255, 255), c.equidistant,
                                              c.horizontal, 1024, 1.0));
            const QString name = QString("%1_type%2%3").arg(engine.name).arg(c.type).arg(c.suffix);
            const auto result = imagecompare::compareWithBaseline(
                QImage(QString::fromStdString(path)), name, Tolerance);
            EXPECT_TRUE(result.ok) << result.message.toStdString();
        }
    }
}

TEST_F(SectionImages, SizesAndMargins)
{
    setSection(doc, 10, 40, [](uint32_t r, uint32_t) { return 1000.0 + 100.0 * r; });
    view.setPalette(builtIn("Blue to red"));
    showView(view, 400, 300);
    view.showProfile(5);
    const QColor background(200, 220, 240);

    // The render is 4096 x 1024; the title band adds 5 x 50 pixels.
    ASSERT_TRUE(view.renderToImage(5, dir + "/old.png", background, true, false, 4096, 1.0));
    const QImage old(QString::fromStdString(dir + "/old.png"));
    EXPECT_EQ(old.size(), QSize(4096, 1274));
    EXPECT_EQ(old.pixelColor(0, 0), background);
    EXPECT_DOUBLE_EQ(view.exportScale, 1.0);

    // The cropped render fits 60-pixel margins, under a title band.
    ASSERT_TRUE(view.renderExportImage(5, dir + "/new.png", background, true, false, 4096, 1.0));
    const QImage fresh(QString::fromStdString(dir + "/new.png"));
    EXPECT_LE(fresh.width(), 4096);
    EXPECT_GT(fresh.height(), 240);
    const auto isBackground = [&](QColor c) { return c == background; };
    EXPECT_EQ(countPixels(fresh, QRect(0, 0, 60, fresh.height()), isBackground),
              60 * fresh.height());
    EXPECT_EQ(countPixels(fresh, QRect(0, fresh.height() - 60, fresh.width(), 60), isBackground),
              60 * fresh.width());
    EXPECT_LT(
        countPixels(fresh, QRect(60, 0, fresh.width() - 120, fresh.height() - 60), isBackground),
        (fresh.width() - 120) * (fresh.height() - 60));
}

TEST_F(SectionImages, FailuresKeepTheOlderPictureAndSayWhy)
{
    // No section shown yet: nothing to render, and an older picture stays.
    for (const Engine& engine : Engines) {
        SCOPED_TRACE(engine.name);
        vtkViewer blank;
        const std::string older = dir + "/older.png";
        std::ofstream(older) << "an older picture";
        testing::internal::CaptureStderr();
        EXPECT_FALSE((blank.*engine.render)(5, older, Qt::white, true, false, 1024, 1.0));
        EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
        EXPECT_EQ(testenv::readText(older), "an older picture");
    }

    setSection(doc, 4, 16, [](uint32_t r, uint32_t) { return 1000.0 + 100.0 * r; });
    showView(view, 400, 300);
    view.showProfile(5);
    // A missing folder, a folder standing at the path, and a full disk
    // through a link: refused with the reason, nothing created or replaced.
    std::filesystem::create_directory(dir + "/folder.png");
    std::filesystem::create_symlink("/dev/full", dir + "/full.png");
    const struct {
        std::string path;
        const char* reason;
    } targets[] = {
        {dir + "/missing/p.png", "does not exist"},
        {dir + "/folder.png", "not a regular file"},
        {dir + "/full.png", "not a regular file"},
    };
    for (const auto& t : targets) {
        SCOPED_TRACE(t.path);
        for (const Engine& engine : Engines) {
            SCOPED_TRACE(engine.name);
            testing::internal::CaptureStderr();
            EXPECT_FALSE((view.*engine.render)(5, t.path, Qt::white, true, false, 512, 1.0));
            testing::internal::GetCapturedStderr();
            EXPECT_NE(view.pictureProblem().find(t.reason), std::string::npos)
                << view.pictureProblem();
        }
        testing::internal::CaptureStderr();
        EXPECT_FALSE(view.saveScreenshot(t.path, 1.0));
        testing::internal::GetCapturedStderr();
        EXPECT_NE(view.pictureProblem().find(t.reason), std::string::npos) << view.pictureProblem();
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/folder.png"));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir + "/full.png"));

    // A success clears the reason.
    EXPECT_TRUE(view.saveScreenshot(dir + "/shot.png", 1.0));
    EXPECT_EQ(view.pictureProblem(), "");
}

TEST_F(SectionImages, VelocityExportIgnoresARangeFittedToAnotherFamily)
{
    // 1000 m/s with a 1500 m/s block, and one 2000 m/s cell in a corner.
    setSection(doc, 20, 100, [](uint32_t r, uint32_t c) {
        if (r == 19 && c == 99)
            return 2000.0;
        return r >= 5 && r < 15 && c >= 45 && c < 55 ? 1500.0 : 1000.0;
    });
    ColorPalette palette = builtIn("Blue to red");
    palette.min_db = 1000;
    palette.max_db = 2000;
    view.setPalette(palette);
    showView(view, 640, 400);
    // The main window fits the palette to the Laplacian it shows.
    view.showProfile(10);
    palette.min_db = -500;
    palette.max_db = 500;
    view.setPalette(palette);

    for (const Engine& engine : Engines) {
        SCOPED_TRACE(engine.name);
        const std::string path = dir + "/velocity.png";
        ASSERT_TRUE((view.*engine.render)(5, path, Qt::white, true, false, 1024, 1.0));
        const QImage image(QString::fromStdString(path));
        // Velocity over its own range, 1000 .. 2000: the block is half-way.
        const int block =
            countPixels(image, image.rect(), [](QColor c) { return near(c, 128, 0, 128, 3); });
        const int surrounding =
            countPixels(image, image.rect(), [](QColor c) { return near(c, 0, 0, 255, 3); });
        EXPECT_GT(block, 150); // the block is about 20 x 15 pixels
        EXPECT_GT(surrounding, 10 * block);
    }
}

// The colour bar's title and numbers keep clear of the axes' titles and
// numbers, and inside the picture, at the usual font scale and a large one.
// The axes are drawn green here and the bar's texts stay black, so each
// pixel tells whose it is whatever the font.
TEST_F(SectionImages, ColourBarClearOfTheAxesAtFontScales)
{
    refractionDataStructure refraction;
    sectionfixture::setShowcase(doc, refraction);
    view.setPalette(builtIn("Blue to red"));
    view.showMarkers = false;
    showView(view, 640, 400);
    sectionfixture::fitPalette(view, 5);
    view.showProfile(5);
    for (int axis = 0; axis < 2; ++axis) {
        view.cubeAxes->GetTitleTextProperty(axis)->SetColor(0.0, 1.0, 0.0);
        view.cubeAxes->GetLabelTextProperty(axis)->SetColor(0.0, 1.0, 0.0);
    }
    view.cubeAxes->GetXAxesLinesProperty()->SetColor(0.0, 1.0, 0.0);
    view.cubeAxes->GetYAxesLinesProperty()->SetColor(0.0, 1.0, 0.0);

    const auto isAxis = [](QColor c) {
        return c.green() > c.red() + 60 && c.green() > c.blue() + 60;
    };
    const auto isBarText = [](QColor c) {
        return std::abs(c.red() - c.green()) < 24 && std::abs(c.green() - c.blue()) < 24 &&
               c.value() < 160;
    };
    for (const Engine& engine : Engines)
        for (const bool horizontal : {false, true})
            for (const double scale : {1.0, 2.5}) {
                SCOPED_TRACE(testing::Message()
                             << engine.name << " horizontal " << horizontal << " scale " << scale);
                const std::string path = dir + "/profile.png";
                ASSERT_TRUE(
                    (view.*engine.render)(5, path, Qt::white, true, horizontal, 2048, scale));
                const QImage picture(QString::fromStdString(path));
                // Below the picture's own title line.
                const auto lines = imagecompare::inkRuns(picture, picture.rect(), Qt::Vertical);
                ASSERT_GE(lines.size(), 2u);
                const int first = lines[0].second + 1;
                std::vector<QPoint> barText;
                QImage axes(picture.size(), QImage::Format_Grayscale8);
                axes.fill(0);
                for (int y = first; y < picture.height(); ++y)
                    for (int x = 0; x < picture.width(); ++x) {
                        const QColor c = picture.pixelColor(x, y);
                        if (isBarText(c))
                            barText.push_back({x, y});
                        else if (isAxis(c))
                            axes.setPixel(x, y, 255);
                    }
                ASSERT_GT(barText.size(), 50u) << "no colour bar numbers";
                int touching = 0, atEdge = 0;
                for (const QPoint& p : barText) {
                    atEdge +=
                        p.x() < 2 || p.x() >= picture.width() - 2 || p.y() >= picture.height() - 2;
                    bool near = false;
                    for (int dy = -3; dy <= 3 && !near; ++dy)
                        for (int dx = -3; dx <= 3 && !near; ++dx) {
                            const QPoint q = p + QPoint(dx, dy);
                            near = axes.rect().contains(q) && qGray(axes.pixel(q)) > 0;
                        }
                    touching += near;
                }
                EXPECT_EQ(touching, 0) << "the colour bar's texts run into the axes";
                EXPECT_EQ(atEdge, 0) << "the colour bar's texts are cut off";
                if (touching > 0 || atEdge > 0)
                    picture.save(imagecompare::outputPath(
                        QString("bar_%1_%2_%3.png").arg(engine.name).arg(horizontal).arg(scale)));
            }
}

TEST_F(SectionImages, ScreenshotEnlargesTheView)
{
    setSection(doc, 10, 40, [](uint32_t r, uint32_t) { return 1000.0 + 100.0 * r; });
    doc.title = "Screenshot";
    view.setPalette(builtIn("Blue to red"));
    showView(view, 800, 600);
    view.showProfile(5);

    struct Case {
        double scale;
        QSize size;
    };
    const Case cases[] = {
        {2.0, {1600, 1200}}, {2.5, {1600, 1200}}, {1.5, {800, 600}}, {0.5, {800, 600}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        const std::string path = dir + "/shot.png";
        ASSERT_TRUE(view.saveScreenshot(path, c.scale));
        const QImage shot(QString::fromStdString(path));
        EXPECT_EQ(shot.size(), c.size);
        // The title stays in the picture whatever the scale.
        const QRect titleArea(0, 0, int(0.8 * shot.width()), shot.height() / 4);
        EXPECT_GT(countPixels(shot, titleArea, [](QColor p) { return p.value() < 60; }), 50);
        EXPECT_EQ(view.fontScale, 1.0);
    }
}

TEST(ImageConversion, RowsRunTopDown)
{
    auto image = vtkSmartPointer<vtkImageData>::New();
    image->SetDimensions(2, 2, 1);
    image->AllocateScalars(VTK_UNSIGNED_CHAR, 4);
    auto* p = static_cast<unsigned char*>(image->GetScalarPointer());
    const unsigned char pixels[4][4] = {
        {255, 0, 0, 9}, {0, 255, 0, 9}, {0, 0, 255, 9}, {1, 2, 3, 9}};
    std::copy(&pixels[0][0], &pixels[0][0] + 16, p);
    const QImage q = vtkViewer::imageDataToQImage(image);
    ASSERT_EQ(q.size(), QSize(2, 2));
    EXPECT_EQ(q.format(), QImage::Format_RGB32);
    // VTK's row 0 is the bottom row.
    EXPECT_EQ(q.pixelColor(0, 1), QColor(255, 0, 0));
    EXPECT_EQ(q.pixelColor(1, 1), QColor(0, 255, 0));
    EXPECT_EQ(q.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(q.pixelColor(1, 0), QColor(1, 2, 3));
    EXPECT_TRUE(vtkViewer::imageDataToQImage(nullptr).isNull());
}
