#include "edittraveltimeswidget.h"

#include "pixel.h"
#include "refractiondatastructure.h"
#include "tomodocument.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <iostream>

namespace
{
QPen pointPen(QColor color, double width)
{
    return QPen(QBrush(color), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}
} // namespace

editTravelTimesWidget::editTravelTimesWidget(QWidget* parent)
    : PointLinePlot(parent), shotColors{0x6dcc73, 0x1d7775, 0x7e57c2, 0xfce651, 0x999999, 0xff7050,
                                        0x26c6da, 0xef5350, 0x78909c, 0xab47bc, 0x8d6e63, 0x26a69a,
                                        0xff7043, 0x66bb6a, 0xec407a, 0x1de9b6},
      layerColors{0x888888, 0x12aa55, 0x1266bb, 0x881244}
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("editTravelTimesWidget"));
    resize(657, 492);
    setWindowTitle(QStringLiteral("Form"));
    setMouseTracking(true);
}

editTravelTimesWidget::~editTravelTimesWidget() = default;

void editTravelTimesWidget::setDocument(TomoDocument* d)
{
    document = d;
    hoverValid = false;
    firstClickDone = false;
}

void editTravelTimesWidget::setRefractionData(refractionDataStructure* data)
{
    refractionData = data;
    hoverValid = false;
    firstClickDone = false;
}

bool editTravelTimesWidget::bit(const QBitArray& bits, size_t shot) const
{
    return shot < size_t(bits.size()) && bits.testBit(int(shot));
}

// A layer outside 0..3 (a damaged file) is drawn as no layer.
int32_t editTravelTimesWidget::layerOf(size_t shot, size_t receiver) const
{
    if (!refractionData || shot >= refractionData->ttLayer.size())
        return 0;
    const auto& layers = refractionData->ttLayer[shot].layer;
    if (receiver >= layers.size() || layers[receiver] < 0 || layers[receiver] > 3)
        return 0;
    return layers[receiver];
}

const std::vector<Point2D>* editTravelTimesWidget::receiversOf(size_t shot) const
{
    if (!document || shot >= document->ttArray.size())
        return nullptr;
    const uint32_t spread = document->ttArray[shot].indexStesa;
    if (spread >= document->goephonesStringSet.size())
        return nullptr;
    return &document->goephonesStringSet[spread];
}

bool editTravelTimesWidget::setTimeScale(double height)
{
    if (!(maxTime > 0) || !std::isfinite(maxTime))
        return false;
    yScale = height / (maxTime * 1.1);
    return std::isfinite(yScale) && yScale > 0;
}

QPoint editTravelTimesWidget::pickPoint(double x, double t, double width, double height) const
{
    return QPoint(clampedPixel((x - xMin + xOffset) * xScale, pixelLow(width), pixelHigh(width)),
                  clampedPixel(height - t * yScale, pixelLow(height), pixelHigh(height)));
}

void editTravelTimesWidget::drawTravelTimeCurves(QPainter& painter)
{
    const double W = painter.device()->width(), H = painter.device()->height();
    if (!setXScale(W) || !setTimeScale(H) || !document)
        return;
    painter.setOpacity(1.0);
    for (size_t i = 0; i < document->ttArray.size(); ++i) {
        const auto* receivers = receiversOf(i);
        if (!bit(shotVisible, i) || !receivers)
            continue;
        const auto& times = document->ttArray[i].ttMisurati;
        const bool enabled = bit(shotEnabled, i);
        const size_t n = std::min(times.size(), receivers->size());
        for (size_t j = 0; j < n; ++j) {
            const int32_t L = layerOf(i, j);
            const QColor color = enabled ? QColor(layerColors[size_t(L)]) : QColor(Qt::lightGray);
            const QPoint here = pickPoint((*receivers)[j].x, times[j], W, H);
            if (j > 0 && times[j - 1] > 0 && times[j] > 0 && layerOf(i, j - 1) == L &&
                std::isfinite(times[j]) && std::isfinite(times[j - 1])) {
                const bool highlighted = selectedLayer > 0 && i == hoverShot;
                painter.setOpacity(highlighted ? 1.0 : 0.6);
                painter.setPen(pointPen(color, highlighted ? 2.5 : 1.5));
                painter.drawLine(pickPoint((*receivers)[j - 1].x, times[j - 1], W, H), here);
            }
            // Unpicked (0) and rejected (negative) receivers are no picks.
            if (std::isfinite(times[j]) && times[j] > 0) {
                painter.setPen(pointPen(color, 4));
                painter.drawPoint(here);
            }
        }
    }
}

