#include "exportcontroller.h"

#include "appprompts.h"
#include "drawtraces.h"
#include "drawttimeexport.h"
#include "exporttomoveldata.h"
#include "geotransform.h"
#include "grid.h"
#include "picturefile.h"
#include "reports.h"
#include "sectiondisplay.h"
#include "sectiontypes.h"
#include "selectexport.h"
#include "set_screenshot_scale_dialog.h"
#include "setgeographydialog.h"
#include "textexports.h"
#include "vtkviewer.h"
#include "waitcursor.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>

#include <cmath>

namespace
{

using T = SectionType;

struct SeriesPicture {
    bool ExportImageOptions::*option;
    const char* name;
    SectionType type;
};

// The image series in its file order.
const SeriesPicture kSeriesPictures[] = {
    {&ExportImageOptions::exportProf, "profile.png", T::Velocity},
    {&ExportImageOptions::exportProfVelocityRays, "profile_rays.png", T::VelocityRays},
    {&ExportImageOptions::exportProfIsolines, "profile_isolines.png", T::VelocityContours},
    {&ExportImageOptions::exportProfIsolinesFilled, "profile_isolines_filled.png",
     T::FilledContours},
    {&ExportImageOptions::exportProfGradient, "profile_vertical_gradient.png", T::Gradient},
    {&ExportImageOptions::exportProfLaplacian, "profile_laplacian_gradient.png", T::Laplacian},
    {&ExportImageOptions::exportProfGradientRays, "profile_gradient_rays.png", T::GradientRays},
    {&ExportImageOptions::exportProfLaplacianRays, "profile_laplacian_gradient_rays.png",
     T::LaplacianRays},
    {&ExportImageOptions::exportProfIsolinesOnGradient, "profile_gradient_isolines.png",
     T::GradientContours},
    {&ExportImageOptions::exportProfIsolinesOnLaplacian, "profile_laplacian_isolines.png",
     T::LaplacianContours},
};

struct ReportSection {
    bool ExportImageOptions::*option;
    const char* odtName;
    const char* pdfName;
    SectionType type;
};

// The reports' section pictures in report order. The two reports name the
// gradient pictures differently; the other names are shared.
const ReportSection kReportSections[] = {
    {&ExportImageOptions::exportProf, "/grid.png", "/grid.png", T::Velocity},
    {&ExportImageOptions::exportProfVelocityRays, "/rays.png", "/rays.png", T::VelocityRays},
    {&ExportImageOptions::exportProfGradientRays, "/rays_gradient.png", "/rays_gradient.png",
     T::GradientRays},
    {&ExportImageOptions::exportProfLaplacianRays, "/rays_laplacian.png", "/rays_laplacian.png",
     T::LaplacianRays},
    {&ExportImageOptions::exportProfGradient, "/vgrad.png", "/gradient.png", T::Gradient},
    {&ExportImageOptions::exportProfLaplacian, "/lapl_grad.png", "/laplacian.png", T::Laplacian},
    {&ExportImageOptions::exportProfIsolines, "/contours.png", "/contours.png",
     T::VelocityContours},
    {&ExportImageOptions::exportProfIsolinesFilled, "/filled_contours.png", "/filled_contours.png",
     T::FilledContours},
    {&ExportImageOptions::exportProfIsolinesOnGradient, "/gradient_contours.png",
     "/gradient_contours.png", T::GradientContours},
    {&ExportImageOptions::exportProfIsolinesOnLaplacian, "/laplacian_contours.png",
     "/laplacian_contours.png", T::LaplacianContours},
};

constexpr int kSectionWidth = 4096;
constexpr double kLargeChartHeight = 2000.0 / 1.2;

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

QString withReason(const QString& text, const QString& reason)
{
    return reason.isEmpty() ? text : text + "\n" + reason;
}

} // namespace

bool isPlainBasename(const QString& name)
{
    for (const QChar c : name)
        if (c == '\n' || c == '\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
            c == '/' || c == '\\')
            return false;
    return true;
}

