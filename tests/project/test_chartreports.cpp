// The travel-time chart and the reports, opened by tools that did not write
// them: PIL for the chart's pixels, Python's zipfile and LibreOffice for the
// ODT, poppler (pdfinfo, pdfimages, pdftotext, pdftoppm) for the PDF.

#include "capturedstdout.h"
#include "chartsteps.h"
#include "drawttimeexport.h"
#include "exporttestutil.h"
#include "imagecompare.h"
#include "reports.h"
#include "testenv.h"

#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <set>
#include <sstream>

using namespace exporttest;

namespace
{

// Pixels of exactly that colour inside area.
int countColour(const QImage& image, QRect area, QColor colour)
{
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour.rgb();
    return n;
}

void keepIfFailed(const QImage& image, const std::string& name)
{
    if (testing::Test::HasFailure())
        image.save(imagecompare::outputPath(QString::fromStdString(name) + ".png"));
}

using Colour = std::array<int, 3>;

std::set<Colour> coloursOf(const QJsonObject& png)
{
    std::set<Colour> out;
    for (const auto& c : png["colors"].toArray()) {
        const QJsonArray a = c.toArray();
        out.insert({a[0].toInt(), a[1].toInt(), a[2].toInt()});
    }
    return out;
}

// The chart in large format, as the image series draws it, saved as PNG.
std::string drawLargeChart(const TomoDocument* doc, bool twoColors, drawTTimeExport& chart)
{
    QImage image(2000, 1666, QImage::Format_RGB32);
    chart.setDocument(doc);
    chart.largeFormat = true;
    chart.showComputedTimes = true;
    chart.twoColors = twoColors;
    QPainter painter(&image);
    chart.draw(painter, 2000.0, 2000.0 / 1.2);
    painter.end();
    const std::string path = testenv::freshDir("chart") + "/chart.png";
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
    return path;
}

std::vector<std::string> names(int n, const std::string& stem)
{
    std::vector<std::string> out;
    for (int i = 1; i <= n; ++i) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d", i);
        out.push_back(stem + buf + ".sg2");
    }
    return out;
}

TEST(TravelTimeChart, CurvesGridAndTwoColourMode)
{
    TomoDocument doc;
    buildPickedSurvey(doc, 2, 24, 0.048, names(2, "shot"));
    drawTTimeExport chart;
    std::string path = drawLargeChart(&doc, false, chart);
    QJsonObject png = exportCheck("png", path);
    EXPECT_EQ(png["size"].toArray()[0].toInt(), 2000);
    EXPECT_EQ(png["size"].toArray()[1].toInt(), 1666);
    EXPECT_EQ(QImage(QString::fromStdString(path)).pixel(0, 0), qRgb(255, 255, 255));
    std::set<Colour> colours = coloursOf(png);
    for (const Colour& c : {Colour{109, 204, 115}, Colour{29, 119, 117}, Colour{208, 208, 210}})
        EXPECT_TRUE(colours.count(c)) << c[0] << "," << c[1] << "," << c[2];

    path = drawLargeChart(&doc, true, chart);
    const int x0 = int(2000 - chart.plotWidth) / 2, y0 = int(1666.67 - chart.plotHeight) / 2;
    png = exportCheck("png", path,
                      {std::to_string(x0 + 3), std::to_string(y0 + 3),
                       std::to_string(x0 + int(chart.plotWidth) - 3),
                       std::to_string(y0 + int(chart.plotHeight) - 3)});
    colours = coloursOf(png);
    for (const QColor& c : drawTTimeExport::curveColors())
        EXPECT_FALSE(colours.count({c.red(), c.green(), c.blue()})) << c.name().toStdString();
    EXPECT_TRUE(colours.count({0, 0, 0}));
    EXPECT_TRUE(colours.count({255, 0, 0}));
}

