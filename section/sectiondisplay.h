#pragma once
// The section display: the one place that writes the section view's options,
// its palette and the palette bar beside it, builds its contour filter and
// chooses its display type. The section commands of the window (layers,
// contours, markers, toggles, palettes) run here.
//
// Owns nothing but the bar's placement: the palettes, the contour settings
// and the layer flags are the window's members, reached through State; the
// actions are the window's form's, reached through Actions. Needs the view,
// the layout the bar sits in, the document (read only, for the grid and the
// information density), the log, and the host's answers in Host.

#include "sectionpicture.h"
#include "sectiontypes.h"

#include <QColor>

#include <functional>
#include <set>
#include <string>
#include <utility>

class ColorPaletteWidget;
class Logger;
class QAction;
class QBoxLayout;
class QMenu;
class QWidget;
class TomoDocument;
class UserPrompts;
class vtkViewer;
struct ColorPaletteList;
struct refractionDataStructure;

class SectionDisplay
{
public:
    struct State {
        ColorPaletteList& palettes;
        ColorPaletteWidget*& bar;
        int& contourCount;
        bool& equallySpaced;
        std::set<double>& isovalues;
        bool& customContours;
        bool& viewVelocity;
        bool& viewVerticalGradient;
        bool& viewLaplacianGradient;
        bool& viewInfoDensity;
        bool& viewFilledContours;
        QColor& contourColor;
        int& contourLabelSize;
    };
    struct Actions {
        QAction* profile;
        QAction* verticalGradient;
        QAction* laplacian;
        QAction* density;
        QAction* rays;
        QAction* contours;
        QAction* smallMarkers;
        QAction* normalMarkers;
        QAction* largeMarkers;
        QAction* refraction;
        QAction* scalarBar;
        QAction* gridLines;
        QAction* title;
        QAction* palette;
        QAction* resetView;
        QMenu* viewMenu;
        QMenu* gradientMenu;
        QMenu* markerMenu;
    };
    struct Host {
        QWidget* dialogParent;
        QBoxLayout* barLayout; // the bar goes after the view in it
        QWidget* barParent;
        // The bar's signals go to the window's palette slots.
        std::function<void(ColorPaletteWidget*)> connectBar;
        // The section tab in front, with its rules.
        std::function<void()> bringForward;
        std::function<void()> setModified;
        // The window's questions to the user.
        UserPrompts& prompts;
    };

    SectionDisplay(vtkViewer& view, State state, Actions actions, Host host, Logger*& logger,
                   const TomoDocument& document);

    const vtkViewer& view() const { return view_; }

    // The view menu's section actions: the layers, toggles and markers while
    // the document has results (the toggles checked as the view shows them),
    // the rays while there are some, the palette while a survey is loaded.
    void updateActions(bool loaded);
    // The states of the view menu's section actions that depend on the tab
    // in front (index 2 is the section's): off on the other tabs; on the
    // section's tab the palette with a grid, the rays while there are some,
    // the layers, markers and toggles with results.
    void applyTabRules(int index);

    // ---- Binding ----
    void setWorkFolder(const std::string& folder);
    // The survey the view draws; null for none while a document is replaced.
    void attach(const TomoDocument* document, refractionDataStructure* refraction);
    void setRefraction(refractionDataStructure* refraction);
    // Whether the refractor lines are shown; a change redraws the section.
    void setRefractionShown(bool shown);
    // After New, Import or Open swapped in a survey: the old section leaves
    // the view, and the next one drawn gets its own bounds and camera.
    void surveyReplaced();

    // ---- Drawing ----
    void show(SectionType type);
    // Redraws in the type in force.
    void redraw();
    // Redraws when the document has a grid.
    void redrawWithGrid();
    void resetView();

    // ---- Palettes ----
    // The built-in palettes appended to the list, the first one current.
    void setupPalettes();
    // Every palette takes the range; a new bar shows the current palette.
    void buildPaletteBar(double min, double max);
    void paletteEdited();
    void setPaletteMin(int value);
    void setPaletteMax(int value);
    // The palette dialog; true when a palette was chosen.
    bool choosePalette();
    // The range of every palette from the velocities of the covered cells.
    void fitPaletteToVelocities();
    // The bar's handles where its palette's stops are.
    void placeBarHandles();

    // ---- Pictures ----
    // Contour label density of the pictures: 0 "Less", 1 "Normal", 2 "More".
    void setContourLabelDensity(int choice);
    // The picture as a PNG at path, in the scene its style names; false when
    // nothing was written.
    bool renderPicture(const SectionPicture& picture, const std::string& path);
    bool saveScreenshot(const std::string& path, double scale);
    // Why the last picture or screenshot could not be written.
    std::string pictureProblem() const;

    // ---- Commands ----
    void showVerticalGradient();
    void showLaplacian();
    void showDensity();
    void showVelocity();
    void showRays();
    void setMarkerSize(QAction* chosen);
    void showRefraction();
    void showScalarBar();
    void showGridLines();
    void showTitle();
    void chooseContours();

    // ---- Survey changes ----
    // A new project: no contours, no layer, no contour filter.
    void forgetContours();
    // A project with results was opened: its arrays, palette and a fresh camera.
    void showOpenedResults();
    // An inversion finished: the section over the new model with its rays,
    // no layer checked. buildLayerArrays then derives the layers' values.
    void showInversionResults();
    void buildLayerArrays();

private:
    enum Layer { VerticalGradientLayer, LaplacianLayer, DensityLayer };
    struct LayerRow;
    static const LayerRow layers[3];

    // The scalar bar, grid lines and title actions enabled or not; checked
    // as the view shows them when followView.
    void setToggles(bool enabled, bool followView);
    void showLayer(Layer layer);
    QAction* layerAction(Layer layer) const;
    bool& layerFlag(Layer layer);
    void showRange(std::pair<double, double> r, const char* minLabel, const char* maxLabel);
    void showLayerRange(Layer layer);
    void showVelocityRange();
    void installBar(ColorPaletteWidget* bar);
    void setMinAll(double min);
    void setMaxAll(double max);
    void rebuildContourFilter();
    void logLine(const std::string& text);

    vtkViewer& view_;
    State state;
    Actions actions;
    Host host;
    Logger*& logger;
    const TomoDocument& document;
};
