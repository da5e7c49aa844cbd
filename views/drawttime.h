#pragma once
// The travel-time chart: the measured first breaks of every shot against
// receiver position, one curve per shot, and optionally the computed times.
// Positions in metres, times in seconds in the document and milliseconds on
// the axis. The plot area is inset 45 px from every edge of the widget, more
// on the left and at the bottom when the tick and unit labels need it. Only
// picks (times above 0) and computed times above 0 are drawn; the time range
// covers the computed times when they are drawn.

#include <QWidget>

#include <vector>

class QPaintEvent;
class QPainter;
class QResizeEvent;
class TomoDocument;
struct Point2D;

class drawTTime : public QWidget
{
    Q_OBJECT

public:
    explicit drawTTime(QWidget* parent = nullptr);
    ~drawTTime() override;

    // Store only; the caller repaints.
    void setDocument(TomoDocument* doc);
    void setShotIndex(int index);

    TomoDocument* document = nullptr;
    bool previewMode = false; // the current shot thicker, computed times never drawn
    bool twoColors = true;    // measured curves black, computed ones red
    int shotIndex = 0;
    double minDistance = 999999999.0;
    double maxDistance = -999999999.0;
    bool showComputedTimes = false;
    double timeScale = 0.0;      // px/s
    double distanceScale = 0.0;  // px/m
    double distanceMargin = 0.0; // m
    double maxTime = 0.0;        // s, largest pick or drawn computed time
    double plotWidth = 0.0;
    double plotHeight = 0.0;

public slots:
    void enable();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    void drawTTCalc(QPainter& painter, double width, double height);
    void drawGridLines(QPainter& painter, double x0, double height, double y0);
    void drawDistanceAxis(QPainter& painter, double width, double yBase, double x0);
    void drawTimeAxis(QPainter& painter, double x0, double height, double y0);

private:
    void computeRanges();
    void computeScales(double width, double height);
    // Receivers exist and lie within integer reach of the tick arithmetic.
    bool hasDistanceTicks() const;
    // Positions of the major distance ticks, in metres.
    std::vector<long long> majorDistanceTicks() const;
    double distanceToX(double x, double width) const;
    double timeToRow(double t, double height) const;
    void drawCurves(QPainter& painter, double width, double height, bool computed);
};
