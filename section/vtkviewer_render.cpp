// The on-screen scene of the section view, rebuilt whole for every redraw.

#include "vtkviewer.h"

#include "sectionscene.h"
#include "sectiontypes.h"

#include "refractiondatastructure.h"
#include "tomodocument.h"

#include <vtkProperty.h>
#include <vtkRenderWindow.h>
#include <vtkScalarBarActor.h>
#include <vtkStructuredGridGeometryFilter.h>
#include <vtkTextActor.h>

#include <QCoreApplication>

#include <cstdio>
#include <iostream>

namespace sectionscene
{

SectionActor makeSectionActor(vtkStructuredGrid* grid, const char* arrayName)
{
    auto filter = vtkSmartPointer<vtkStructuredGridGeometryFilter>::New();
    filter->SetInputData(grid);
    filter->Update();
    SectionActor section;
    section.mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
    section.mapper->SetInputConnection(filter->GetOutputPort());
    section.mapper->SetScalarModeToUsePointFieldData();
    section.mapper->SelectColorArray(arrayName);
    section.actor = vtkSmartPointer<vtkActor>::New();
    section.actor->SetMapper(section.mapper);
    section.actor->GetProperty()->SetPointSize(1.0);
    return section;
}

} // namespace sectionscene

using namespace sectionscene;

bool vtkViewer::refractionApplies() const
{
    return showRefraction && refractionData && !refractionData->refractData.cData.empty() &&
           !refractionData->refractData.cData.front().z.empty();
}

double vtkViewer::gridHeight()
{
    double bounds[6];
    structuredGrid->GetBounds(bounds);
    const double height = bounds[3] - bounds[2];
    std::cout << "Grid height: " << height << std::endl;
    return height;
}

void vtkViewer::addScalarBarActor(vtkSmartPointer<vtkRenderer> r,
                                  vtkSmartPointer<vtkScalarsToColors> lut, bool horizontal,
                                  bool equidistantLabels, int titleSize, int labelSize)
{
    auto bar = vtkSmartPointer<vtkScalarBarActor>::New();
    bar->SetLookupTable(lut);
    if (equidistantLabels) {
        bar->SetNumberOfLabels(static_cast<int>(palette.color_gradient.color.size()));
        bar->SetDrawAnnotations(0);
    } else {
        bar->SetNumberOfLabels(0);
        bar->SetDrawAnnotations(1);
        bar->SetTextPositionToPrecedeScalarBar();
    }
    bar->SetPosition(0.885, 0.115);
    bar->SetHeight(0.72);
    bar->SetWidth(0.04);
    bar->SetTitle(sectiontypes::barLabel(sectiontypes::familyOf(showType)));
    bar->SetUnconstrainedFontSize(true);
    bar->SetLabelFormat("%8.1f");
    if (horizontal) {
        bar->SetOrientationToHorizontal();
        bar->SetHeight(0.05);
        bar->SetWidth(0.5);
        bar->SetPosition(0.25, 0.0);
    }
    auto labels = vtkSmartPointer<vtkTextProperty>::New();
    labels->SetColor(0.0, 0.0, 0.0);
    labels->SetFontFamilyToTimes();
    labels->SetFontSize(static_cast<int>(labelSize * fontScale));
    labels->BoldOff();
    auto title = vtkSmartPointer<vtkTextProperty>::New();
    title->SetColor(0.0, 0.0, 0.0);
    title->SetFontFamilyToTimes();
    title->SetFontSize(static_cast<int>(titleSize * fontScale));
    title->BoldOn();
    bar->SetTitleTextProperty(title);
    bar->SetLabelTextProperty(labels);
    bar->SetAnnotationTextProperty(labels);
    r->AddActor2D(bar);
}

