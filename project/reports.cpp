#include "reports.h"

#include "tomodocument.h"
#include "wholefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace
{

QString num(double v)
{
    return QString::number(v, 'g', 6);
}

// Map coordinates to the millimetre: six significant digits would put a
// northing metres off, in scientific notation.
QString mapCoordinate(double v)
{
    return QString::number(v, 'f', 3);
}

// The shot's column header: its file name or, for a shot known only by its
// travel times, its position.
QString shotLabel(const TomoDocument& doc, size_t record)
{
    const QString name = shotFileName(doc, record);
    if (!name.isEmpty())
        return name;
    QString x = num(doc.ttArray[record].shotPos2d.x);
    x.replace('-', QChar(0x2212));
    return QCoreApplication::translate("Reports", "x = %1 m").arg(x);
}

QTextTable* insertTable(QTextCursor& cursor, int rows, int columns)
{
    QTextTableFormat format;
    format.setCellPadding(2);
    format.setHeaderRowCount(1);
    cursor.movePosition(QTextCursor::End);
    return cursor.insertTable(rows, columns, format);
}

void setCell(QTextTable* table, int row, int column, const QString& text)
{
    QTextCursor c = table->cellAt(row, column).firstCursorPosition();
    c.insertText(text);
}

enum class TableStyle { Odt, Pdf };

// The text width of an A4 page with 2 cm margins, the page a word processor
// gives a document that names none, in points.
constexpr double kOdtTextWidth = 481.0;
constexpr double kOdtTableFont = 10.0; // points
constexpr double kOdtSmallestFont = 6.0;

// ODT travel-time tables: a word processor breaks a word that does not fit its
// column, so "0.075613" would wrap as "0.07561 / 3". Each column gets room for
// its widest word, and a table too wide for the page gets a smaller font.
// Returns the font size in points and sets the columns' relative widths.
double fitOdtColumns(const std::vector<QStringList>& cells, QTextTableFormat& format)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(kOdtTableFont);
    const QFontMetricsF metrics(font);
    // Room for the padding and borders, and for a word processor's own
    // metrics of the same font.
    const double slack = 1.15;
    const double padding = 2.0 * format.cellPadding() + 2.0 * format.border() + 2.0;
    std::vector<double> widest;
    for (const QStringList& row : cells)
        for (int c = 0; c < row.size(); ++c) {
            if (size_t(c) >= widest.size())
                widest.resize(size_t(c) + 1, 0.0);
            for (const QString& word : row[c].split(' ', Qt::SkipEmptyParts))
                widest[size_t(c)] = std::max(widest[size_t(c)], metrics.horizontalAdvance(word));
        }
    // Advances are in pixels at 96 per inch; the page is in points.
    double total = 0.0;
    for (double& w : widest) {
        w = (w * 72.0 / 96.0 + padding) * slack;
        total += w;
    }
    double size = kOdtTableFont;
    if (total > kOdtTextWidth)
        size = std::max(kOdtSmallestFont, kOdtTableFont * kOdtTextWidth / total);
    QVector<QTextLength> widths;
    for (double w : widest)
        widths.append(QTextLength(QTextLength::FixedLength, w));
    format.setColumnWidthConstraints(widths);
    format.setWidth(QTextLength(QTextLength::FixedLength, total));
    return size;
}