TEST(TravelTimeChart, StepTables)
{
    const struct {
        double r;
        long long major, minor;
    } distance[] = {{9.99, 1, 0}, {10, 2, 1},   {19.99, 2, 1}, {20, 5, 1},
                    {50, 10, 2},  {100, 10, 2}, {115, 11, 2}};
    for (const auto& c : distance) {
        SCOPED_TRACE(c.r);
        EXPECT_EQ(chartDistanceSteps(c.r).major, c.major);
        EXPECT_EQ(chartDistanceSteps(c.r).minor, c.minor);
    }
    const struct {
        double t, major, minor;
    } time[] = {{9.99, 2, 1}, {10, 2.5, 1.25}, {25, 2.5, 1.25},  {25.01, 5, 2.5},
                {50, 5, 2.5}, {50.01, 10, 2},  {250.01, 50, 10}, {600, 60, 12}};
    for (const auto& c : time) {
        SCOPED_TRACE(c.t);
        EXPECT_EQ(chartTimeSteps(c.t).major, c.major);
        EXPECT_EQ(chartTimeSteps(c.t).minor, c.minor);
    }
}

TEST(TravelTimeChart, DegenerateSurveysDrawTheFrame)
{
    // Every receiver at x = 0, one time of +inf, a record on a spread that does
    // not exist and one with more times than receivers.
    TomoDocument doc;
    buildPickedSurvey(doc, 2, 6, 0.02, names(2, "shot"));
    for (Point2D& p : doc.goephonesStringSet[0])
        p.x = 0.0;
    doc.ttArray[0].ttMisurati[2] = std::numeric_limits<double>::infinity();
    TravelTime stray = doc.ttArray[1];
    stray.indexStesa = 7;
    doc.ttArray.push_back(stray);
    doc.ttArray[1].ttMisurati.resize(40, 0.01);
    for (const bool withDocument : {true, false}) {
        SCOPED_TRACE(withDocument);
        drawTTimeExport chart;
        const std::string path = drawLargeChart(withDocument ? &doc : nullptr, false, chart);
        const QImage image(QString::fromStdString(path));
        // The left axis line is there, black.
        const int x0 = int(std::trunc((2000 - chart.plotWidth) / 2));
        const int mid = int(1666 / 2);
        bool axis = false;
        for (int dx = -2; dx <= 2; ++dx)
            axis = axis || qGray(image.pixel(x0 + dx, mid)) < 60;
        EXPECT_TRUE(axis);
        // The largest computed time, above the largest pick (0.02 s).
        EXPECT_DOUBLE_EQ(chart.maxTime, withDocument ? 0.021 : 0.0);
    }
}

// A shot at -2.5 m over 24 receivers at 0 ... 115 m, picked up to 110 ms,
// its computed times rising to 125 ms; receiver 5 not picked, 9 rejected, and
// no computed time at receiver 14.
TomoDocument labelledSurvey()
{
    TomoDocument doc;
    std::vector<Point2D> spread;
    for (int j = 0; j < 24; ++j)
        spread.push_back({5.0 * j, 0.0});
    doc.goephonesStringSet = {spread};
    TravelTime record;
    record.shotPos2d = {-2.5, 0.0};
    for (const Point2D& p : spread) {
        record.ttMisurati.push_back(0.010 + 0.100 * p.x / 115.0);
        record.ttCalcolati.push_back(0.010 + 0.115 * p.x / 115.0);
    }
    record.ttMisurati[5] = 0.0;
    record.ttMisurati[9] = -99.0;
    record.ttCalcolati[14] = 0.0;
    doc.ttArray.push_back(record);
    return doc;
}

struct ChartFrame {
    int left, top, right, bottom; // the plot area's border lines
};

ChartFrame frameOf(const drawTTimeExport& chart, double w, double h)
{
    const double x0 = (w - chart.plotWidth) / 2.0, y0 = (h - chart.plotHeight) / 2.0;
    return {int(x0), int(y0), int(x0 + chart.plotWidth), int(y0 + chart.plotHeight)};
}

