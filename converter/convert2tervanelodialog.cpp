#include "convert2tervanelodialog.h"

#include "converterprompts.h"
#include "seismicconversions.h"
#include "traveltimeconversions.h"
#include "ui_convert2tervanelodialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <exception>
#include <iostream>

namespace
{

const QString GenericFilter = QStringLiteral("Generic text file (*.txt)");
const QString SeisImagerFilter = QStringLiteral("SeisImager traveltimes (*.vs)");
const QString GeogigaFilter = QStringLiteral("Geogiga text file (*.txt)");
const QString WinsismFilter = QStringLiteral("Geo2X Winsism XYZ file (*.xyz)");
const QString SeismicUnixFilter = QStringLiteral("Seismic Unix (*.su)");
const QString DolangFilter = QStringLiteral("Dolang seismic file (*.*DT  )");
const QString AllFilesFilter = QStringLiteral("All Files (*)");
const QString OtteFilters =
    QStringLiteral("Opent traveltime exchange format (*.otte);;All Files (*)");

// File dialogs hand the filter back with runs of blanks made single (the
// Dolang filter among them), so filters are compared simplified.
bool sameFilter(const QString& selected, const QString& filter)
{
    return selected.simplified() == filter.simplified();
}

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

DialogConverterPrompts& realPrompts()
{
    static DialogConverterPrompts prompts;
    return prompts;
}

} // namespace

Convert2TervaneloDialog::Convert2TervaneloDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::Convert2TervaneloDialog), prompts(&realPrompts())
{
    ui->setupUi(this);
    updateMergeBox();
}

Convert2TervaneloDialog::~Convert2TervaneloDialog()
{
    delete ui;
}

void Convert2TervaneloDialog::browseInputFiles(InputChoice& choice, const QString& filters,
                                               const QString& defaultFilter, QLineEdit* field,
                                               QLabel* format)
{
    QString filter = choice.filter.isEmpty() ? defaultFilter : choice.filter;
    const QStringList names = prompts->openFileNames(this, QStringLiteral("Input file"),
                                                     QDir::homePath(), filters, &filter);
    field->clear();
    choice.files.clear();
    for (const QString& name : names) {
        choice.files.push_back(localPath(name));
        field->setText(field->text() + name + QStringLiteral("; "));
    }
    choice.filter = filter;
    format->setText(filter);
}

void Convert2TervaneloDialog::browseOutput(QLineEdit* field)
{
    const QString name =
        prompts->saveFileName(this, QStringLiteral("OTTE File"), QDir::homePath(), OtteFilters);
    if (!name.isEmpty())
        field->setText(name);
    otteOutput(field);
}

std::string Convert2TervaneloDialog::otteOutput(QLineEdit* field)
{
    QString name = field->text();
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty()) {
        name += name.endsWith('.') ? QStringLiteral("otte") : QStringLiteral(".otte");
        field->setText(name);
    }
    return localPath(name);
}

void Convert2TervaneloDialog::updateMergeBox()
{
    const QString& filter = structuredInput.filter;
    const bool canMerge = filter.isEmpty() || sameFilter(filter, SeisImagerFilter);
    if (!canMerge)
        ui->multiTTFiles->setChecked(false);
    ui->multiTTFiles->setEnabled(canMerge);
}

void Convert2TervaneloDialog::on_browseInputButton_3_clicked()
{
    browseInputFiles(genericInput, GenericFilter + ";;" + AllFilesFilter, GenericFilter,
                     ui->inputGenTxt, ui->formatSelected_3);
}

void Convert2TervaneloDialog::on_browseOutputButton_3_clicked()
{
    browseOutput(ui->outputGenTxt);
}

void Convert2TervaneloDialog::on_browseInputButton_clicked()
{
    const QString filters =
        QStringList{SeisImagerFilter, GeogigaFilter, WinsismFilter, AllFilesFilter}.join(";;");
    if (ui->multiTTFiles->isChecked()) {
        browseInputFiles(structuredInput, filters, GeogigaFilter, ui->inputEdit,
                         ui->formatSelected);
        if (!sameFilter(structuredInput.filter, SeisImagerFilter)) {
            // Only SeisImager files merge: one file of another format is
            // taken as the single input; several are refused at once.
            const size_t chosen = structuredInput.files.size();
            if (chosen > 1) {
                structuredInput.files.clear();
                ui->inputEdit->clear();
                prompts->warning(this, QStringLiteral("Warning"),
                                 QStringLiteral("Ops... ") + structuredInput.filter +
                                     QStringLiteral(" files cannot be merged: choose one file"));
            } else if (chosen == 1) {
                ui->inputEdit->setText(QFile::decodeName(structuredInput.files[0].c_str()));
            }
        }
        updateMergeBox();
        return;
    }
    QString filter = structuredInput.filter.isEmpty() ? GeogigaFilter : structuredInput.filter;
    const QString name = prompts->openFileName(this, QStringLiteral("Input file"), QDir::homePath(),
                                               filters, &filter);
    if (name.isEmpty())
        return;
    ui->inputEdit->setText(name);
    structuredInput = {filter, {localPath(name)}};
    ui->formatSelected->setText(filter);
    updateMergeBox();
}

