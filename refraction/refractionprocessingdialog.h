#pragma once
// The layered refraction analysis as one modal dialog: layer assignment on
// the T-x plot, Build profiles, the phantoms, tV/tG and the velocity and
// profile plots with their PNG export. It works in place on the window's
// document and refraction data and owns neither.

#include "refractionanalysis.h"
#include "refractionutils.h"

#include <QDialog>

#include <memory>
#include <vector>

class Logger;
class UserPrompts;
class TomoDocument;
class viewOptionsWidget;

namespace Ui
{
class RefractionProcessingDialog;
}

class RefractionProcessingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RefractionProcessingDialog(QWidget* parent = nullptr);
    ~RefractionProcessingDialog() override;

    void setDocument(TomoDocument* document);
    // Never null: the window builds the data first. Builds the shot rows.
    void setRefractionData(refractionDataStructure* data);
    void buildShotOptionRows();
    void fillLayerLists();

    // The analysis' steps, reporting through the Warning box.
    void buildPhantoms(uint32_t L, uint32_t f, uint32_t r);
    double computeReciprocalTime(uint32_t L, uint32_t f, uint32_t r);
    double computeOverburdenVelocity(uint32_t layer);

    // Whether the user changed the refraction data: a layer assignment, an
    // Enabled switch or a Build profiles run.
    bool refractionDataChanged() const;

    QString lastExportFolder;
    TomoDocument* document = nullptr;
    refractionDataStructure* refractionData = nullptr;
    refractionUtils utils;
    viewOptionsWidget* currentRow = nullptr;
    std::vector<viewOptionsWidget*> optionRows;
    Logger* logger = nullptr;
    UserPrompts* prompts; // the real dialogs unless a test answers

signals:
    void layerSelChanged(int layer);

private slots:
    void on_listWidget_itemSelectionChanged();
    void on_pushAutoPhantButton_clicked();
    void on_phantomListWidget_itemSelectionChanged();
    void on_layerListCB_currentIndexChanged(int index);
    void on_exportRefPNGButton_clicked();

private:
    RefractionAnalysis analysis();
    void showResults(const RefractionAnalysis::Outcome& outcome);
    // The travel-time, velocity and profile plots of the results, emptied.
    void clearResultPlots();

    std::unique_ptr<Ui::RefractionProcessingDialog> ui;
    bool changed = false;
};
