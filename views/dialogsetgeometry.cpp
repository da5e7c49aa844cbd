#include "dialogsetgeometry.h"
#include "ui_dialogsetgeometry.h"

#include "editgeomedit.h"
#include "geometryfiles.h"
#include "geometryprompts.h"
#include "geomtextwidget.h"
#include "shoteditdialog.h"

#include <QVBoxLayout>

#include <algorithm>

DialogSetGeometry::DialogSetGeometry(const std::vector<std::vector<Point2D>>& goephonesStringSet,
                                     const std::vector<TravelTime>& ttArray,
                                     const std::vector<TraceSet>& traceSets_, double xShift,
                                     QWidget* parent)
    : QDialog(parent), spreads(goephonesStringSet), travelTimes(ttArray), traceSets(traceSets_),
      prompts(&defaultGeometryPrompts()), ui(std::make_unique<Ui::DialogSetGeometry>())
{
    ui->setupUi(this);
    ui->removeShotButton->setEnabled(false);
    ui->editShotButton->setEnabled(false);
    ui->pushGeomEditButton->setEnabled(false);
    // The copies are only ever assigned to, never reallocated as objects, so
    // the plot's pointers stay valid for the dialog's life.
    ui->geometry->geometrySpreads = &spreads;
    ui->geometry->geometryShots = &travelTimes;
    ui->geometry->geometryShift = xShift;
}

DialogSetGeometry::~DialogSetGeometry() = default;

void DialogSetGeometry::setPrompts(GeometryPrompts& p)
{
    prompts = &p;
}

const TraceSet* DialogSetGeometry::traceSetOf(size_t shot) const
{
    const uint32_t t = travelTimes[shot].traceSetID;
    return t < traceSets.size() ? &traceSets[t] : nullptr;
}

QString DialogSetGeometry::shotText(size_t shot, bool listing) const
{
    auto bold = [](const std::string& text) {
        return "<b>" + QString::fromStdString(text).toHtmlEscaped() + "</b>";
    };
    const TravelTime& record = travelTimes[shot];
    const TraceSet* set = traceSetOf(shot);
    QString text;
    if (!set)
        text = tr("Shot ID <b>%1</b>").arg(shot);
    else if (listing && !set->traces.empty() && set->traces.front().kind != Trace::Ordinary)
        text = tr("File name DX: %1<br>File name SX: %2")
                   .arg(bold(set->fileNameDX), bold(set->fileNameSX));
    else
        text = tr("File name %1").arg(bold(set->fileName));
    return text + "<br>" +
           tr("Geophone geometry ID: <b>%1</b> Shot position: <b>%2")
               .arg(QString::number(record.indexStesa),
                    QString::number(record.shotPos2d.x, 'g', 6)) +
           (listing ? " m.</b>" : " m</b>");
}

QString DialogSetGeometry::spreadText(size_t spread) const
{
    QString text = tr("Geometry ID: <b>%1</b><br>").arg(spread);
    for (const Point2D& geophone : spreads[spread])
        text += QString::number(geophone.x, 'g', 6) + " ";
    return text;
}

void DialogSetGeometry::refreshShotRows()
{
    for (size_t i = 0; i < shotRows.size() && i < travelTimes.size(); ++i)
        shotRows[i]->setHtml(shotText(i, false));
}

void DialogSetGeometry::fillGeometryLists()
{
    auto* shotList = new QWidget;
    auto* shotLayout = new QVBoxLayout(shotList);
    shotLayout->setSpacing(0);
    shotLayout->setContentsMargins(1, 1, 1, 1);
    auto* spreadList = new QWidget;
    auto* spreadLayout = new QVBoxLayout(spreadList);
    shotRows.clear();
    spreadRows.clear();

    for (size_t i = 0; i < travelTimes.size(); ++i) {
        auto* row = new geomTextWidget(shotList);
        row->setHtml(shotText(i, true));
        shotLayout->addWidget(row);
        connect(row, &geomTextWidget::changed_selection_status, this,
                &DialogSetGeometry::update_gtw_remove_button_status);
        connect(row, &geomTextWidget::changed_selection_status, this,
                &DialogSetGeometry::update_gtw_edit_button_status);
        shotRows.push_back(row);
    }
    for (size_t j = 0; j < spreads.size(); ++j) {
        auto* row = new geomTextWidget(spreadList);
        row->setHtml(spreadText(j));
        row->spreadList = &spreads;
        spreadRows.push_back(row);
        spreadLayout->addWidget(row);
        connect(row, &geomTextWidget::changed_selection_status, this,
                &DialogSetGeometry::update_gte_edit_button_status);
    }
    // Setting new contents destroys the old rows with their containers.
    ui->scrollArea->setWidget(shotList);
    ui->scrollArea_2->setWidget(spreadList);
}

void DialogSetGeometry::on_SelectAllButton_clicked()
{
    for (geomTextWidget* row : shotRows)
        row->setChecked(true);
}

void DialogSetGeometry::on_selectAllStesaButton_clicked()
{
    for (geomTextWidget* row : spreadRows)
        row->setChecked(true);
}