// ---- The section view as renderer ----

void ViewSectionRenderer::setContourLabelMinPoints(int choice)
{
    section.setContourLabelDensity(choice);
}

bool ViewSectionRenderer::renderPicture(const SectionPicture& picture, const std::string& path)
{
    return section.renderPicture(picture, path);
}

bool ViewSectionRenderer::saveScreenshot(const std::string& path, double scale)
{
    return section.saveScreenshot(path, scale);
}

std::string ViewSectionRenderer::pictureProblem() const
{
    return section.pictureProblem();
}

int ViewSectionRenderer::showType() const
{
    return section.view().showType;
}

std::pair<double, double> ViewSectionRenderer::velocityRange() const
{
    return section.view().velocityRange;
}

// ---- Controller ----

ExportController::ExportController(ExportContext context, std::unique_ptr<SectionRenderer> r,
                                   QObject* parent)
    : QObject(parent), ctx(std::move(context)), renderer(std::move(r))
{
}

ExportController::~ExportController() = default;

void ExportController::setRenderer(std::unique_ptr<SectionRenderer> r)
{
    renderer = std::move(r);
}

void ExportController::warn(const QString& text) const
{
    ctx.host.prompts->warning(ctx.host.window, tr("Warning"), text);
}

void ExportController::warnNotWritten(const QString& path, const std::string& reason) const
{
    QString text = tr("The file %1 could not be written.").arg(QDir::toNativeSeparators(path));
    if (!reason.empty())
        text += "\n" + QString::fromStdString(reason);
    warn(text);
}

void ExportController::warnMissing(const QStringList& files) const
{
    if (!files.isEmpty())
        warn(tr("These pictures could not be made:\n%1").arg(files.join("\n")));
}

QString ExportController::saveFileName(const QString& caption, const QString& filter,
                                       const QString& suffix)
{
    const QString path = ctx.host.prompts->saveFileName(
        ctx.host.window, caption, QString::fromStdString(ctx.host.readHistory()), filter, suffix);
    if (!path.isEmpty())
        ctx.host.saveHistory(folderOf(path).toStdString());
    return path;
}

bool ExportController::hasTraceSet(size_t record) const
{
    return ctx.document.ttArray[record].traceSetID < ctx.document.traceSets.size();
}

// ---- Geographic reference ----

void ExportController::setGeographyCoordinates()
{
    TomoDocument& doc = ctx.document;
    setGeographyDialog dialog;
    if (doc.geoCoord_isSet)
        dialog.set(doc.geoCoord.mEastFstGeoph, doc.geoCoord.mEastLstGeoph,
                   doc.geoCoord.mNorthFstGeoph, doc.geoCoord.mNorthLstGeoph, doc.geoCoord.CRS);
    if (dialog.exec() != QDialog::Accepted)
        return;
    doc.setGeoCoord(dialog.estFstGeoph, dialog.estLstGeoph, dialog.northFstGeoph,
                    dialog.northLstGeoph, dialog.epsg);
    // The reference is saved with the project: closing must ask.
    ctx.host.setModified(true);
}

// ---- KML and gridded text ----

namespace
{
bool hasGridCells(const TomoDocument& doc)
{
    return doc.grid && doc.grid->numberOfCells() > 0;
}
} // namespace

void ExportController::exportKml(const KmlExport& kml)
{
    if (!ctx.document.geoCoord_isSet) {
        ctx.host.prompts->critical(nullptr, tr("Warning"),
                                   tr("Geographical coordinates are missing, data cannot be "
                                      "exported in KML format"));
        return;
    }
    if (kml.needsGrid && !hasGridCells(ctx.document)) {
        warn(tr("No tomographic grid: data cannot be exported in KML format"));
        return;
    }
    const QString path = saveFileName(kml.title, tr("KML (*.kml);;All Files (*)"), "kml");
    if (path.isEmpty())
        return;
    ctx.log(kml.logText + path.toStdString());
    const uint32_t code = ctx.document.geoCoord.CRS;
    const auto transform = createGeoTransform(code);
    TextExportResult result = TextExportResult::NotFinite;
    std::string reason;
    if (transform && transform->sourceIsProjected()) {
        WaitCursor wait;
        result = kml.write(path.toStdString(), *transform, &reason);
    }
    if (result == TextExportResult::NotFinite)
        warn(tr("EPSG code %1 cannot be converted, data cannot be exported in KML format")
                 .arg(code));
    else if (result != TextExportResult::Ok)
        warnNotWritten(path, reason);
}

