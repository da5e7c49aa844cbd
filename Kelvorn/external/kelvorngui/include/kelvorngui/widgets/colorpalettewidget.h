#pragma once
// Shows and edits one palette: a colour bar painted with its gradient, one
// knob per stop under it, the value range in two spin boxes with three scale
// labels, and the selected stop's value with buttons to recolour or delete it.
// Works on its own copy; the owner copies editedPalette back after modified().
//
// Values shown here are whole numbers: the range min_db..max_db truncated
// toward zero. A stop's value is minimum + (maximum - minimum) * mval.
// Stops always stay in strictly ascending mval, and the range always has
// min_db < max_db when changed here, so no mval becomes NaN or infinite.

#include "colorpalette.h"

#include <QColor>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QGroupBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;

// One stop's knob: a disabled slider that paints only its knob, in the stop's
// colour. The palette widget does all hit-testing.
class SliderHandle : public QSlider
{
    Q_OBJECT

public:
    explicit SliderHandle(QWidget* parent = nullptr);

    // Where the style draws the knob, in the handle's coordinates.
    QRect knobRect() const;
    // The value whose knob is centred at x (handle coordinates).
    int valueFromX(int x) const;

    QColor handleColor;
    double relativePosition = 0.0;
    int index = -1;

signals:
    void handlePressed(int index);
    void handleMoved(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStyleOptionSlider styleOption() const;
};

class ColorPaletteWidget : public QWidget
{
    Q_OBJECT

public:
    // Asks for a colour; an invalid colour means cancelled.
    using ColorPicker =
        std::function<QColor(QWidget* parent, const QColor& initial, const QString& title)>;

    explicit ColorPaletteWidget(QWidget* parent = nullptr);
    ColorPaletteWidget(const ColorPalette& palette, QWidget* parent = nullptr);

    // Replaces the edited palette, clears the selection and rebuilds the knobs.
    void setPalette(const ColorPalette& palette);
    // The knob of a stop with the given value; index -1 inserts a new stop at
    // its place in editedPalette. Returns the stop's index.
    int createHandle(int value, int index);
    void updateHandlePositions();
    void updateScaleLabels();
    void updateGradientBar();
    void showSelectedHandleValue();
    void updateHandleStyles();
    // The colour dialog used by updateHandleColor (tests answer it).
    void setColorPicker(ColorPicker picker) { colorPicker = std::move(picker); }

    bool editable = false;
    ColorPalette editedPalette;
    QLabel* gradientBar = nullptr;
    std::vector<SliderHandle*> handles;
    QGroupBox* selectedHandleBox = nullptr;
    QPushButton* addSliderButton = nullptr;
    QPushButton* setColorButton = nullptr;
    QPushButton* deleteSliderButton = nullptr;
    QSpinBox* minSpinBox = nullptr;
    QSpinBox* maxSpinBox = nullptr;
    std::array<QLabel*, 3> scaleLabels{};
    QLabel* valueLabel = nullptr;
    int selectedHandle = -1;

public slots:
    void addHandle();
    void deleteHandle();
    void updateHandleColor();
    void updateMinValue(int v);
    void updateMaxValue(int v);

signals:
    void added_handle();
    void modified();
    void changed_min_value(int v);
    void changed_max_value(int v);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int rangeMinimum() const;
    int rangeMaximum() const;
    bool rangeUsable() const { return rangeMinimum() < rangeMaximum(); }
    int valueAt(double relative) const;
    void clearSelection();

    QGridLayout* grid = nullptr;
    ColorPicker colorPicker;
};
