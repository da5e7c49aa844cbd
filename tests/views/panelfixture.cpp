#include "panelfixture.h"

#include "drawtraces.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace panelfixture
{
TomoDocument makeDocument(size_t shots, size_t traces, size_t samples, double interval,
                          std::vector<double> picks)
{
    TomoDocument doc;
    for (size_t s = 0; s < shots; ++s) {
        TraceSet set;
        for (size_t i = 0; i < traces; ++i) {
            Trace trace;
            trace.kind = Trace::Ordinary;
            trace.sampleInterval = interval;
            trace.samples.resize(samples);
            for (size_t j = 0; j < samples; ++j)
                trace.samples[j] = std::sin(2.0 * M_PI * double(j) / 100.0);
            set.traces.push_back(trace);
        }
        doc.traceSets.push_back(set);

        std::vector<Point2D> spread;
        for (size_t i = 0; i < traces; ++i)
            spread.push_back({5.0 * double(i), 0.0});
        doc.goephonesStringSet.push_back(spread);

        TravelTime record;
        record.indexStesa = uint32_t(s);
        record.traceSetID = uint32_t(s);
        record.shotPos2d = {-5.0 - double(s), 0.0};
        record.ttMisurati = picks;
        record.ttMisurati.resize(traces, 0.0);
        record.ttCalcolati.assign(traces, 0.0);
        doc.ttArray.push_back(record);
    }
    return doc;
}

QImage draw(drawTraces& panel)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta); // drawShot must paint every pixel itself
    QPainter painter(&image);
    panel.drawShot(painter, kWidth - 110, kHeight - 120);
    return image;
}
} // namespace panelfixture

namespace pixels
{
int distance(QRgb pixel, QColor colour)
{
    return std::max({std::abs(qRed(pixel) - colour.red()), std::abs(qGreen(pixel) - colour.green()),
                     std::abs(qBlue(pixel) - colour.blue())});
}

bool near(QRgb pixel, QColor colour, int tolerance)
{
    return distance(pixel, colour) <= tolerance;
}

int count(const QImage& image, QRect area, const std::function<bool(QRgb)>& predicate)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (predicate(image.pixel(x, y)))
                ++n;
    return n;
}

int countNear(const QImage& image, QRect area, QColor colour, int tolerance)
{
    return count(image, area, [&](QRgb p) { return near(p, colour, tolerance); });
}

QRect columnsRows(int x0, int x1, int y0, int y1)
{
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}
} // namespace pixels
