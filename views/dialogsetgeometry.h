#pragma once
// "Set survey geometry": review and edit the shots (file, spread, position)
// and the geophone spreads, load and save the shot geometry as delimited
// text, with a preview plot. Works on copies of the document's spreads,
// travel-time records and trace sets; the caller takes the copies back after
// OK, so Cancel leaves the document untouched. Shot i is travel-time record i.

#include "records.h"

#include <QDialog>

#include <memory>
#include <vector>

class GeometryPrompts;
class geomTextWidget;

namespace Ui
{
class DialogSetGeometry;
}

class DialogSetGeometry : public QDialog
{
    Q_OBJECT

public:
    DialogSetGeometry(const std::vector<std::vector<Point2D>>& goephonesStringSet,
                      const std::vector<TravelTime>& ttArray,
                      const std::vector<TraceSet>& traceSets, double xShift,
                      QWidget* parent = nullptr);
    ~DialogSetGeometry() override;

    // Rebuilds both row lists from the copies; every row starts unchecked.
    // Called once by the caller before exec().
    void fillGeometryLists();
    void setPrompts(GeometryPrompts& prompts);

    // The working copies.
    std::vector<std::vector<Point2D>> spreads;
    std::vector<TravelTime> travelTimes;
    std::vector<TraceSet> traceSets;

private slots:
    void on_SelectAllButton_clicked();
    void on_selectAllStesaButton_clicked();
    void on_removeShotButton_clicked();
    void on_editShotButton_clicked();
    void on_loadShotsButton_clicked();
    void on_saveShotsButton_clicked();
    void on_addStesa_clicked();
    void on_pushGeomEditButton_clicked();
    void on_addShotButton_clicked();
    void update_gtw_remove_button_status();
    void update_gtw_edit_button_status();
    void update_gte_edit_button_status();

private:
    // The shot's trace set, or null when there is none behind it (imported
    // travel times, or an index past the list in a damaged project).
    const TraceSet* traceSetOf(size_t shot) const;
    // The listing text, or the shorter text shown after loading or editing shots.
    QString shotText(size_t shot, bool listing) const;
    QString spreadText(size_t spread) const;
    void refreshShotRows();

    std::vector<geomTextWidget*> spreadRows;
    std::vector<geomTextWidget*> shotRows;
    GeometryPrompts* prompts;
    std::unique_ptr<Ui::DialogSetGeometry> ui;
};
