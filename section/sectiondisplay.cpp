#include "sectiondisplay.h"

#include "colorpalettewidget.h"
#include "contourlevels.h"
#include "contourlines_dialog.h"
#include "grid.h"
#include "logger.h"
#include "palettedialog.h"
#include "tomodocument.h"
#include "userprompts.h"
#include "vtkviewer.h"
#include "windowtexts.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QMenu>
#include <QSpinBox>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iostream>

using namespace sectiontypes;
using T = SectionType;

namespace
{
const char* checkedText(bool b)
{
    return b ? "true" : "false";
}

// The range of the bar's spin boxes and handles.
int toSpinValue(double v)
{
    return static_cast<int>(std::clamp(v, -2147483647.0, 2147483647.0));
}

const char* const velocityLabels[] = {"Min Vel ", ", Max Vel : "};
} // namespace

// The gradient and information density layers.
struct SectionDisplay::LayerRow {
    SectionFamily family;
    vtkViewer::Range vtkViewer::*range;
    // The types in force that keep their contours when the layer is switched.
    std::initializer_list<SectionType> contourTypes;
    const char* minLabel;
    const char* maxLabel;
    const char* slot;
};

const SectionDisplay::LayerRow SectionDisplay::layers[3] = {
    {SectionFamily::Gradient,
     &vtkViewer::gradientRange,
     {T::VelocityContours, T::FilledContours, T::GradientContours, T::LaplacianContours},
     "Min Grad : ",
     ", Max Grad : ",
     "on_actionVertical_Gradient_triggered"},
    {SectionFamily::Laplacian,
     &vtkViewer::laplacianRange,
     {T::VelocityContours, T::FilledContours, T::GradientContours, T::LaplacianContours},
     "Min Laplacian : ",
     ", Max Laplacian : ",
     "on_actionLaplacian_Gradient_triggered"},
    {SectionFamily::Density,
     &vtkViewer::densityRange,
     {T::VelocityContours, T::FilledContours, T::GradientContours, T::LaplacianContours,
      T::DensityContours},
     "Min Density : ",
     ", Max Density : ",
     "on_actionShow_Information_Density_Layer_triggered"},
};

SectionDisplay::SectionDisplay(vtkViewer& view, State state, Actions actions, Host host,
                               Logger*& logger, const TomoDocument& document)
    : view_(view), state(state), actions(actions), host(std::move(host)), logger(logger),
      document(document)
{
}

void SectionDisplay::logLine(const std::string& text)
{
    logger->writeLog(text, 0);
}

// ---- Binding ----

void SectionDisplay::setWorkFolder(const std::string& folder)
{
    view_.workFolder = folder;
}

void SectionDisplay::attach(const TomoDocument* doc, refractionDataStructure* refraction)
{
    // The view only reads the document.
    view_.setDocument(const_cast<TomoDocument*>(doc));
    view_.refractionData = refraction;
}

void SectionDisplay::setRefraction(refractionDataStructure* refraction)
{
    view_.refractionData = refraction;
}

void SectionDisplay::setRefractionShown(bool shown)
{
    if (view_.showRefraction == shown)
        return;
    view_.showRefraction = shown;
    redraw();
}

void SectionDisplay::surveyReplaced()
{
    view_.clearSection();
}

// ---- Drawing ----

void SectionDisplay::show(SectionType type)
{
    view_.showProfile(value(type));
}

void SectionDisplay::redraw()
{
    show(T::Current);
}

void SectionDisplay::redrawWithGrid()
{
    if (document.grid)
        redraw();
}

void SectionDisplay::resetView()
{
    view_.resetView(value(T::Current));
}

// ---- Pictures ----

void SectionDisplay::setContourLabelDensity(int choice)
{
    view_.setContourLabelMinPoints(choice);
}

bool SectionDisplay::renderPicture(const SectionPicture& picture, const std::string& path)
{
    const auto render = picture.style == PictureStyle::New ? &vtkViewer::renderExportImage
                                                           : &vtkViewer::renderToImage;
    return (view_.*render)(value(picture.type), path, picture.background, picture.equidistantLabels,
                           picture.horizontalBar, picture.width, picture.fontScale);
}

bool SectionDisplay::saveScreenshot(const std::string& path, double scale)
{
    return view_.saveScreenshot(path, scale);
}

std::string SectionDisplay::pictureProblem() const
{
    return view_.pictureProblem();
}

// ---- Palettes ----

void SectionDisplay::setMinAll(double min)
{
    for (ColorPalette& p : state.palettes.palettes)
        p.min_db = min;
}

