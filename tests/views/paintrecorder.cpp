#include "paintrecorder.h"

#include <QPainter>
#include <QTextItem>

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QTransform t = painter()->combinedTransform();
        texts.push_back({item.text(), t.map(p), t, item.font()});
    }

    void drawLines(const QLineF* lines, int count) override
    {
        const QTransform t = painter()->combinedTransform();
        const QPen pen = painter()->pen();
        for (int i = 0; i < count; ++i)
            this->lines.push_back({t.map(lines[i]), pen.color(), pen.widthF()});
    }

    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
};

PaintRecorder::PaintRecorder(int width, int height)
    : w(width), h(height), engine(std::make_unique<RecordingEngine>())
{
}

PaintRecorder::~PaintRecorder() = default;

QPaintEngine* PaintRecorder::paintEngine() const
{
    return engine.get();
}

const std::vector<RecordedText>& PaintRecorder::texts() const
{
    return engine->texts;
}

const std::vector<RecordedLine>& PaintRecorder::lines() const
{
    return engine->lines;
}

std::vector<QString> PaintRecorder::strings() const
{
    std::vector<QString> result;
    for (const RecordedText& t : engine->texts)
        result.push_back(t.text);
    return result;
}

const RecordedText* PaintRecorder::find(const QString& text) const
{
    for (const RecordedText& t : engine->texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return w;
    case PdmHeight:
        return h;
    case PdmWidthMM:
        return int(w * 25.4 / 96.0);
    case PdmHeightMM:
        return int(h * 25.4 / 96.0);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}