void ExportController::exportSeismicLineKml()
{
    exportKml({tr("Export Seismic Line to KML"), "Exporting tomographic data on file: ", false,
               [this](const std::string& path, const GeoTransform& transform, std::string* reason) {
                   return writeSeismicLineKml(path, ctx.document, transform, reason);
               }});
}

void ExportController::exportProfileKml()
{
    exportKml({tr("Export Tomography to KML"), "Exporting tomographic data on KML file: ", true,
               [this](const std::string& path, const GeoTransform& transform, std::string* reason) {
                   // Without a palette there is no colour to give the cells.
                   if (ctx.palettes.palettes.empty())
                       return TextExportResult::NotFinite;
                   const size_t current = size_t(std::max(0, ctx.palettes.curr_palette));
                   const ColorPalette& palette =
                       ctx.palettes.palettes[std::min(current, ctx.palettes.palettes.size() - 1)];
                   const auto range = renderer->velocityRange();
                   return writeProfileKml(path, ctx.document, transform, palette, range.first,
                                          range.second, reason);
               }});
}

void ExportController::exportGriddedData()
{
    if (!ctx.document.grid) {
        warn(tr("No tomographic grid: data cannot be exported"));
        return;
    }
    const QString path = saveFileName(
        tr("Export Gridded Data"),
        tr("Save gridded tomographic velocity in a text file (*.txt);;All Files (*)"), "txt");
    if (path.isEmpty())
        return;
    ctx.log("Exporting tomographic data on file: " + path.toStdString());
    double y = 0.0, z = 0.0;
    if (!ctx.document.geoCoord_isSet) {
        ExportTomoVelData shift;
        if (shift.exec() != QDialog::Accepted)
            return;
        y = shift.yCoord;
        z = shift.zOffset;
    }
    TextExportResult result;
    std::string reason;
    {
        WaitCursor wait;
        result = writeGriddedVelocity(path.toStdString(), ctx.document, y, z, &reason);
    }
    if (result != TextExportResult::Ok)
        warnNotWritten(path, reason);
}

// ---- Pictures ----

QImage ExportController::chartPicture(int width, int height, double drawWidth, double drawHeight,
                                      bool large, bool twoColors) const
{
    QImage image(width, height, QImage::Format_RGB32);
    drawTTimeExport chart;
    chart.largeFormat = large;
    chart.showComputedTimes = true;
    chart.twoColors = twoColors;
    chart.setDocument(&ctx.document);
    QPainter painter(&image);
    chart.draw(painter, drawWidth, drawHeight);
    return image;
}

QImage ExportController::tracePicture(size_t record, int width, int height) const
{
    QImage image(width, height, QImage::Format_RGB32);
    drawTraces view;
    view.setDocument(&ctx.document);
    const TraceSet& set = ctx.document.traceSets[ctx.document.ttArray[record].traceSetID];
    view.showFiltered = set.hasFiltered && set.useFiltered;
    view.setShot(int(record));
    QPainter painter(&image);
    view.drawShot(painter, width - view.horizontalMargin, height - view.verticalMargin);
    return image;
}

