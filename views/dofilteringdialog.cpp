#include "dofilteringdialog.h"

#include "spectrum.h"
#include "tomodocument.h"
#include "tracefilters.h"
#include "ui_dofilteringdialog.h"

#include <QMessageBox>

#include <cmath>
#include <complex>
#include <iostream>

namespace
{
// The chart shows the band that refraction work looks at.
constexpr double kHighestChartedFrequency = 350.0;
} // namespace

doFilteringDialog::doFilteringDialog(TomoDocument* doc, int shot, QWidget* parent)
    : QDialog(parent), ui(new Ui::doFilteringDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Trace Filtering"));
    ui->tracesWidget->pickingEnabled = false;
    ui->spectrumWidget->xAxisTitle = tr("Frequency").toStdString();
    ui->spectrumWidget->yAxisTitle = tr("Intensity").toStdString();
    ui->applyToOriginal->setChecked(true);
    ui->applyToFiltered->setChecked(false);
    ui->applyToFiltered->setEnabled(false);
    ui->button_apply_filter->setEnabled(false);

    document = doc;
    shotIndex = shot;
    const bool validShot = document && shot >= 0 && size_t(shot) < document->traceSets.size();

    // The panel is addressed by travel-time record: the one built on this set.
    int record = shot;
    if (document)
        for (size_t r = 0; r < document->ttArray.size(); ++r)
            if (int64_t(document->ttArray[r].traceSetID) == int64_t(shot)) {
                record = int(r);
                break;
            }
    ui->tracesWidget->setDocument(document);
    ui->tracesWidget->setShot(record);
    ui->tracesWidget->repaint();

    if (validShot) {
        const TraceSet& set = document->traceSets[size_t(shot)];
        hadFilteredSamples = set.hasFiltered;
        for (const Trace& trace : set.traces) {
            workTraces.push_back(trace);
            if (hadFilteredSamples)
                savedFilteredSamples.push_back(trace.filtered);
        }
    }

    connect(ui->hiPassCBox, &QCheckBox::clicked, this, &doFilteringDialog::updateApplyButton);
    connect(ui->lowPassCBox, &QCheckBox::clicked, this, &doFilteringDialog::updateApplyButton);

    std::vector<double> frequencies, amplitudes;
    computeSpectrum(true, frequencies, amplitudes);
    ui->spectrumWidget->addLine("Original", frequencies, amplitudes, Qt::black);
    ui->spectrumWidget->renderAll();
}

doFilteringDialog::~doFilteringDialog()
{
    delete ui;
}

void doFilteringDialog::computeSpectrum(bool original, std::vector<double>& frequencies,
                                        std::vector<double>& amplitudes)
{
    std::vector<std::complex<double>> sum;
    double fs = 0.0;
    for (size_t i = 0; i < workTraces.size(); ++i) {
        const Trace& trace = workTraces[i];
        fs = 1.0 / trace.sampleInterval;
        std::vector<std::complex<double>> X;
        fftPadded(original ? trace.samples : trace.filtered, X);
        if (i == 0)
            sum.assign(X.size(), std::complex<double>(0.0, 0.0));
        // Traces of a SEG2 shot may differ in length; only those of the first
        // trace's padded length can be stacked.
        if (X.size() != sum.size()) {
            std::cerr << "Trace " << i << " pads to " << X.size() << " samples, not " << sum.size()
                      << ": left out of the spectrum" << std::endl;
            continue;
        }
        for (size_t k = 0; k < X.size(); ++k)
            sum[k] += X[k];
    }
    std::cout << "fft" << std::endl;

    const double N = double(sum.size());
    for (size_t i = 0; double(i) < 0.5 * N; ++i) {
        sum[i] /= N;
        const double amplitude =
            std::sqrt(sum[i].real() * sum[i].real() + sum[i].imag() * sum[i].imag());
        const double frequency = double(i) / (N / fs);
        if (frequency > maxFrequency)
            maxFrequency = frequency;
        if (frequency < kHighestChartedFrequency) {
            frequencies.push_back(frequency);
            amplitudes.push_back(amplitude);
        }
    }
}