void vtkViewer::showProfile(int t)
{
    if (!structuredGrid)
        return;
    if (t != sectiontypes::value(SectionType::Current))
        showType = t;
    renderer->RemoveAllViewProps();

    const SectionActor section =
        makeSectionActor(structuredGrid, sectiontypes::arrayName(sectiontypes::familyOf(showType)));
    gridHeight();
    renderer->AddActor(section.actor);

    if (showMarkers) {
        addGeophoneMarkers(renderer);
        addShotMarkers(renderer);
    }
    if (refractionApplies())
        addRefractionActor(renderer);
    const SectionOverlay overlay = sectiontypes::overlayOf(showType);
    if (overlay == SectionOverlay::Contours) {
        if (contourFilter)
            addContourActor(renderer, showType, nullptr);
    } else if (overlay == SectionOverlay::Rays) {
        addRaysActor(renderer);
    }

    buildLookupTable();
    section.mapper->SetLookupTable(colorTransferFunction);
    if (showScalarBar)
        addScalarBarActor(renderer, colorTransferFunction, false, true, scalarBarTitleSize,
                          scalarBarLabelSize);

    cubeAxes = vtkSmartPointer<vtkCubeAxesActor>::New();
    cubeAxes->SetCamera(renderer->GetActiveCamera());
    cubeAxes->SetBounds(structuredGrid->GetBounds());
    std::cout << logicalDpiX() << std::endl
              << logicalDpiY() << std::endl
              << physicalDpiX() << std::endl
              << physicalDpiY() << std::endl
              << devicePixelRatio() << std::endl
              << devicePixelRatioF() << std::endl;
    for (int axis = 0; axis < 2; ++axis)
        cubeAxes->GetTitleTextProperty(axis)->SetColor(0.0, 0.0, 0.0);
    for (int axis = 0; axis < 2; ++axis)
        cubeAxes->GetLabelTextProperty(axis)->SetColor(0.0, 0.0, 0.0);
    cubeAxes->SetLabelOffset(20.0);
    cubeAxes->GetLabelTextProperty(1)->SetOrientation(90.0);
    cubeAxes->GetXAxesLinesProperty()->SetColor(0.0, 0.0, 0.0);
    cubeAxes->GetYAxesLinesProperty()->SetColor(0.0, 0.0, 0.0);
    cubeAxes->SetZAxisVisibility(0);
    cubeAxes->SetXTitle("");
    cubeAxes->SetYTitle("");
    cubeAxes->SetXUnits("m");
    cubeAxes->SetYUnits("m");
    if (showGridLines) {
        cubeAxes->DrawYGridlinesOn();
        cubeAxes->GetYAxesGridlinesProperty()->SetColor(0.0, 0.0, 0.0);
        cubeAxes->DrawXGridlinesOn();
        cubeAxes->GetXAxesGridlinesProperty()->SetColor(0.0, 0.0, 0.0);
    }
    cubeAxes->SetFlyModeToStaticEdges();
    cubeAxes->SetScreenSize(axesScreenSize * fontScale);
    cubeAxes->GetProperty()->SetColor(0.3, 0.3, 0.3);
    cubeAxes->GetLabelTextProperty(0)->SetFontFamilyToCourier();
    cubeAxes->SetTickLocationToOutside();
    std::cout << "[LOG] font size:  " << cubeAxes->GetLabelTextProperty(1)->GetFontSize()
              << std::endl;
    renderer->AddViewProp(cubeAxes);

    const int* size = renderWindow()->GetSize();
    std::cout << "window size: " << size[0] << "," << size[1] << std::endl;
    const int* actual = renderWindow()->GetActualSize();
    const int actualWidth = actual[0];
    const int actualHeight = actual[1];
    std::cout << "window size: " << actualWidth << "," << actualHeight << std::endl;
    // The axes' text grows with the window.
    cubeAxes->SetScreenSize(cubeAxes->GetScreenSize() * (actualWidth / 2780.0));

    if (showTitle) {
        const double rmse = document ? document->RMSE_tomography : -1.0;
        char rmseText[64] = "-";
        if (rmse >= 0.0)
            std::snprintf(rmseText, sizeof rmseText, "%f", rmse);
        QString mode;
        if (const char* title = sectiontypes::titleOf(showType))
            mode = QCoreApplication::translate("vtkViewer", title);
        else
            std::cerr << "Unknown showType!" << std::endl;
        const std::string text = (document ? document->title : std::string()) + " - " +
                                 mode.toStdString() + " - RMSE " + rmseText + " %";
        auto titleActor = vtkSmartPointer<vtkTextActor>::New();
        titleActor->SetInput(text.c_str());
        // During a magnified screenshot the position is read in the enlarged
        // image, so the distance from the top is scaled by fontScale alone.
        titleActor->SetPosition(15.0, titleMagnification * actualHeight - 80.0 * fontScale);
        titleActor->GetTextProperty()->SetFontSize(static_cast<int>(titleFontSize * fontScale));
        titleActor->GetTextProperty()->SetColor(0.0, 0.0, 0.0);
        renderer->AddActor2D(titleActor);
    }

    if (resetCameraPending) {
        renderer->ResetCamera();
        resetCameraPending = false;
    }
    renderWindow()->Render();
}