// Records first .. first+count-1 against every geophone of every spread.
void insertTravelTimeTable(QTextCursor& cursor, const TomoDocument& doc, size_t first, size_t count,
                           TableStyle style)
{
    std::vector<QStringList> cells;
    QStringList head{QCoreApplication::translate("Reports", "ID:geophone#"),
                     QCoreApplication::translate("Reports", "X"),
                     style == TableStyle::Odt ? QCoreApplication::translate("Reports", "Elevation")
                                              : QCoreApplication::translate("Reports", "Y")};
    for (size_t k = 0; k < count; ++k) {
        QString shot = shotLabel(doc, first + k);
        if (style == TableStyle::Odt)
            shot += QCoreApplication::translate("Reports",
                                                " Observed TravelTime / Compuded TravelTime");
        head.append(shot);
    }
    cells.push_back(head);
    for (size_t s = 0; s < doc.goephonesStringSet.size(); ++s) {
        const auto& spread = doc.goephonesStringSet[s];
        for (size_t j = 0; j < spread.size(); ++j) {
            QStringList row{QString::number(j) + ":" + QString::number(s), num(spread[j].x),
                            num(spread[j].z)};
            for (size_t k = 0; k < count; ++k) {
                const TravelTime& record = doc.ttArray[first + k];
                if (record.indexStesa != s || j >= record.ttMisurati.size()) {
                    row.append(QString());
                    continue;
                }
                const double calc = j < record.ttCalcolati.size() ? record.ttCalcolati[j] : 0.0;
                const QString sep = style == TableStyle::Odt ? " / " : "\n";
                row.append(num(record.ttMisurati[j]) + sep + num(calc));
            }
            cells.push_back(row);
        }
    }

    QTextTableFormat format;
    format.setCellPadding(2);
    format.setHeaderRowCount(1);
    QTextCharFormat text;
    if (style == TableStyle::Odt)
        text.setFontPointSize(fitOdtColumns(cells, format));
    cursor.movePosition(QTextCursor::End);
    QTextTable* table = cursor.insertTable(int(cells.size()), int(3 + count), format);
    for (size_t r = 0; r < cells.size(); ++r)
        for (int c = 0; c < cells[r].size(); ++c)
            if (!cells[r][c].isEmpty())
                table->cellAt(int(r), c).firstCursorPosition().insertText(cells[r][c], text);
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
}

void insertPicture(QTextDocument& document, QTextCursor& cursor, const ReportPicture& picture,
                   double width, double height)
{
    document.addResource(QTextDocument::ImageResource, QUrl(picture.name), picture.image);
    QTextImageFormat format;
    format.setName(picture.name);
    format.setWidth(width);
    format.setHeight(height);
    format.setQuality(100);
    cursor.movePosition(QTextCursor::End);
    cursor.insertImage(format);
}

// Draws a laid-out document page by page onto the painter's current page and
// the pages after it.
void drawPaged(QPainter& painter, QPdfWriter& writer, QTextDocument& document, const QSizeF& page)
{
    document.setPageSize(page);
    const int pages = std::max(1, document.pageCount());
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        const QRectF area(0.0, i * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0.0, -area.top());
        document.drawContents(&painter, area);
        painter.restore();
    }
}

} // namespace

QString shotFileName(const TomoDocument& doc, size_t record)
{
    const uint32_t set = doc.ttArray[record].traceSetID;
    if (set >= doc.traceSets.size())
        return {};
    return QFileInfo(QString::fromStdString(doc.traceSets[set].fileName)).fileName();
}