void SectionDisplay::setMaxAll(double max)
{
    for (ColorPalette& p : state.palettes.palettes)
        p.max_db = max;
}

void SectionDisplay::installBar(ColorPaletteWidget* bar)
{
    ColorPaletteWidget*& current = state.bar;
    if (current) {
        // Not deleted at once: this may run inside one of the old bar's signals.
        host.barLayout->removeWidget(current);
        current->hide();
        current->deleteLater();
    }
    current = bar;
    host.barLayout->addWidget(bar);
    host.barLayout->setStretchFactor(&view_, 2);
    host.connectBar(bar);
}

void SectionDisplay::setupPalettes()
{
    const ColorPaletteList builtIn = builtInPalettes();
    ColorPaletteList& list = state.palettes;
    list.palettes.insert(list.palettes.end(), builtIn.palettes.begin(), builtIn.palettes.end());
    list.curr_palette = 0;
    const ColorPalette& current = list.palettes.at(0);
    view_.setPalette(current);
    installBar(new ColorPaletteWidget(current, host.barParent));
}

void SectionDisplay::buildPaletteBar(double min, double max)
{
    setMinAll(min);
    setMaxAll(max);
    ColorPaletteList& list = state.palettes;
    auto* bar = new ColorPaletteWidget(list.palettes.at(size_t(list.curr_palette)), host.barParent);
    installBar(bar);
    view_.setPalette(bar->editedPalette);
    redrawWithGrid();
}

void SectionDisplay::paletteEdited()
{
    const ColorPalette& edited = state.bar->editedPalette;
    setMinAll(edited.min_db);
    setMaxAll(edited.max_db);
    state.palettes.palettes.at(size_t(state.palettes.curr_palette)) = edited;
    view_.setPalette(edited);
    redrawWithGrid();
}

void SectionDisplay::setPaletteMax(int value)
{
    setMaxAll(value);
    if (view_.structuredGrid) {
        view_.buildLookupTable();
        redraw();
    }
}

void SectionDisplay::setPaletteMin(int value)
{
    setMinAll(value);
    if (view_.structuredGrid) {
        view_.buildLookupTable();
        redraw();
    }
}

bool SectionDisplay::choosePalette()
{
    ColorPaletteList& list = state.palettes;
    auto* dialog = new PaletteDialog(list, host.dialogParent);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (accepted) {
        list.palettes = dialog->paletteList.palettes;
        list.curr_palette = dialog->paletteList.curr_palette;
        const int min = dialog->minValue();
        const int max = dialog->maxValue();
        host.setModified();
        // The range first, so the view and the bar show the range chosen.
        setMinAll(min);
        setMaxAll(max);
        const ColorPalette& current = list.palettes.at(size_t(list.curr_palette));
        view_.setPalette(current);
        state.bar->setPalette(current);
        state.bar->updateHandlePositions();
        redrawWithGrid();
    }
    delete dialog;
    return accepted;
}

void SectionDisplay::fitPaletteToVelocities()
{
    if (!document.grid)
        return;
    double min = DBL_MAX;
    double max = -DBL_MAX;
    for (const GridCell& cell : document.grid->cells) {
        // A slowness that is not finite and positive has no velocity.
        if (!cell.to_be_draw || !std::isfinite(cell.slowness) || !(cell.slowness > 0.0))
            continue;
        const double v = 1.0 / cell.slowness;
        min = std::min(min, v);
        max = std::max(max, v);
    }
    std::cout << "MIN: " << min << ", MAX: " << max << std::endl;
    // Without a covered cell there is no range: keep every palette's own.
    if (min > max)
        return;
    setMinAll(min);
    setMaxAll(max);
    if (!view_.structuredGrid)
        return;

    ColorPaletteWidget& bar = *state.bar;
    bar.editedPalette.min_db = min;
    bar.editedPalette.max_db = max;
    const int low = toSpinValue(min);
    const int high = toSpinValue(max);
    bar.minSpinBox->setValue(low);
    bar.maxSpinBox->setValue(high);
    bar.updateScaleLabels();
    for (SliderHandle* handle : bar.handles) {
        handle->setMaximum(high);
        handle->setMinimum(low);
        handle->setValue(toSpinValue(min + (max - min) * handle->relativePosition));
    }
    // A changed spin box passes the range on to the viewer's copy through the
    // bar's signals, an unchanged one emits nothing: hand the copy over here.
    view_.setPalette(state.palettes.palettes.at(size_t(state.palettes.curr_palette)));
}