SectionPicture ExportController::sectionPicture(const ExportImageOptions& options,
                                                SectionType type) const
{
    SectionPicture picture;
    picture.type = type;
    picture.style = options.usesNewEngine ? PictureStyle::New : PictureStyle::Classic;
    picture.background = ctx.exportBackground;
    picture.equidistantLabels = options.exportEquidistantLabels;
    picture.horizontalBar = ctx.settings.savePngHColorbar;
    picture.width = kSectionWidth;
    picture.fontScale = ctx.exportFontScale;
    return picture;
}

bool ExportController::renderSection(const SectionPicture& picture, const std::string& path)
{
    renderer->setContourLabelMinPoints(ctx.exportLabelCount);
    const bool ok = renderer->renderPicture(picture, path);
    return ok && QFileInfo(QString::fromStdString(path)).isFile();
}

void ExportController::offerPictures(selectExport& dialog) const
{
    const bool grid = hasGridCells(ctx.document);
    dialog.setExportProf(grid);
    dialog.setExportProfGradient(grid);
    dialog.setExportProfLaplacian(grid);
    const bool rays = !ctx.document.rayPaths.empty();
    dialog.setExportProfVelocityRays(rays);
    dialog.setExportProfGradientRays(rays);
    dialog.setExportProfLaplacianRays(rays);
    const int type = renderer->showType();
    const bool contours = sectiontypes::isOneOf(
        type, {T::VelocityContours, T::FilledContours, T::GradientContours, T::LaplacianContours});
    dialog.setExportProfIsolines(contours);
    dialog.setExportProfIsolinesFilled(contours);
    dialog.setExportProfIsolinesOnGradient(contours);
    dialog.setExportProfIsolinesOnLaplacian(contours);
    // Trace pictures need shot files behind the records.
    dialog.setExportTraces(!ctx.document.traceSets.empty());
    dialog.setExportTT(ctx.document.hasPicks());
}

std::vector<ExportController::ImageJob>
ExportController::imageJobs(const ExportImageOptions& options, const QString& prefix) const
{
    std::vector<ImageJob> jobs;
    auto add = [&](const QString& name, ImageJob::Kind kind, int record, SectionType type) {
        const QString file = prefix + name;
        jobs.push_back({file, QFileInfo::exists(file), kind, record, type});
    };
    for (const SeriesPicture& p : kSeriesPictures)
        if (options.*p.option)
            add(p.name, ImageJob::Section, 0, p.type);
    if (options.exportTT)
        add("traveltimes.png", ImageJob::Chart, 0, SectionType::Velocity);
    if (options.exportTraces)
        for (size_t i = 0; i < ctx.document.ttArray.size(); ++i)
            if (hasTraceSet(i))
                add("trace_" + QString::number(i) + ".png", ImageJob::Traces, int(i),
                    SectionType::Velocity);
    return jobs;
}