// In every format and at every size the callers use: the unit labels stand
// apart from the tick labels at the size of the tick labels, the computed
// curve above the picks stays inside the frame, and receivers without a pick
// or a computed time leave the time axis blank.
TEST(TravelTimeChart, LabelsAndCurvesStayReadable)
{
    const struct {
        double w, h;
    } sizes[] = {{2000.0, 2000.0 / 1.2}, {900.0, 660.0}, {pdfPictureWidth(), pdfPictureHeight()}};
    const TomoDocument doc = labelledSurvey();
    for (const auto& size : sizes)
        for (const bool large : {false, true}) {
            const std::string name = std::to_string(int(size.w)) + (large ? "_large" : "_small");
            SCOPED_TRACE(name);
            for (const bool twoColors : {false, true}) {
                QImage image(int(size.w), int(size.h), QImage::Format_RGB32);
                drawTTimeExport chart;
                chart.setDocument(&doc);
                chart.largeFormat = large;
                chart.showComputedTimes = true;
                chart.twoColors = twoColors;
                {
                    QPainter painter(&image);
                    chart.draw(painter, size.w, size.h);
                }
                const ChartFrame f = frameOf(chart, size.w, size.h);
                const int W = image.width(), H = image.height();
                auto column = [&](double x) {
                    return f.left + int((x + 5.75) * chart.distanceScale);
                };
                if (!twoColors) {
                    // Below the distance ticks: the row of numbers, then "(m)".
                    const auto below =
                        imagecompare::inkRuns(image, QRect(0, f.bottom + 12, W, H), Qt::Vertical);
                    ASSERT_EQ(below.size(), 2u) << "the labels below the frame run together";
                    const auto unitColumns = imagecompare::inkRuns(
                        image, QRect(0, below[1].first, W, below[1].second - below[1].first + 1),
                        Qt::Horizontal);
                    ASSERT_FALSE(unitColumns.empty());
                    EXPECT_NEAR((unitColumns.front().first + unitColumns.back().second) / 2.0,
                                (f.left + f.right) / 2.0, 0.05 * W);
                    // Left of the time ticks: "(ms)", then the column of numbers.
                    const auto left = imagecompare::inkRuns(
                        image, QRect(0, 0, f.left - 12, f.bottom + 1), Qt::Horizontal);
                    ASSERT_GE(left.size(), 2u) << "the labels left of the frame run together";
                    // The leftmost ink is "(ms)" alone, centred on the frame's height:
                    // tick labels run into it would stretch it over the frame.
                    const QRect unit = imagecompare::inkBounds(
                        image, QRect(QPoint(left[0].first, 0), QPoint(left[0].second, f.bottom)));
                    EXPECT_LT(unit.height(), (f.bottom - f.top) / 3);
                    EXPECT_NEAR(unit.center().y(), (f.top + f.bottom) / 2.0, 0.05 * H);
                    // "(ms)" as tall as the numbers' lines, not in a smaller font.
                    const int digits = below[0].second - below[0].first + 1;
                    EXPECT_GE(unit.width(), 0.9 * digits);
                    EXPECT_GE(below[1].second - below[1].first + 1, 0.9 * digits);
                    // No pick drawn at receiver 5 (unpicked) or 9 (rejected).
                    const QColor shot = drawTTimeExport::curveColors()[0];
                    for (double x : {25.0, 45.0})
                        EXPECT_EQ(countColour(image,
                                              QRect(QPoint(column(x) - 4, f.bottom - 8),
                                                    QPoint(column(x) + 4, H - 1)),
                                              shot),
                                  0)
                            << "receiver at " << x << " m";
                    keepIfFailed(image, "chart_labels_" + name);
                    continue;
                }
                // The computed curve (red) peaks inside the frame, clear of its top.
                int top = H, outside = 0;
                for (int y = 0; y < H; ++y)
                    for (int x = 0; x < W; ++x)
                        if (image.pixel(x, y) == qRgb(255, 0, 0)) {
                            top = std::min(top, y);
                            outside += x < f.left || x > f.right || y < f.top || y > f.bottom;
                        }
                EXPECT_EQ(outside, 0);
                EXPECT_GT(top, f.top + 2) << "the computed curve is cut at the top";
                EXPECT_LT(top, f.top + (f.bottom - f.top) / 5);
                // No computed point at 0 ms for receiver 14.
                EXPECT_EQ(countColour(image,
                                      QRect(QPoint(column(70) - 4, f.bottom - 8),
                                            QPoint(column(70) + 4, f.bottom)),
                                      Qt::red),
                          0);
                keepIfFailed(image, "chart_curves_" + name);
            }
        }
}

