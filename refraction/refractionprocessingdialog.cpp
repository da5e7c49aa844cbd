#include "refractionprocessingdialog.h"

#include "edittraveltimeswidget.h"
#include "logger.h"
#include "picturefile.h"
#include "refractionprompts.h"
#include "tomodocument.h"
#include "ui_refractionprocessingdialog.h"
#include "viewoptionswidget.h"
#include "xyplot.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <iostream>

namespace
{
bool hasTime(const refractionDataStructure::phantom& p)
{
    return std::any_of(p.time.begin(), p.time.end(), [](double t) { return t > 0; });
}

// "2" is the first refractor (entry 0), "3" the second.
int refractorIndex(const QString& text)
{
    if (text == QLatin1String("2"))
        return 0;
    if (text == QLatin1String("3"))
        return 1;
    return -1;
}

void setLabels(PointLinePlot* plot, const char* title, const char* x, const char* y)
{
    plot->plotTitle = title;
    plot->xLabel = x;
    plot->yLabel = y;
}
} // namespace

RefractionProcessingDialog::RefractionProcessingDialog(QWidget* parent)
    : QDialog(parent), prompts(&defaultRefractionPrompts()),
      ui(std::make_unique<Ui::RefractionProcessingDialog>())
{
    ui->setupUi(this);
    for (const char* item : {"*", "1", "2", "3"})
        ui->listWidget->addItem(QString::fromLatin1(item));
    ui->tabRefraction->setCurrentIndex(0);
    ui->phantomListWidget->clear();
    fillLayerLists();
    connect(this, &RefractionProcessingDialog::layerSelChanged, ui->TTWidget,
            &editTravelTimesWidget::layerSelChange);
}

RefractionProcessingDialog::~RefractionProcessingDialog() = default;

void RefractionProcessingDialog::setDocument(TomoDocument* d)
{
    document = d;
    ui->TTWidget->setDocument(d);
    ui->widgetTV->setDocument(d);
    ui->widgetTG->setDocument(d);
    setLabels(ui->TTWidget, "Travel times", "(m)", "time (ms)");
    setLabels(ui->phantomView, "Phantom travel times", "(m)", "time (ms)");
    setLabels(ui->widgetTV, "tV", "(m)", "time (ms)");
    setLabels(ui->widgetTG, "tG", "(m)", "time (ms)");
    setLabels(ui->widgetVelocity, "Velocity", "(m)", "m/s");
    setLabels(ui->widgetRefrProfile, "Refraction Profile", "(m)", "m/s");
}

void RefractionProcessingDialog::setRefractionData(refractionDataStructure* data)
{
    refractionData = data;
    ui->TTWidget->setRefractionData(data);
    ui->TTWidget->plotMode = 0;
    for (editTravelTimesWidget* plot : {ui->widgetTV, ui->widgetTG}) {
        plot->setRefractionData(data);
        plot->plotMode = 3;
        plot->readOnly = true;
    }
    buildShotOptionRows();
}

void RefractionProcessingDialog::buildShotOptionRows()
{
    optionRows.clear();
    auto* container = new QWidget;
    auto* layout = new QVBoxLayout(container);
    ui->scrollArea->setWidget(container);
    ui->TTWidget->shotVisible.clear();
    ui->TTWidget->shotEnabled.clear();
    if (!document || !refractionData)
        return;
    const int n = int(refractionData->ttLayer.size());
    ui->TTWidget->shotVisible.resize(n);
    ui->TTWidget->shotEnabled.resize(n);
    for (int i = 0; i < n; ++i) {
        auto& record = refractionData->ttLayer[size_t(i)];
        currentRow = new viewOptionsWidget;
        currentRow->setShotLabel(document, &record, i);
        currentRow->setVisibleChecked(true);
        currentRow->setEnabledChecked(record.enabled);
        layout->addWidget(currentRow);
        connect(currentRow, &viewOptionsWidget::visibleChanged, ui->TTWidget,
                &editTravelTimesWidget::visibleChanged);
        connect(currentRow, &viewOptionsWidget::enableChanged, ui->TTWidget,
                &editTravelTimesWidget::enableChanged);
        connect(currentRow, &viewOptionsWidget::enableChanged, this, [this] { changed = true; });
        optionRows.push_back(currentRow);
        ui->TTWidget->shotVisible.setBit(i, true);
        ui->TTWidget->shotEnabled.setBit(i, record.enabled);
    }
}