void Convert2TervaneloDialog::on_browseOutputButton_clicked()
{
    browseOutput(ui->outputEdit);
}

void Convert2TervaneloDialog::on_pushButton_clicked()
{
    const QString filters = QStringList{SeismicUnixFilter, DolangFilter, AllFilesFilter}.join(";;");
    QString filter = seismicInput.filter.isEmpty() ? SeismicUnixFilter : seismicInput.filter;
    const QString name = prompts->openFileName(this, QStringLiteral("Input file"), QDir::homePath(),
                                               filters, &filter);
    if (name.isEmpty())
        return;
    ui->inputSeismicEdit->setText(name);
    inputPath = localPath(name);
    seismicInput = {filter, {inputPath}};
    ui->formatSeismicInput->setText(filter);
}

Convert2TervaneloDialog::Outcome Convert2TervaneloDialog::statusOutcome(int status,
                                                                        const std::string& reason)
{
    Outcome outcome;
    if (status != 0) {
        outcome.kind = Outcome::Failed;
        outcome.reason = reason;
    }
    return outcome;
}

Convert2TervaneloDialog::Outcome Convert2TervaneloDialog::convertSeismic()
{
    // The field, not what the last browse left in inputPath: the structured
    // page overwrites inputPath with its own field.
    inputPath = localPath(ui->inputSeismicEdit->text());
    ConversionReport report;
    int status;
    if (sameFilter(seismicInput.filter, SeismicUnixFilter))
        status = convertSuToSeg2(inputPath, &report);
    else if (sameFilter(seismicInput.filter, DolangFilter))
        status = convertDolangToSeg2(pathWithoutSuffix(inputPath), &report);
    else
        return {Outcome::NotRecognized, {}, {}};
    Outcome outcome = statusOutcome(status, report.reason);
    outcome.notes = report.notes;
    return outcome;
}

Convert2TervaneloDialog::Outcome Convert2TervaneloDialog::convertStructured()
{
    inputPath = localPath(ui->inputEdit->text());
    outputPath = otteOutput(ui->outputEdit);
    const QString& filter = structuredInput.filter;
    std::string reason;
    int status;
    if (sameFilter(filter, GeogigaFilter))
        status = convertGeogigaToOtte(inputPath, outputPath, &reason);
    else if (sameFilter(filter, WinsismFilter))
        status = convertWinsismXyzToOtte(inputPath, outputPath, &reason);
    else if (sameFilter(filter, SeisImagerFilter) && ui->multiTTFiles->isChecked())
        status = convertSeisImagerFilesToOtte(structuredInput.files, outputPath, &reason);
    else if (sameFilter(filter, SeisImagerFilter))
        status = convertSeisImagerToOtte(inputPath, outputPath, &reason);
    else
        return {Outcome::NotRecognized, {}, {}};
    return statusOutcome(status, reason);
}

Convert2TervaneloDialog::Outcome Convert2TervaneloDialog::convertGeneric()
{
    if (!sameFilter(genericInput.filter, GenericFilter) || genericInput.files.empty())
        return {Outcome::NotRecognized, {}, {}};
    std::vector<double> shotX, shotZ;
    double x = 0.0, z = 0.0;
    for (const std::string& file : genericInput.files) {
        // A cancelled position cancels the conversion.
        if (!prompts->shotPosition(file, x, z))
            return {Outcome::Cancelled, {}, {}};
        shotX.push_back(x);
        shotZ.push_back(z);
    }
    outputPath = otteOutput(ui->outputGenTxt);
    std::string reason;
    const int status =
        convertGenericTextToOtte(genericInput.files, outputPath, shotX, shotZ, &reason);
    return statusOutcome(status, reason);
}

void Convert2TervaneloDialog::on_convertButton_clicked()
{
    Outcome outcome;
    try {
        QWidget* page = ui->toolBox->currentWidget();
        if (page == ui->page_2)
            outcome = convertSeismic();
        else if (page == ui->page)
            outcome = convertStructured();
        else
            outcome = convertGeneric();
    } catch (const std::exception& e) {
        std::cerr << "Something went wrong\n" << e.what() << '\n';
        outcome = {Outcome::Failed, e.what(), {}};
    }
    switch (outcome.kind) {
    case Outcome::Done:
        if (outcome.notes.empty()) {
            prompts->information(this, QStringLiteral("Info"), QStringLiteral("Conversion done"));
        } else {
            // Written, but not everything came through as it was: say what.
            QString text = QStringLiteral("Conversion done");
            for (const std::string& note : outcome.notes)
                text += '\n' + QString::fromStdString(note);
            prompts->warning(this, QStringLiteral("Warning"), text);
        }
        break;
    case Outcome::Failed: {
        QString reason = QString::fromStdString(outcome.reason).simplified();
        if (reason.isEmpty())
            reason = QStringLiteral("no reason was given");
        prompts->warning(this, QStringLiteral("Warning"),
                         QStringLiteral("Ops... Conversion not completed\n") + reason);
        break;
    }
    case Outcome::NotRecognized:
        prompts->warning(this, QStringLiteral("Warning"),
                         QStringLiteral("Ops... Input format not recognized"));
        break;
    case Outcome::Cancelled:
        break;
    }
}

void Convert2TervaneloDialog::on_quitButton_clicked()
{
    std::exit(0);
}
