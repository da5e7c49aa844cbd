#include "reports.h"

#include "tomodocument.h"
#include "wholefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
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

size_t receiverCount(const TomoDocument& doc)
{
    size_t n = 0;
    for (const auto& spread : doc.goephonesStringSet)
        n += spread.size();
    return n;
}

enum class TableStyle { Odt, Pdf };

// Records first .. first+count-1 against every geophone of every spread.
void insertTravelTimeTable(QTextCursor& cursor, const TomoDocument& doc, size_t first, size_t count,
                           TableStyle style)
{
    QTextTable* table = insertTable(cursor, int(receiverCount(doc) + 1), int(3 + count));
    setCell(table, 0, 0, QCoreApplication::translate("Reports", "ID:geophone#"));
    setCell(table, 0, 1, QCoreApplication::translate("Reports", "X"));
    setCell(table, 0, 2,
            style == TableStyle::Odt ? QCoreApplication::translate("Reports", "Elevation")
                                     : QCoreApplication::translate("Reports", "Y"));
    for (size_t k = 0; k < count; ++k) {
        QString head = shotFileName(doc, first + k);
        if (style == TableStyle::Odt && !head.isEmpty())
            head += QCoreApplication::translate("Reports",
                                                " Observed TravelTime / Compuded TravelTime");
        setCell(table, 0, int(3 + k), head);
    }
    int row = 1;
    for (size_t s = 0; s < doc.goephonesStringSet.size(); ++s) {
        const auto& spread = doc.goephonesStringSet[s];
        for (size_t j = 0; j < spread.size(); ++j, ++row) {
            setCell(table, row, 0, QString::number(j) + ":" + QString::number(s));
            setCell(table, row, 1, num(spread[j].x));
            setCell(table, row, 2, num(spread[j].z));
            for (size_t k = 0; k < count; ++k) {
                const TravelTime& record = doc.ttArray[first + k];
                if (record.indexStesa != s || j >= record.ttMisurati.size())
                    continue;
                const double calc = j < record.ttCalcolati.size() ? record.ttCalcolati[j] : 0.0;
                const QString sep = style == TableStyle::Odt ? " / " : "\n";
                setCell(table, row, int(3 + k), num(record.ttMisurati[j]) + sep + num(calc));
            }
        }
    }
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
        setCell(shots, int(i + 1), 0, shotFileName(doc, i));
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
        setCell(geo, 1, 1, num(doc.geoCoord.mEastFstGeoph));
        setCell(geo, 1, 2, num(doc.geoCoord.mNorthFstGeoph));
        setCell(geo, 2, 0, QCoreApplication::translate("Reports", "Last:"));
        setCell(geo, 2, 1, num(doc.geoCoord.mEastLstGeoph));
        setCell(geo, 2, 2, num(doc.geoCoord.mNorthLstGeoph));
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