void SectionDisplay::placeBarHandles()
{
    state.bar->updateHandlePositions();
}

// ---- Layers ----

QAction* SectionDisplay::layerAction(Layer layer) const
{
    switch (layer) {
    case VerticalGradientLayer:
        return actions.verticalGradient;
    case LaplacianLayer:
        return actions.laplacian;
    default:
        return actions.density;
    }
}

bool& SectionDisplay::layerFlag(Layer layer)
{
    switch (layer) {
    case VerticalGradientLayer:
        return state.viewVerticalGradient;
    case LaplacianLayer:
        return state.viewLaplacianGradient;
    default:
        return state.viewInfoDensity;
    }
}

void SectionDisplay::showRange(std::pair<double, double> r, const char* minLabel,
                               const char* maxLabel)
{
    std::cout << minLabel << r.first << maxLabel << r.second << std::endl;
    buildPaletteBar(r.first, r.second);
}

void SectionDisplay::showLayerRange(Layer layer)
{
    const LayerRow& row = layers[layer];
    showRange(view_.*row.range, row.minLabel, row.maxLabel);
}

void SectionDisplay::showVelocityRange()
{
    showRange(view_.velocityRange, velocityLabels[0], velocityLabels[1]);
}

void SectionDisplay::showLayer(Layer layer)
{
    const LayerRow& own = layers[layer];
    QAction* action = layerAction(layer);
    const bool checked = action->isChecked();

    if (layer == DensityLayer) {
        logLine(std::string("Tervanelo_MainWindows::") + own.slot);
        // Values below 0 mark cells the inversion has not reached yet; a
        // layer of another size belongs to another grid.
        const size_t cells = document.grid ? document.grid->numberOfCells() : 0;
        const bool computed =
            document.info_density.size() == cells &&
            std::none_of(document.info_density.begin(), document.info_density.end(),
                         [](double v) { return v < 0.0; });
        if (checked && !computed) {
            host.prompts.warning(
                host.dialogParent, WindowTexts::tr("Warning"),
                WindowTexts::tr(
                    "The information layer has not yet been calculated or loaded, this project "
                    "may be an old version.\nPease run the tomography to compute the "
                    "information layer"));
            logLine("Info density not yet computed");
            action->setChecked(false);
            actions.profile->setChecked(true);
            return;
        }
    }

    if (checked) {
        if (actions.profile->isChecked()) {
            actions.profile->setChecked(false);
            state.viewVelocity = false;
            state.viewFilledContours = false;
        }
        for (Layer other : {VerticalGradientLayer, LaplacianLayer, DensityLayer}) {
            QAction* otherAction = layerAction(other);
            if (other != layer && otherAction->isChecked()) {
                otherAction->setChecked(false);
                layerFlag(other) = false;
            }
        }
    }
    layerFlag(layer) = checked;
    logLine(std::string("Tervanelo_MainWindows::") + own.slot + ": " + checkedText(checked));

    const bool contoursShown = isOneOf(view_.showType, own.contourTypes);
    const SectionOverlay overlay = contoursShown               ? SectionOverlay::Contours
                                   : actions.rays->isChecked() ? SectionOverlay::Rays
                                                               : SectionOverlay::None;
    if (checked)
        showLayerRange(layer);
    else
        showVelocityRange();
    show(typeOf(checked ? own.family : SectionFamily::Velocity, overlay));
    host.bringForward();
}

void SectionDisplay::showVerticalGradient()
{
    showLayer(VerticalGradientLayer);
}

void SectionDisplay::showLaplacian()
{
    showLayer(LaplacianLayer);
}

void SectionDisplay::showDensity()
{
    showLayer(DensityLayer);
}

void SectionDisplay::showVelocity()
{
    for (Layer layer : {VerticalGradientLayer, LaplacianLayer, DensityLayer}) {
        QAction* action = layerAction(layer);
        if (action->isChecked()) {
            action->setChecked(false);
            layerFlag(layer) = false;
        }
    }
    state.viewVelocity = true;
    const int current = view_.showType;
    if (!isOneOf(current, {T::VelocityContours, T::FilledContours, T::VelocityRays, T::Velocity}))
        showRange(view_.velocityRange, "Min Velocity : ", ", Max Velocity : ");
    const T type =
        isOneOf(current,
                {T::VelocityContours, T::FilledContours, T::GradientContours, T::LaplacianContours})
            ? T::VelocityContours
        : isOneOf(current, {T::VelocityRays, T::GradientRays, T::LaplacianRays}) ? T::VelocityRays
                                                                                 : T::Velocity;
    show(type);
    host.bringForward();
}

