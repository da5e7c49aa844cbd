#pragma once
// One shot row of the refraction dialog: the shot's row number and position,
// Visible (the plot only) and Enabled (stored in the shot's layer record).
// The row speaks for its place i in the list: row i, plot bit i and record i
// are one shot.

#include "refractiondatastructure.h"

#include <QWidget>

#include <memory>

class TomoDocument;

namespace Ui
{
class viewOptionsWidget;
}

class viewOptionsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit viewOptionsWidget(QWidget* parent = nullptr);
    ~viewOptionsWidget() override;

    // Stores both pointers and the row index and, with both set, writes
    // "ID <i> X: <x> m" from travel-time record i of the document.
    void setShotLabel(TomoDocument* document, refractionDataStructure::layerStruct* record,
                      int index);
    void setVisibleChecked(bool on);
    void setEnabledChecked(bool on);

signals:
    void visibleChanged(int shot, bool on);
    void enableChanged(int shot, bool on);

private slots:
    void on_visibleCkBox_stateChanged(int state);
    void on_enableCkBox_stateChanged(int state);

private:
    std::unique_ptr<Ui::viewOptionsWidget> ui;
    TomoDocument* document = nullptr;
    refractionDataStructure::layerStruct* record = nullptr;
    int index = 0;
};