void ExportController::exportImages()
{
    std::unique_ptr<selectExport> dialog(new selectExport(ctx.exportBackground, ctx.host.window));
    offerPictures(*dialog);
    dialog->setFontScaleFactor(ctx.exportFontScale);
    dialog->setExportHorizontalColorBar(ctx.settings.savePngHColorbar);
    if (dialog->exec() != QDialog::Accepted)
        return;
    const ExportImageOptions options = *dialog;
    ctx.exportBackground = options.backgroundColor;
    ctx.exportFontScale = options.fontScaleFactor;
    // The basename is the start of every file name in the chosen folder.
    if (!isPlainBasename(dialog->fileBasename())) {
        warn(tr("The file basename must be one line, without \"/\" or \"\\\"."));
        return;
    }

    const QString folder =
        ctx.host.prompts->folderName(ctx.host.window, tr("Select Output Folder"),
                                     QString::fromStdString(ctx.host.readHistory()));
    if (folder.isEmpty())
        return; // the last folder stays in the history
    ctx.host.saveHistory(folder.toStdString());
    const QString prefix = QDir(folder).absolutePath() + "/" + dialog->fileBasename() + "_";

    std::vector<ImageJob> jobs;
    {
        WaitCursor wait;
        ctx.exportLabelCount = options.numberOfLabels;
        ctx.settings.savePngHColorbar = options.exportHorizontalColorBar;
        ctx.host.storeSettings();
        jobs = imageJobs(options, prefix);
    }

    QStringList failed;
    bool yesToAll = false;
    for (const ImageJob& job : jobs) {
        if (job.exists && !yesToAll) {
            const int answer = ctx.host.prompts->replaceFile(nullptr, job.file);
            if (answer == QMessageBox::Cancel)
                break;
            if (answer == QMessageBox::No)
                continue;
            yesToAll = answer == QMessageBox::YesToAll;
        }
        WaitCursor wait;
        const std::string path = job.file.toStdString();
        bool ok = false;
        QString reason;
        if (job.kind == ImageJob::Chart) {
            ok = writeWholePng(job.file,
                               chartPicture(2000, 1666, 2000.0, kLargeChartHeight, true, false),
                               &reason);
        } else if (job.kind == ImageJob::Traces) {
            const QImage image = tracePicture(size_t(job.record), 2000, 1666);
            ctx.log(std::to_string(2000.0));
            ok = writeWholePng(job.file, image, &reason);
        } else {
            ok = renderSection(sectionPicture(options, job.type), path);
            reason = QString::fromStdString(renderer->pictureProblem());
        }
        if (!ok)
            failed << (reason.isEmpty() ? job.file : job.file + ": " + reason);
    }
    warnMissing(failed);
}

void ExportController::screenshot()
{
    QString path = ctx.host.prompts->saveFileName(ctx.host.window, tr("Save Screenshot"),
                                                  QString::fromStdString(ctx.host.readHistory()),
                                                  tr("Image file png (*") + ".png" + ")");
    if (path.isEmpty()) {
        ctx.log("Empty filename to be saved");
        return;
    }
    const int tab = ctx.currentTab();
    if (tab != 1 && tab != 2)
        return;
    ctx.host.saveHistory(folderOf(path).toStdString());
    if (!path.endsWith(".png"))
        path += ".png";
    bool ok = false;
    QString reason;
    if (tab == 2) {
        set_screenshot_scale_dialog ask;
        const double scale = ask.exec() == QDialog::Accepted ? ask.scale() : 1.0;
        ok = renderer->saveScreenshot(path.toStdString(), scale);
        reason = QString::fromStdString(renderer->pictureProblem());
    } else {
        WaitCursor wait;
        ok = writeWholePng(
            path, chartPicture(2000, 1666, 2000.0, kLargeChartHeight, true, ctx.settings.twoColors),
            &reason);
    }
    if (!ok)
        warnNotWritten(path, reason.toStdString());
}

// ---- Reports ----

bool ExportController::askReportOptions(ExportImageOptions& options, bool pdf)
{
    std::unique_ptr<selectExport> dialog(new selectExport(ctx.exportBackground, ctx.host.window));
    dialog->setDocumentExport();
    offerPictures(*dialog);
    if (ctx.document.traceSets.empty())
        dialog->disableTracesExport();
    if (pdf)
        dialog->setExportHorizontalColorBar(ctx.settings.savePngHColorbar);
    if (dialog->exec() != QDialog::Accepted)
        return false;
    options = *dialog;
    ctx.exportBackground = options.backgroundColor;
    ctx.settings.savePngHColorbar = options.exportHorizontalColorBar;
    ctx.host.storeSettings();
    ctx.exportFontScale = options.fontScaleFactor;
    ctx.exportLabelCount = options.numberOfLabels;
    renderer->setContourLabelMinPoints(ctx.exportLabelCount);
    return true;
}

