// Survey commands: loading shots and travel times, geometry and grid, the
// initial velocity model, the inversion and the travel-time export.

#include "tervanelo_mainwindows.h"

void Tervanelo_MainWindows::on_tomo_stopped() {}
void Tervanelo_MainWindows::on_actionLoad_TT_triggered() {}
void Tervanelo_MainWindows::on_actionRun_tomography_inversion_triggered() {}
void Tervanelo_MainWindows::on_actionNew_triggered() {}
void Tervanelo_MainWindows::on_actionNext_file_triggered() {}
void Tervanelo_MainWindows::on_actionPrev_file_triggered() {}
void Tervanelo_MainWindows::on_actionDefine_model_velocity_triggered() {}
void Tervanelo_MainWindows::on_actionGeometry_triggered() {}
void Tervanelo_MainWindows::on_actionGrid_triggered() {}
void Tervanelo_MainWindows::on_actionExport_TravelTimes_triggered() {}
