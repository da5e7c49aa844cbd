#pragma once
// The refraction dialog's travel-time plot, in three modes: 0 the picks of
// every shot coloured by their layer, where two clicks assign the selected
// layer to a range of receivers of one shot; 1 the forward and reverse
// phantoms of one refractor; 3 the tV or tG function with its offset rows.
// Times are seconds in the data and milliseconds on the axis. The mouse only
// ever changes layer numbers, and only of a pick it pointed at.

#include "pointlineplot.h"

#include <QBitArray>
#include <QRgb>

#include <cstdint>
#include <vector>

class TomoDocument;
struct refractionDataStructure;

class editTravelTimesWidget : public PointLinePlot
{
    Q_OBJECT

public:
    explicit editTravelTimesWidget(QWidget* parent = nullptr);
    ~editTravelTimesWidget() override;

    // Store the pointer and forget the highlighted pick and an open range.
    void setDocument(TomoDocument* document);
    void setRefractionData(refractionDataStructure* data);

    int32_t plotMode = 0; // 0 travel times, 1 phantoms, 3 tV/tG
    double maxTime = 0.0;
    int32_t selectedLayer = 0;
    uint32_t hoverShot = 0;
    uint32_t hoverReceiver = 0;
    uint32_t rangeStart = 0;
    uint32_t rangeEnd = 0;
    bool firstClickDone = false;
    bool readOnly = false;
    TomoDocument* document = nullptr;
    refractionDataStructure* refractionData = nullptr;
    QBitArray shotVisible;
    QBitArray shotEnabled;
    std::vector<QRgb> shotColors;
    std::vector<QRgb> layerColors;

    // Set by a pointer move that found a pick; clicks act only then.
    bool hoverValid = false;
    // Set when a click wrote layers into the refraction data.
    bool layersChanged = false;

    void drawTravelTimeCurves(QPainter& painter);
    void drawHoverMarker(QPainter& painter);
    void drawPhantoms(QPainter& painter);
    void drawTvTgPoints(QPainter& painter, const std::vector<double>& stations);

public slots:
    void layerSelChange(int n);
    void visibleChanged(int shot, bool on);
    void enableChanged(int shot, bool on);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool bit(const QBitArray& bits, size_t shot) const;
    int32_t layerOf(size_t shot, size_t receiver) const;
    bool setTimeScale(double height);
    QPoint pickPoint(double x, double t, double width, double height) const;
    const std::vector<Point2D>* receiversOf(size_t shot) const;
    std::vector<double> stationPositions() const;
};
