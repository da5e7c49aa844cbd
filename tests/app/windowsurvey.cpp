#include "windowsurvey.h"

#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "grid.h"
#include "surveyharness.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "ui_tervanelo_mainwindows.h"
#include "vtkviewer.h"

#include <QScrollArea>
#include <QTabWidget>

#include <cmath>
#include <fstream>
#include <stdexcept>

namespace surveytest
{

QStringList twoLayerShots(int count)
{
    QStringList files;
    for (int s = 1; s <= count; ++s)
        files << QString::fromStdString(
            testenv::fixture("seismic/two_layer_s" + std::to_string(s) + ".sg2"));
    return files;
}

std::unique_ptr<Tervanelo_MainWindows> startWindow(const windowtest::FreshHome& home,
                                                   bool showAllTraces)
{
    windowtest::writeCurrentSettings(home, "en", showAllTraces);
    return std::make_unique<Tervanelo_MainWindows>();
}

void loadSurvey(Tervanelo_MainWindows& w, const QStringList& files, bool grid)
{
    w.document = TomoDocument(w.logger);
    TomoDocument& doc = w.document;
    if (doc.loadSeismicFiles(files) != 0)
        throw std::runtime_error("the shot files do not load");
    doc.buildTravelTimes();
    const double length = doc.prepareProfile();
    if (grid && !doc.createGrid(uint32_t(std::ceil(length)), 12, 1.0, 6))
        throw std::runtime_error("no grid");

    Ui::Tervanelo_MainWindows& f = *w.ui;
    f.showTracesWidget->clearTraceWidgets();
    for (size_t i = 0; i < doc.traceSets.size(); ++i) {
        auto* panel = new drawTraces;
        panel->setDocument(&doc);
        panel->setShot(int(i));
        panel->travelTimeView = f.travelTimePreview;
        f.showTracesWidget->addTraceWidget(panel);
    }
    f.widget_3->setDocument(&doc);
    f.widget_3->setShot(0);
    f.widget_3->travelTimeView = f.travelTimePreview;
    f.travelTimePreview->setDocument(&doc);
    f.travelTimePreview->previewMode = true;
    f.widget_2->setDocument(&doc);
    f.vtk_widget->setDocument(&doc);
    f.scrollArea->setVisible(!w.settings.showAllTraces);
    f.showTracesWidget->setVisible(w.settings.showAllTraces);
    w.currentShot = 0;
    w.updateActionsState(true);
    f.tabWidget->setCurrentIndex(0);
    w.on_tabWidget_tabBarClicked(0);
}

void computeSurvey(Tervanelo_MainWindows& w)
{
    loadSurvey(w, twoLayerShots(), false);
    TomoDocument& doc = w.document;
    for (TravelTime& record : doc.ttArray) {
        const std::vector<Point2D>& spread = doc.spreadAt(record.indexStesa);
        for (size_t k = 0; k < spread.size(); ++k)
            record.ttMisurati[k] = commandtest::firstBreak(spread[k].x - record.shotPos2d.x);
    }
    const double length = doc.prepareProfile();
    if (!doc.createGrid(uint32_t(std::ceil(length / 2.0)), 4, 2.0, 3))
        throw std::runtime_error("no grid");
    doc.runTomography(5, 1, true, false, 0);
    // The density comes from the iteration's rays; tracing again resets them.
    doc.applySmoothing(false, 0, 1);
    doc.computeRayPaths();
    w.ui->vtk_widget->updateScalarArrays();
    w.fitPaletteToVelocities();
    w.updateActionsState(true);
}

std::vector<ExpectedPick> expectedPicks()
{
    std::ifstream in(testenv::fixture("seismic/two_layer_picks.txt"));
    std::vector<ExpectedPick> picks;
    ExpectedPick p;
    while (in >> p.shotX >> p.receiverX >> p.onset >> p.index >> p.time)
        picks.push_back(p);
    return picks;
}

} // namespace surveytest
