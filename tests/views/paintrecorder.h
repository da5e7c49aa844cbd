#pragma once
// A paint device that records what is drawn on it instead of rasterising:
// texts with their baseline origin and lines with their pen, in device
// coordinates. Texts are checked through strings and geometry, not glyphs.

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>
#include <QTransform>

#include <memory>
#include <vector>

struct RecordedText {
    QString text;
    QPointF origin;       // baseline start, device coordinates
    QTransform transform; // the painter's transform when drawn
    QFont font;
};

struct RecordedLine {
    QLineF line; // device coordinates
    QColor colour;
    double width;
};

class RecordingEngine;

class PaintRecorder : public QPaintDevice
{
public:
    PaintRecorder(int width, int height);
    ~PaintRecorder() override;

    QPaintEngine* paintEngine() const override;
    const std::vector<RecordedText>& texts() const;
    const std::vector<RecordedLine>& lines() const;
    std::vector<QString> strings() const;
    // The first text with this string, or null.
    const RecordedText* find(const QString& text) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int w, h;
    std::unique_ptr<RecordingEngine> engine;
};