void SectionDisplay::showRays()
{
    show(actions.rays->isChecked()               ? T::VelocityRays
         : actions.verticalGradient->isChecked() ? T::Gradient
                                                 : T::Velocity);
}

// ---- View options ----

void SectionDisplay::setMarkerSize(QAction* chosen)
{
    // The three marker sizes are exclusive; a second click on the size in
    // force hides the markers.
    const std::pair<QAction*, double> sizes[] = {
        {actions.smallMarkers, 0.5}, {actions.normalMarkers, 1.0}, {actions.largeMarkers, 2.0}};
    double scale = 1.0;
    for (const auto& [action, s] : sizes)
        if (action == chosen)
            scale = s;
        else
            action->setChecked(false);
    view_.showMarkers = chosen->isChecked();
    view_.markerScale = scale;
    redraw();
}

void SectionDisplay::showRefraction()
{
    view_.showRefraction = actions.refraction->isChecked();
    redraw();
}

void SectionDisplay::showScalarBar()
{
    view_.showScalarBar = actions.scalarBar->isChecked();
    redraw();
}

void SectionDisplay::showGridLines()
{
    view_.showGridLines = actions.gridLines->isChecked();
    redraw();
}

void SectionDisplay::showTitle()
{
    view_.showTitle = actions.title->isChecked();
    redraw();
}

// ---- Contours ----

void SectionDisplay::rebuildContourFilter()
{
    view_.contourFilter =
        makeContourFilter(view_.structuredGrid, view_.velocityArray,
                          state.customContours ? state.isovalues : std::set<double>{},
                          state.equallySpaced ? state.contourCount : 0);
}

