#pragma once
// The traces of one shot side by side as wiggles with filled lobes, with the
// pick marks, computed times, other shots' picks, the band before time zero,
// the time grid and both axes. Hand picking edits the shot's measured times.
//
// Geometry: the traces image of drawWidth x drawHeight pixels sits at
// (horizontalMargin / 2, verticalMargin / 2) = (55, 60). Trace i of n has its
// zero line at i * tw + tw / 2 with tw = drawWidth / n; time grows downwards,
// the first sample on the top edge. Times are in seconds, labels in ms.

#include <QWidget>

#include <cstddef>
#include <vector>

class QMouseEvent;
class QPaintEvent;
class QPainter;
class TomoDocument;
class drawTTime;
struct Trace;
struct TraceSet;
struct TravelTime;

class drawTraces : public QWidget
{
    Q_OBJECT

public:
    explicit drawTraces(QWidget* parent = nullptr);
    ~drawTraces() override;

    // Each stores its argument and repaints at once.
    void setCutWaveForm(bool cut);
    void setFillWiggle(bool fill);
    void setShowAllPicks(bool show);
    void setShowSimulatedTimes(bool show);
    void setZoomInWindow(bool zoomIn);
    void setZoom(double timeZoom, double amplitudeZoom);

    // Neither repaints.
    void setDocument(TomoDocument* doc);
    // i indexes ttArray; the wave type comes from trace set i. A set without
    // traces gives wave type 4, which draws no traces.
    void setShot(int i);

    // Draws the whole panel into the painter's device with a traces image of
    // width x height pixels, then ends the painter: anything drawn afterwards
    // needs a new one.
    void drawShot(QPainter& painter, double width, double height);

    double drawWidth = 0.0;
    double drawHeight = 0.0;
    int waveType = 4;
    int shotIndex = 0;
    double timeZoom = 1.0; // kept for the owner, which sizes the panel
    double amplitudeZoom = 1.0;
    TomoDocument* document = nullptr;
    double horizontalMargin = 110.0;
    double verticalMargin = 120.0;
    bool fillWiggle = true;
    bool cutWaveForm = true;
    bool zoomInWindow = false; // read by the owner only
    bool showAllPicks = false;
    bool pickingEnabled = true;
    bool showFiltered = false;
    bool showSimulatedTimes = false;
    double amplitudeRange = -1.7976931348623157e308; // of the trace being drawn
    drawTTime* travelTimeView = nullptr;

signals:
    void pick_edited();
    // Once per visible pick or computed-time mark on every drawing.
    void pick_added();
    // Carries the panel's shot index.
    void mouse_moved(int shot);

public slots:
    void setShowFiltered(bool show);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct WiggleStyle;
    struct CursorPosition;

    void drawTracesWaveType3(QPainter& painter);
    void drawTracesWaveType2(QPainter& painter);
    void drawWiggle(QPainter& painter, const std::vector<double>& v, size_t points, double mean,
                    double xc, double tw, double pps, const WiggleStyle& style);
    void drawZeroLine(QPainter& painter, double xc);

    void drawPicks(QPainter& painter);
    void drawComputedTimeMarks(QPainter& painter);
    void drawNegativeTimeZone(QPainter& painter);
    void drawOtherShotsPicks(QPainter& painter);
    void drawGridLines(QPainter& painter, double left, double height, double top);
    void drawTimeAxis(QPainter& painter, double left, double height, double top);
    void drawShotAxis(QPainter& painter, double width, double left);
    void drawUnitLabels(QPainter& painter);

    // The shown shot's record and trace set; std::out_of_range when missing.
    const TravelTime& shotRecord() const;
    const TraceSet& shotTraceSet() const;
    size_t drawingSampleCount(const Trace& trace) const;
    // Row of time t (s) on trace's own scale in the traces image.
    double timeToY(const Trace& trace, double t) const;

    bool cursorPosition(const QPoint& pos, CursorPosition& at) const;
    bool setPick(const CursorPosition& at, Qt::KeyboardModifiers modifiers);
};
