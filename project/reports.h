#pragma once
// The survey reports: an OpenDocument text and a PDF holding the pictures the
// caller made (travel-time chart, traces, sections) and the survey's tables.
// Pictures keep their aspect. Travel-time tables hold at most five shots
// each, so wide surveys flow over several tables and pages instead of being
// clipped. Numbers are written with 6 significant digits, times in seconds;
// map coordinates to the millimetre. A shot without a file name is headed by
// its position.

#include <QImage>
#include <QString>

#include <vector>

class TomoDocument;

struct ReportPicture {
    QString name;       // resource name: the picture file's path, or an own name
    QImage image;       // a null image leaves the picture (or the PDF page) empty
    double width = 0.0; // ODT: format width; the height follows the aspect
};

// The five shots' columns of one travel-time table, and how many it takes.
constexpr int kShotsPerTable = 5;

// The pictures in order, then the shot table, the geographic table (with a
// reference only) and the travel-time tables. Both reports are made in memory
// and written whole (writeWholeFile): false when the file could not be made
// or written, with *reason (when given) saying why; an older file then keeps
// its bytes.
bool writeOdtReport(const QString& path, const TomoDocument& doc,
                    const std::vector<ReportPicture>& pictures, QString* reason = nullptr);

// One A4 landscape page per picture (150 dpi, drawn 1666 px wide at most and
// fitted to the page height), then the travel-time tables on A3 portrait pages
// (130 dpi). False as writeOdtReport.
bool writePdfReport(const QString& path, const TomoDocument& doc,
                    const std::vector<ReportPicture>& pages, QString* reason = nullptr);

// The picture area of an A4 landscape page at 150 dpi, in pixels: 95 % of the
// page, W high and H wide.
double pdfPictureWidth();  // H = 1666.3
double pdfPictureHeight(); // W = 1178

// The record's shot file name without its folder; empty without a trace set.
QString shotFileName(const TomoDocument& doc, size_t record);