void SectionDisplay::chooseContours()
{
    State& s = state;
    // The dialog takes its velocity range from the grid.
    if (!document.grid || !view_.structuredGrid)
        return;
    if (!s.viewFilledContours && !s.viewVelocity && !s.viewVerticalGradient) {
        if (actions.verticalGradient->isChecked())
            s.viewVerticalGradient = true;
        else if (actions.laplacian->isChecked())
            s.viewLaplacianGradient = true;
        else
            s.viewVelocity = true;
    }

    contourlines_dialog dialog(document.grid.get(), s.equallySpaced, s.contourCount,
                               s.customContours, s.isovalues, s.viewFilledContours, s.viewVelocity,
                               s.viewVerticalGradient, s.viewLaplacianGradient, s.contourColor,
                               s.contourLabelSize, host.dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return;

    s.viewFilledContours = dialog.isFilledContours();
    s.viewVerticalGradient = dialog.isGradientContours();
    s.viewLaplacianGradient = dialog.isLaplacianGradientContours();
    s.viewVelocity = dialog.isProfileContours();
    s.contourColor = dialog.contourLineColor;
    s.contourLabelSize = dialog.labelFontSize();
    view_.contourLabelSize = s.contourLabelSize;
    view_.labelEveryN = dialog.labelEveryN();
    s.customContours = dialog.isCustomized();
    if (s.customContours)
        s.isovalues = dialog.customizedValues();
    s.equallySpaced = dialog.isEquallySpaced();
    if (s.equallySpaced)
        s.contourCount = dialog.numberOfValues();

    logLine("Equally Spaced Contours: " +
            (s.equallySpaced ? std::to_string(s.contourCount) : "false"));
    logLine(std::string("Customized Contours: ") + checkedText(s.customContours));
    logLine(std::string("Contours on Vertical Gradient: ") + checkedText(s.viewVerticalGradient));
    logLine(std::string("Contours on Laplacian Gradient: ") + checkedText(s.viewLaplacianGradient));
    logLine(std::string("Filled Contours: ") + checkedText(s.viewFilledContours));

    T type;
    if (s.equallySpaced || s.customContours) {
        rebuildContourFilter();
        view_.contourColor[0] = s.contourColor.red() / 255.0;
        view_.contourColor[1] = s.contourColor.green() / 255.0;
        view_.contourColor[2] = s.contourColor.blue() / 255.0;
        actions.verticalGradient->setChecked(s.viewVerticalGradient);
        actions.laplacian->setChecked(s.viewLaplacianGradient);
        actions.density->setChecked(s.viewInfoDensity);
        if (s.viewFilledContours) {
            showVelocityRange();
            type = T::FilledContours;
        } else if (s.viewVerticalGradient) {
            showLayerRange(VerticalGradientLayer);
            type = T::GradientContours;
        } else if (s.viewLaplacianGradient) {
            showLayerRange(LaplacianLayer);
            type = T::LaplacianContours;
        } else if (s.viewInfoDensity) {
            showLayerRange(DensityLayer);
            type = T::DensityContours;
        } else {
            showVelocityRange();
            type = T::VelocityContours;
            actions.verticalGradient->setChecked(false);
        }
    } else {
        const int layer = s.viewVerticalGradient    ? VerticalGradientLayer
                          : s.viewLaplacianGradient ? LaplacianLayer
                          : s.viewInfoDensity       ? DensityLayer
                                                    : -1;
        if (layer < 0) {
            showVelocityRange();
            type = T::Velocity;
        } else {
            showLayerRange(Layer(layer));
            type = typeOf(layers[layer].family, SectionOverlay::None);
        }
    }
    show(type);
    actions.rays->setChecked(false);
    host.bringForward();
}

// ---- Survey changes ----

void SectionDisplay::forgetContours()
{
    view_.contourFilter = nullptr;
    state.contourCount = 0;
    state.equallySpaced = false;
    state.isovalues.clear();
    state.customContours = false;
    state.viewVelocity = false;
    state.viewVerticalGradient = false;
    state.viewLaplacianGradient = false;
    state.viewFilledContours = false;
    actions.contours->setChecked(false);
}

void SectionDisplay::showOpenedResults()
{
    view_.updateScalarArrays();
    const ColorPalette& current = state.palettes.palettes.at(size_t(state.palettes.curr_palette));
    view_.setPalette(current);
    state.bar->setPalette(current);
    view_.resetView(value(T::Velocity));
    logLine("Tervanelo_MainWindows::on_actionReset_View_triggered");
    resetView();
}

void SectionDisplay::showInversionResults()
{
    for (Layer layer : {VerticalGradientLayer, LaplacianLayer, DensityLayer}) {
        layerAction(layer)->setChecked(false);
        layerFlag(layer) = false;
    }
    if (actions.rays->isEnabled())
        actions.rays->setChecked(true);

    view_.buildGrid();
    // On the grid just built: each build makes new VTK objects, and a
    // filter on the old ones would draw the old model's lines.
    if ((state.equallySpaced || state.customContours) && view_.structuredGrid &&
        view_.velocityArray)
        rebuildContourFilter();
    fitPaletteToVelocities();
    show(T::VelocityRays);
}

void SectionDisplay::buildLayerArrays()
{
    view_.buildVerticalGradientIsovalues();
    view_.buildLaplacianIsovalues();
    view_.buildInformationDensity();
}

void SectionDisplay::updateActions(bool loaded)
{
    const bool results = document.has_tomographic_info;
    actions.viewMenu->setEnabled(true);
    actions.palette->setEnabled(loaded);
    actions.rays->setEnabled(!document.rayPaths.empty());
    for (QAction* a : {actions.contours, actions.profile, actions.resetView})
        a->setEnabled(results);
    setToggles(results, true);
    actions.gradientMenu->setEnabled(results);
    for (QAction* a : {actions.verticalGradient, actions.laplacian, actions.density}) {
        a->setEnabled(results);
        a->setCheckable(true);
    }
    actions.markerMenu->setEnabled(results);
    for (QAction* a : {actions.smallMarkers, actions.normalMarkers, actions.largeMarkers})
        a->setCheckable(true);
}

void SectionDisplay::setToggles(bool enabled, bool followView)
{
    const std::pair<QAction*, bool> toggles[] = {{actions.scalarBar, view_.showScalarBar},
                                                 {actions.gridLines, view_.showGridLines},
                                                 {actions.title, view_.showTitle}};
    for (const auto& [action, shown] : toggles) {
        action->setEnabled(enabled);
        if (followView)
            action->setChecked(shown);
    }
}

void SectionDisplay::applyTabRules(int index)
{
    if (index < 0 || index > 2)
        return;
    const bool grid = document.grid != nullptr;
    const bool shown = index == 2 && grid;
    const bool layers = shown && document.has_tomographic_info;
    actions.palette->setEnabled(shown);
    if (index != 2)
        actions.rays->setEnabled(false);
    else if (grid)
        actions.rays->setEnabled(!document.rayPaths.empty());
    for (QAction* a :
         {actions.contours, actions.verticalGradient, actions.laplacian, actions.density})
        a->setEnabled(layers);
    actions.markerMenu->setEnabled(layers);
    if (index == 2)
        setToggles(layers, grid);
}
