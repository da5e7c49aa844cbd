#pragma once
// The velocity section view: the document's grid as a VTK structured grid with
// one point per cell, coloured by velocity, vertical gradient, Laplacian or
// information density, with contour lines, rays, refractor lines, markers,
// colour bar, axes and title. The main window writes the public options and
// then calls showProfile; the widget draws nothing by itself.
//
// Section coordinates: x along the profile in metres (the survey's own x, that
// is grid x - xShift), y elevation in metres (grid z negated), z = 0.
//
// Arrays are always selected by name ("Isovalues", "VerticalGradientIsovalues",
// "LaplacianIsovalues", "information_density"), never through the grid's
// active scalars: VTK re-executes filters lazily, so a filter that followed the
// active scalars would silently switch to whatever array was activated last.

#include "colorpalette.h"
#include "sectiontypes.h"

#include <QVTKOpenGLNativeWidget.h>
#include <vtkColorTransferFunction.h>
#include <vtkContourFilter.h>
#include <vtkCubeAxesActor.h>
#include <vtkDoubleArray.h>
#include <vtkImageData.h>
#include <vtkPoints.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>
#include <vtkStructuredGrid.h>
#include <vtkTextProperty.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <cfloat>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TomoDocument;
struct SectionPicture;
struct refractionDataStructure;
class vtkActor;
class vtkScalarsToColors;

namespace Ui
{
class vtkViewer;
}

class vtkViewer : public QVTKOpenGLNativeWidget
{
    Q_OBJECT

public:
    using Range = std::pair<double, double>; // (min, max)
    static constexpr Range UnsetRange{FLT_MAX, -FLT_MAX};

    explicit vtkViewer(QWidget* parent = nullptr);
    ~vtkViewer() override;

    // ---- Binding ----
    void setDocument(TomoDocument* doc) { document = doc; }
    // Keeps a copy; rebuilds the lookup table when a section exists. No redraw.
    void setPalette(const ColorPalette& p);
    // showProfile(type) with the camera fitted to the scene it builds; with
    // no section, the next section drawn gets a fitted camera.
    void resetView(int type);
    // The survey shown was replaced: the section, its arrays and ranges go,
    // the view draws an empty scene, and the next section drawn gets a
    // camera fitted to it rather than the old survey's.
    void clearSection();

    // ---- Data arrays (one value per grid cell, in cell order) ----
    // buildGrid, the three other builders, then the lookup table.
    void updateScalarArrays();
    // structuredGrid, gridPoints, velocityArray ("Isovalues", m/s; slowness 0
    // gives DBL_MAX), activeCells and velocityRange. Without a grid with cells
    // nothing changes.
    void buildGrid();
    // v(row + 1) - v(row) per cell, 0 on the bottom row (m/s per row).
    void buildVerticalGradientIsovalues();
    // n v - sum of the n neighbours of the 8-neighbourhood inside the grid (m/s).
    void buildLaplacianIsovalues();
    // The document's info_density; cells past its end read -1 (unset).
    void buildInformationDensity();
    // The three builders above need buildGrid first; each does nothing when
    // there is no document, no grid, or activeCells does not match the grid.

    // colorTransferFunction for showType: the palette's stops over min_db..max_db
    // (a stop at mval 1 sits at max_db + 1), plus the first colour at the
    // array's minimum and the last at its maximum when those lie outside. A
    // palette without stops gives an empty function (black).
    void buildLookupTable();

    // ---- On-screen scene ----
    // Rebuilds and renders the scene for display type t (6 keeps the current
    // type; unknown types draw velocity). Nothing without a section.
    void showProfile(int t);
    void addScalarBarActor(vtkSmartPointer<vtkRenderer> r, vtkSmartPointer<vtkScalarsToColors> lut,
                           bool horizontal, bool equidistantLabels, int titleSize, int labelSize);
    // Height of the section's bounds (m); also said on standard output.
    double gridHeight();
    // Label density 0 "Less", 1 "Normal", 2 "More" -> 30, 15, 10 points.
    void setContourLabelMinPoints(int choice);

    // ---- Overlays (each adds actors to r and does not render) ----
    // Types 2, 3, 8, 11, 14; needs contourFilter. textProperty may be null.
    void addContourActor(vtkSmartPointer<vtkRenderer> r, int type,
                         vtkSmartPointer<vtkTextProperty> textProperty);
    // The document's ray paths, all in one actor.
    void addRaysActor(vtkSmartPointer<vtkRenderer> r);
    // Refractor lines of the layered analysis, cut to the ray-covered area.
    // Nothing without a coverage boundary.
    void addRefractionActor(vtkSmartPointer<vtkRenderer> r);
    void addGeophoneMarkers(vtkSmartPointer<vtkRenderer> r);
    void addShotMarkers(vtkSmartPointer<vtkRenderer> r);
    void addGeophoneMarker(vtkSmartPointer<vtkRenderer> r, double x, double elevation);
    void addShotMarker(vtkSmartPointer<vtkRenderer> r, double x, double elevation);