namespace
{
bool anyChecked(const std::vector<geomTextWidget*>& rows)
{
    return std::any_of(rows.begin(), rows.end(),
                       [](const geomTextWidget* row) { return row->isChecked(); });
}
} // namespace

void DialogSetGeometry::update_gtw_remove_button_status()
{
    ui->removeShotButton->setEnabled(anyChecked(shotRows));
}

void DialogSetGeometry::update_gtw_edit_button_status()
{
    ui->editShotButton->setEnabled(anyChecked(shotRows));
}

void DialogSetGeometry::update_gte_edit_button_status()
{
    ui->pushGeomEditButton->setEnabled(anyChecked(spreadRows));
}

void DialogSetGeometry::on_removeShotButton_clicked()
{
    // Last row first, so that the rows still to be visited keep their indices.
    for (size_t i = std::min(shotRows.size(), travelTimes.size()); i-- > 0;) {
        if (!shotRows[i]->isChecked())
            continue;
        const uint32_t t = travelTimes[i].traceSetID;
        if (t < traceSets.size())
            traceSets.erase(traceSets.begin() + t);
        travelTimes.erase(travelTimes.begin() + long(i));
        for (TravelTime& record : travelTimes)
            if (record.traceSetID > t)
                --record.traceSetID;
    }
    fillGeometryLists();
    ui->geometry->update();
    update_gtw_remove_button_status();
    update_gtw_edit_button_status();
}

void DialogSetGeometry::on_editShotButton_clicked()
{
    shotEditDialog editor(spreads, travelTimes, traceSets);
    std::vector<int> selection;
    for (size_t i = 0; i < shotRows.size(); ++i)
        if (shotRows[i]->isChecked())
            selection.push_back(int(i));
    editor.setSelection(std::move(selection));
    editor.buildRows();
    if (editor.exec() == QDialog::Accepted) {
        // The editor changes only the shots' records.
        travelTimes = editor.travelTimesCopy();
        refreshShotRows();
    }
    ui->geometry->update();
}

void DialogSetGeometry::on_addStesa_clicked()
{
    editGeomEdit editor(this);
    editor.setPrompts(*prompts);
    editor.setChannelCountLocked(false);
    if (editor.exec() != QDialog::Accepted) {
        ui->geometry->update();
        return;
    }
    spreads.push_back(editor.spread);
    fillGeometryLists();
    ui->geometry->update();
}

void DialogSetGeometry::on_pushGeomEditButton_clicked()
{
    for (size_t j = 0; j < spreadRows.size() && j < spreads.size(); ++j) {
        if (!spreadRows[j]->isChecked())
            continue;
        editGeomEdit editor(this);
        editor.setPrompts(*prompts);
        editor.buildRows(spreads[j]);
        editor.setChannelCountLocked(true);
        if (editor.exec() == QDialog::Accepted) {
            // The spread keeps its geophone count.
            for (size_t k = 0; k < spreads[j].size() && k < editor.spread.size(); ++k)
                spreads[j][k] = editor.spread[k];
            spreadRows[j]->setHtml(spreadText(j));
        }
    }
    ui->geometry->update();
}

void DialogSetGeometry::on_addShotButton_clicked() {}

void DialogSetGeometry::on_loadShotsButton_clicked()
{
    std::string fileName, delimiter;
    if (!prompts->askFileToOpen(this, tr("Open Geometry"), tr("CSV format (*.csv)"), fileName,
                                delimiter))
        return;
    std::vector<std::string> labels;
    std::vector<std::vector<double>> rows;
    std::string why;
    if (readCSV(fileName, delimiter, labels, rows, &why) != 0) {
        prompts->showError(tr("Error Message"), tr("Invalid shot file. ") +
                                                    QString::number(rows.size()) + "\n" +
                                                    QString::fromStdString(why));
        return;
    }
    // Rows go to shots by order; labels are not used.
    for (size_t i = 0; i < travelTimes.size() && i < rows.size(); ++i) {
        travelTimes[i].shotPos2d.x = rows[i][0];
        travelTimes[i].shotPos2d.z = rows[i][1];
    }
    refreshShotRows();
    ui->geometry->update();
}

void DialogSetGeometry::on_saveShotsButton_clicked()
{
    std::string fileName, delimiter;
    if (!prompts->askFileToSave(this, tr("Save Geometry"), tr("Geophones Geometry (*csv)"),
                                fileName, delimiter))
        return;
    std::vector<std::string> labels;
    std::vector<std::vector<double>> rows;
    for (size_t i = 0; i < travelTimes.size(); ++i) {
        const TraceSet* set = traceSetOf(i);
        labels.push_back(set ? set->fileName : "shot_id_" + std::to_string(i));
        rows.push_back({travelTimes[i].shotPos2d.x, travelTimes[i].shotPos2d.z});
    }
    std::string why;
    if (writeCSV(fileName, delimiter, labels, rows, &why) != 0)
        prompts->showError(tr("Error Message"),
                           tr("Invalid geometry file.") + "\n" + QString::fromStdString(why));
}
