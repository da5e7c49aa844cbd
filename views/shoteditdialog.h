#pragma once
// The shot editor: one row per selected shot with its position, elevation and
// spread. Works on copies of the survey lists; OK writes the rows into the
// travel-time copy only, which the caller then takes back with the others.

#include "records.h"

#include <QDialog>

#include <memory>
#include <vector>

class QVBoxLayout;
class shotEditWidget;

namespace Ui
{
class shotEditDialog;
}

class shotEditDialog : public QDialog
{
    Q_OBJECT

public:
    shotEditDialog(const std::vector<std::vector<Point2D>>& spreads,
                   const std::vector<TravelTime>& travelTimes,
                   const std::vector<TraceSet>& traceSets, QWidget* parent = nullptr);
    ~shotEditDialog() override;

    // Indices into the travel-time list, in the order the rows are shown.
    void setSelection(std::vector<int> shots);
    // Called once, after setSelection and before exec().
    void buildRows();

    const std::vector<std::vector<Point2D>>& spreadsCopy() const { return spreads; }
    const std::vector<TravelTime>& travelTimesCopy() const { return travelTimes; }
    const std::vector<TraceSet>& traceSetsCopy() const { return traceSets; }

private slots:
    void on_buttonBox_accepted();

private:
    std::vector<int> selection;
    std::vector<shotEditWidget*> shotEditRows;
    QWidget* rowContainer = nullptr;
    QVBoxLayout* rowLayout = nullptr;
    std::vector<std::vector<Point2D>> spreads;
    std::vector<TravelTime> travelTimes;
    std::vector<TraceSet> traceSets;
    std::unique_ptr<Ui::shotEditDialog> ui;
};