void RefractionProcessingDialog::fillLayerLists()
{
    ui->phantomListWidget->clear();
    ui->layerListCB->clear();
    if (!refractionData)
        return;
    const auto& A = refractionData->phnt_A;
    for (size_t p = 0; p < 2 && p < A.size(); ++p)
        if (hasTime(A[p])) {
            const QString item = QString::number(p + 2);
            ui->phantomListWidget->addItem(item);
            ui->layerListCB->addItem(item);
        }
}

RefractionAnalysis RefractionProcessingDialog::analysis()
{
    return RefractionAnalysis(
        *document, *refractionData,
        [this](const QString& text) { prompts->warning(this, QStringLiteral("Warning"), text); },
        logger);
}

void RefractionProcessingDialog::buildPhantoms(uint32_t L, uint32_t f, uint32_t r)
{
    analysis().buildPhantoms(L, f, r);
    fillLayerLists();
}

double RefractionProcessingDialog::computeReciprocalTime(uint32_t L, uint32_t f, uint32_t r)
{
    return analysis().computeReciprocalTime(L, f, r);
}

double RefractionProcessingDialog::computeOverburdenVelocity(uint32_t layer)
{
    return analysis().computeOverburdenVelocity(layer);
}

bool RefractionProcessingDialog::refractionDataChanged() const
{
    return changed || ui->TTWidget->layersChanged;
}

void RefractionProcessingDialog::on_listWidget_itemSelectionChanged()
{
    const QListWidgetItem* item = ui->listWidget->currentItem();
    if (!item)
        return;
    const QString text = item->text();
    if (logger)
        logger->writeLog("Layer selected " + text.toStdString(), 0);
    std::cout << "LOG layerselected " << text.toStdString() << std::endl;
    static const QStringList names = {"*", "1", "2", "3"};
    const int layer = names.indexOf(text);
    if (layer >= 0)
        emit layerSelChanged(layer);
}

void RefractionProcessingDialog::on_pushAutoPhantButton_clicked()
{
    if (!document || !refractionData)
        return;
    changed = true;
    RefractionAnalysis::Outcome outcome;
    try {
        outcome = analysis().buildProfiles();
    } catch (const std::exception& e) {
        // Nothing may leave a slot; the analysis reports its own failures.
        prompts->warning(this, QStringLiteral("Warning"), QString::fromLocal8Bit(e.what()));
        refractionData->refractData.cData.assign(2, {});
        clearResultPlots();
        return;
    }
    showResults(outcome);
}

void RefractionProcessingDialog::clearResultPlots()
{
    for (editTravelTimesWidget* plot : {ui->widgetTV, ui->widgetTG}) {
        plot->values.clear();
        plot->valueSets.clear();
        plot->update();
    }
    for (xyPlot* plot : {ui->widgetVelocity, ui->widgetRefrProfile}) {
        plot->clearCurves();
        plot->update();
    }
}