// A fake section picture of 4096 x 1500.
QImage sectionPicture()
{
    QImage image(4096, 1500, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    return image;
}

QImage chartFor(const TomoDocument& doc, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    drawTTimeExport chart;
    chart.showComputedTimes = true;
    chart.setDocument(&doc);
    QPainter painter(&image);
    chart.draw(painter, w, h);
    return image;
}

TEST(OdtReport, PicturesTablesAndTexts)
{
    TomoDocument doc;
    auto shotNames = names(11, "shot");
    shotNames[0] = "tiro & \xc3\xa8.sg2";
    buildPickedSurvey(doc, 11, 24, 0.03, shotNames);
    std::vector<ReportPicture> pictures{{"travelTimes", chartFor(doc, 900, 660), 660}};
    for (int i = 0; i < 11; ++i)
        pictures.push_back(
            {"/tmp/trace" + QString::number(i) + ".png", chartFor(doc, 900, 660), 660});
    pictures.push_back({"/tmp//grid.png", sectionPicture(), 650});
    const std::string dir = testenv::freshDir("odt");
    const std::string path = dir + "/r.odt";
    ASSERT_TRUE(writeOdtReport(QString::fromStdString(path), doc, pictures));

    const QJsonObject odt = exportCheck("odt", path);
    EXPECT_EQ(odt["mimetype"].toString(), "application/vnd.oasis.opendocument.text");
    EXPECT_EQ(odt["pictures"].toArray().size(), 13);
    for (const auto& p : odt["pictures"].toArray())
        EXPECT_GT(p.toArray()[1].toInt(), 0)
            << "not a PNG: " << p.toArray()[0].toString().toStdString();
    std::vector<int> tables;
    for (const auto& t : odt["tables"].toArray())
        tables.push_back(t.toInt());
    EXPECT_EQ(tables, (std::vector<int>{3, 8, 8, 4}));
    // Every frame keeps its picture's aspect within 1 %.
    std::map<QString, double> aspect;
    for (const auto& p : odt["pictures"].toArray())
        aspect[p.toArray()[0].toString()] = p.toArray()[1].toDouble() / p.toArray()[2].toDouble();
    const QJsonArray frames = odt["frames"].toArray();
    ASSERT_EQ(frames.size(), 13);
    for (const auto& f : frames) {
        const QJsonArray a = f.toArray();
        EXPECT_NEAR(a[1].toDouble() / a[2].toDouble() / aspect[a[0].toString()], 1.0, 0.01)
            << a[0].toString().toStdString();
    }
    const QString text = odt["text"].toString();
    for (const char* t : {"ID:geophone#", "Compuded TravelTime", "3:0", "tiro & \xc3\xa8.sg2"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t;
    EXPECT_FALSE(text.contains("Geophones:"));

    // LibreOffice opens it: as text and as PDF.
    const std::string lo = dir + "/lo";
    ToolRun run = runLibreOffice(
        lo, {"--convert-to", "txt:Text (encoded):UTF8", "--outdir", dir + "/out", path});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string asText = testenv::readText(dir + "/out/r.txt");
    EXPECT_NE(asText.find("Compuded TravelTime"), std::string::npos);
    EXPECT_NE(asText.find("tiro & \xc3\xa8.sg2"), std::string::npos);
    run = runLibreOffice(lo, {"--convert-to", "pdf", "--outdir", dir + "/out", path});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = runTool("/usr/bin/pdfinfo", {dir + "/out/r.pdf"});
    const QRegularExpression pages("Pages:\\s+(\\d+)");
    EXPECT_GE(pages.match(QString::fromStdString(run.out)).captured(1).toInt(), 2);
    run = runTool("/usr/bin/pdftotext", {dir + "/out/r.pdf", "-"});
    EXPECT_NE(run.out.find("Compuded"), std::string::npos);
    EXPECT_NE(run.out.find("\xc3\xa8.sg2"), std::string::npos);
}

// LibreOffice's text of a file it converts: "txt" or "pdf" (then read by
// pdftotext, which shows where lines break).
std::string libreOfficeText(const std::string& path, const std::string& format)
{
    const std::string dir = testenv::freshDir("lo");
    const std::string lo = "-env:UserInstallation=file://" + dir + "/lo";
    const std::string filter = format == "txt" ? "txt:Text (encoded):UTF8" : format;
    const ToolRun run = runTool("/usr/bin/soffice",
                                {"--headless", lo, "--convert-to", filter, "--outdir", dir, path});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string out = dir + "/" + std::filesystem::path(path).stem().string() + "." + format;
    if (format == "txt")
        return testenv::readText(out);
    return runTool("/usr/bin/pdftotext", {out, "-"}).out;
}

TEST(OdtReport, GeographicTableAndEmptyComputedTimes)
{
    TomoDocument doc;
    buildPickedSurvey(doc, 1, 4, 0.01, names(1, "a"));
    for (double& t : doc.ttArray[0].ttCalcolati)
        t = 0.0;
    doc.setGeoCoord(566245.876, 566345.876, 7632624.454, 7632724.4, 32733);
    const std::string path = testenv::freshDir("odtgeo") + "/g.odt";
    ASSERT_TRUE(writeOdtReport(QString::fromStdString(path), doc, {}));
    const QString text = exportCheck("odt", path)["text"].toString();
    EXPECT_TRUE(text.contains("Geophones:"));
    EXPECT_TRUE(text.contains("0.01 / 0"));
    // Map coordinates to the millimetre, in fixed notation.
    const std::string asText = libreOfficeText(path, "txt");
    for (const char* v : {"566245.876", "7632624.454", "566345.876", "7632724.400"})
        EXPECT_NE(asText.find(v), std::string::npos) << v;
    EXPECT_EQ(asText.find("e+06"), std::string::npos);
    EXPECT_FALSE(writeOdtReport(QString::fromStdString(testenv::freshDir("odtgeo2")), doc, {}));
}

// A survey read from travel times has no shot files: its shots are told apart
// by position, in every table of both reports. And a table of eight columns
// keeps every number on one line, as a word processor lays it out.
TEST(OdtReport, ShotsWithoutFilesAndNumbersOnOneLine)
{
    TomoDocument doc;
    buildPickedSurvey(doc, 5, 24, 0.0756131, names(5, "s"));
    doc.traceSets.clear();
    doc.ttArray[0].shotPos2d.x = -2.5;
    const char* heads[] = {"x = \xe2\x88\x92"
                           "2.5 m",
                           "x = 28.75 m", "x = 57.5 m", "x = 86.25 m", "x = 115 m"};
    const std::string dir = testenv::freshDir("ttonly");
    ASSERT_TRUE(writeOdtReport(QString::fromStdString(dir + "/t.odt"), doc, {}));
    ASSERT_TRUE(writePdfReport(QString::fromStdString(dir + "/t.pdf"), doc, {}));
    const QString odt = exportCheck("odt", dir + "/t.odt")["text"].toString();
    const std::string pdf = runTool("/usr/bin/pdftotext", {dir + "/t.pdf", "-"}).out;
    for (const char* h : heads) {
        // Once in the shot table, once over the shot's column.
        EXPECT_EQ(odt.count(QString::fromUtf8(h)), 2) << h;
        EXPECT_NE(pdf.find(h), std::string::npos) << h;
    }

    std::set<std::string> words;
    std::istringstream laidOut(libreOfficeText(dir + "/t.odt", "pdf"));
    for (std::string w; laidOut >> w;)
        words.insert(w);
    int checked = 0;
    for (const TravelTime& record : doc.ttArray)
        for (double t : record.ttMisurati) {
            const std::string v = QString::number(t, 'g', 6).toStdString();
            EXPECT_TRUE(words.count(v)) << v << " is broken across lines";
            checked += v.size() >= 8;
        }
    EXPECT_GT(checked, 0) << "the fixture has no long numbers";
}

std::string pdfInfo(const std::string& path, const std::string& extra = "")
{
    std::vector<std::string> args{path};
    if (!extra.empty())
        args = {"-f", "1", "-l", "99", path};
    return runTool("/usr/bin/pdfinfo", args).out;
}

TEST(PdfReport, PagesImagesAndTable)
{
    TomoDocument doc;
    buildPickedSurvey(doc, 2, 24, 0.03, {"tiro&\xc3\xa8<1>.sg2", "second.sg2"});
    const int w = int(pdfPictureWidth()), h = int(pdfPictureHeight());
    EXPECT_EQ(w, 1666);
    EXPECT_EQ(h, 1178);
    const std::vector<ReportPicture> pages{{"travelTimes", chartFor(doc, w, h), 0},
                                           {"trace0", chartFor(doc, w, h), 0},
                                           {"trace1", chartFor(doc, w, h), 0},
                                           {"/w//grid.png", sectionPicture(), 0},
                                           {"/w//rays.png", sectionPicture(), 0}};
    const std::string dir = testenv::freshDir("pdf");
    const std::string path = dir + "/r.pdf";
    ASSERT_TRUE(writePdfReport(QString::fromStdString(path), doc, pages));

    const QString info = QString::fromStdString(pdfInfo(path, "pages")).simplified();
    EXPECT_TRUE(info.contains("Pages: 6")) << info.toStdString();
    for (int p = 1; p <= 5; ++p)
        EXPECT_TRUE(info.contains(QString("Page %1 size: 842 x 595 pts (A4)").arg(p)));
    EXPECT_TRUE(info.contains("Page 6 size: 842 x 1191 pts (A3)")) << info.toStdString();

    // pdfimages -list: page type width height color comp bpc enc interp object ID x-ppi y-ppi ...
    const std::string list = runTool("/usr/bin/pdfimages", {"-list", path}).out;
    int images = 0;
    for (const QString& line : QString::fromStdString(list).split('\n').mid(2)) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() < 14 || f[2] != "image")
            continue;
        ++images;
        const int page = f[0].toInt();
        if (page <= 3) {
            EXPECT_EQ(f[3].toInt(), 1666);
            EXPECT_EQ(f[4].toInt(), 1178);
            EXPECT_EQ(f[12].toInt(), 150);
            EXPECT_EQ(f[13].toInt(), 150);
        } else {
            EXPECT_EQ(f[3].toInt(), 4096);
            EXPECT_EQ(f[4].toInt(), 1500);
            EXPECT_EQ(f[12].toInt(), f[13].toInt()) << line.toStdString();
        }
    }
    EXPECT_EQ(images, 5) << list;

    const std::string table = runTool("/usr/bin/pdftotext", {"-f", "6", "-l", "6", path, "-"}).out;
    for (const char* t : {"ID:geophone#", "tiro&\xc3\xa8<1>.sg2", "second.sg2"})
        EXPECT_NE(table.find(t), std::string::npos) << t;
    const ToolRun ppm = runTool("/usr/bin/pdftoppm", {"-r", "20", "-png", path, dir + "/page"});
    EXPECT_EQ(ppm.exitCode, 0);
    int pngs = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        pngs += e.path().extension() == ".png";
    EXPECT_EQ(pngs, 6);
}

TEST(PdfReport, WideSurveyFlowsOverPages)
{
    TomoDocument doc;
    buildPickedSurvey(doc, 96, 96, 0.05, names(96, "tiro&\xc3\xa8_"));
    const std::string path = testenv::freshDir("wide") + "/w.pdf";
    ASSERT_TRUE(writePdfReport(QString::fromStdString(path), doc, {{"travelTimes", {}, 0}}));
    const QString text = QString::fromStdString(runTool("/usr/bin/pdftotext", {path, "-"}).out);
    const int blocks = (96 + kShotsPerTable - 1) / kShotsPerTable;
    for (int j = 0; j < 96; ++j) {
        const QRegularExpression label("(^|\\s)" + QString::number(j) + ":0(\\s|$)");
        EXPECT_EQ(text.count(label), blocks) << j;
    }
    for (const std::string& n : names(96, "tiro&\xc3\xa8_"))
        EXPECT_TRUE(text.contains(QString::fromStdString(n))) << n;
    // The header row repeats on every table page.
    const QStringList pageTexts = text.split('\f', Qt::SkipEmptyParts);
    int tablePages = 0;
    for (int p = 1; p < pageTexts.size(); ++p) {
        if (pageTexts[p].trimmed().isEmpty())
            continue;
        ++tablePages;
        EXPECT_TRUE(pageTexts[p].contains("ID:geophone#")) << p;
    }
    EXPECT_GT(tablePages, blocks);
}

TEST(PdfReport, UnwritableTargetsLeaveNoFile)
{
    TomoDocument doc;
    buildPickedSurvey(doc, 1, 4, 0.01, names(1, "a"));
    const std::string dir = testenv::freshDir("pdffail");
    std::filesystem::create_directory(dir + "/taken.pdf");
    EXPECT_FALSE(writePdfReport(QString::fromStdString(dir + "/missing/r.pdf"), doc, {}));
    EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));
    EXPECT_FALSE(writePdfReport(QString::fromStdString(dir + "/taken.pdf"), doc, {}));
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/taken.pdf"));
}

} // namespace
