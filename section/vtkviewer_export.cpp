// Pictures of the section: two off-screen renderers for the exports and the
// enlarged screenshot of the on-screen view.

#include "vtkviewer.h"

#include "picturefile.h"
#include "sectionpicture.h"
#include "sectionscene.h"
#include "sectiontypes.h"
#include "wholefile.h"

#include <vtkCamera.h>
#include <vtkNew.h>
#include <vtkPNGWriter.h>
#include <vtkPointData.h>
#include <vtkProperty.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkScalarBarActor.h>
#include <vtkUnsignedCharArray.h>
#include <vtkWindowToImageFilter.h>

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <iostream>

using namespace sectionscene;

namespace
{
bool reportFailure(const char* what, const std::string& path, const std::string& why = {})
{
    std::cerr << "[ERROR] " << what << " " << path << (why.empty() ? "" : ": ") << why << std::endl;
    return false;
}

// The height of a picture of the given width with the section's proportions;
// 0 when there is no section.
int pictureHeight(vtkStructuredGrid* grid, int width)
{
    if (!grid || width <= 0)
        return 0;
    const int* dims = grid->GetDimensions();
    return dims[0] > 0 ? static_cast<int>(width * (static_cast<double>(dims[1]) / dims[0])) : 0;
}

QImage renderOffScreen(vtkRenderer* renderer, int width, int height)
{
    vtkNew<vtkRenderWindow> window;
    window->SetOffScreenRendering(1);
    window->SetSize(width, height);
    window->AddRenderer(renderer);
    vtkNew<vtkWindowToImageFilter> capture;
    capture->SetInput(window);
    capture->Update();
    return vtkViewer::imageDataToQImage(capture->GetOutput());
}
// The part of a render that differs from the background, compared at a
// resolution of 1/100 per channel; null when nothing was drawn.
QRect inkRect(const QImage& render, const QColor& background)
{
    auto level = [](double c) { return std::ceil(c * 100.0) / 100.0; };
    const double bg[3] = {level(background.redF()), level(background.greenF()),
                          level(background.blueF())};
    int left = render.width(), right = -1, top = render.height(), bottom = -1;
    for (int y = 0; y < render.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(render.constScanLine(y));
        for (int x = 0; x < render.width(); ++x) {
            const QRgb p = line[x];
            if (level(qRed(p) / 255.0) != bg[0] || level(qGreen(p) / 255.0) != bg[1] ||
                level(qBlue(p) / 255.0) != bg[2]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The scene with its colour bar, the bar's title and labels clear of the axes'
// titles and numbers and inside the picture, whatever the font scale. The
// scene is rendered once as it is when the bar, rendered alone, keeps clear of
// everything else; otherwise the two are rendered apart, cropped to their ink
// and set side by side (a vertical bar) or the bar under the section (a
// horizontal one), on the background, at their own sizes.
QImage renderWithBar(vtkRenderer* scene, vtkScalarBarActor* bar, int width, int height,
                     const QColor& background, bool horizontal)
{
    const QImage section = renderOffScreen(scene, width, height);
    const QRect sectionInk = inkRect(section, background);

    vtkNew<vtkRenderer> alone;
    alone->SetBackground(background.redF(), background.greenF(), background.blueF());
    alone->SetBackgroundAlpha(background.alphaF());
    alone->AddActor2D(bar);
    const QImage barOnly = renderOffScreen(alone, width, height);
    alone->RemoveActor2D(bar);
    const QRect barInk = inkRect(barOnly, background);

    const int gap = std::max(4, width / 100);
    const QRect inside(1, 1, width - 2, height - 2);
    if (sectionInk.isNull() || barInk.isNull() ||
        (inside.contains(barInk) &&
         !barInk.adjusted(-gap, -gap, gap, gap).intersects(sectionInk))) {
        scene->AddActor2D(bar);
        const QImage whole = renderOffScreen(scene, width, height);
        scene->RemoveActor2D(bar);
        return whole;
    }

    // The bar alone again, along the section's ink and well inside its render.
    const double w = width, h = height;
    if (horizontal) {
        bar->SetPosition((sectionInk.left() + 0.1 * sectionInk.width()) / w, 0.3);
        bar->SetWidth(0.8 * sectionInk.width() / w);
        bar->SetHeight(0.05);
    } else {
        bar->SetPosition(0.05, std::max(0.05, (h - sectionInk.bottom()) / h));
        bar->SetHeight(std::min(0.8, sectionInk.height() / h));
        bar->SetWidth(0.04);
    }
    alone->AddActor2D(bar);
    const QImage placed = renderOffScreen(alone, width, height);
    alone->RemoveActor2D(bar);
    QRect placedInk = inkRect(placed, background);
    if (placedInk.isNull())
        placedInk = QRect(0, 0, 1, 1);

    QImage out;
    if (horizontal) {
        const int left = std::min(sectionInk.left(), placedInk.left());
        const int right = std::max(sectionInk.right(), placedInk.right());
        out = QImage(right - left + 1, sectionInk.height() + gap + placedInk.height(),
                     section.format());
        out.fill(background);
        QPainter painter(&out);
        painter.drawImage(sectionInk.left() - left, 0, section.copy(sectionInk));
        painter.drawImage(placedInk.left() - left, sectionInk.height() + gap,
                          placed.copy(placedInk));
    } else {
        const int top = std::min(sectionInk.top(), placedInk.top());
        const int bottom = std::max(sectionInk.bottom(), placedInk.bottom());
        out = QImage(sectionInk.width() + gap + placedInk.width(), bottom - top + 1,
                     section.format());
        out.fill(background);
        QPainter painter(&out);
        painter.drawImage(0, sectionInk.top() - top, section.copy(sectionInk));
        painter.drawImage(sectionInk.width() + gap, placedInk.top() - top, placed.copy(placedInk));
    }
    return out;
}
} // namespace

struct vtkViewer::ExportScene {
    vtkSmartPointer<vtkRenderer> renderer;
    vtkSmartPointer<vtkScalarBarActor> bar;
    QString title;
};

vtkViewer::ExportScene vtkViewer::buildExportScene(const SectionPicture& picture,
                                                   int contourLabelFont)
{
    ExportScene scene;
    const int t = sectiontypes::value(picture.type);

    // A private grid on the view's points and arrays, coloured by name.
    auto grid = vtkSmartPointer<vtkStructuredGrid>::New();
    grid->SetDimensions(structuredGrid->GetDimensions());
    grid->SetPoints(gridPoints);
    grid->GetPointData()->SetScalars(velocityArray);
    for (vtkDoubleArray* array : {verticalGradientArray.Get(), laplacianArray.Get()})
        if (array)
            grid->GetPointData()->AddArray(array);
    for (size_t i = 0; i < activeCells.size(); ++i)
        if (!activeCells[i])
            grid->BlankPoint(static_cast<vtkIdType>(i));

    scene.renderer = vtkSmartPointer<vtkRenderer>::New();
    const SectionFamily family = sectiontypes::picturedFamily(t);
    const SectionActor section = makeSectionActor(grid, sectiontypes::arrayName(family));
    scene.renderer->AddActor(section.actor);
    // The classic scene takes its background later, with the axes.
    if (picture.style != PictureStyle::Classic) {
        const QColor& background = picture.background;
        scene.renderer->SetBackground(background.redF(), background.greenF(), background.blueF());
        scene.renderer->SetBackgroundAlpha(background.alphaF());
    }

    if (showMarkers) {
        if (picture.style == PictureStyle::Classic) {
            addGeophoneMarkers(scene.renderer);
            addShotMarkers(scene.renderer);
        } else {
            addShotMarkers(scene.renderer);
            addGeophoneMarkers(scene.renderer);
        }
    }
    if (refractionApplies())
        addRefractionActor(scene.renderer);
    const SectionOverlay overlay = sectiontypes::picturedOverlay(t);
    if (overlay == SectionOverlay::Rays) {
        addRaysActor(scene.renderer);
    } else if (overlay == SectionOverlay::Contours && contourFilter) {
        auto labels = vtkSmartPointer<vtkTextProperty>::New();
        labels->SetColor(0.0, 0.0, 0.0);
        labels->ShadowOff();
        labels->SetFontSize(contourLabelFont);
        addContourActor(scene.renderer, t, labels);
    }

    // The palette range applies only to the family the view shows; the main
    // window fits the palette to that family's values.
    const bool paletteFamily = sectiontypes::familyOf(showType) == family;
    const auto [lo, hi] = paletteFamily ? Range{palette.min_db, palette.max_db}
                          : family == SectionFamily::Gradient  ? gradientRange
                          : family == SectionFamily::Laplacian ? laplacianRange
                                                               : velocityRange;

    auto lut = vtkSmartPointer<vtkColorTransferFunction>::New();
    lut->SetColorSpaceToRGB();
    for (const GradientColorPoint& stop : palette.color_gradient.color) {
        const double x = lo + (hi - lo) * stop.mval;
        lut->AddRGBPoint(x, stop.mr, stop.mg, stop.mb);
        char text[64];
        std::snprintf(text, sizeof text, "%8.2f", std::round(x));
        lut->SetAnnotation(x, text);
    }
    lut->SetScaleToLinear();
    section.mapper->SetLookupTable(lut);

    scene.bar = vtkSmartPointer<vtkScalarBarActor>::New();
    scene.bar->SetLookupTable(lut);
    if (picture.equidistantLabels) {
        scene.bar->SetNumberOfLabels(static_cast<int>(palette.color_gradient.color.size()));
        scene.bar->SetDrawAnnotations(0);
    } else {
        scene.bar->SetNumberOfLabels(0);
        scene.bar->SetDrawAnnotations(1);
        scene.bar->SetTextPositionToPrecedeScalarBar();
    }
    scene.bar->SetTitle("(m/s)");
    scene.bar->SetUnconstrainedFontSize(true);
    scene.bar->SetLabelFormat("%8.1f");
    if (picture.horizontalBar) {
        scene.bar->SetOrientationToHorizontal();
        scene.bar->SetHeight(0.05);
        scene.bar->SetWidth(0.5);
        scene.bar->SetPosition(0.25, 0.0);
    } else {
        scene.bar->SetWidth(0.04);
    }

    const SectionTypeInfo* row = sectiontypes::info(t);
    if (row && row->pictured) {
        scene.title = row->title;
    } else {
        std::cerr << "Unknown showType!" << std::endl;
    }
    return scene;
}

bool vtkViewer::writePicture(const QImage& picture, const std::string& path)
{
    QString why;
    if (writeWholePng(QString::fromStdString(path), picture, &why))
        return true;
    pictureProblem_ = why.toStdString();
    return reportFailure("Cannot write the section picture", path, pictureProblem_);
}

bool vtkViewer::renderToImage(int t, std::string path, const QColor& background, bool equidistant,
                              bool horizontal, int width, double fontScaleFactor)
{
    pictureProblem_.clear();
    const int height = cubeAxes ? pictureHeight(structuredGrid, width) : 0;
    if (height <= 0)
        return reportFailure("No section to render for", path);

    // The reference width is the window's actual width, known once it exists.
    vtkNew<vtkRenderWindow> window;
    window->SetOffScreenRendering(1);
    window->SetSize(width, height);
    const int actualWidth = window->GetActualSize()[0];
    std::cout << actualWidth << std::endl;
    const double f = actualWidth / 4096.0;
    exportScale = f;
    const int titleSize = static_cast<int>(f * 50);
    const int contourFont = static_cast<int>(fontScaleFactor * 30 * f);
    const int barFont = static_cast<int>(fontScaleFactor * 40 * f);

    ExportScene scene = buildExportScene({SectionType(t), PictureStyle::Classic, background,
                                          equidistant, horizontal, width, fontScaleFactor},
                                         contourFont);
    if (!horizontal) {
        scene.bar->SetPosition(equidistant ? 0.925 : 0.885, 0.115);
        scene.bar->SetHeight(0.72);
        scene.bar->SetWidth(0.04);
    }
    auto labels = vtkSmartPointer<vtkTextProperty>::New();
    auto title = vtkSmartPointer<vtkTextProperty>::New();
    for (vtkTextProperty* p : {labels.Get(), title.Get()}) {
        p->SetColor(0.0, 0.0, 0.0);
        p->SetFontFamilyToTimes();
        p->BoldOff();
        p->SetFontSize(barFont);
    }
    scene.bar->SetLabelTextProperty(labels);
    scene.bar->SetAnnotationTextProperty(labels);
    scene.bar->SetTitleTextProperty(title);

    scene.renderer->AddViewProp(cubeAxes);
    scene.renderer->SetBackground(background.redF(), background.greenF(), background.blueF());
    scene.renderer->SetBackgroundAlpha(background.alphaF());
    scene.renderer->ResetCamera();

    QImage render =
        renderWithBar(scene.renderer, scene.bar, actualWidth, height, background, horizontal);
    // A picture set together from its parts keeps the render's size.
    if (render.size() != QSize(actualWidth, height)) {
        const int margin = std::max(4, actualWidth / 100);
        const QImage parts =
            render.scaled(std::max(1, actualWidth - 2 * margin), std::max(1, height - 2 * margin),
                          Qt::KeepAspectRatio, Qt::SmoothTransformation);
        render = QImage(actualWidth, height, parts.format());
        render.fill(background);
        QPainter painter(&render);
        painter.drawImage((actualWidth - parts.width()) / 2, (height - parts.height()) / 2, parts);
    }

    const int m = titleSize;
    QImage picture(render.width(), render.height() + 5 * m, render.format());
    picture.fill(background);
    QPainter painter(&picture);
    painter.drawImage(0, 5 * m, render);
    painter.setPen(Qt::black);
    QFont font("Times", std::max(1, m));
    font.setWeight(75);
    painter.setFont(font);
    painter.drawText(100, 5 * m, scene.title);
    painter.end();
    return writePicture(picture, path);
}

bool vtkViewer::renderExportImage(int t, std::string path, const QColor& background,
                                  bool equidistant, bool horizontal, int width,
                                  double fontScaleFactor)
{
    pictureProblem_.clear();
    const int height = cubeAxes ? pictureHeight(structuredGrid, width) : 0;
    if (height <= 0)
        return reportFailure("No section to render for", path);

    const double f = width / 4096.0;
    exportScale = f;
    const int titleSize = static_cast<int>(f * 42);
    const int contourFont = static_cast<int>(fontScaleFactor * 24 * f);
    const int barFont = static_cast<int>(fontScaleFactor * 28 * f);

    ExportScene scene = buildExportScene({SectionType(t), PictureStyle::New, background,
                                          equidistant, horizontal, width, fontScaleFactor},
                                         contourFont);
    if (equidistant)
        scene.bar->SetDrawTickLabels(1);
    auto labels = vtkSmartPointer<vtkTextProperty>::New();
    labels->SetColor(0.0, 0.0, 0.0);
    labels->SetFontFamilyToArial();
    labels->SetFontSize(contourFont);
    labels->BoldOff();
    auto title = vtkSmartPointer<vtkTextProperty>::New();
    title->SetColor(0.0, 0.0, 0.0);
    title->SetFontFamilyToArial();
    title->SetFontSize(barFont);
    title->BoldOn();
    scene.bar->SetLabelTextProperty(labels);
    scene.bar->SetAnnotationTextProperty(labels);
    scene.bar->SetTitleTextProperty(title);

    auto axes = vtkSmartPointer<vtkCubeAxesActor>::New();
    axes->SetBounds(cubeAxes->GetBounds());
    for (int axis = 0; axis < 2; ++axis) {
        axes->GetTitleTextProperty(axis)->SetColor(
            cubeAxes->GetTitleTextProperty(axis)->GetColor());
        axes->GetLabelTextProperty(axis)->SetColor(
            cubeAxes->GetLabelTextProperty(axis)->GetColor());
    }
    axes->GetXAxesLinesProperty()->SetColor(cubeAxes->GetXAxesLinesProperty()->GetColor());
    axes->GetYAxesLinesProperty()->SetColor(cubeAxes->GetXAxesLinesProperty()->GetColor());
    axes->SetLabelOffset(cubeAxes->GetLabelOffset());
    axes->GetLabelTextProperty(1)->SetOrientation(
        cubeAxes->GetLabelTextProperty(1)->GetOrientation());
    axes->SetZAxisVisibility(cubeAxes->GetZAxisVisibility());
    axes->SetXTitle(cubeAxes->GetXTitle());
    axes->SetYTitle(cubeAxes->GetYTitle());
    axes->SetXUnits(cubeAxes->GetXUnits());
    axes->SetYUnits(cubeAxes->GetYUnits());
    axes->SetFlyModeToStaticEdges();
    for (int axis = 0; axis < 2; ++axis) {
        axes->GetLabelTextProperty(axis)->SetFontFamilyToArial();
        axes->GetLabelTextProperty(axis)->SetFontSize(contourFont);
        axes->GetTitleTextProperty(axis)->SetFontSize(contourFont);
    }
    axes->SetEnableDistanceLOD(0);
    axes->SetEnableViewAngleLOD(0);
    const double h = gridHeight();
    // Below about 1.72 m the formula gives no size at all.
    axes->SetScreenSize(std::max(1.0, (std::log(h / 5.0) * 7.5 + 8.0) * fontScaleFactor));

    scene.renderer->ResetCamera();
    vtkCamera* camera = scene.renderer->GetActiveCamera();
    camera->ParallelProjectionOn();
    camera->SetParallelScale(h * 1.22);
    std::cout << "Grid height: " << h << std::endl;
    axes->SetCamera(camera);
    scene.renderer->AddViewProp(axes);

    const QImage render =
        renderWithBar(scene.renderer, scene.bar, width, height, background, horizontal);

    // Crop to what differs from the background.
    const QRect ink = inkRect(render, background);
    const QImage crop = ink.isNull() ? render : render.copy(ink);
    const QImage scaled = crop.scaled(std::max(1, width - 120), std::max(1, height - 120),
                                      Qt::KeepAspectRatio, Qt::FastTransformation);

    QImage canvas(scaled.width() + 120, scaled.height() + 120, render.format());
    canvas.fill(background);
    {
        QPainter painter(&canvas);
        painter.drawImage(60, 60, scaled);
    }

    const QFont plain("Helvetica", std::max(1, titleSize));
    const int lineHeight = QFontMetrics(plain).height();
    QImage picture(canvas.width(), canvas.height() + lineHeight + 120, render.format());
    picture.fill(background);
    QPainter painter(&picture);
    painter.drawImage(0, lineHeight + 120, canvas);
    painter.setPen(Qt::black);
    QFont bold("Helvetica", std::max(1, titleSize));
    bold.setWeight(75);
    painter.setFont(bold);
    painter.drawText(60, static_cast<int>(lineHeight * 0.5 + 60.0), scene.title);
    painter.end();
    return writePicture(picture, path);
}

bool vtkViewer::saveScreenshot(std::string path, double scale)
{
    pictureProblem_.clear();
    // VTK magnifies by whole numbers only, and at least 1.
    const int magnification =
        std::isfinite(scale) && scale >= 1.0 ? static_cast<int>(std::min(scale, 64.0)) : 1;
    fontScale = scale;
    titleMagnification = magnification;
    showProfile(sectiontypes::value(SectionType::Current));
    renderer->SetBackground(1.0, 1.0, 1.0);

    vtkNew<vtkWindowToImageFilter> capture;
    capture->SetInput(renderWindow());
    capture->SetScale(magnification);
    capture->SetInputBufferTypeToRGB();
    capture->ReadFrontBufferOff();
    capture->Update();

    // Encoded in memory, then written whole.
    vtkNew<vtkPNGWriter> writer;
    writer->WriteToMemoryOn();
    writer->SetInputConnection(capture->GetOutputPort());
    writer->Write();
    vtkUnsignedCharArray* encoded = writer->GetResult();
    QByteArray bytes;
    if (writer->GetErrorCode() == 0 && encoded && encoded->GetNumberOfValues() > 0)
        bytes = QByteArray(reinterpret_cast<const char*>(encoded->GetPointer(0)),
                           static_cast<int>(encoded->GetNumberOfValues()));

    fontScale = 1.0;
    titleMagnification = 1;
    showProfile(sectiontypes::value(SectionType::Current));
    QString why;
    if (bytes.isEmpty())
        why = QCoreApplication::translate("Pictures", "the picture could not be made");
    else if (writeWholeFile(QString::fromStdString(path), bytes, &why))
        return true;
    pictureProblem_ = why.toStdString();
    return reportFailure("Cannot write the screenshot", path, pictureProblem_);
}

QImage vtkViewer::imageDataToQImage(vtkSmartPointer<vtkImageData> img)
{
    if (!img)
        return QImage();
    int dims[3];
    img->GetDimensions(dims);
    const int w = dims[0];
    const int h = dims[1];
    QImage image(w, h, QImage::Format_RGB32);
    vtkDataArray* scalars = img->GetPointData()->GetScalars();
    if (!scalars || w <= 0 || h <= 0)
        return image;
    const int components = img->GetNumberOfScalarComponents();
    const auto* data = static_cast<const unsigned char*>(img->GetScalarPointer());
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(h - 1 - y));
        const unsigned char* source = data + static_cast<size_t>(y) * w * components;
        for (int x = 0; x < w; ++x, source += components)
            line[x] = qRgb(source[0], source[1], source[2]);
    }
    return image;
}
