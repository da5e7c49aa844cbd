#pragma once
// The export commands: geographic reference, KML, gridded text, image series,
// screenshot and the ODT and PDF reports. Every failure a user must know of
// ends in a "Warning" box; nothing is reported as written that was not.
//
// Owns only its section renderer. Needs, through ExportContext, the window's
// document, settings, palettes, export options and work folder, the log, the
// tab in front, the export actions it enables, and the window's own
// operations.

#include "colorpalette.h"
#include "sectionpicture.h"
#include "sectiontypes.h"
#include "settings.h"
#include "tomodocument.h"
#include "windowhost.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class GeoTransform;
enum class TextExportResult;
class QAction;
class QMenu;
class QWidget;
class SectionDisplay;
class selectExport;
struct ExportImageOptions;

// Where the section pictures come from: the section view in the program, a
// fake in tests that have no GL.
class SectionRenderer
{
public:
    virtual ~SectionRenderer() = default;
    virtual void setContourLabelMinPoints(int choice) = 0;
    // Writes the picture as a PNG at path, whole or not at all; false when
    // nothing was written, and an older file stays as it was.
    virtual bool renderPicture(const SectionPicture& picture, const std::string& path) = 0;
    virtual bool saveScreenshot(const std::string& path, double scale) = 0;
    // Why the last picture or screenshot could not be written; empty when
    // unknown.
    virtual std::string pictureProblem() const { return {}; }
    virtual int showType() const = 0;
    virtual std::pair<double, double> velocityRange() const = 0;
};

// The image series' basename starts every file name in the chosen folder: it
// must be one line and name no other folder (no "/" or "\\").
bool isPlainBasename(const QString& name);

// The section view, through its display, as renderer.
class ViewSectionRenderer : public SectionRenderer
{
public:
    explicit ViewSectionRenderer(SectionDisplay& section) : section(section) {}
    void setContourLabelMinPoints(int choice) override;
    bool renderPicture(const SectionPicture& picture, const std::string& path) override;
    bool saveScreenshot(const std::string& path, double scale) override;
    std::string pictureProblem() const override;
    int showType() const override;
    std::pair<double, double> velocityRange() const override;

private:
    SectionDisplay& section;
};

// What the export commands use of the window.
struct ExportContext {
    const WindowHost& host;
    TomoDocument& document;
    AppSettings& settings;
    const ColorPaletteList& palettes;
    QColor& exportBackground;
    double& exportFontScale;
    int& exportLabelCount;
    const std::string& workFolder;
    std::function<void(const std::string&)> log;
    std::function<int()> currentTab;
    // The export menu and the export commands of the other menus.
    QMenu* menu;
    std::vector<QAction*> actions;
};

class ExportController : public QObject
{
    Q_OBJECT

public:
    ExportController(ExportContext context, std::unique_ptr<SectionRenderer> renderer,
                     QObject* parent = nullptr);
    ~ExportController() override;
    // Tests put a renderer without GL here.
    void setRenderer(std::unique_ptr<SectionRenderer> r);

    // The menu and the commands enabled while a survey is loaded.
    void updateActions(bool loaded);

    void setGeographyCoordinates();
    void exportSeismicLineKml();
    void exportProfileKml();
    void exportGriddedData();
    void exportImages();
    void screenshot();
    void exportOdt();
    void exportPdf();

    // One file of the image series: the traces of `record`, the
    // travel-time chart, or the section in display type `type`.
    struct ImageJob {
        enum Kind { Traces, Chart, Section };
        QString file;
        bool exists = false;
        Kind kind = Traces;
        int record = 0;
        SectionType type = SectionType::Velocity;
    };
    std::vector<ImageJob> imageJobs(const ExportImageOptions& options, const QString& prefix) const;

    // The chart of the survey with computed times, drawn at (drawWidth,
    // drawHeight) into a width x height picture.
    QImage chartPicture(int width, int height, double drawWidth, double drawHeight, bool large,
                        bool twoColors) const;
    // The traces of record i in a width x height picture.
    QImage tracePicture(size_t record, int width, int height) const;

private:
    // The picture choices the survey allows, offered on the dialog.
    void offerPictures(selectExport& dialog) const;
    bool hasTraceSet(size_t record) const;
    // The options of a report after OK, or false on Cancel.
    bool askReportOptions(ExportImageOptions& options, bool pdf);
    QString saveFileName(const QString& caption, const QString& filter, const QString& suffix);
    void warn(const QString& text) const;
    void warnNotWritten(const QString& path, const std::string& reason) const;
    void warnMissing(const QStringList& files) const;
    // What tells the two KML exports apart: the save dialog's title, the log
    // line before the path, whether the grid must have cells, and the writer.
    struct KmlExport {
        QString title;
        std::string logText;
        bool needsGrid;
        std::function<TextExportResult(const std::string& path, const GeoTransform& transform,
                                       std::string* reason)>
            write;
    };
    void exportKml(const KmlExport& kml);
    // The section picture of display type `type` as the options and the
    // export settings ask for it.
    SectionPicture sectionPicture(const ExportImageOptions& options, SectionType type) const;
    bool renderSection(const SectionPicture& picture, const std::string& path);

    ExportContext ctx;
    std::unique_ptr<SectionRenderer> renderer;
};