    // ---- Pictures ----
    // Both render type t off screen at `width` pixels (height in the grid's
    // proportions) with a title band and write a PNG whole (writeWholeFile):
    // a failed call leaves an older file as it was. False, with a line on
    // standard error, when there is no section shown yet or the PNG could not
    // be written; pictureProblem() then says why when the write failed.
    bool renderToImage(int t, std::string path, const QColor& background, bool equidistant,
                       bool horizontal, int width, double fontScaleFactor);
    bool renderExportImage(int t, std::string path, const QColor& background, bool equidistant,
                           bool horizontal, int width, double fontScaleFactor);
    // The on-screen view enlarged trunc(scale) times (at least 1) with fonts
    // scale times larger, as PNG. Written and reported as above.
    bool saveScreenshot(std::string path, double scale);
    // Why the last picture or screenshot could not be written; empty after a
    // success or when nothing was drawn.
    const std::string& pictureProblem() const { return pictureProblem_; }
    // VTK's bottom-up rows as a top-down Format_RGB32 image; null gives null.
    static QImage imageDataToQImage(vtkSmartPointer<vtkImageData> img);

    // ---- Options and state, written by the main window ----
    bool resetCameraPending = true;
    bool showMarkers = true;
    bool showGridLines = false;
    bool showTitle = true;
    double markerScale = 1.0;         // a marker's half size is markerScale * 0.3 m
    TomoDocument* document = nullptr; // not owned
    refractionDataStructure* refractionData = nullptr; // not owned
    bool showRefraction = false;
    bool showScalarBar = true;
    ColorPalette palette;
    std::vector<double> verticalGradient;
    std::vector<double> laplacian;
    std::vector<bool> activeCells;
    Range gradientRange = UnsetRange;
    Range laplacianRange = UnsetRange;
    Range velocityRange = UnsetRange;
    Range densityRange = UnsetRange;
    double exportScale = 1.0;
    int contourLabelMinPoints = 25;
    int labelEveryN = 2; // 0: no labels
    double fontScale = 1.0;
    int scalarBarTitleSize = 20;
    int scalarBarLabelSize = 18;
    int titleFontSize = 22;
    double contourColor[3] = {0.3, 0.3, 0.3};
    int contourLabelSize = 11;
    int showType = sectiontypes::value(SectionType::Velocity);
    vtkSmartPointer<vtkContourFilter> contourFilter;
    vtkSmartPointer<vtkRenderer> renderer;
    vtkSmartPointer<vtkStructuredGrid> structuredGrid;
    vtkSmartPointer<vtkPoints> gridPoints;
    vtkSmartPointer<vtkCubeAxesActor> cubeAxes;
    int axesScreenSize = 24;
    vtkSmartPointer<vtkDoubleArray> velocityArray;
    vtkSmartPointer<vtkDoubleArray> verticalGradientArray;
    vtkSmartPointer<vtkDoubleArray> laplacianArray;
    vtkSmartPointer<vtkDoubleArray> densityArray;
    vtkSmartPointer<vtkColorTransferFunction> colorTransferFunction;
    std::string workFolder;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct ExportScene;
    // The scene both pictures share; its width is left to the caller.
    ExportScene buildExportScene(const SectionPicture& picture, int contourLabelFont);
    Range rangeOfType(int type) const;
    // The contour overlay in the order its pieces are drawn: labels, lines in
    // the contour colour, black lines, and the filled bands of type 3.
    struct ContourLines;
    ContourLines stripContours() const;
    void addContourLabels(vtkRenderer* r, const ContourLines& contours, int t,
                          vtkSmartPointer<vtkTextProperty> textProperty);
    void addContourLines(vtkRenderer* r, const ContourLines& contours, int t);
    void addContourOverlay(vtkRenderer* r, const ContourLines& contours, int t);
    void addFilledBands(vtkRenderer* r, const ContourLines& contours);
    bool refractionApplies() const;
    std::vector<double> cellVelocities() const;
    bool arraysMatchGrid() const;
    bool writePicture(const QImage& picture, const std::string& path);

    std::unique_ptr<Ui::vtkViewer> ui;
    std::string pictureProblem_;
    // The image magnification of a screenshot in progress: 2-D actor positions
    // are taken in the magnified image, so the title is placed for it.
    int titleMagnification = 1;
};