void ExportController::exportOdt()
{
    ExportImageOptions options;
    if (!askReportOptions(options, false))
        return;
    const QString path =
        saveFileName(tr("Save ODT"), tr("Open document format (*.odt);;All Files (*)"), "odt");
    if (path.isEmpty())
        return;
    const std::string saving = "Saving : " + path.toStdString() + " ... ";
    ctx.log(saving);

    std::vector<ReportPicture> pictures;
    QStringList missing;
    bool written = false;
    QString reason;
    {
        WaitCursor wait;
        // The chart and traces are drawn 900 x 660 and shown 660 wide, in proportion.
        if (options.exportTT)
            pictures.push_back(
                {"travelTimes", chartPicture(900, 660, 900, 660, false, false), 660});
        if (options.exportTraces) {
            for (size_t i = 0; i < ctx.document.ttArray.size(); ++i) {
                if (!hasTraceSet(i))
                    continue;
                const QString file =
                    QString::fromStdString(ctx.workFolder) + "trace" + QString::number(i) + ".png";
                const QImage image = tracePicture(i, 900, 660);
                const bool saved = writeWholePng(file, image);
                ctx.log(file.toStdString());
                ctx.log(saved ? "1" : "0");
                if (saved)
                    pictures.push_back({file, image, 660});
                else
                    missing << file;
            }
        }
        for (const ReportSection& s : kReportSections) {
            if (!(options.*s.option))
                continue;
            const QString file = QString::fromStdString(ctx.workFolder) + s.odtName;
            SectionPicture picture = sectionPicture(options, s.type);
            // Filled contours are drawn by the classic renderer only.
            if (s.type == T::FilledContours)
                picture.style = PictureStyle::Classic;
            const bool ok = renderSection(picture, file.toStdString());
            const QImage image = ok ? QImage(file) : QImage();
            if (image.isNull())
                missing << file;
            else
                pictures.push_back({file, image, 650});
        }
        written = writeOdtReport(path, ctx.document, pictures, &reason);
    }
    if (written) {
        ctx.log(saving + "COMPLETED.");
    } else {
        ctx.log(saving + "FAILED.");
        ctx.host.prompts->warning(nullptr, tr("Warning"),
                                  withReason(tr("Ops! Something wrong writing ODT file"), reason));
    }
    warnMissing(missing);
}

void ExportController::exportPdf()
{
    ExportImageOptions options;
    if (!askReportOptions(options, true))
        return;
    const QString path =
        saveFileName(tr("Save PDF"), tr("Portable Document Format (*.pdf);;All Files (*)"), "pdf");
    if (path.isEmpty())
        return;

    std::vector<ReportPicture> pages;
    QStringList missing;
    bool written = false;
    QString reason;
    {
        WaitCursor wait;
        const int w = int(std::trunc(pdfPictureWidth()));
        const int h = int(std::trunc(pdfPictureHeight()));
        pages.push_back({"travelTimes",
                         options.exportTT ? chartPicture(w, h, pdfPictureWidth(),
                                                         pdfPictureHeight(), false, false)
                                          : QImage(),
                         0});
        if (options.exportTraces)
            for (size_t i = 0; i < ctx.document.ttArray.size(); ++i)
                if (hasTraceSet(i))
                    pages.push_back({"trace" + QString::number(i), tracePicture(i, w, h), 0});
        for (const ReportSection& s : kReportSections) {
            const bool velocity = s.type == T::Velocity;
            if (!(options.*s.option) && !velocity)
                continue;
            const QString file = QString::fromStdString(ctx.workFolder) + s.pdfName;
            QImage image;
            if (options.*s.option) {
                if (renderSection(sectionPicture(options, s.type), file.toStdString()))
                    image = QImage(file);
                if (image.isNull())
                    missing << file;
                QFile::remove(file); // the page holds the picture now
            }
            pages.push_back({file, image, 0}); // the velocity page stays, empty when not chosen
        }
        written = writePdfReport(path, ctx.document, pages, &reason);
    }
    if (!written)
        ctx.host.prompts->warning(nullptr, tr("Warning"),
                                  withReason(tr("Ops! Something wrong writing PDF file"), reason));
    warnMissing(missing);
}

void ExportController::updateActions(bool loaded)
{
    ctx.menu->setEnabled(loaded);
    for (QAction* a : ctx.actions)
        a->setEnabled(loaded);
}
