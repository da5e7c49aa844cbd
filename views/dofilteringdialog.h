#pragma once
// Butterworth low-pass and high-pass filtering of every trace of one shot,
// with the shot's stacked amplitude spectrum before and after and the traces
// themselves. Filtered samples go straight into the document's traces; the
// caller restores savedFilteredSamples (or clears them) on Cancel.

#include "records.h"

#include <QDialog>

#include <vector>

class TomoDocument;

namespace Ui
{
class doFilteringDialog;
}

class doFilteringDialog : public QDialog
{
    Q_OBJECT

public:
    // shotIndex names a trace set of the document.
    doFilteringDialog(TomoDocument* document, int shotIndex, QWidget* parent = nullptr);
    ~doFilteringDialog() override;

    // Stacked spectrum of workTraces' samples (original) or filtered samples:
    // the complex transforms are summed and divided by N. Appends the bins
    // below 350 Hz; every bin raises maxFrequency. Traces that pad to another
    // length than the first are left out of the sum.
    void computeSpectrum(bool original, std::vector<double>& frequencies,
                         std::vector<double>& amplitudes);
    // Replaces the chart line "Filtered".
    void updateFilteredSpectrum(const std::vector<double>& frequencies,
                                const std::vector<double>& amplitudes);

    bool applyToFilteredData = false; // stored only: filtering always reads samples
    TomoDocument* document = nullptr;
    int shotIndex = -1;
    bool hadFilteredSamples = false;
    std::vector<std::vector<double>> savedFilteredSamples;
    std::vector<Trace> workTraces;
    double maxFrequency = -1.7976931348623157e308; // Hz

private slots:
    void on_displayOriginal_clicked();
    void on_displayFiltered_clicked();
    void on_applyToOriginal_toggled(bool checked);
    void on_applyToFiltered_toggled(bool checked);
    void on_button_apply_filter_clicked();
    void updateApplyButton();

private:
    void caution(const QString& text);

    Ui::doFilteringDialog* ui;
};