void doFilteringDialog::updateFilteredSpectrum(const std::vector<double>& frequencies,
                                               const std::vector<double>& amplitudes)
{
    Chart2DViewer* chart = ui->spectrumWidget;
    if (chart->removeLine("Filtered") != 1)
        chart->lines.erase("Filtered");
    chart->addLine("Filtered", frequencies, amplitudes, QColor(255, 0, 0, 255));
    std::cout << "aggiunta linea filtrata" << std::endl;
    chart->renderAll();
}

void doFilteringDialog::updateApplyButton()
{
    ui->button_apply_filter->setEnabled(ui->hiPassCBox->isChecked() ||
                                        ui->lowPassCBox->isChecked());
}

void doFilteringDialog::caution(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, tr("Caution"), text);
    box.exec();
}

void doFilteringDialog::on_button_apply_filter_clicked()
{
    const bool lowPass = ui->lowPassCBox->isChecked();
    const bool highPass = ui->hiPassCBox->isChecked();
    if (!lowPass && !highPass)
        return;
    const int lowOrder = ui->lowPassOrder->value();
    const int highOrder = ui->hiPassOrder->value();
    if ((lowPass && lowOrder <= 0) || (highPass && highOrder <= 0)) {
        caution(tr("No filter applied. Filter order must be greater then 0."));
        return;
    }
    // Outside (0, 0.5) the filters refuse to run; say so before touching a
    // trace. A shot without traces has no maximum frequency and fails here too.
    const double lowCutoff = ui->doubleFxLowpass->value() / (2.0 * maxFrequency);
    const double highCutoff = ui->doubleFxHighPass->value() / (2.0 * maxFrequency);
    if ((lowPass && !usableCutoff(lowCutoff)) || (highPass && !usableCutoff(highCutoff))) {
        caution(tr("No filter applied. Cut-off frequency out of range."));
        return;
    }

    // Filters never cascade over earlier results: the input is always samples.
    std::vector<std::vector<double>> results(workTraces.size());
    for (size_t i = 0; i < workTraces.size(); ++i) {
        const Trace& trace = workTraces[i];
        const double fs = 1.0 / trace.sampleInterval;
        int failed = 0;
        if (lowPass && highPass) {
            std::vector<double> lowPassed;
            failed = lowPassFilter(trace.samples, lowOrder, fs, lowCutoff, lowPassed);
            if (!failed)
                failed = highPassFilter(lowPassed, highOrder, fs, highCutoff, results[i]);
        } else if (lowPass) {
            failed = lowPassFilter(trace.samples, lowOrder, fs, lowCutoff, results[i]);
        } else {
            failed = highPassFilter(trace.samples, highOrder, fs, highCutoff, results[i]);
        }
        if (failed) {
            std::cerr << "No filter applied: the filter for trace " << i << " could not be designed"
                      << std::endl;
            return;
        }
    }

    std::vector<Trace>* shotTraces = nullptr;
    if (document && shotIndex >= 0 && size_t(shotIndex) < document->traceSets.size())
        shotTraces = &document->traceSets[size_t(shotIndex)].traces;
    for (size_t i = 0; i < workTraces.size(); ++i) {
        workTraces[i].filtered = std::move(results[i]);
        if (shotTraces && i < shotTraces->size())
            (*shotTraces)[i].filtered = workTraces[i].filtered;
    }

    ui->displayFiltered->setEnabled(true);
    ui->displayFiltered->setChecked(true);
    ui->tracesWidget->showFiltered = true;
    ui->tracesWidget->repaint();
    ui->applyToFiltered->setEnabled(true);

    std::vector<double> frequencies, amplitudes;
    computeSpectrum(false, frequencies, amplitudes);
    updateFilteredSpectrum(frequencies, amplitudes);
}

void doFilteringDialog::on_displayOriginal_clicked()
{
    ui->tracesWidget->showFiltered = false;
    ui->tracesWidget->repaint();
}

void doFilteringDialog::on_displayFiltered_clicked()
{
    ui->tracesWidget->showFiltered = true;
    ui->tracesWidget->repaint();
}

void doFilteringDialog::on_applyToOriginal_toggled(bool checked)
{
    applyToFilteredData = !checked;
}

void doFilteringDialog::on_applyToFiltered_toggled(bool checked)
{
    applyToFilteredData = checked;
}
