#include "convert2tervanelodialog.h"

#include "converterprompts.h"
#include "seismicconversions.h"
#include "traveltimeconversions.h"
#include "ui_convert2tervanelodialog.h"

#include <QDir>
#include <QFile>

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
}

Convert2TervaneloDialog::~Convert2TervaneloDialog()
{
    delete ui;
}

void Convert2TervaneloDialog::browseInputFiles(const QString& filters, const QString& defaultFilter,
                                               QLineEdit* field, QLabel* format)
{
    selectedFilter = defaultFilter;
    const QStringList names = prompts->openFileNames(this, QStringLiteral("Input file"),
                                                     QDir::homePath(), filters, &selectedFilter);
    field->clear();
    inputFiles.clear();
    for (const QString& name : names) {
        inputFiles.push_back(localPath(name));
        field->setText(field->text() + name + QStringLiteral("; "));
    }
    format->setText(selectedFilter);
}

void Convert2TervaneloDialog::browseOutput(QLineEdit* field)
{
    const QString name =
        prompts->saveFileName(this, QStringLiteral("OTTE File"), QDir::homePath(), OtteFilters);
    if (!name.isEmpty())
        field->setText(name);
}

void Convert2TervaneloDialog::on_browseInputButton_3_clicked()
{
    browseInputFiles(GenericFilter + ";;" + AllFilesFilter, GenericFilter, ui->inputGenTxt,
                     ui->formatSelected_3);
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
        browseInputFiles(filters, GeogigaFilter, ui->inputEdit, ui->formatSelected);
        return;
    }
    selectedFilter = GeogigaFilter;
    const QString name = prompts->openFileName(this, QStringLiteral("Input file"), QDir::homePath(),
                                               filters, &selectedFilter);
    if (name.isEmpty())
        return;
    ui->inputEdit->setText(name);
    ui->formatSelected->setText(selectedFilter);
}

void Convert2TervaneloDialog::on_browseOutputButton_clicked()
{
    browseOutput(ui->outputEdit);
}

void Convert2TervaneloDialog::on_pushButton_clicked()
{
    const QString filters = QStringList{SeismicUnixFilter, DolangFilter, AllFilesFilter}.join(";;");
    selectedFilter = SeismicUnixFilter;
    const QString name = prompts->openFileName(this, QStringLiteral("Input file"), QDir::homePath(),
                                               filters, &selectedFilter);
    if (name.isEmpty())
        return;
    ui->inputSeismicEdit->setText(name);
    inputPath = localPath(name);
    ui->formatSeismicInput->setText(selectedFilter);
}

Convert2TervaneloDialog::Outcome Convert2TervaneloDialog::convertSeismic()
{
    // The field, not what the last browse left in inputPath: the structured
    // page overwrites inputPath with its own field.
    inputPath = localPath(ui->inputSeismicEdit->text());
    if (sameFilter(selectedFilter, SeismicUnixFilter))
        return convertSuToSeg2(inputPath) == 0 ? Outcome::Done : Outcome::Failed;
    if (sameFilter(selectedFilter, DolangFilter))
        return convertDolangToSeg2(pathWithoutSuffix(inputPath)) == 0 ? Outcome::Done
                                                                      : Outcome::Failed;
    return Outcome::NotRecognized;
}

Convert2TervaneloDialog::Outcome Convert2TervaneloDialog::convertStructured()
{
    inputPath = localPath(ui->inputEdit->text());
    outputPath = localPath(ui->outputEdit->text());
    int status;
    if (sameFilter(selectedFilter, GeogigaFilter))
        status = convertGeogigaToOtte(inputPath, outputPath);
    else if (sameFilter(selectedFilter, WinsismFilter))
        status = convertWinsismXyzToOtte(inputPath, outputPath);
    else if (sameFilter(selectedFilter, SeisImagerFilter) && ui->multiTTFiles->isChecked()) {
        if (inputFiles.empty())
            return Outcome::NotRecognized;
        status = convertSeisImagerFilesToOtte(inputFiles, outputPath);
    } else if (sameFilter(selectedFilter, SeisImagerFilter))
        status = convertSeisImagerToOtte(inputPath, outputPath);
    else
        return Outcome::NotRecognized;
    return status == 0 ? Outcome::Done : Outcome::Failed;
}

Convert2TervaneloDialog::Outcome Convert2TervaneloDialog::convertGeneric()
{
    if (!sameFilter(selectedFilter, GenericFilter) || inputFiles.empty())
        return Outcome::NotRecognized;
    std::vector<double> shotX, shotZ;
    double x = 0.0, z = 0.0;
    for (const std::string& file : inputFiles)
        if (prompts->shotPosition(file, x, z)) {
            shotX.push_back(x);
            shotZ.push_back(z);
        }
    outputPath = localPath(ui->outputGenTxt->text());
    return convertGenericTextToOtte(inputFiles, outputPath, shotX, shotZ) == 0 ? Outcome::Done
                                                                               : Outcome::Failed;
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
        outcome = Outcome::Failed;
    }
    switch (outcome) {
    case Outcome::Done:
        prompts->information(this, QStringLiteral("Info"), QStringLiteral("Conversion done"));
        break;
    case Outcome::Failed:
        prompts->warning(this, QStringLiteral("Warning"),
                         QStringLiteral("Ops... Conversion not completed"));
        break;
    case Outcome::NotRecognized:
        prompts->warning(this, QStringLiteral("Warning"),
                         QStringLiteral("Ops... Input format not recognized"));
        break;
    }
}

void Convert2TervaneloDialog::on_quitButton_clicked()
{
    std::exit(0);
}
