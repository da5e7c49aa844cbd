// Commands whose behaviour is written alongside the features they drive. They
// are declared with the window because the form connects them by name.

#include "tervanelo_mainwindows.h"

void Tervanelo_MainWindows::on_tomo_stopped() {}
void Tervanelo_MainWindows::on_pickEdited() {}
void Tervanelo_MainWindows::on_mousemoved(int) {}
void Tervanelo_MainWindows::update_show_traces(bool) {}
void Tervanelo_MainWindows::on_actionShow_Contour_Lines_triggered() {}
void Tervanelo_MainWindows::on_actionLoad_TT_triggered() {}
void Tervanelo_MainWindows::on_actionRun_tomography_inversion_triggered() {}
void Tervanelo_MainWindows::on_actionNew_triggered() {}
void Tervanelo_MainWindows::on_actionNext_file_triggered() {}
void Tervanelo_MainWindows::on_actionPrev_file_triggered() {}
void Tervanelo_MainWindows::on_actionZoom_in_traces_triggered() {}
void Tervanelo_MainWindows::on_actionZoom_out_traces_triggered() {}
void Tervanelo_MainWindows::on_actionZoomT_in_traces_triggered() {}
void Tervanelo_MainWindows::on_actionZoomT_out_traces_triggered() {}
void Tervanelo_MainWindows::on_actionDefine_model_velocity_triggered() {}
void Tervanelo_MainWindows::on_actionLoad_Project_triggered() {}
bool Tervanelo_MainWindows::on_actionSave_Project_As_triggered()
{
    return false;
}
void Tervanelo_MainWindows::on_actionSave_Project_triggered() {}
void Tervanelo_MainWindows::on_actionImages_triggered() {}
void Tervanelo_MainWindows::on_actionScreenshot_triggered() {}
void Tervanelo_MainWindows::on_actionAutoPick_triggered() {}
void Tervanelo_MainWindows::on_actionFilter_triggered() {}
void Tervanelo_MainWindows::on_actionAuto_improve_triggered() {}
void Tervanelo_MainWindows::on_actionApply_DaZo_triggered() {}
void Tervanelo_MainWindows::on_actionAGC_triggered() {}
void Tervanelo_MainWindows::on_actionGeometry_triggered() {}
void Tervanelo_MainWindows::on_actionGrid_triggered() {}
void Tervanelo_MainWindows::on_actionPDF_triggered() {}
void Tervanelo_MainWindows::on_actionODT_triggered() {}
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
void Tervanelo_MainWindows::on_actionSet_geography_coordinates_triggered() {}
void Tervanelo_MainWindows::show_fill_wiggle(bool) {}
void Tervanelo_MainWindows::cutWaveForm(bool) {}
void Tervanelo_MainWindows::zoomInWindow(bool) {}
void Tervanelo_MainWindows::updateWindowZooming() {}
void Tervanelo_MainWindows::on_actionRefraction_triggered() {}
void Tervanelo_MainWindows::on_actionExport_TravelTimes_triggered() {}
void Tervanelo_MainWindows::on_actionExportTomographic_profile_2_KML_triggered() {}
void Tervanelo_MainWindows::on_actionExportSeismic_line_triggered() {}
void Tervanelo_MainWindows::on_actionGridded_Data_triggered() {}