void editTravelTimesWidget::drawHoverMarker(QPainter& painter)
{
    const double W = painter.device()->width(), H = painter.device()->height();
    if (!setXScale(W) || !setTimeScale(H) || !document)
        return;
    const TravelTime& tt = document->travelTimeAt(hoverShot);
    const Point2D& r = document->spreadAt(tt.indexStesa).at(hoverReceiver);
    const QPoint at = pickPoint(r.x, tt.ttMisurati.at(hoverReceiver), W, H);
    const QColor color(QRgb(0x881244));
    painter.setPen(pointPen(color, 4));
    painter.drawPoint(at);
    painter.setPen(pointPen(color, 1));
    painter.drawEllipse(at.x() - 5, at.y() - 5, 10, 10);
}

void editTravelTimesWidget::drawPhantoms(QPainter& painter)
{
    const double W = painter.device()->width(), H = painter.device()->height();
    if (!refractionData || selectedLayer < 0 || size_t(selectedLayer) >= 2 ||
        refractionData->phnt_A.size() != 2 || refractionData->phnt_R.size() != 2)
        return;
    if (!setXScale(W) || !setTimeScale(H))
        return;
    const auto& A = refractionData->phnt_A[size_t(selectedLayer)];
    const auto& R = refractionData->phnt_R[size_t(selectedLayer)];
    if (std::none_of(A.time.begin(), A.time.end(), [](double t) { return t > 0; }))
        return;
    painter.setPen(pointPen(QColor(layerColors[size_t(selectedLayer)]), 4));
    for (size_t k = 0; k < A.pos.size() && k < A.time.size(); ++k) {
        if (std::isfinite(A.time[k]))
            painter.drawPoint(pickPoint(A.pos[k].x, A.time[k], W, H));
        if (k < R.pos.size() && k < R.time.size() && std::isfinite(R.time[k]))
            painter.drawPoint(pickPoint(R.pos[k].x, R.time[k], W, H));
    }
}

void editTravelTimesWidget::drawTvTgPoints(QPainter& painter, const std::vector<double>& stations)
{
    const double W = painter.device()->width(), H = painter.device()->height();
    if (!setXScale(W) || values.empty() || values.size() != stations.size())
        return;
    maxTime = 0;
    for (double v : values)
        if (std::isfinite(v))
            maxTime = std::max(maxTime, v);
    if (!setTimeScale(H))
        return;
    const size_t colour = size_t(selectedLayer) < shotColors.size() ? size_t(selectedLayer) : 0;
    for (size_t k = 0; k < stations.size(); ++k) {
        painter.setPen(pointPen(QColor(shotColors[colour]), 2));
        for (const auto& row : valueSets)
            if (k < row.size() && std::isfinite(row[k]))
                painter.drawPoint(pickPoint(stations[k], row[k], W, H));
        painter.setPen(pointPen(Qt::black, 3));
        if (std::isfinite(values[k]))
            painter.drawPoint(pickPoint(stations[k], values[k], W, H));
    }
}

std::vector<double> editTravelTimesWidget::stationPositions() const
{
    std::vector<double> xs;
    if (!refractionData || selectedLayer < 0 ||
        size_t(selectedLayer) >= refractionData->phnt_A.size())
        return xs;
    const auto& A = refractionData->phnt_A[size_t(selectedLayer)];
    for (size_t k = 0; k < A.time.size() && k < A.pos.size(); ++k)
        xs.push_back(A.pos[k].x);
    return xs;
}

void editTravelTimesWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    plotWidth = width() - marginH;
    plotHeight = height() - marginV;
    maxTime = 0;
    xMin = DBL_MAX;
    xMax = -DBL_MAX;
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    QImage data(std::max(1, int(plotWidth)), std::max(1, int(plotHeight)),
                QImage::Format_ARGB32_Premultiplied);
    data.fill(Qt::transparent);
    QPainter dataPainter(&data);

    const auto widen = [&](double x) {
        if (std::isfinite(x)) {
            xMin = std::min(xMin, x);
            xMax = std::max(xMax, x);
        }
    };
    const auto taller = [&](double t) {
        if (std::isfinite(t))
            maxTime = std::max(maxTime, t);
    };
    if (document) {
        if (plotMode == 0) {
            for (size_t i = 0; i < document->ttArray.size(); ++i) {
                const auto* receivers = receiversOf(i);
                const auto& times = document->ttArray[i].ttMisurati;
                for (size_t j = 0; j < times.size(); ++j) {
                    taller(times[j]);
                    if (receivers && j < receivers->size())
                        widen((*receivers)[j].x);
                }
            }
            yMax = maxTime;
            drawTravelTimeCurves(dataPainter);
            try {
                drawHoverMarker(dataPainter);
            } catch (const std::exception&) {
                // Stale indexes after the data changed: no marker this time.
            }
        } else if (plotMode == 1 && refractionData && selectedLayer >= 0 &&
                   size_t(selectedLayer) < refractionData->phnt_A.size() &&
                   size_t(selectedLayer) < refractionData->phnt_R.size()) {
            const auto& A = refractionData->phnt_A[size_t(selectedLayer)];
            const auto& R = refractionData->phnt_R[size_t(selectedLayer)];
            for (size_t k = 0; k < A.time.size(); ++k) {
                taller(A.time[k]);
                if (k < R.time.size())
                    taller(R.time[k]);
                if (k < A.pos.size())
                    widen(A.pos[k].x);
            }
            yMax = maxTime;
            drawPhantoms(dataPainter);
        } else if (plotMode == 3 && refractionData) {
            const std::vector<double> stations = stationPositions();
            for (double x : stations)
                widen(x);
            for (double v : values)
                taller(v);
            yMax = maxTime;
            drawTvTgPoints(dataPainter, stations);
        }
    }
    dataPainter.end();
    drawFrame(painter, data);
}

void editTravelTimesWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (document && document->hasPicks())
        update();
}

void editTravelTimesWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (readOnly || !document)
        return;
    const int px = event->pos().x() - int(marginH / 2);
    const int py = event->pos().y() - int(marginV / 2);
    if (!setXScale(plotWidth) || !setTimeScale(plotHeight))
        return;
    double best = DBL_MAX;
    const auto search = [&](size_t shot) {
        const auto* receivers = receiversOf(shot);
        if (!receivers)
            return;
        const auto& times = document->ttArray[shot].ttMisurati;
        for (size_t j = 0; j < times.size() && j < receivers->size(); ++j) {
            if (!(times[j] > 0) || !std::isfinite(times[j]))
                continue;
            const QPoint p = pickPoint((*receivers)[j].x, times[j], plotWidth, plotHeight);
            const double d = std::hypot(double(p.y() - py), double(p.x() - px));
            if (d < best) {
                best = d;
                hoverShot = uint32_t(shot);
                hoverReceiver = uint32_t(j);
                hoverValid = true;
            }
        }
    };
    if (firstClickDone) {
        search(hoverShot);
    } else {
        for (size_t i = 0; i < document->ttArray.size(); ++i)
            if (bit(shotVisible, i) && bit(shotEnabled, i))
                search(i);
    }
    update();
}

void editTravelTimesWidget::mouseReleaseEvent(QMouseEvent*)
{
    // Only a pick the pointer found can be clicked.
    if (readOnly || !hoverValid)
        return;
    if (!firstClickDone) {
        rangeStart = hoverReceiver;
        firstClickDone = true;
        return;
    }
    rangeEnd = hoverReceiver;
    if (rangeStart > rangeEnd)
        std::swap(rangeStart, rangeEnd);
    firstClickDone = false;
    if (refractionData && hoverShot < refractionData->ttLayer.size()) {
        auto& layers = refractionData->ttLayer[hoverShot].layer;
        try {
            if (rangeEnd < layers.size() && selectedLayer >= 0 && selectedLayer <= 3 &&
                refractionData->isLayerRangeValid(rangeStart, rangeEnd, uint32_t(selectedLayer),
                                                  hoverShot)) {
                for (uint32_t j = rangeStart; j <= rangeEnd; ++j)
                    layers[j] = selectedLayer;
                layersChanged = true;
            }
        } catch (const std::exception&) {
            // A shot the document no longer has: nothing to assign.
        }
    }
    update();
}

void editTravelTimesWidget::layerSelChange(int n)
{
    selectedLayer = n;
}

void editTravelTimesWidget::visibleChanged(int shot, bool on)
{
    if (shot >= 0 && shot < shotVisible.size())
        shotVisible.setBit(shot, on);
    update();
    std::cout << "[LOG] visible changed " << shot << std::endl;
}

void editTravelTimesWidget::enableChanged(int shot, bool on)
{
    if (shot >= 0 && shot < shotEnabled.size())
        shotEnabled.setBit(shot, on);
    update();
    std::cout << "[LOG] visible changed " << shot << std::endl;
}
