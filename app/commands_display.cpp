// Display commands: trace-view zoom and flags, tabs, trace processing and
// picking, and the section view.

#include "tervanelo_mainwindows.h"

void Tervanelo_MainWindows::on_pickEdited() {}
void Tervanelo_MainWindows::on_mousemoved(int) {}
void Tervanelo_MainWindows::update_show_traces(bool) {}
void Tervanelo_MainWindows::on_actionShow_Contour_Lines_triggered() {}
void Tervanelo_MainWindows::on_actionZoom_in_traces_triggered() {}
void Tervanelo_MainWindows::on_actionZoom_out_traces_triggered() {}
void Tervanelo_MainWindows::on_actionZoomT_in_traces_triggered() {}
void Tervanelo_MainWindows::on_actionZoomT_out_traces_triggered() {}
void Tervanelo_MainWindows::on_actionAutoPick_triggered() {}
void Tervanelo_MainWindows::on_actionFilter_triggered() {}
void Tervanelo_MainWindows::on_actionAuto_improve_triggered() {}
void Tervanelo_MainWindows::on_actionApply_DaZo_triggered() {}
void Tervanelo_MainWindows::on_actionAGC_triggered() {}
void Tervanelo_MainWindows::on_tabWidget_tabBarClicked(int) {}
void Tervanelo_MainWindows::on_showAllPicksCB_stateChanged(int) {}
void Tervanelo_MainWindows::on_showTravelTimeCB_stateChanged(int) {}
void Tervanelo_MainWindows::on_showSimTT_CB_stateChanged(int) {}
void Tervanelo_MainWindows::on_splitter_splitterMoved(int, int) {}
void Tervanelo_MainWindows::on_actionShow_rays_triggered() {}
void Tervanelo_MainWindows::on_actionReset_View_triggered() {}
void Tervanelo_MainWindows::on_actionVertical_Gradient_triggered() {}
void Tervanelo_MainWindows::on_actionLaplacian_Gradient_triggered() {}
void Tervanelo_MainWindows::on_actionShow_Tomographic_Profile_triggered() {}
void Tervanelo_MainWindows::on_actionSmallGeo_triggered() {}
void Tervanelo_MainWindows::on_actionNormalGeo_triggered() {}
void Tervanelo_MainWindows::on_actionLargeGeo_triggered() {}
void Tervanelo_MainWindows::on_actionShow_refraction_triggered() {}
void Tervanelo_MainWindows::on_actionShow_scalarbar_triggered() {}
void Tervanelo_MainWindows::on_actionShow_Information_Density_Layer_triggered() {}
void Tervanelo_MainWindows::on_actionShow_Grid_Lines_triggered() {}
void Tervanelo_MainWindows::on_actionShow_title_triggered() {}
void Tervanelo_MainWindows::on_actionSet_title_triggered() {}
void Tervanelo_MainWindows::show_fill_wiggle(bool) {}
void Tervanelo_MainWindows::cutWaveForm(bool) {}
void Tervanelo_MainWindows::zoomInWindow(bool) {}
void Tervanelo_MainWindows::updateWindowZooming() {}