bool writeOdtReport(const QString& path, const TomoDocument& doc,
                    const std::vector<ReportPicture>& pictures, QString* reason)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    for (const ReportPicture& picture : pictures) {
        if (picture.image.isNull())
            continue;
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        const double height = picture.width * picture.image.height() / picture.image.width();
        insertPicture(document, cursor, picture, picture.width, height);
    }

    QTextTable* shots = insertTable(cursor, int(doc.ttArray.size() + 1), 3);
    setCell(shots, 0, 0, QCoreApplication::translate("Reports", "Shot:"));
    setCell(shots, 0, 1, QCoreApplication::translate("Reports", "X"));
    setCell(shots, 0, 2, QCoreApplication::translate("Reports", "Elevation"));
    for (size_t i = 0; i < doc.ttArray.size(); ++i) {
        setCell(shots, int(i + 1), 0, shotLabel(doc, i));
        setCell(shots, int(i + 1), 1, num(doc.ttArray[i].shotPos2d.x));
        setCell(shots, int(i + 1), 2, num(doc.ttArray[i].shotPos2d.z));
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();

    if (doc.geoCoord_isSet) {
        QTextTable* geo = insertTable(cursor, 3, 3);
        setCell(geo, 0, 0, QCoreApplication::translate("Reports", "Geophones:"));
        setCell(geo, 0, 1, QCoreApplication::translate("Reports", "Easting"));
        setCell(geo, 0, 2, QCoreApplication::translate("Reports", "Northing"));
        setCell(geo, 1, 0, QCoreApplication::translate("Reports", "First:"));
        setCell(geo, 1, 1, mapCoordinate(doc.geoCoord.mEastFstGeoph));
        setCell(geo, 1, 2, mapCoordinate(doc.geoCoord.mNorthFstGeoph));
        setCell(geo, 2, 0, QCoreApplication::translate("Reports", "Last:"));
        setCell(geo, 2, 1, mapCoordinate(doc.geoCoord.mEastLstGeoph));
        setCell(geo, 2, 2, mapCoordinate(doc.geoCoord.mNorthLstGeoph));
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
    }

    for (size_t first = 0; first < doc.ttArray.size(); first += kShotsPerTable)
        insertTravelTimeTable(cursor, doc, first,
                              std::min<size_t>(kShotsPerTable, doc.ttArray.size() - first),
                              TableStyle::Odt);

    // The writer closes its device and does not see a failed flush: the
    // document is made in memory and then written whole.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QTextDocumentWriter writer(&buffer, "ODT");
    if (!writer.write(&document)) {
        if (reason)
            *reason = QCoreApplication::translate("Reports", "the document could not be made");
        return false;
    }
    return writeWholeFile(path, bytes, reason);
}

double pdfPictureWidth()
{
    return 0.95 * QPageSize(QPageSize::A4).sizePixels(150).height();
}

double pdfPictureHeight()
{
    return 0.95 * QPageSize(QPageSize::A4).sizePixels(150).width();
}

bool writePdfReport(const QString& path, const TomoDocument& doc,
                    const std::vector<ReportPicture>& pages, QString* reason)
{
    // QPainter::end does not see a failed flush or close of a file: the PDF is
    // made in memory and then written whole.
    const QString notMade =
        QCoreApplication::translate("Reports", "the document could not be made");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        if (reason)
            *reason = notMade;
        return false;
    }
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setResolution(150);
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (reason)
            *reason = notMade;
        return false;
    }
    const double fullWidth = pdfPictureWidth();
    const double fullHeight = pdfPictureHeight();
    bool firstPage = true;
    for (const ReportPicture& page : pages) {
        if (!firstPage)
            writer.newPage();
        firstPage = false;
        QTextDocument document;
        QTextCursor cursor(&document);
        if (!page.image.isNull()) {
            double width = fullWidth;
            double height = width * page.image.height() / page.image.width();
            if (height > fullHeight) {
                width *= fullHeight / height;
                height = fullHeight;
            }
            // The chart and traces are made at the page's picture size: keep it exact.
            if (page.image.width() == int(fullWidth) && page.image.height() == int(fullHeight)) {
                width = page.image.width();
                height = page.image.height();
            }
            cursor.insertBlock();
            insertPicture(document, cursor, page, width, height);
        }
        document.drawContents(&painter);
    }

    writer.setResolution(130);
    writer.setPageSize(QPageSize(QPageSize::A3));
    writer.setPageOrientation(QPageLayout::Portrait);
    if (!firstPage)
        writer.newPage();
    const QSizeF page = writer.pageLayout().paintRectPixels(writer.resolution()).size();
    for (size_t first = 0; first < doc.ttArray.size() || first == 0; first += kShotsPerTable) {
        if (first > 0)
            writer.newPage();
        QTextDocument document;
        QTextCursor cursor(&document);
        insertTravelTimeTable(cursor, doc, first,
                              std::min<size_t>(kShotsPerTable, doc.ttArray.size() - first),
                              TableStyle::Pdf);
        drawPaged(painter, writer, document, page);
        if (doc.ttArray.empty())
            break;
    }
    if (!painter.end()) {
        if (reason)
            *reason = notMade;
        return false;
    }
    buffer.close();
    return writeWholeFile(path, bytes, reason);
}
