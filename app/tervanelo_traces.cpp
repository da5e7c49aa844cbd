// The trace views' commands: the window's slots hand them to the trace display.

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "tracedisplay.h"

void Tervanelo_MainWindows::createTraceWidgets()
{
    traceDisplay->createPanels();
}

// ---- Shots ----

void Tervanelo_MainWindows::on_actionNext_file_triggered()
{
    logCommand(__func__);
    guarded([this] { traceDisplay->nextShot(); });
}

void Tervanelo_MainWindows::on_actionPrev_file_triggered()
{
    logCommand(__func__);
    guarded([this] { traceDisplay->previousShot(); });
}

// ---- Zoom and flags ----

void Tervanelo_MainWindows::on_actionZoom_in_traces_triggered()
{
    logCommand(__func__);
    traceDisplay->zoomIn();
}

void Tervanelo_MainWindows::on_actionZoom_out_traces_triggered()
{
    logCommand(__func__);
    traceDisplay->zoomOut();
}

void Tervanelo_MainWindows::on_actionZoomT_in_traces_triggered()
{
    logCommand(__func__);
    traceDisplay->zoomTimeIn();
}

void Tervanelo_MainWindows::on_actionZoomT_out_traces_triggered()
{
    logCommand(__func__);
    traceDisplay->zoomTimeOut();
}

void Tervanelo_MainWindows::updateWindowZooming()
{
    traceDisplay->updateZooming();
}

void Tervanelo_MainWindows::zoomInWindow(bool b)
{
    traceDisplay->setZoomInWindow(b);
}

void Tervanelo_MainWindows::cutWaveForm(bool b)
{
    traceDisplay->setCutWaveForm(b);
}

void Tervanelo_MainWindows::show_fill_wiggle(bool b)
{
    traceDisplay->setFillWiggle(b);
}

void Tervanelo_MainWindows::update_show_traces(bool b)
{
    traceDisplay->showFiltered(b);
}

void Tervanelo_MainWindows::on_mousemoved(int i)
{
    logCommand(__func__);
    traceDisplay->previewShot(i);
}

void Tervanelo_MainWindows::on_pickEdited()
{
    logCommand(__func__);
    traceDisplay->pickEdited();
}

void Tervanelo_MainWindows::enable_draw_travel_times()
{
    ui->tabWidget->setTabEnabled(1, true);
}

void Tervanelo_MainWindows::on_showAllPicksCB_stateChanged(int state)
{
    logCommand(__func__);
    traceDisplay->showAllPicks(state != 0);
}

void Tervanelo_MainWindows::on_showSimTT_CB_stateChanged(int state)
{
    logCommand(__func__);
    traceDisplay->showSimulatedTimes(state != 0);
}

void Tervanelo_MainWindows::on_showTravelTimeCB_stateChanged(int state)
{
    logCommand(__func__);
    traceDisplay->showTravelTimePlot(state != 0);
}

void Tervanelo_MainWindows::on_splitter_splitterMoved(int, int)
{
    traceDisplay->updateZooming();
}

void Tervanelo_MainWindows::on_tabWidget_tabBarClicked(int index)
{
    traceDisplay->applyTabRules(index);
}

// ---- Processing and picking ----

void Tervanelo_MainWindows::on_actionAGC_triggered()
{
    logCommand(__func__);
    guarded([this] { traceDisplay->applyAGC(); });
}

void Tervanelo_MainWindows::on_actionApply_DaZo_triggered()
{
    logCommand(__func__);
    on_actionAuto_improve_triggered();
}

void Tervanelo_MainWindows::on_actionAuto_improve_triggered()
{
    logCommand(__func__);
    guarded([this] { traceDisplay->applyDaZo(); });
}

void Tervanelo_MainWindows::on_actionFilter_triggered()
{
    logCommand(__func__);
    guarded([this] { traceDisplay->chooseFilters(); });
}

void Tervanelo_MainWindows::on_actionAutoPick_triggered()
{
    logCommand(__func__);
    guarded([this] { traceDisplay->autoPick(); });
}
