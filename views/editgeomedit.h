#pragma once
// "Set Geophones Geometry": positions and elevations of the geophones of one
// spread, typed, filled in linearly, loaded or saved. For a new spread the
// channel count is free; for an existing one it is locked and load and save
// must match its geophone count. On OK, spread holds the rows' values.

#include "records.h"

#include <QDialog>

#include <memory>
#include <vector>

class QScrollArea;
class QVBoxLayout;
class GeometryPrompts;
class editGeomWidget;

namespace Ui
{
class editGeomEdit;
}

class editGeomEdit : public QDialog
{
    Q_OBJECT

public:
    explicit editGeomEdit(QWidget* parent = nullptr);
    ~editGeomEdit() override;

    // An existing spread: one row per geophone, its count in the channel field.
    void buildRows(const std::vector<Point2D>& geophones);
    // Disables the channel count and Set while locked.
    void setChannelCountLocked(bool locked);
    void setPrompts(GeometryPrompts& prompts);

    // The given spread; after OK the rows' values (x position, z elevation).
    std::vector<Point2D> spread;

private slots:
    void on_setButton_clicked();
    void on_pushButton_2_clicked();
    void on_load_geometry_button_clicked();
    void on_save_geometry_button_clicked();
    void on_buttonBox_accepted();

private:
    // Replaces every row by one row per position, named "ID#" and its index.
    void replaceRows(const std::vector<Point2D>& positions);

    std::vector<editGeomWidget*> geophoneRows;
    QWidget* rowContainer = nullptr;
    QScrollArea* scrollArea = nullptr;
    QVBoxLayout* rowLayout = nullptr;
    bool channelCountLocked = false;
    bool spreadGiven = false;
    GeometryPrompts* prompts;
    std::unique_ptr<Ui::editGeomEdit> ui;
};
