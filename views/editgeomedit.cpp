#include "editgeomedit.h"
#include "ui_editgeomedit.h"

#include "editgeomwidget.h"
#include "geometryfiles.h"
#include "geometryprompts.h"
#include "splitstring.h"

#include <QScrollArea>
#include <QVBoxLayout>

editGeomEdit::editGeomEdit(QWidget* parent)
    : QDialog(parent), prompts(&defaultGeometryPrompts()), ui(std::make_unique<Ui::editGeomEdit>())
{
    ui->setupUi(this);
    scrollArea = ui->scrollArea;
    replaceRows({});
    setWindowTitle(tr("Set Geophones Geometry"));
}

editGeomEdit::~editGeomEdit() = default;

void editGeomEdit::setPrompts(GeometryPrompts& p)
{
    prompts = &p;
}

void editGeomEdit::replaceRows(const std::vector<Point2D>& positions)
{
    // The old container takes its rows with it.
    rowContainer = new QWidget;
    rowLayout = new QVBoxLayout(rowContainer);
    rowLayout->setSpacing(0);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    geophoneRows.clear();
    for (size_t i = 0; i < positions.size(); ++i) {
        auto* row = new editGeomWidget(rowContainer);
        row->setRow("ID#" + QString::number(i), positions[i].x, positions[i].z);
        rowLayout->addWidget(row);
        geophoneRows.push_back(row);
    }
    scrollArea->setWidget(rowContainer);
}

void editGeomEdit::buildRows(const std::vector<Point2D>& geophones)
{
    spread = geophones;
    spreadGiven = true;
    replaceRows(spread);
    ui->lineEdit->setText(QString::number(spread.size()));
}

void editGeomEdit::setChannelCountLocked(bool locked)
{
    channelCountLocked = locked;
    ui->frame->setEnabled(!locked);
}

namespace
{
// One widget per geophone: far beyond any real spread, building the rows
// would take minutes and gigabytes.
constexpr size_t MaxGeophones = 10000;
} // namespace

void editGeomEdit::on_setButton_clicked()
{
    int64_t count = 0; // no number: no rows
    parseIntegerField(ui->lineEdit->text().toStdString(), count);
    if (uint64_t(std::max<int64_t>(count, 0)) > MaxGeophones) {
        prompts->showError(tr("Error Message"),
                           tr("A spread holds at most %1 geophones.").arg(MaxGeophones));
        return;
    }
    replaceRows(std::vector<Point2D>(size_t(std::max<int64_t>(count, 0))));
}

void editGeomEdit::on_pushButton_2_clicked()
{
    if (geophoneRows.size() < 3)
        return;
    const double x0 = geophoneRows[0]->x();
    const double z0 = geophoneRows[0]->z();
    const double dx = geophoneRows[1]->x() - x0;
    const double dz = geophoneRows[1]->z() - z0;
    for (size_t i = 0; i < geophoneRows.size(); ++i) {
        geophoneRows[i]->setX(x0 + double(i) * dx);
        geophoneRows[i]->setZ(z0 + double(i) * dz);
    }
}

void editGeomEdit::on_load_geometry_button_clicked()
{
    std::string fileName, delimiter;
    if (!prompts->askFileToOpen(this, tr("Open Geometry"), tr("CSV format (*.csv)"), fileName,
                                delimiter))
        return;
    std::vector<std::vector<double>> rows;
    std::string why;
    // Values the rows cannot show are refused, not clamped.
    const int result = readGeophoneCSV(fileName, delimiter, rows, &why, editGeomWidget::ranges());
    if (result != 0 || (spreadGiven && rows.size() != spread.size())) {
        QString text = tr("Invalid geometry file. ") + QString::number(rows.size());
        if (!why.empty())
            text += "\n" + QString::fromStdString(why);
        prompts->showError(tr("Error Message"), text);
        return;
    }
    if (!spreadGiven && rows.size() > MaxGeophones) {
        prompts->showError(tr("Error Message"),
                           tr("Invalid geometry file. %1 rows: a spread holds at most %2 "
                              "geophones.")
                               .arg(rows.size())
                               .arg(MaxGeophones));
        return;
    }
    if (!spreadGiven) {
        // A new spread takes as many geophones as the file has lines.
        std::vector<Point2D> positions;
        for (const auto& row : rows)
            positions.push_back({row[0], row[1]});
        replaceRows(positions);
        ui->lineEdit->setText(QString::number(positions.size()));
        return;
    }
    for (size_t k = 0; k < geophoneRows.size(); ++k) {
        geophoneRows[k]->setX(rows[k][0]);
        geophoneRows[k]->setZ(rows[k][1]);
    }
}

void editGeomEdit::on_save_geometry_button_clicked()
{
    std::string fileName, delimiter;
    if (!prompts->askFileToSave(this, tr("Save Geometry"), tr("Geophones Geometry (*csv)"),
                                fileName, delimiter))
        return;
    std::vector<std::vector<double>> rows;
    for (const editGeomWidget* row : geophoneRows)
        rows.push_back({row->x(), row->z()});
    std::string why;
    if (writeGeophoneCSV(fileName, delimiter, rows, &why) != 0)
        prompts->showError(tr("Error Message"),
                           tr("Invalid geometry file.") + "\n" + QString::fromStdString(why));
    else if (spreadGiven && rows.size() != spread.size())
        prompts->showError(tr("Error Message"), tr("Invalid geometry file."));
}

void editGeomEdit::on_buttonBox_accepted()
{
    if (spread.empty())
        spread.resize(geophoneRows.size());
    // A given spread keeps its size.
    const size_t count = std::min(spread.size(), geophoneRows.size());
    for (size_t i = 0; i < count; ++i)
        spread[i] = {geophoneRows[i]->x(), geophoneRows[i]->z()};
}