void RefractionProcessingDialog::showResults(const RefractionAnalysis::Outcome& outcome)
{
    // A failed build leaves no results: the plots of an earlier one go too,
    // so that neither they nor their picture show what is no longer there.
    if (!outcome.layer2) {
        clearResultPlots();
        return;
    }
    fillLayerLists();
    const auto& first = refractionData->refractData.cData.at(0);
    ui->widgetTV->values = first.tV;
    ui->widgetTV->valueSets = first.tVs;
    ui->widgetTV->autoYMin = false;
    ui->widgetTV->update();
    ui->widgetTG->values = first.tG;
    ui->widgetTG->valueSets = first.tGs;
    ui->widgetTG->autoYMin = false;
    ui->widgetTG->update();

    ui->widgetVelocity->clearCurves();
    for (auto& c : RefractionAnalysis::velocityCurves(*refractionData, outcome.layer3))
        ui->widgetVelocity->addCurve(c);
    ui->widgetVelocity->autoYMin = true;
    ui->widgetRefrProfile->clearCurves();
    for (auto& c : RefractionAnalysis::profileCurves(*refractionData, outcome.layer3))
        ui->widgetRefrProfile->addCurve(c);
    ui->widgetRefrProfile->autoYMin = true;
    ui->widgetRefrProfile->yLabel = "(m)";
    ui->widgetRefrProfile->update();

    ui->phantomView->plotMode = 1;
    ui->phantomView->readOnly = true;
    ui->phantomView->setDocument(document);
    ui->phantomView->setRefractionData(refractionData);
    ui->phantomView->update();
    ui->widgetVelocity->update();
}

void RefractionProcessingDialog::on_phantomListWidget_itemSelectionChanged()
{
    const QListWidgetItem* item = ui->phantomListWidget->currentItem();
    if (!item)
        return;
    std::cout << "LOG layerselected " << item->text().toStdString() << std::endl;
    const int p = refractorIndex(item->text());
    if (p < 0)
        return;
    ui->phantomView->selectedLayer = p;
    ui->phantomView->update();
}

void RefractionProcessingDialog::on_layerListCB_currentIndexChanged(int index)
{
    std::cout << "LOG layerselected " << index << std::endl;
    if (!refractionData || refractionData->refractData.cData.empty() || index < 0)
        return;
    // The item names the refractor: the list may hold "3" alone.
    const int p = refractorIndex(ui->layerListCB->itemText(index));
    if (p < 0 || size_t(p) >= refractionData->refractData.cData.size())
        return;
    const auto& r = refractionData->refractData.cData[size_t(p)];
    ui->widgetTV->values = r.tV;
    ui->widgetTV->valueSets = r.tVs;
    ui->widgetTV->autoYMin = false;
    ui->widgetTV->update();
    ui->widgetTG->values = r.tG;
    ui->widgetTG->valueSets = r.tGs;
    ui->widgetTG->autoYMin = false;
    ui->widgetTG->update();
}

void RefractionProcessingDialog::on_exportRefPNGButton_clicked()
{
    const QString filter = tr("Png image (*.png)");
    const QString file =
        withDefaultSuffix(prompts->saveFileName(this, tr("Save Project"), lastExportFolder, filter,
                                                firstFilterSuffix(filter)),
                          "png");
    if (file.isEmpty()) {
        if (logger)
            logger->writeLog("Empty filename to be saved", 0);
        return;
    }
    lastExportFolder = QFileInfo(file).absolutePath();
    QImage page(1500, 1666, QImage::Format_RGB32);
    QImage profile(1500, 833, QImage::Format_RGB32);
    QImage velocity(1500, 833, QImage::Format_RGB32);
    for (auto [plot, image] : {std::make_pair(ui->widgetRefrProfile, &profile),
                               std::make_pair(ui->widgetVelocity, &velocity)}) {
        QPainter painter(image);
        plot->printing = true;
        plot->renderToImage(painter, 1500, 833);
        plot->printing = false;
    }
    {
        QPainter painter(&page);
        painter.drawImage(0, 0, velocity);
        painter.drawImage(0, 833, profile);
    }
    QString reason;
    if (!writeWholePng(file, page, &reason))
        prompts->warning(this, QStringLiteral("Warning"),
                         tr("Unable to save the image %1").arg(file) + "\n" + reason);
}
